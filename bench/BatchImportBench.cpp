// cardovane-dbadmin import of 100,000 and 1,000,000-line lists into a fresh StudentList, on
// SQLite and on PostgreSQL over 127.0.0.1, beside the bulk loaders (sqlite3 .import, psql \copy)
// filling the same fresh table, unique key and all, with the same rows (keys and numbers
// included, as the command's dry run gives them); alternated, the median of three. Then the
// batch export of the million beside the sqlite3 shell's CSV output and psql's \copy ... to.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/BenchSupport.h"
#include "store/table/StudentListTable.h"

namespace {

constexpr int kRounds = 3;

std::string Quoted(const QString& text)
{
    std::string quoted(1, '\'');
    quoted += text.toStdString();
    quoted += '\'';
    return quoted;
}

double Median(std::vector<double> seconds)
{
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

struct Engine {
    bool postgres;
    const char* name;
    const char* loaderName;
};

// What every timed command runs with: the command, psql on the benchmark's database, and the
// command's own configuration folder in the run's scratch folder.
struct TRun {
    std::string admin;
    std::string psql;
    std::string environment;
    QString dir;
    QString File(const char* name) const { return dir + QLatin1Char('/') + QLatin1String(name); }
};

void ImportFigures(const Engine& engine, const TRun& run, int rows)
{
    const QString list = run.File("list.csv");
    const QString numbered = run.File("rows.tsv");
    bench::WriteStudentList(list, rows);
    bench::PrepareStudentList(engine.postgres, run.dir, 0);
    bench::TimeCommand(run.environment + run.admin + " import DVK " + Quoted(list) +
                       " --dry-run | cut -f2-6 > " + Quoted(numbered));
    std::vector<double> ours;
    std::vector<double> loader;
    for (int round = 0; round < kRounds; ++round) {
        bench::PrepareStudentList(engine.postgres, run.dir, 0);
        ours.push_back(bench::TimeCommand(run.environment + run.admin + " import DVK " +
                                          Quoted(list) + " >/dev/null"));
        const QString database = bench::PrepareStudentList(engine.postgres, run.dir, 0);
        loader.push_back(bench::TimeCommand(
            engine.postgres
                ? run.psql + "-c \"\\copy " + kStudentListTable + " from " + Quoted(numbered) + "\""
                : "sqlite3 " + Quoted(database) + " '.mode tabs' '.import " +
                      numbered.toStdString() + " " + kStudentListTable + "'"));
    }
    const double a = Median(ours);
    const double b = Median(loader);
    std::printf("%-10s import of %7d rows: %.3f s (%.0f rows/s); %s %.3f s; %.2f times\n",
                engine.name, rows, a, rows / a, engine.loaderName, b, a / b);
}

// The million stays stored: the batch export beside the shells' own CSV output.
void ExportFigures(const Engine& engine, const TRun& run)
{
    const QString out = run.File("out.csv");
    std::vector<double> ours;
    std::vector<double> shell;
    const std::string select =
        engine.postgres ? StudentFieldsStatement() : SqliteStudentFieldsStatement();
    for (int round = 0; round < kRounds; ++round) {
        ours.push_back(bench::TimeCommand(run.environment + run.admin + " export DVK " +
                                          Quoted(out) + " >/dev/null"));
        shell.push_back(bench::TimeCommand(engine.postgres
                                               ? run.psql + "-c \"\\copy (" + select + ") to " +
                                                     Quoted(out) + " with (format csv)\""
                                               : "sqlite3 -csv " + Quoted(run.File("students.db")) +
                                                     " '" + select + "' > " + Quoted(out)));
    }
    const double a = Median(ours);
    const double b = Median(shell);
    std::printf("%-10s export of 1000000 rows: %.3f s; %s %.3f s; %.2f times\n", engine.name, a,
                engine.postgres ? "psql \\copy to" : "sqlite3 -csv", b, a / b);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int port = qEnvironmentVariableIntValue("CARDOVANE_TEST_PGPORT");
    QTemporaryDir dir;
    const TRun run{
        (QCoreApplication::applicationDirPath() + QStringLiteral("/../dbadmin/cardovane-dbadmin"))
            .toStdString(),
        "psql -q -h 127.0.0.1 -p " + std::to_string(port) +
            " -d cardovane_bench -v ON_ERROR_STOP=1 ",
        "XDG_CONFIG_HOME=" + Quoted(dir.filePath(QStringLiteral("config"))) + " ", dir.path()};
    for (const Engine engine :
         {Engine{false, "SQLite", "sqlite3 .import"}, Engine{true, "PostgreSQL", "psql \\copy"}}) {
        if (engine.postgres && port == 0) {
            std::printf("PostgreSQL: no server (run bench/run.sh)\n");
            continue;
        }
        for (const int rows : {100000, 1000000}) {
            ImportFigures(engine, run, rows);
        }
        ExportFigures(engine, run);
    }
    return 0;
}
