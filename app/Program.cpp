#include "app/Program.h"

#include <QApplication>
#include <memory>

#include "app/MainWindow.h"
#include "store/DataModule.h"
#include "textio/ErrorDisplay.h"
#include "toolkit/Application.h"

int RunCardovane(QApplication& qapp, TModalSeam& seam)
{
    TApplication app(QApplication::applicationFilePath(), seam);  // 1.
    std::unique_ptr<TfMain> fMain;
    std::unique_ptr<TfDM1> fDM1;
    try {
        fMain = std::make_unique<TfMain>(app);  // 2.
        fDM1 = std::make_unique<TfDM1>(app);    // 3.
        fMain->AttachDataModule(fDM1.get());
    } catch (const std::exception& error) {
        ShowStartupError(app, error);
        return 1;
    }
    // 4. Showing the window activates it, which opens the student list.
    fMain->show();
    fMain->activateWindow();
    qapp.exec();
    // 5. The window goes before the data module whose list it shows.
    fMain.reset();
    fDM1.reset();
    return 0;
}
