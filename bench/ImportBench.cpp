// Reads a generated 100,000-line student list into the review grid of the real window, and
// times sqlite3's own .import of the same file beside it; also the time from start to the
// window shown.
#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/MainWindow.h"
#include "bench/BenchSupport.h"
#include "store/datamodule/DataModule.h"
#include "toolkit/Buttons.h"
#include "toolkit/StringGrid.h"

int main(int argc, char** argv)
{
    const bench::Stopwatch sinceStart;
    QApplication qapp(argc, argv);
    QTemporaryDir dir;
    const QString dbFile = dir.filePath(QStringLiteral("students.db"));
    bench::DefineSqliteAlias(dir.filePath(QStringLiteral("config")), dbFile);
    bench::RecreateTable(bench::OpenAdminConnection(false, dbFile, {}), 0);
    QDir::setCurrent(dir.path());

    bench::ShownProgram program;
    TfMain& window = program.window;
    bench::AnsweringSeam& seam = program.seam;
    if (!program.Exposed()) {
        return 1;
    }
    const double startup = sinceStart.Seconds();
    window.ImportList1->trigger();
    QApplication::processEvents();

    const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
    seam.file = dir.filePath(QStringLiteral("students.csv"));
    bench::WriteStudentList(seam.file, lines);
    const long idleKb = bench::ResidentKb();
    bench::ResetPeak();
    const bench::Stopwatch reading;
    const double cpuBefore = bench::CpuSeconds();
    window.BitBtn4->click();
    QApplication::processEvents();  // the grid shows the rows
    const double readSeconds = reading.Seconds();
    const double readCpu = bench::CpuSeconds() - cpuBefore;
    const long peakKb = bench::PeakResidentKb();

    // Scrolling: a hundred jumps through the list, each painted.
    TStringGrid& grid = *window.SGRecordStudents;
    const bench::Stopwatch scrolling;
    for (int i = 0; i < 100; ++i) {
        grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum() * i / 99);
        grid.viewport()->repaint();
    }
    const double scrollSeconds = scrolling.Seconds();

    const std::string sqliteCommand =
        "sqlite3 " + dir.filePath(QStringLiteral("import.db")).toStdString() +
        " 'create table t (a, b, c)' '.mode csv' '.import " + seam.file.toStdString() + " t'";
    const double sqliteCpu = bench::CommandCpuSeconds(sqliteCommand);

    std::printf("import of %d lines into the review grid: %.3f s, processor %.3f s (rows %d)\n",
                lines, readSeconds, readCpu, grid.RowCount() - 1);
    std::printf("sqlite3 .import of the same file:         processor %.3f s\n", sqliteCpu);
    std::printf("memory above the idle window:             %.1f MB (idle %.1f MB)\n",
                double(peakKb - idleKb) / 1024.0, double(idleKb) / 1024.0);
    std::printf("100 painted jumps through the grid:       %.3f s\n", scrollSeconds);
    std::printf("start to window shown:                    %.3f s\n", startup);
    return 0;
}
