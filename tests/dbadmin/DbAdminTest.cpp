// The administration command that defines aliases and creates the StudentList table.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "tests/support/ScriptedSeam.h"
#include "tests/support/TestDatabase.h"

namespace {

class DbAdmin : public ::testing::Test {
protected:
    int Run(const QStringList& arguments, QString* output = nullptr, QString configHome = {})
    {
        QProcess admin;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(
            QStringLiteral("XDG_CONFIG_HOME"),
            configHome.isEmpty() ? home.filePath(QStringLiteral("config")) : configHome);
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        admin.setProcessEnvironment(environment);
        admin.start(QStringLiteral(CARDOVANE_DBADMIN), arguments);
        EXPECT_TRUE(admin.waitForFinished(30000));
        if (output) {
            *output =
                QString::fromUtf8(admin.readAllStandardOutput() + admin.readAllStandardError());
        }
        return admin.exitCode();
    }
    QString ConfigFile() const
    {
        return home.filePath(QStringLiteral("config/cardovane/aliases.conf"));
    }

    QTemporaryDir home;
};

TEST_F(DbAdmin, SetsUpTheEmbeddedDefaultOnceAndLeavesItAfterwards)
{
    ASSERT_EQ(Run({"setup-sqlite", "DVK"}), 0);
    const QString file = home.filePath(QStringLiteral("data/cardovane/students.db"));
    EXPECT_EQ(QSettings(ConfigFile(), QSettings::IniFormat).value("DVK/Path").toString(), file);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "admin-check");
        db.setDatabaseName(file);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        query.exec("insert into studentlist values ('josm', 1, '1', 'John', 'Smith')");
        query.exec(
            "select name from sqlite_master where type = 'index' and tbl_name = 'studentlist'");
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), QStringLiteral("studentlist_key"));
        query.exec("pragma journal_mode");
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toString(), QStringLiteral("wal"));
    }
    QSqlDatabase::removeDatabase("admin-check");
    // A second run, as every start of the run command does, keeps the students.
    ASSERT_EQ(Run({"setup-sqlite", "DVK"}), 0);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "admin-check2");
    db.setDatabaseName(file);
    ASSERT_TRUE(db.open());
    QSqlQuery query(db);
    query.exec("select count(*) from studentlist");
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.value(0).toInt(), 1);
    db.close();
}

TEST_F(DbAdmin, HelpShowsHowToUseAPostgreSQLServer)
{
    QString output;
    EXPECT_EQ(Run({"--help"}, &output), 0);
    EXPECT_TRUE(output.contains("setup-postgres DVK --server")) << output.toStdString();
    EXPECT_NE(Run({"frobnicate", "DVK"}), 0);
}

TEST_F(DbAdmin, DefinesAPostgreSQLAliasWithALoginAndNoStoredPassword)
{
    SKIP_WITHOUT_SERVER(Backend::PostgreSQL);
    TestDatabase server(Backend::PostgreSQL, {});  // makes sure the test database exists
    QString output;
    ASSERT_EQ(Run({"setup-postgres", "DVK", "--server", "127.0.0.1", "--port",
                   qEnvironmentVariable("CARDOVANE_TEST_PGPORT"), "--database", "cvt_admin_check",
                   "--user", TestDatabase::PgUser(), "--password", TestDatabase::PgPassword()},
                  &output),
              1)
        << "a database that does not exist is reported";
    EXPECT_FALSE(QFileInfo::exists(ConfigFile())) << "a setup that fails defines nothing";
    server.Exec("drop table if exists studentlist");
    const QString database = TestDatabase::PgDatabaseName();
    ASSERT_EQ(Run({"setup-postgres", "DVK", "--server", "127.0.0.1", "--port",
                   qEnvironmentVariable("CARDOVANE_TEST_PGPORT"), "--database", database, "--user",
                   TestDatabase::PgUser(), "--password", TestDatabase::PgPassword()},
                  &output),
              0)
        << output.toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("NOTICE"))) << output.toStdString();
    EXPECT_EQ(server.Count("select count(*) from studentlist"), 0);
    const QString config = [&] {
        QFile file(ConfigFile());
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }();
    EXPECT_TRUE(config.contains("UserName=" + TestDatabase::PgUser()));
    EXPECT_FALSE(config.contains(TestDatabase::PgPassword()));
    ASSERT_EQ(Run({"protect-table", "DVK", "StudentList", "pw"}), 0);
    EXPECT_EQ(QSettings(ConfigFile(), QSettings::IniFormat)
                  .value("DVK/TablePasswords/studentlist")
                  .toString(),
              QStringLiteral("pw"));
}

class DbAdminOnEngine : public DbAdmin, public ::testing::WithParamInterface<Backend> {};

TEST_P(DbAdminOnEngine, MakesTheNumbersOfAnOldTableUniqueOnceItsRepeatsAreResolved)
{
    SKIP_WITHOUT_SERVER(GetParam());
    TestDatabase::Options earlier;
    earlier.uniqueKey = false;
    TestDatabase db(GetParam(), earlier);
    db.Insert(
        "('josm', 1, 'a', 'John', 'Smith'), ('josm', 1, 'b', 'Joan', 'Smithers'), "
        "('josm', 2, 'c', 'Jo', 'Smyth'), ('anle', 3, 'd', 'Ann', 'Lee'), "
        "('anle', 3, 'e', 'Ann', 'Lee'), ('anle', 3, 'f', 'Ann', 'Lee')");
    QString output;
    EXPECT_EQ(Run({"create-table", "DVK"}, &output, db.ConfigHome()), 1);
    EXPECT_TRUE(output.contains("  anle 3 (3 records)\n  josm 1 (2 records)\n"))
        << output.toStdString();
    EXPECT_EQ(db.Count("select count(*) from studentlist"), 6) << "no student is removed";

    db.Exec(QStringLiteral("update studentlist set psidsequence = 3 where studentid = 'b'"));
    db.Exec(QStringLiteral("update studentlist set psidsequence = 4 where studentid = 'e'"));
    db.Exec(QStringLiteral("update studentlist set psidsequence = 5 where studentid = 'f'"));
    ASSERT_EQ(Run({"create-table", "DVK"}, &output, db.ConfigHome()), 0) << output.toStdString();
    EXPECT_FALSE(db.Refusal(TestDatabase::kInsertPrefix + "('josm', 2, 'x', 'J', 'S')").isEmpty());
    EXPECT_EQ(db.Refusal(TestDatabase::kInsertPrefix + "('josm', 4, 'x', 'J', 'S')"), QString());
    EXPECT_EQ(Run({"create-table", "DVK"}, &output, db.ConfigHome()), 0)
        << "a second run changes nothing";
}

INSTANTIATE_TEST_SUITE_P(Store, DbAdminOnEngine,
                         ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

}  // namespace
