#include "l10n/Counts.h"

#include <QCoreApplication>

QString StudentsText(qsizetype n)
{
    return QCoreApplication::translate("Counts", "%n student(s)", nullptr, int(n));
}
