// The administration command that defines aliases and creates the StudentList table.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "tests/dbadmin/AdminRun.h"
#include "tests/support/ProgramRun.h"
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
        query.exec(TestDatabase::kInsertPrefix + "('josm', 1, '1', 'John', 'Smith')");
        query.exec(QStringLiteral("select sql from sqlite_master where type = 'index' and "
                                  "tbl_name = '%1' order by name")
                       .arg(kStudentListTable));
        // SQLite keeps a statement as given, but for its first words in capitals: the unique
        // key, and the IDNums' index that finds stored students.
        QStringList indexes;
        while (query.next()) {
            indexes << query.value(0).toString().toLower();
        }
        EXPECT_EQ(indexes, (QStringList{QString::fromUtf8(kCreateStudentListKey),
                                        QString::fromUtf8(kCreateStudentIdIndex)}
                                .replaceInStrings(QStringLiteral(" if not exists"), QString())));
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
    query.exec(QStringLiteral("select count(*) from %1").arg(kStudentListTable));
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
                   QString::number(TestDatabase::PgAliasPort()), "--database", "cvt_admin_check",
                   "--user", TestDatabase::PgUser(), "--password", TestDatabase::PgPassword()},
                  &output),
              1)
        << "a database that does not exist is reported";
    EXPECT_FALSE(QFileInfo::exists(ConfigFile())) << "a setup that fails defines nothing";
    server.DropTable();
    const QString database = TestDatabase::PgDatabaseName();
    ASSERT_EQ(Run({"setup-postgres", "DVK", "--server", "127.0.0.1", "--port",
                   QString::number(TestDatabase::PgAliasPort()), "--database", database, "--user",
                   TestDatabase::PgUser(), "--password", TestDatabase::PgPassword()},
                  &output),
              0)
        << output.toStdString();
    EXPECT_FALSE(output.contains(QStringLiteral("NOTICE"))) << output.toStdString();
    EXPECT_EQ(server.Stored(), 0);
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
    EXPECT_EQ(db.Stored(), 6) << "no student is removed";

    db.Update(QStringLiteral("psidsequence = 3"), QStringLiteral("studentid = 'b'"));
    db.Update(QStringLiteral("psidsequence = 4"), QStringLiteral("studentid = 'e'"));
    db.Update(QStringLiteral("psidsequence = 5"), QStringLiteral("studentid = 'f'"));
    ASSERT_EQ(Run({"create-table", "DVK"}, &output, db.ConfigHome()), 0) << output.toStdString();
    EXPECT_FALSE(db.Refusal(TestDatabase::kInsertPrefix + "('josm', 2, 'x', 'J', 'S')").isEmpty());
    EXPECT_EQ(db.Refusal(TestDatabase::kInsertPrefix + "('josm', 4, 'x', 'J', 'S')"), QString());
    EXPECT_EQ(Run({"create-table", "DVK"}, &output, db.ConfigHome()), 0)
        << "a second run changes nothing";
}

INSTANTIATE_TEST_SUITE_P(Store, DbAdminOnEngine,
                         ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

// A user's first set-up, and the aliases a person may get wrong by hand.
class FreshHome : public ::testing::Test {
protected:
    Result Run(const QStringList& arguments)
    {
        QProcessEnvironment environment;
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath("config"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath("data"));
        return Admin(arguments, home.path(), environment);
    }
    QTemporaryDir home;
};

TEST_F(FreshHome, TheDatabaseAndAliasesAreTheUsersAlone)
{
    const mode_t before = ::umask(022);
    const Result result = Run({"setup-sqlite", "DVK"});
    ::umask(before);
    ASSERT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(Mode(home.filePath("config/cardovane")), 0700);
    EXPECT_EQ(Mode(home.filePath("config/cardovane/aliases.conf")), 0600);
    EXPECT_EQ(Mode(home.filePath("data/cardovane")), 0700);
    EXPECT_EQ(Mode(home.filePath("data/cardovane/students.db")), 0600);
    // The same alias in another letter case replaces it instead of adding a second.
    ASSERT_EQ(Run({"setup-sqlite", "dvk"}).code, 0);
    EXPECT_EQ(ReadFile(home.filePath("config/cardovane/aliases.conf")).count("[DVK]"), 1);
}

TEST_F(FreshHome, AMissingAliasesFileIsNamedWithTheCommandThatMakesIt)
{
    const Result result = Run({"export", "DVK", "-"});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("initialize the database engine (error $2103)")))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(home.filePath("config/cardovane/aliases.conf") +
                                    QStringLiteral(" does not exist")))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("cardovane-dbadmin setup-sqlite DVK")));
}

TEST_F(FreshHome, AnAliasTheEngineCannotUseIsNamedWithItsKeyAndValue)
{
    const struct {
        const char* group;
        const char* says;
    } cases[] = {
        // Each fault is read as the aliases file's tests read it; the command names it.
        {"Driver=SQLITE\nPath=students.db", "Path \"students.db\" is relative"},
        {"Driver=POSTGRES\nServer=h\nDatabase=d\nPort=abc", "Port \"abc\" is not a port number"},
    };
    QDir().mkpath(home.filePath("config/cardovane"));
    for (const auto& c : cases) {
        WriteFile(home.filePath("config/cardovane/aliases.conf"),
                  QByteArray("[DVK]\n") + c.group + "\n");
        const Result result = Run({"export", "DVK", "-"});
        EXPECT_EQ(result.code, 1) << c.group;
        EXPECT_TRUE(result.err.contains(QStringLiteral("Alias DVK: ") + QString::fromUtf8(c.says)))
            << result.err.toStdString();
    }
}

}  // namespace
