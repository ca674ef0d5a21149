#include "l10n/Counts.h"

#include "l10n/PhraseText.h"

QString StudentsText(qsizetype n)
{
    return Translated(TPhrase("Counts", QT_TRANSLATE_N_NOOP("Counts", "%n student(s)"), {}, n));
}
