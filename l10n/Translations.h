#pragma once

#include <QLocale>

// Installs the program's catalogue for the language, and Qt's own for the buttons of its
// dialogs, in place of any installed before. A language the program has no catalogue for (an
// English or C locale among them) installs none: the texts are then the program's own English.
// By default the desktop's language, as Qt reads it from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
// Answers whether a catalogue of the program's was installed.
bool InstallTranslations(const QLocale& language = QLocale::system());

// The languages the program speaks besides English, as catalogue names ("de", ...).
QStringList TranslatedLanguages();
