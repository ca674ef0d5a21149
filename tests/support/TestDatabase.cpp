#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include "store/aliases/AliasFile.h"
#include "store/table/StudentListTable.h"
#include "tests/support/ServerSteps.h"
#include "tests/support/StudentListFixture.h"

namespace {

int PgPort()
{
    return qEnvironmentVariableIntValue("CARDOVANE_TEST_PGPORT");
}

}  // namespace

bool TestDatabase::ThroughPooler()
{
    return qEnvironmentVariableIntValue("CARDOVANE_TEST_THROUGH_POOLER") != 0;
}

int TestDatabase::PgAliasPort()
{
    return ThroughPooler() ? qEnvironmentVariableIntValue("CARDOVANE_TEST_POOLERPORT") : PgPort();
}

QString TestDatabase::RefusedPasswordWords()
{
    return ThroughPooler() ? QStringLiteral("SASL authentication failed")
                           : QStringLiteral("password authentication failed");
}

QString TestDatabase::RefusedWithoutTlsWords()
{
    return ThroughPooler() ? QStringLiteral("login rejected") : QStringLiteral("no encryption");
}

QString TestDatabase::PgDatabaseName()
{
    QString name = QCoreApplication::applicationName().toLower();
    for (QChar& c : name) {
        if (!c.isLetterOrNumber()) {
            c = QLatin1Char('_');
        }
    }
    return QStringLiteral("cvt_") + name;
}

namespace {

int connectionCount = 0;

}  // namespace

std::string BackendName(Backend backend)
{
    return backend == Backend::SQLite ? "SQLite" : "PostgreSQL";
}

bool TestDatabase::Available(Backend backend)
{
    return backend == Backend::SQLite || (PgPort() > 0 && PgAliasPort() > 0);
}

QString TestDatabase::PgUser()
{
    return qEnvironmentVariable("CARDOVANE_TEST_PGUSER");
}

QString TestDatabase::PgPassword()
{
    return qEnvironmentVariable("CARDOVANE_TEST_PGPASSWORD");
}

QString TestDatabase::PgAuthority()
{
    return qEnvironmentVariable("CARDOVANE_TEST_PGCA");
}

QString TestDatabase::PgOtherAuthority()
{
    return qEnvironmentVariable("CARDOVANE_TEST_PGOTHERCA");
}

TestDatabase::TestDatabase(Backend backend, const Options& options) : backend_(backend)
{
    configHome_ = dir_.path() + QStringLiteral("/config");
    qputenv("XDG_CONFIG_HOME", configHome_.toUtf8());
    // The history of postings the test makes is the test's own.
    qputenv("XDG_DATA_HOME", (dir_.path() + QStringLiteral("/data")).toUtf8());
    TAlias alias;
    alias.name = options.aliasName;
    if (backend == Backend::SQLite) {
        sqlitePath_ = dir_.path() + QStringLiteral("/students.db");
        alias.driver = TAlias::Driver::SQLite;
        alias.path = sqlitePath_;
        alias.hasUserName = options.withLogin;
        alias.userName = QStringLiteral("office");
    } else {
        alias.driver = TAlias::Driver::PostgreSQL;
        alias.server = options.server;
        alias.port = PgAliasPort();
        alias.database = PgDatabaseName();
        alias.hasUserName = options.withLogin;
        alias.userName = PgUser();
        alias.libpqSettings = options.libpqSettings;
    }
    if (!options.tablePassword.isEmpty()) {
        alias.tablePasswords.insert(QString::fromUtf8(kStudentListTable), options.tablePassword);
    }
    TAliasFile(configHome_ + QStringLiteral("/cardovane/aliases.conf")).Define(alias);

    connection_ = OpenAdminConnection();
    if (options.createTable) {
        RecreateStudentListTable(QSqlDatabase::database(connection_, false), options.uniqueKey);
    } else {
        DropStudentListTable(QSqlDatabase::database(connection_, false));
    }
}

QString TestDatabase::OpenAdminConnection()
{
    const QString name = QStringLiteral("test-admin-%1").arg(++connectionCount);
    if (backend_ == Backend::SQLite) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(sqlitePath_);
        EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
        return name;
    }
    {
        // A database per test program, so that programs running side by side do not meet.
        QSqlDatabase server = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name + "-server");
        server.setHostName(QStringLiteral("127.0.0.1"));
        server.setPort(PgPort());
        server.setDatabaseName(QStringLiteral("postgres"));
        server.setUserName(PgUser());
        server.setPassword(PgPassword());
        EXPECT_TRUE(server.open()) << server.lastError().text().toStdString();
        QSqlQuery query(server);
        query.exec(
            QStringLiteral("select 1 from pg_database where datname = '%1'").arg(PgDatabaseName()));
        if (!query.next()) {
            EXPECT_TRUE(query.exec(QStringLiteral("create database %1").arg(PgDatabaseName())))
                << query.lastError().text().toStdString();
        }
    }
    QSqlDatabase::removeDatabase(name + "-server");
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    db.setHostName(QStringLiteral("127.0.0.1"));
    db.setPort(PgPort());
    db.setDatabaseName(PgDatabaseName());
    db.setUserName(PgUser());
    db.setPassword(PgPassword());
    EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
    QSqlQuery(db).exec(QStringLiteral("set client_min_messages = warning"));
    return name;
}

TestDatabase::~TestDatabase()
{
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

void TestDatabase::Exec(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    ASSERT_TRUE(query.exec(sql)) << sql.toStdString() << ": "
                                 << query.lastError().text().toStdString();
}

QString TestDatabase::Refusal(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    return query.exec(sql) ? QString() : query.lastError().text();
}

bool TestDatabase::ServerStep(const QString& steps)
{
    return RunServerSteps(steps);
}

bool TestDatabase::RestartServer()
{
    return RunServerSteps(QStringLiteral("pg_test_server_restart")) && Reconnect();
}

bool TestDatabase::Reconnect()
{
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    db.close();
    return db.open();
}

void TestDatabase::InsertNumberedStudents(int count)
{
    Exec(QStringLiteral(
             "with recursive n(i) as (select 0 union all select i + 1 from n where i < %1)\n"
             "%2\n"
             "select case i % 3 when 0 then 'ab' when 1 then 'cd' end,\n"
             "  case i % 3 when 2 then i / 6 else i / 3 end, cast(i as text), cast(i as text),\n"
             "  case i % 5 when 0 then null else 'L' end from n")
             .arg(count - 1)
             .arg(QString::fromStdString(StudentListInsertHead())));
}

namespace {
QString Table()
{
    return QString::fromUtf8(kStudentListTable);
}
}  // namespace

void TestDatabase::HoldTheListAgainstWriters()
{
    Exec(QStringLiteral("begin"));
    Exec(QStringLiteral("lock table %1 in exclusive mode").arg(Table()));
}

int TestDatabase::WaitingForALock()
{
    // Inside the held transaction the server would answer from its first look at the activity.
    Exec(QStringLiteral("select pg_stat_clear_snapshot()"));
    return Count(
        QStringLiteral("select count(*) from pg_stat_activity where wait_event_type = 'Lock'"));
}

int TestDatabase::Aggregate(const QString& expression, const QString& where)
{
    return Count(QStringLiteral("select %1 from %2").arg(expression, Table()) +
                 (where.isEmpty() ? QString() : QStringLiteral(" where ") + where));
}

void TestDatabase::Update(const QString& assignments, const QString& where)
{
    Exec(QStringLiteral("update %1 set %2 where %3").arg(Table(), assignments, where));
}

void TestDatabase::DeleteAll()
{
    Exec(QStringLiteral("delete from %1").arg(Table()));
}

void TestDatabase::DropTable()
{
    DropStudentListTable(QSqlDatabase::database(connection_, false));
}

void TestDatabase::ReplaceTable(const QString& columns)
{
    DropTable();
    Exec(QStringLiteral("create table %1 (%2)").arg(Table(), columns));
}

void TestDatabase::RefuseRepeatedStudentIds()
{
    Exec(QStringLiteral("create unique index %1_id on %1 (studentid)").arg(Table()));
}

int TestDatabase::Count(const QString& sql)
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    EXPECT_TRUE(query.exec(sql) && query.next()) << query.lastError().text().toStdString();
    return query.value(0).toInt();
}

QStringList TestDatabase::Rows()
{
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    // The list query reads the five columns in the order the table defines them.
    QString statement;
    for (const std::string& line : StudentListQueryLines()) {
        statement += QString::fromStdString(line) + QLatin1Char('\n');
    }
    EXPECT_TRUE(query.exec(statement)) << query.lastError().text().toStdString();
    QStringList rows;
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < 5; ++i) {
            fields << (query.value(i).isNull() ? QStringLiteral("<null>")
                                               : query.value(i).toString());
        }
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}
