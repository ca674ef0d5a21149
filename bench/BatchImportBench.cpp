// cardovane-dbadmin import of a 100,000-line list into an empty StudentList, on SQLite and on
// PostgreSQL over 127.0.0.1, beside the bulk loaders of the same file: sqlite3 .import and
// psql \copy into a plain table of three text columns.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "bench/BenchSupport.h"

namespace {

constexpr int kRows = 100000;

std::string Quoted(const QString& text)
{
    return "'" + text.toStdString() + "'";
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::string admin =
        (QCoreApplication::applicationDirPath() + QStringLiteral("/../dbadmin/cardovane-dbadmin"))
            .toStdString();
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("list.csv"));
    bench::WriteStudentList(list, kRows);
    const std::string environment =
        "XDG_CONFIG_HOME=" + Quoted(dir.filePath(QStringLiteral("config"))) + " ";

    bench::PrepareStudentList(false, dir.path(), 0);
    const double ours =
        bench::TimeCommand(environment + admin + " import DVK " + Quoted(list) + " >/dev/null");
    const double loader = bench::TimeCommand(
        "sqlite3 " + Quoted(dir.filePath(QStringLiteral("loader.db"))) +
        " 'create table s (studentid text, fname text, lname text)' '.mode csv' '.import " +
        list.toStdString() + " s'");
    std::printf(
        "SQLite     import of %d rows: %.3f s (%.0f rows/s); sqlite3 .import %.3f s "
        "(%.0f rows/s)\n",
        kRows, ours, kRows / ours, loader, kRows / loader);

    const int port = qEnvironmentVariableIntValue("CARDOVANE_TEST_PGPORT");
    if (port == 0) {
        std::printf("PostgreSQL: no server (run bench/run.sh)\n");
        return 0;
    }
    bench::PrepareStudentList(true, dir.path(), 0);
    const double oursPg =
        bench::TimeCommand(environment + admin + " import DVK " + Quoted(list) + " >/dev/null");
    const std::string psql = "psql -q -h 127.0.0.1 -p " + std::to_string(port) +
                             " -d cardovane_bench -v ON_ERROR_STOP=1 ";
    bench::TimeCommand(psql +
                       "-c 'drop table if exists s' -c 'create table s (studentid text, "
                       "fname text, lname text)'");
    const double copy =
        bench::TimeCommand(psql + "-c \"\\copy s from " + Quoted(list) + " with (format csv)\"");
    std::printf(
        "PostgreSQL import of %d rows: %.3f s (%.0f rows/s); psql \\copy %.3f s "
        "(%.0f rows/s)\n",
        kRows, oursPg, kRows / oursPg, copy, kRows / copy);
    return 0;
}
