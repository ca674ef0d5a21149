#include <QApplication>

#include "app/Program.h"
#include "l10n/Translations.h"
#include "toolkit/Application.h"

int main(int, char** argv)
{
    // The program takes no arguments, and Qt is given none either, so that its own options
    // (-reverse, -style, -qwindowgeometry, ...) cannot change the window.
    int qtArgc = 1;
    QApplication qapp(qtArgc, argv);
    // In the desktop's language from the first text on, the start-up's errors among them.
    InstallTranslations();
    TModalSeam seam;
    return RunCardovane(qapp, seam);
}
