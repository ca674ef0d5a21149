#include "l10n/PhraseText.h"

#include <QCoreApplication>

#include "textio/Exception.h"

QString Translated(const TPhrase& phrase)
{
    if (phrase.Verbatim()) {
        return QString::fromStdString(phrase.Text());
    }
    const int n = phrase.Count() ? int(*phrase.Count()) : -1;
    QString text = QCoreApplication::translate(phrase.Context(), phrase.Source(), nullptr, n);
    QString untranslated = QString::fromUtf8(phrase.Source());
    if (n >= 0) {
        untranslated.replace(QLatin1String("%n"), QString::number(n));
    }
    if (text == untranslated) {
        text = QString::fromStdString(EnglishForm(phrase.Source(), phrase.Count()));
    }
    std::vector<std::string> args;
    for (const TPhrase& arg : phrase.Args()) {
        args.push_back(Translated(arg).toStdString());
    }
    return QString::fromStdString(FillPlaceholders(text.toStdString(), args));
}

QString TranslatedMessage(const std::exception& error)
{
    if (const auto* own = dynamic_cast<const Exception*>(&error)) {
        return Translated(own->Phrase());
    }
    return QString::fromUtf8(error.what());
}
