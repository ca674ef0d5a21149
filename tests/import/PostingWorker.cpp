// A second office for the posting tests: its own process, with its own connections to the
// database of the alias DVK (the configuration named by XDG_CONFIG_HOME). It fills the review
// grid with ROWS students named FIRST LAST, says "ready", waits for the file GO to exist, so that
// several offices start at the same moment, and posts them. Exit code 0 when the posting
// showed no message.
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <thread>

#include "app/MainWindow.h"
#include "store/datamodule/DataModule.h"
#include "toolkit/Application.h"
#include "toolkit/Buttons.h"
#include "toolkit/StringGrid.h"

namespace {

class ReportingSeam : public TModalSeam {
public:
    int Exec(QDialog& dialog) override
    {
        ++shown;
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            std::fprintf(stderr, "%s\n", qPrintable(box->text()));
        }
        return QDialog::Rejected;
    }
    int shown = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    const QStringList args = qapp.arguments();
    if (args.size() != 6) {
        std::fprintf(stderr, "usage: PostingWorker ROWS ID-PREFIX FIRST LAST GO\n");
        return 2;
    }
    ReportingSeam seam;
    TApplication app(QApplication::applicationFilePath(), seam);
    TfMain window(app);
    TfDM1 dm(app);
    window.AttachDataModule(&dm);
    window.postingPause = std::chrono::milliseconds(0);

    const int rows = args[1].toInt();
    TStringGrid& grid = *window.SGRecordStudents;
    grid.SetRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r) {
        grid.SetCell(0, r, (args[2] + QString::number(r)).toStdString());
        grid.SetCell(1, r, args[3].toStdString());
        grid.SetCell(2, r, args[4].toStdString());
    }
    std::printf("ready\n");
    std::fflush(stdout);
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(args[5])) {
        if (waited.elapsed() > 30000) {
            std::fprintf(stderr, "never told to go\n");
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    window.BitBtn5->click();
    return seam.shown == 0 ? 0 : 1;
}
