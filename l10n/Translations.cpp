#include "l10n/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

// The program's catalogues are compiled into it, under this folder of its resources.
const QString kCatalogues = QStringLiteral(":/i18n");

struct TInstalled {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

TInstalled& Installed()
{
    static TInstalled installed;
    return installed;
}

}  // namespace

bool InstallTranslations(const QLocale& language)
{
    TInstalled& installed = Installed();
    for (auto* translator : {&installed.program, &installed.qt}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
    auto program = std::make_unique<QTranslator>();
    // The language's own catalogue or its family's ("de_AT" finds "de"); English has none.
    if (language.language() == QLocale::English || language.language() == QLocale::C ||
        !program->load(language, QStringLiteral("cardovane"), QStringLiteral("_"), kCatalogues)) {
        return false;
    }
    QCoreApplication::installTranslator(program.get());
    installed.program = std::move(program);
    // Qt's catalogue, from Debian's qt6-translations-l10n: the Yes, No and Cancel of the
    // message boxes. Without it those stay in English, and the rest is still translated.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed.qt = std::move(qt);
    }
    return true;
}

QStringList TranslatedLanguages()
{
    QStringList languages;
    for (const QString& name : QDir(kCatalogues).entryList({QStringLiteral("cardovane_*.qm")})) {
        languages << name.mid(10, name.size() - 13);
    }
    return languages;
}
