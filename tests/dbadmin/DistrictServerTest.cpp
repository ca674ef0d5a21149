// A district's server as its IT runs it: TLS with a certificate of the district's authority, the
// office user taken over TLS alone and with a password, a service file for every office, and
// scheduled jobs with their password in a file.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "store/engine/Session.h"
#include "store/list/Query.h"
#include "store/list/StudentListQuery.h"
#include "tests/dbadmin/AdminRun.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestDatabase.h"

namespace {

class DistrictServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_SERVER(Backend::PostgreSQL);
        db.emplace(Backend::PostgreSQL, WithLogin());
        aliases = db->ConfigHome() + QStringLiteral("/cardovane/aliases.conf");
        passwordFile = WriteFile(home.filePath(QStringLiteral("office.pw")),
                                 TestDatabase::PgPassword().toUtf8() + "\n");
        QFile::setPermissions(passwordFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        const QString port = QString::number(TestDatabase::PgAliasPort());
        const QString entry =
            QStringLiteral("port=%1\ndbname=%2\nsslmode=verify-full\nsslrootcert=%3\n")
                .arg(port, TestDatabase::PgDatabaseName(), TestDatabase::PgAuthority());
        // The second entry reaches the same server under a name its certificate does not carry.
        WriteFile(home.filePath(QStringLiteral("pg_service.conf")),
                  (QStringLiteral("[district]\nhost=127.0.0.1\n") + entry +
                   QStringLiteral("[records]\nhost=records.example\nhostaddr=127.0.0.1\n") + entry)
                      .toUtf8());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), db->ConfigHome());
        environment.insert(QStringLiteral("PGSERVICEFILE"), home.filePath("pg_service.conf"));
    }

    // A job of the office: its user, its password from the password file.
    Result Run(const QStringList& arguments)
    {
        return Job(arguments + QStringList{"--user", TestDatabase::PgUser(), "--password-file",
                                           passwordFile},
                   home.path(), environment);
    }
    QStringList Server() const
    {
        return {"--server",   "127.0.0.1",
                "--port",     QString::number(TestDatabase::PgAliasPort()),
                "--database", TestDatabase::PgDatabaseName()};
    }

    std::optional<TestDatabase> db;
    QTemporaryDir home;
    QString aliases;
    QString passwordFile;
    QProcessEnvironment environment;
};

TEST_F(DistrictServer, OnlyTheDistrictsVerifiedServerIsTalkedTo)
{
    // The district's authority in a folder whose name needs quoting in libpq's settings.
    const QString quoted = home.filePath(QStringLiteral("it's \\ here"));
    QDir().mkpath(quoted);
    const QString authority = quoted + QStringLiteral("/district-ca.crt");
    ASSERT_TRUE(QFile::copy(TestDatabase::PgAuthority(), authority));
    const QStringList verified{"--sslmode", "verify-full", "--sslrootcert", authority};
    const std::string withoutTls = TestDatabase::RefusedWithoutTlsWords().toStdString();
    const struct {
        QStringList setup;
        int code;
        const char* says;
    } cases[] = {
        {Server() + verified, 0, ""},
        {Server() + QStringList{"--sslmode", "verify-full", "--sslrootcert",
                                TestDatabase::PgOtherAuthority()},
         1, "certificate verify failed / The server's certificate is not trusted"},
        {Server() + QStringList{"--sslmode", "disable"}, 1, withoutTls.c_str()},
        {{"--service", "records"}, 1, "does not match host name \"records.example\""},
        {{"--service", "district"}, 0, ""},
        {{"--service", "nowhere"}, 1, "definition of service \"nowhere\" not found"},
    };
    int stored = 0;
    for (const auto& c : cases) {
        const std::string row = c.setup.join(' ').toStdString();
        const QByteArray before = ReadFile(aliases);
        Result result = Run(QStringList{"setup-postgres", "DVK"} + c.setup);
        EXPECT_EQ(result.code, c.code) << row << ": " << result.err.toStdString();
        // Under the engine's message, libpq's reason; never the password.
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.says))) << result.err.toStdString();
        EXPECT_FALSE(result.err.contains(TestDatabase::PgPassword()));
        if (c.code != 0) {
            EXPECT_TRUE(result.err.contains(QStringLiteral("Cannot open database. / ")))
                << result.err.toStdString();
            EXPECT_EQ(ReadFile(aliases), before) << row << ": a failed setup defines nothing";
            continue;
        }
        // The alias keeps the settings: a job on it stores and exports over the verified line.
        WriteFile(home.filePath("list.csv"), "1,Ann,Lee\r\n");
        result = Run({"import", "DVK", home.filePath("list.csv")});
        EXPECT_EQ(result.code, 0) << row << ": " << result.err.toStdString();
        ++stored;
        result = Run({"export", "DVK", "-"});
        EXPECT_EQ(result.code, 0) << row << ": " << result.err.toStdString();
        EXPECT_EQ(result.out.count(QStringLiteral("1,Ann,Lee\r\n")), stored) << row;
    }
    EXPECT_EQ(db->Stored(), 2);
}

TEST_F(DistrictServer, TheAliasKeepsLibpqsSettingsUnderLibpqsNames)
{
    ASSERT_EQ(Run(QStringList{"setup-postgres", "DVK", "--service", "district", "--sslmode",
                              "verify-full", "--sslrootcert", TestDatabase::PgAuthority()})
                  .code,
              0);
    const QString file = QString::fromUtf8(ReadFile(aliases));
    EXPECT_TRUE(file.contains(QStringLiteral("Service=district"))) << file.toStdString();
    EXPECT_TRUE(file.contains(QStringLiteral("SSLMode=verify-full"))) << file.toStdString();
    EXPECT_TRUE(file.contains(QStringLiteral("SSLRootCert=") + TestDatabase::PgAuthority()));
    // The service names the server, its port and database: the alias does not repeat them.
    EXPECT_FALSE(file.contains(QStringLiteral("Port="))) << file.toStdString();
    EXPECT_FALSE(file.contains(QStringLiteral("Server="))) << file.toStdString();
    EXPECT_FALSE(file.contains(TestDatabase::PgPassword()));
}

TEST(EdgesOnTheServer, AnExportWithARefusedPasswordLeavesTheOldFile)
{
    SKIP_WITHOUT_SERVER(Backend::PostgreSQL);
    TestDatabase db(Backend::PostgreSQL, WithLogin());
    QTemporaryDir dir;
    const QString target = WriteFile(dir.filePath(QStringLiteral("out.csv")), "keep\r\n");
    const Result result =
        Admin({"export", "DVK", target, "--user", TestDatabase::PgUser(), "--password", "wrong"},
              dir.path());
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(TestDatabase::RefusedPasswordWords()))
        << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(QStringLiteral("wrong")));
    EXPECT_EQ(ReadFile(target), QByteArray("keep\r\n"));
}

TEST(EdgesOnTheServer, AJobWithoutATerminalTakesItsPasswordFromAFileNeverTheCommandLine)
{
    SKIP_WITHOUT_SERVER(Backend::PostgreSQL);
    TestDatabase db(Backend::PostgreSQL, WithLogin());
    QTemporaryDir home;
    const QString list = WriteFile(home.filePath(QStringLiteral("l.csv")), "1,Ann,Lee\r\n");
    const QString user = TestDatabase::PgUser();
    const QString secret = TestDatabase::PgPassword();

    // No password anywhere: the server's refusal is told in libpq's words.
    Result result = Job({"import", "DVK", list, "--user", user}, home.path());
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("password"))) << result.err.toStdString();

    // libpq's own password file.
    const QString pgpass =
        WriteFile(home.filePath(QStringLiteral(".pgpass")),
                  QStringLiteral("127.0.0.1:%1:*:%2:%3\n")
                      .arg(QString::number(TestDatabase::PgAliasPort()), user, secret)
                      .toUtf8());
    QFile::setPermissions(pgpass, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    result = Job({"import", "DVK", list, "--user", user}, home.path());
    EXPECT_EQ(result.code, 0) << result.err.toStdString();
    result = Job({"export", "DVK", home.filePath("out.csv"), "--user", user}, home.path());
    EXPECT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(ReadFile(home.filePath("out.csv")), QByteArray("1,Ann,Lee\r\n"));
    QFile::remove(pgpass);

    // --password-file, refused while others may read it.
    const QString file = WriteFile(home.filePath(QStringLiteral("secret")), secret.toUtf8() + "\n");
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ReadGroup | QFileDevice::ReadOther);
    result = Job({"import", "DVK", list, "--user", user, "--password-file", file}, home.path());
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("may be read by others")))
        << result.err.toStdString();
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    result = Job({"import", "DVK", list, "--user", user, "--password-file", file}, home.path());
    EXPECT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(secret) || result.out.contains(secret));
    EXPECT_EQ(db.Stored(), 2);
}

}  // namespace

namespace {

// A district's primary server and its standby (through a pooler in front of each), named
// together in the alias with libpq's read-write target: when the primary stops and the standby
// is promoted, the next action of a session and the next job reach the new primary.
TEST(Failover, ThePromotedStandbyTakesTheNextActionAndTheNextJob)
{
    SKIP_WITHOUT_SERVER(Backend::PostgreSQL);
    TestDatabase db(Backend::PostgreSQL, WithStandby());
    const StandbyServer standby;
    ASSERT_TRUE(standby.Started());

    QTemporaryDir home;
    const auto job = [&](const char* line) {
        const QString list = WriteFile(home.filePath(QStringLiteral("list.csv")), line);
        return Admin({"import", "DVK", list}, home.path());
    };
    TSession session;
    TQuery names(session);
    SetUpStudentListQuery(names, QStringLiteral("DVK"));
    names.Open();
    EXPECT_EQ(names.RecordCount(), 0);
    const Result first = job("1,Ann,Lee\r\n");
    ASSERT_EQ(first.code, 0) << first.err.toStdString();
    // The standby has what the primary stored before it is promoted.
    const QDeadlineTimer deadline(30000);
    while (db.Count(QStringLiteral("select count(*) from pg_stat_replication where replay_lsn >= "
                                   "pg_current_wal_lsn()")) == 0 &&
           !deadline.hasExpired()) {
        QThread::msleep(20);
    }
    ASSERT_TRUE(TestDatabase::ServerStep(QStringLiteral("pg_test_failover")));

    QCoreApplication::processEvents();  // the session's next action
    names.Close();
    names.Open();
    EXPECT_EQ(names.RecordCount(), 1);
    const Result second = job("2,Bob,Ray\r\n");
    EXPECT_EQ(second.code, 0) << second.err.toStdString();
    QCoreApplication::processEvents();
    names.Close();
    names.Open();
    EXPECT_EQ(names.RecordCount(), 2) << "both students on the new primary";
}

}  // namespace
