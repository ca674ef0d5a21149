// A thousand desktops on one district server, each with the program's own session and data
// module holding its two connections: through PgBouncer in transaction mode (a pool of 20 server
// connections), then straight on the server (max_connections as the server has it), then
// through PgBouncer again while the district's faults come: its pooler restarted a third of the
// way in, and two thirds in its primary's machine lost (pooler and server) and the standby
// promoted, the alias naming both with libpq's read-write target. For about a minute each
// desktop in turn opens the list, posts 20 students whose names share 50 keys with every other
// desktop's, and reopens the list. Prints the rows posted, those the desktops were told went in
// and those stored (equal when nothing was lost or doubled), repeated (psid, psidsequence), the
// desktops that showed an error, the p50/p95/p99 and longest of a posted row and of a list
// opening, and the desktops the server refused, in its words.
//
// The desktops run in worker processes of this program, each taking its desktops in turn, so
// that many act at once while every desktop holds its connections the whole time.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <thread>

#include "bench/BenchSupport.h"
#include "import/PostStudentList.h"
#include "store/datamodule/DataModule.h"
#include "store/table/StudentListTable.h"
#include "tests/support/ServerSteps.h"
#include "toolkit/StringGrid.h"

namespace {

constexpr int kDesktops = 1000;
constexpr int kWorkers = 20;
constexpr int kRowsAPosting = 20;
constexpr int kSharedKeys = 50;

// Times each row of a posting as it goes in.
class RowClock : public PostingView {
public:
    explicit RowClock(std::vector<double>& rows) : rows_(rows) {}
    void SetProgressLabel(const QString&) override { last_ = bench::Stopwatch(); }
    void ShowRow(int) override {}
    void StepProgress() override
    {
        rows_.push_back(last_.Seconds() * 1000.0);
        last_ = bench::Stopwatch();
    }

private:
    std::vector<double>& rows_;
    bench::Stopwatch last_;
};

struct Desktop {
    std::unique_ptr<TfDM1> dm;
    std::unique_ptr<TStringGrid> grid;
};

// The desktops that the server takes, each with the list's connection of its own; those it
// refuses are counted by its reason.
std::vector<Desktop> ConnectDesktops(TApplication& app, int desktops,
                                     std::map<std::string, int>& refused)
{
    std::vector<Desktop> connected;
    for (int i = 0; i < desktops; ++i) {
        Desktop desktop;
        try {
            desktop.dm = std::make_unique<TfDM1>(app);
            desktop.dm->QNames.Open();  // the list's connection of its own
        } catch (const Exception& e) {
            // The server's reason, as its last line says it.
            const std::string message = e.Message();
            refused[message.substr(message.rfind('\n') + 1)] += 1;
            continue;
        }
        desktop.grid = std::make_unique<TStringGrid>(nullptr, 3, kRowsAPosting + 1);
        connected.push_back(std::move(desktop));
    }
    return connected;
}

// One worker: connects its desktops, waits for the go, then has them act in turn until the time
// is up; writes what it measured to `out`, a line a figure.
int Worker(int desktops, double seconds, const QString& go, const QString& out)
{
    bench::AnsweringSeam seam;
    TApplication app(QApplication::applicationFilePath(), seam);
    std::map<std::string, int> refused;
    std::vector<Desktop> connected = ConnectDesktops(app, desktops, refused);
    QFile ready(out + QStringLiteral(".ready"));
    ready.open(QIODevice::WriteOnly);
    ready.close();
    while (!QFile::exists(go)) {
        QThread::msleep(20);
    }

    std::vector<double> rows;
    std::vector<double> openings;
    int failed = 0;
    long setOut = 0;
    long believed = 0;
    std::set<std::size_t> erred;
    std::minstd_rand random(std::random_device{}());
    static const char* const kFirst[] = {"John", "Joan", "Amy", "Bob", "Maria"};
    static const char* const kLast[] = {"Smith", "Lin",  "Ray", "Garcia", "Wei",
                                        "Lee",   "Chen", "Ode", "Park",   "Ames"};
    const bench::Stopwatch clock;
    for (std::size_t turn = 0; !connected.empty() && clock.Seconds() < seconds; ++turn) {
        Desktop& desktop = connected[turn % connected.size()];
        std::vector<TStudentRecord> posted;
        try {
            const bench::Stopwatch opening;
            desktop.dm->QNames.Close();
            desktop.dm->QNames.Open();
            openings.push_back(opening.Seconds() * 1000.0);
            // Names of 50 keys shared by every desktop: five first names by ten last names.
            for (int r = 1; r <= kRowsAPosting; ++r) {
                const int key = std::uniform_int_distribution<int>(0, kSharedKeys - 1)(random);
                desktop.grid->SetCell(0, r, std::to_string(turn * 100 + std::size_t(r)));
                desktop.grid->SetCell(1, r, kFirst[key % 5]);
                desktop.grid->SetCell(2, r, kLast[key / 5]);
            }
            RowClock view(rows);
            setOut += kRowsAPosting;
            PostStudentList(desktop.grid->Cells(), *desktop.dm, view, std::chrono::milliseconds(0),
                            posted);
        } catch (const Exception& e) {
            ++failed;
            erred.insert(turn % connected.size());
            std::fprintf(stderr, "failed: %s\n", e.Message().c_str());
        }
        // What the desktop was told went in, by the posting's end or by its error.
        believed += long(posted.size());
        QCoreApplication::processEvents();  // the desktop's next action
    }

    QFile file(out);
    file.open(QIODevice::WriteOnly);
    for (const double ms : rows) {
        file.write("row " + QByteArray::number(ms) + "\n");
    }
    for (const double ms : openings) {
        file.write("open " + QByteArray::number(ms) + "\n");
    }
    file.write("failed " + QByteArray::number(failed) + "\n");
    file.write("setout " + QByteArray::number(setOut) + "\n");
    file.write("believed " + QByteArray::number(believed) + "\n");
    file.write("erred " + QByteArray::number(qulonglong(erred.size())) + "\n");
    for (const auto& [reason, count] : refused) {
        file.write("refused " + QByteArray::number(count) + " " +
                   QByteArray::fromStdString(reason) + "\n");
    }
    return 0;
}

double Percentile(std::vector<double> values, double p)
{
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

// What the desktops wrote: each posted row's time, each list opening's, the failed actions, the
// rows set out and those the desktops were told went in, the desktops that showed an error, and
// the desktops refused by reason.
struct TFigures {
    std::vector<double> rows;
    std::vector<double> openings;
    int failed = 0;
    long setOut = 0;
    long believed = 0;
    int erred = 0;
    std::map<QString, int> refused;
};

TFigures ReadFigures(const QTemporaryDir& runDir)
{
    TFigures figures;
    for (int w = 0; w < kWorkers; ++w) {
        QFile file(runDir.filePath(QString::number(w)));
        if (!file.open(QIODevice::ReadOnly)) {
            ++figures.failed;  // a worker that ended without its figures
            continue;
        }
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            const QByteArray kind = line.left(line.indexOf(' '));
            const QByteArray rest = line.mid(line.indexOf(' ') + 1);
            if (kind == "row") {
                figures.rows.push_back(rest.toDouble());
            } else if (kind == "open") {
                figures.openings.push_back(rest.toDouble());
            } else if (kind == "failed") {
                figures.failed += rest.toInt();
            } else if (kind == "setout") {
                figures.setOut += rest.toLong();
            } else if (kind == "believed") {
                figures.believed += rest.toLong();
            } else if (kind == "erred") {
                figures.erred += rest.toInt();
            } else if (kind == "refused") {
                figures.refused[QString::fromUtf8(rest.mid(rest.indexOf(' ') + 1))] +=
                    rest.left(rest.indexOf(' ')).toInt();
            }
        }
    }
    return figures;
}

// Runs the desktops on the alias as it stands, and prints their figures. `faults`, when given,
// runs once the desktops act, and answers what it did; it leaves `admin` on the server that
// took the desktops' last rows.
void District(const char* name, double seconds, const QString& admin,
              const std::function<QString()>& faults = {})
{
    QTemporaryDir runDir;
    const QString go = runDir.filePath(QStringLiteral("go"));
    std::vector<std::unique_ptr<QProcess>> workers;
    for (int w = 0; w < kWorkers; ++w) {
        auto worker = std::make_unique<QProcess>();
        worker->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The desktops' windows are never shown: the workers need no display.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        worker->setProcessEnvironment(environment);
        worker->start(QApplication::applicationFilePath(),
                      {QStringLiteral("--worker"), QString::number(kDesktops / kWorkers),
                       QString::number(seconds), go, runDir.filePath(QString::number(w))});
        workers.push_back(std::move(worker));
    }
    // Every desktop holds its connections before any acts.
    for (int w = 0; w < kWorkers; ++w) {
        while (!QFile::exists(runDir.filePath(QString::number(w) + QStringLiteral(".ready")))) {
            if (workers[std::size_t(w)]->state() == QProcess::NotRunning) {
                break;
            }
            QThread::msleep(20);
        }
    }
    QFile(go).open(QIODevice::WriteOnly);
    const QString happened = faults ? faults() : QString();
    for (auto& worker : workers) {
        worker->waitForFinished(int(seconds * 1000) + 120000);
    }

    const TFigures figures = ReadFigures(runDir);
    const std::vector<double>& rows = figures.rows;
    const std::vector<double>& openings = figures.openings;
    // The same numbers the table's own setup looks for before it makes its key unique.
    QSqlQuery query(QSqlDatabase::database(admin));
    query.exec(QString::fromUtf8(kFindRepeatedSequences));
    int repeated = 0;
    while (query.next()) {
        ++repeated;
    }
    query.exec(QStringLiteral("select count(*) from %1").arg(QString::fromUtf8(kStudentListTable)));
    const long stored = query.next() ? query.value(0).toLongLong() : -1;
    int refusedDesktops = 0;
    for (const auto& [reason, count] : figures.refused) {
        refusedDesktops += count;
    }
    std::printf(
        "%-26s %4d desktops, %4d refused: %6ld rows posted, %6ld the desktops were told "
        "went in, %6ld stored; %d repeated (psid, psidsequence); %d desktops showed an "
        "error (%d failed actions)\n",
        name, kDesktops, refusedDesktops, figures.setOut, figures.believed, stored, repeated,
        figures.erred, figures.failed);
    std::printf(
        "%-26s a posted row p50/p95/p99/longest %.1f/%.1f/%.1f/%.0f ms, a list opening "
        "%.1f/%.1f/%.1f/%.0f ms\n",
        "", Percentile(rows, 0.50), Percentile(rows, 0.95), Percentile(rows, 0.99),
        Percentile(rows, 1.0), Percentile(openings, 0.50), Percentile(openings, 0.95),
        Percentile(openings, 0.99), Percentile(openings, 1.0));
    if (!happened.isEmpty()) {
        std::printf("%-26s %s\n", "", qPrintable(happened));
    }
    for (const auto& [reason, count] : figures.refused) {
        std::printf("%-26s %4d desktops refused: \"%s\"\n", "", count, qPrintable(reason));
    }
    std::fflush(stdout);
}

// The district's faults while the desktops act: its pooler restarted a third of the way in, and
// two thirds in the primary's machine lost and the standby promoted (the test script's steps).
// Leaves `admin` on the new primary.
QString DistrictFaults(double seconds, const QString& admin)
{
    QStringList happened;
    const bench::Stopwatch clock;
    const auto at = [&](double second, const char* what, const char* steps) {
        // The faults' own schedule, not a wait for the desktops.
        std::this_thread::sleep_for(std::chrono::duration<double>(second - clock.Seconds()));
        const bench::Stopwatch took;
        const bool done = RunServerSteps(QString::fromUtf8(steps));
        happened << QStringLiteral("%1 at %2 s (%3 s%4)")
                        .arg(QString::fromUtf8(what))
                        .arg(second, 0, 'f', 0)
                        .arg(took.Seconds(), 0, 'f', 1)
                        .arg(done ? QString() : QStringLiteral(", FAILED"));
    };
    at(seconds / 3, "the pooler restarted", "pg_test_pooler_restart");
    at(seconds * 2 / 3, "the primary failed over to the standby", "pg_test_failover");
    QSqlDatabase db = QSqlDatabase::database(admin, false);
    db.close();
    db.setHostName(QStringLiteral("127.0.0.1,127.0.0.2"));
    db.setConnectOptions(QStringLiteral("target_session_attrs=read-write"));
    db.open();
    return happened.join(QStringLiteral("; "));
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() == 6 && args[1] == QLatin1String("--worker")) {
        return Worker(args[2].toInt(), args[3].toDouble(), args[4], args[5]);
    }
    const int pooler = qEnvironmentVariableIntValue("CARDOVANE_TEST_POOLERPORT");
    if (qEnvironmentVariableIntValue("CARDOVANE_TEST_PGPORT") == 0 || pooler == 0) {
        std::printf("DistrictBench: no PostgreSQL server and pooler (run bench/run.sh)\n");
        return 0;
    }
    const double seconds = args.size() > 1 ? args[1].toDouble() : 60;
    QTemporaryDir dir;
    const QString database = QStringLiteral("cardovane_bench");
    for (const bool pooled : {true, false}) {
        const QString config = dir.filePath(pooled ? "pooled" : "straight");
        bench::DefinePostgresAlias(config, database, pooled ? pooler : 0);
        const QString admin = bench::OpenAdminConnection(true, {}, database);
        bench::RecreateTable(admin, 0);
        QSqlQuery limit(QSqlDatabase::database(admin));
        limit.exec(QStringLiteral("show max_connections"));
        limit.next();
        const std::string label =
            pooled ? "through PgBouncer"
                   : "straight (" + limit.value(0).toString().toStdString() + " max)";
        District(label.c_str(), seconds, admin);
    }
    // The standby copies the table as it is made, and goes with its pooler once measured.
    const QString admin = bench::OpenAdminConnection(true, {}, database);
    bench::RecreateTable(admin, 0);
    if (!RunServerSteps(QStringLiteral("pg_test_standby_start"))) {
        std::printf("DistrictBench: the standby did not start\n");
        return 1;
    }
    bench::DefinePostgresAlias(dir.filePath("faults"), database, pooler, true);
    District("with the district's faults", seconds, admin,
             [&] { return DistrictFaults(seconds, admin); });
    QSqlDatabase::database(admin, false).close();
    return RunServerSteps(QStringLiteral("pg_test_standby_remove")) ? 0 : 1;
}
