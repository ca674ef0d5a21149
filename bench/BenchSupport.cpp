#include "bench/BenchSupport.h"

#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace bench {

namespace {

long StatusField(const char* name)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(name) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::stol(line.substr(key.size()));
        }
    }
    return -1;
}

// Defines DVK in an alias file under the folder, which becomes the configuration folder.
void DefineAlias(const QString& folder, TAlias alias)
{
    qputenv("XDG_CONFIG_HOME", folder.toUtf8());
    alias.name = kStudentAlias;
    TAliasFile(folder + QStringLiteral("/cardovane/aliases.conf")).Define(alias);
}

}  // namespace

long ResidentKb()
{
    return StatusField("VmRSS");
}

long PeakResidentKb()
{
    return StatusField("VmHWM");
}

void ResetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

void WriteStudentList(const QString& path, int lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    static const char* const kFirst[] = {"John", "Joan", "Amy", "Bob", "Maria", "Chen", "Ann"};
    static const char* const kLast[] = {"Smith", "Smithers", "Lin", "Ray", "Garcia", "Wei", "Lee"};
    QByteArray block;
    for (int i = 0; i < lines; ++i) {
        block += QByteArray::number(100000 + i) + ',' + kFirst[i % 7] + ',' + kLast[(i / 7) % 7] +
                 "\r\n";
        if (block.size() > (1 << 16)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
}

void DefineSqliteAlias(const QString& folder, const QString& databaseFile)
{
    TAlias alias;
    alias.driver = TAlias::Driver::SQLite;
    alias.path = databaseFile;
    DefineAlias(folder, alias);
}

bool DefinePostgresAlias(const QString& folder, const QString& database, int port, bool withStandby)
{
    const int server = qEnvironmentVariableIntValue("CARDOVANE_TEST_PGPORT");
    if (server == 0) {
        return false;
    }
    TAlias alias;
    alias.driver = TAlias::Driver::PostgreSQL;
    alias.server =
        withStandby ? QStringLiteral("127.0.0.1,127.0.0.2") : QStringLiteral("127.0.0.1");
    if (withStandby) {
        alias.libpqSettings.insert(QStringLiteral("target_session_attrs"),
                                   QStringLiteral("read-write"));
    }
    alias.port = port > 0 ? port : server;
    alias.database = database;
    DefineAlias(folder, alias);
    return true;
}

double TimeCommand(const std::string& command)
{
    const Stopwatch watch;
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
    }
    return watch.Seconds();
}

namespace {

double Seconds(const timeval& t)
{
    return double(t.tv_sec) + double(t.tv_usec) / 1e6;
}

}  // namespace

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

double CommandCpuSeconds(const std::string& command)
{
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
    }
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    return Seconds(after.ru_utime) + Seconds(after.ru_stime) - Seconds(before.ru_utime) -
           Seconds(before.ru_stime);
}

}  // namespace bench

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include "store/aliases/AliasFile.h"
#include "store/datamodule/DataModule.h"
#include "store/table/StudentListTable.h"
#include "tests/support/StudentListFixture.h"

namespace bench {

int AnsweringSeam::Exec(QDialog& dialog)
{
    if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
        files->selectFile(file);
        return QDialog::Accepted;
    }
    if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
        std::fprintf(stderr, "message: %s\n", qPrintable(box->text()));
        return QMessageBox::Ok;
    }
    return QDialog::Rejected;
}

namespace {

void Run(QSqlQuery& query, const QString& sql)
{
    if (!query.exec(sql)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(sql), qPrintable(query.lastError().text()));
        std::exit(1);
    }
}

}  // namespace

ShownProgram::ShownProgram() : app(QApplication::applicationFilePath(), seam), window(app), dm(app)
{
    window.AttachDataModule(&dm);
    window.show();
    window.activateWindow();
}

bool ShownProgram::Exposed()
{
    return QTest::qWaitForWindowExposed(&window);
}

QString OpenAdminConnection(bool postgres, const QString& sqliteFile, const QString& pgDatabase)
{
    static int count = 0;
    const QString name = QStringLiteral("bench-admin-%1").arg(++count);
    if (!postgres) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(sqliteFile);
        db.open();
        return name;
    }
    const int port = qEnvironmentVariableIntValue("CARDOVANE_TEST_PGPORT");
    {
        QSqlDatabase server = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name + "-server");
        server.setHostName(QStringLiteral("127.0.0.1"));
        server.setPort(port);
        server.setDatabaseName(QStringLiteral("postgres"));
        if (!server.open()) {
            std::fprintf(stderr, "%s\n", qPrintable(server.lastError().text()));
            std::exit(1);
        }
        QSqlQuery query(server);
        query.exec(
            QStringLiteral("select 1 from pg_database where datname = '%1'").arg(pgDatabase));
        if (!query.next()) {
            Run(query, QStringLiteral("create database %1").arg(pgDatabase));
        }
    }
    QSqlDatabase::removeDatabase(name + "-server");
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(QStringLiteral("127.0.0.1"));
    db.setPort(port);
    db.setDatabaseName(pgDatabase);
    db.open();
    return name;
}

void RecreateTable(const QString& connection, int rows, bool uniqueKey)
{
    QSqlDatabase db = QSqlDatabase::database(connection);
    RecreateStudentListTable(db, uniqueKey);
    QSqlQuery query(db);
    // Generated by the database itself: a million students go in within seconds on either.
    if (rows > 0) {
        Run(query,
            QStringLiteral(
                "with recursive n(i) as (select 0 union all select i + 1 from n where i < %1)\n"
                "%2\n"
                "select case i % 7 when 0 then 'josm' when 1 then 'anle' when 2 then 'bora'\n"
                "  when 3 then 'chwe' when 4 then 'magr' when 5 then 'amli' else 'jolo' end,\n"
                "  i / 7 + 1, cast(500000 + i as text), 'First' || cast(i % 97 as text),\n"
                "  'Last' || cast(i % 89 as text)\n"
                "from n")
                .arg(rows - 1)
                .arg(QString::fromStdString(StudentListInsertHead())));
    }
    Run(query, QStringLiteral("analyze %1").arg(QString::fromUtf8(kStudentListTable)));
}

QString PrepareStudentList(bool postgres, const QString& folder, int rows, bool uniqueKey)
{
    const QString dbFile = folder + QStringLiteral("/students.db");
    const QString config = folder + QStringLiteral("/config");
    const QString pgDatabase = QStringLiteral("cardovane_bench");
    if (postgres) {
        DefinePostgresAlias(config, pgDatabase);
    } else {
        DefineSqliteAlias(config, dbFile);
    }
    RecreateTable(OpenAdminConnection(postgres, dbFile, pgDatabase), rows, uniqueKey);
    return dbFile;
}

}  // namespace bench
