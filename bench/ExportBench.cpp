// Exports 100,000 students through the real window, and times the sqlite3 shell writing the
// same table as CSV beside it.
#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "app/MainWindow.h"
#include "bench/BenchSupport.h"
#include "store/datamodule/DataModule.h"
#include "store/table/StudentListTable.h"
#include "toolkit/Buttons.h"
#include "toolkit/EditControls.h"

namespace {

void ExportFrom(bool postgres, int students, const QTemporaryDir& dir)
{
    const QString dbFile = bench::PrepareStudentList(postgres, dir.path(), students);
    bench::AnsweringSeam seam;
    TApplication app(QApplication::applicationFilePath(), seam);
    TfMain window(app);
    TfDM1 dm(app);
    window.AttachDataModule(&dm);
    const QString out = dir.filePath(QStringLiteral("export.csv"));
    window.EditFileName->setText(out);

    const long idleKb = bench::ResidentKb();
    bench::ResetPeak();
    const bench::Stopwatch watch;
    window.BitBtn8->click();  // opens the list, as an export does when it is closed
    const double seconds = watch.Seconds();
    const long peakKb = bench::PeakResidentKb();
    // Once the list is open (as it is after start-up), an export only walks and writes it.
    const bench::Stopwatch again;
    window.BitBtn8->click();
    const double openSeconds = again.Seconds();
    std::printf(
        "%-10s export of %d students: %.3f s with the list closed, %.3f s with it open; "
        "%.1f MB above idle\n",
        postgres ? "PostgreSQL" : "SQLite", students, seconds, openSeconds,
        double(peakKb - idleKb) / 1024.0);
    if (!postgres) {
        const double shell = bench::TimeCommand(
            "sqlite3 -csv " + dbFile.toStdString() + " '" + SqliteStudentFieldsStatement() +
            "' > " + dir.filePath(QStringLiteral("shell.csv")).toStdString());
        std::printf("sqlite3 shell writing the same list as CSV: %.3f s\n", shell);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    const int students = argc > 1 ? std::atoi(argv[1]) : 100000;
    for (const bool postgres : {false, true}) {
        if (postgres && qEnvironmentVariableIntValue("CARDOVANE_TEST_PGPORT") == 0) {
            continue;
        }
        QTemporaryDir dir;
        ExportFrom(postgres, students, dir);
    }
    return 0;
}
