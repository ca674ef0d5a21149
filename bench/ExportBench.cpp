// Exports a list of students through the real window, on SQLite and on PostgreSQL, beside the
// shells' own CSV output of the same table in the same run (the sqlite3 shell; psql's \copy ...
// to): the median of three rounds each, the ratio, the memory the export took above idle, and
// whether the two files hold the same bytes (the shells' line ends made CR LF).
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "bench/BenchSupport.h"
#include "store/datamodule/DataModule.h"
#include "store/table/StudentListTable.h"
#include "toolkit/Buttons.h"
#include "toolkit/EditControls.h"

namespace {

constexpr int kRounds = 3;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

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
    const bench::Stopwatch closed;
    window.BitBtn8->click();  // opens the list, as an export does when it is closed
    const double closedSeconds = closed.Seconds();
    // Once the list is open (as it is after start-up), an export reads and writes it.
    std::vector<double> ours;
    std::vector<double> shell;
    const QString peer = dir.filePath(QStringLiteral("peer.csv"));
    const std::string select = postgres ? StudentFieldsStatement() : SqliteStudentFieldsStatement();
    const std::string command =
        postgres
            ? "psql -q -h 127.0.0.1 -p " +
                  std::to_string(qEnvironmentVariableIntValue("CARDOVANE_TEST_PGPORT")) +
                  " -d cardovane_bench -c \"\\copy (" + select + ") to '" + peer.toStdString() +
                  "' with (format csv)\""
            : "sqlite3 -csv " + dbFile.toStdString() + " '" + select + "' > " + peer.toStdString();
    for (int round = 0; round < kRounds; ++round) {
        const bench::Stopwatch open;
        window.BitBtn8->click();
        ours.push_back(open.Seconds());
        shell.push_back(bench::TimeCommand(command));
    }
    const long peakKb = bench::PeakResidentKb();
    // The shells end their lines with LF alone.
    QByteArray expected = ReadAll(peer);
    if (!expected.contains("\r\n")) {
        expected.replace("\n", "\r\n");
    }
    const double a = Median(ours);
    const double b = Median(shell);
    std::printf(
        "%-10s window export of %d students: %.3f s (%.3f s with the list closed); %s "
        "%.3f s; %.2f times; %.1f MB above idle; %s\n",
        postgres ? "PostgreSQL" : "SQLite", students, a, closedSeconds,
        postgres ? "psql \\copy to" : "sqlite3 -csv", b, a / b, double(peakKb - idleKb) / 1024.0,
        ReadAll(out) == expected ? "the same bytes" : "BYTES DIFFER");
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
