// Posts 1,000 rows into tables already holding 1,000 and 100,000 rows, on SQLite and on
// PostgreSQL over 127.0.0.1, without the pause, and prints what one row costs: with the plain
// index of earlier tables and with the unique key that keeps the numbers apart.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "app/MainWindow.h"
#include "bench/BenchSupport.h"
#include "store/datamodule/DataModule.h"
#include "toolkit/Buttons.h"
#include "toolkit/StringGrid.h"

namespace {

void PostInto(bool postgres, bool uniqueKey, int preloaded, int rows, const QTemporaryDir& dir)
{
    bench::PrepareStudentList(postgres, dir.path(), preloaded, uniqueKey);

    bench::AnsweringSeam seam;
    TApplication app(QApplication::applicationFilePath(), seam);
    TfMain window(app);
    TfDM1 dm(app);
    window.AttachDataModule(&dm);
    window.postingPause = std::chrono::milliseconds(0);
    window.show();
    window.FormActivate(&window);
    TStringGrid& grid = *window.SGRecordStudents;
    grid.SetRowCount(rows + 1);
    static const char* const kFirst[] = {"John", "Joan", "Amy", "Bob", "Maria", "Chen", "Ann"};
    static const char* const kLast[] = {"Smith", "Smithers", "Lin", "Ray", "Garcia", "Wei", "Lee"};
    for (int r = 1; r <= rows; ++r) {
        grid.SetCell(0, r, std::to_string(r));
        grid.SetCell(1, r, kFirst[r % 7]);
        grid.SetCell(2, r, kLast[(r / 7) % 7]);
    }
    const bench::Stopwatch watch;
    window.BitBtn5->click();
    const double seconds = watch.Seconds();
    // The posting ends by reopening the list, which reads the whole table: timed on its own.
    const bench::Stopwatch reopening;
    dm.QNames.Close();
    dm.QNames.Open();
    const double reopen = reopening.Seconds();
    std::printf(
        "%-10s %-11s %7d rows stored: %.3f ms a row; the list's reopening %.3f s (posting of "
        "%d rows %.2f s in all)\n",
        postgres ? "PostgreSQL" : "SQLite", uniqueKey ? "unique key" : "plain index", preloaded,
        (seconds - reopen) * 1000.0 / rows, reopen, rows, seconds);
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    const bool havePostgres = qEnvironmentVariableIntValue("CARDOVANE_TEST_PGPORT") > 0;
    for (const bool postgres : {false, true}) {
        if (postgres && !havePostgres) {
            std::printf("PostgreSQL: no server (run bench/run.sh)\n");
            continue;
        }
        for (const bool uniqueKey : {false, true}) {
            for (const int preloaded : {1000, 100000}) {
                QTemporaryDir dir;
                PostInto(postgres, uniqueKey, preloaded, 1000, dir);
            }
        }
    }
    return 0;
}
