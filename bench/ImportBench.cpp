// Reads a generated student list (100,000 lines, or as many as the argument says) into the
// review grid of the real window, with its findings, and times sqlite3's own .import of the
// same file beside it; then mends a 100,000-line list saved by a German Excel with the grid's
// fixes and takes each back, timed as the user waits for them; also the time from start to the
// window shown.
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "app/MainWindow.h"
#include "bench/BenchSupport.h"
#include "store/datamodule/DataModule.h"
#include "toolkit/Buttons.h"
#include "toolkit/StringGrid.h"

namespace {

// A German Excel's list: its separator line, a heading in German, then semicolons.
void WriteGermanList(const QString& path, int lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::exit(1);
    }
    QByteArray block = "sep=;\r\nSch\xC3\xBClernummer;Vorname;Nachname\r\n";
    for (int i = 0; i < lines; ++i) {
        block += QByteArray::number(2000000 + i) + ";J\xC3\xBCrgen;M\xC3\xBCller\r\n";
    }
    file.write(block);
}

// Chooses the fix the grid's menu offers under that caption, as its item would, and times it
// with the findings it checks again; then takes it back and makes it again, and back again.
void TimeFix(TfMain& window, const QString& caption)
{
    TStringGrid& grid = *window.SGRecordStudents;
    QMenu menu;
    const bench::Stopwatch offering;
    grid.FillMenu(menu);
    const double offerSeconds = offering.Seconds();
    QAction* fix = nullptr;
    for (QAction* item : menu.actions()) {
        fix = !fix && item->text().startsWith(caption) ? item : fix;
    }
    if (!fix) {
        std::exit(1);
    }
    const bench::Stopwatch fixing;
    fix->trigger();
    QApplication::processEvents();
    const double fixSeconds = fixing.Seconds();
    const int rows = grid.RowCount() - 1;
    const bench::Stopwatch undoing;
    grid.UndoAction()->trigger();
    QApplication::processEvents();
    const double undoSeconds = undoing.Seconds();
    const bench::Stopwatch redoing;
    grid.RedoAction()->trigger();
    QApplication::processEvents();
    const double redoSeconds = redoing.Seconds();
    grid.UndoAction()->trigger();
    std::printf("%-41s offered %.3f s, fixed %.3f s, undone %.3f s, redone %.3f s (rows %d)\n",
                (fix->text() + QLatin1Char(':')).toUtf8().constData(), offerSeconds, fixSeconds,
                undoSeconds, redoSeconds, rows);
}

// A hundred jumps through the list, each painted: the seconds they take.
double ScrollThrough(TStringGrid& grid)
{
    const bench::Stopwatch scrolling;
    for (int i = 0; i < 100; ++i) {
        grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum() * i / 99);
        grid.viewport()->repaint();
    }
    return scrolling.Seconds();
}

}  // namespace

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

    TStringGrid& grid = *window.SGRecordStudents;
    const double scrollSeconds = ScrollThrough(grid);

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

    // The fixes of a German Excel's 100,000 lines, each as the grid's menu offers it.
    seam.file = dir.filePath(QStringLiteral("german.csv"));
    WriteGermanList(seam.file, 100000);
    window.BitBtn4->click();
    QApplication::processEvents();
    TimeFix(window, QStringLiteral("Take the Columns from the Heading"));
    TimeFix(window, QStringLiteral("Split Rows at Semicolons"));
    std::printf("start to window shown:                    %.3f s\n", startup);
    return 0;
}
