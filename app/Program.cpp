#include "app/Program.h"

#include <QApplication>
#include <memory>

#include "app/MainWindow.h"
#include "store/datamodule/DataModule.h"
#include "textio/ErrorDisplay.h"
#include "toolkit/Application.h"

int RunCardovane(QApplication& qapp, TModalSeam& seam)
{
    TApplication app(QApplication::applicationFilePath(), seam);
    std::unique_ptr<TfMain> fMain;
    std::unique_ptr<TfDM1> fDM1;
    try {
        fMain = std::make_unique<TfMain>(app);
        fDM1 = std::make_unique<TfDM1>(app);
        fMain->AttachDataModule(fDM1.get());
    } catch (const std::exception& error) {
        ShowStartupError(app, error);
        return 1;
    }
    // Showing the window activates it, which opens the student list.
    fMain->show();
    fMain->activateWindow();
    qapp.exec();
    // The data module goes first, then the window: the grid lets go of the list as it goes.
    fDM1.reset();
    fMain.reset();
    return 0;
}
