#pragma once

#include <gtest/gtest.h>

#include <QMap>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "store/table/StudentListTable.h"

// A real student database for a test: a SQLite file in a temporary folder, or the PostgreSQL
// server that the test command started on 127.0.0.1. Each puts the alias DVK (and the alias
// configuration it lives in) in place, with an empty StudentList table.
enum class Backend { SQLite, PostgreSQL };
std::string BackendName(Backend backend);

class TestDatabase {
public:
    struct Options {
        bool withLogin = false;  // the alias carries a user name
        bool createTable = true;
        bool uniqueKey = true;  // else the plain index of tables made by earlier versions
        QString tablePassword;  // protects StudentList
        QString aliasName = QStringLiteral("DVK");
        QMap<QString, QString> libpqSettings;  // on the server's alias: libpq keyword -> value
        QString server = QStringLiteral("127.0.0.1");  // the alias's server, or its host list
    };

    // False when the backend cannot be had here (no server started by the test command).
    static bool Available(Backend backend);
    TestDatabase(Backend backend, const Options& options);
    ~TestDatabase();

    Backend backend() const { return backend_; }
    // Runs statements over a connection of the test's own; fails the test on an error.
    void Exec(const QString& sql);
    // Runs a statement that may be refused; answers the database's message, empty when it ran.
    QString Refusal(const QString& sql);
    // Restarts the PostgreSQL server of the test command, as a school's server may restart;
    // every connection to it is lost, but for the test's own, which connects again.
    bool RestartServer();
    // The test's own connection made again, after a step that lost it.
    bool Reconnect();
    // Runs a step of the test command's server script (pg_test_standby_start, ...) on its server.
    static bool ServerStep(const QString& steps);
    // Inserts StudentList rows given as "(psid, psidsequence, studentid, fname, lname), ...".
    static inline const QString kInsertPrefix =
        QString::fromStdString(StudentListInsertHead()) + QStringLiteral(" values ");
    void Insert(const QString& rows) { Exec(kInsertPrefix + rows); }
    // Stores a list of this many students, numbered from 0 in studentid and fname: three keys
    // in turn, one of them null and holding each number twice, the last name null in every
    // fifth; so that the list's windows begin at every kind of key.
    void InsertNumberedStudents(int count);
    int Count(const QString& sql);
    // A number read off the stored list: an aggregate such as "max(psidsequence)" of the rows
    // the condition takes (all of them without one); how many rows are stored.
    int Aggregate(const QString& expression, const QString& where = {});
    int Stored(const QString& where = {}) { return Aggregate(QStringLiteral("count(*)"), where); }
    // Changes to the stored list behind the program's back, as another program would make them.
    void Update(const QString& assignments, const QString& where);
    void DeleteAll();
    void DropTable();
    // Puts in place a table of the columns given, as an older or hand-made database has it.
    void ReplaceTable(const QString& columns);
    // Makes the server refuse a second student of one identification number.
    void RefuseRepeatedStudentIds();
    // On the server: the test's connection takes the list as a posting office does and holds
    // it until the connection ends; how many connections wait meanwhile for a lock.
    void HoldTheListAgainstWriters();
    int WaitingForALock();
    // Rows of StudentList in list order, as "psid|seq|studentid|fname|lname".
    QStringList Rows();
    const QString& ConfigHome() const { return configHome_; }
    // The SQLite database file; empty on the server.
    const QString& SqlitePath() const { return sqlitePath_; }
    static QString PgPassword();
    // The port the program under test is given: the server's own, or in the runs through the
    // test command's pooler, the pooler's. The test's own connection goes to the server.
    static int PgAliasPort();
    static bool ThroughPooler();
    // How the program is told that its password was refused, or that it must speak TLS: in the
    // server's words, or the pooler's.
    static QString RefusedPasswordWords();
    static QString RefusedWithoutTlsWords();
    // The database of this test program on the server.
    static QString PgDatabaseName();
    static QString PgUser();
    // The certificate of the authority that signed the test server's, and of another one.
    static QString PgAuthority();
    static QString PgOtherAuthority();

private:
    QString OpenAdminConnection();

    Backend backend_;
    QTemporaryDir dir_;
    QString configHome_;
    QString sqlitePath_;
    QString connection_;
};

// The options of a database whose alias carries a user name, so that connecting asks for a login
// (the test server's user and password answer it).
inline TestDatabase::Options WithLogin()
{
    TestDatabase::Options options;
    options.withLogin = true;
    return options;
}

// The options of a district's primary and its standby named together in the alias, with
// libpq's read-write target, so that a connection reaches whichever accepts writes.
inline TestDatabase::Options WithStandby()
{
    TestDatabase::Options options;
    options.server = QStringLiteral("127.0.0.1,127.0.0.2");
    options.libpqSettings.insert(QStringLiteral("target_session_attrs"),
                                 QStringLiteral("read-write"));
    return options;
}

// The test command's standby beside its server, for as long as this lives: however the test
// ends, the standby goes and the server runs again for the tests after it.
class StandbyServer {
public:
    StandbyServer() : started_(TestDatabase::ServerStep(QStringLiteral("pg_test_standby_start"))) {}
    ~StandbyServer()
    {
        EXPECT_TRUE(TestDatabase::ServerStep(QStringLiteral("pg_test_standby_remove")));
    }
    StandbyServer(const StandbyServer&) = delete;
    StandbyServer& operator=(const StandbyServer&) = delete;
    bool Started() const { return started_; }

private:
    bool started_;
};

// Skips the test where the backend's server is not running (outside the test command).
#define SKIP_WITHOUT_SERVER(backend)                                  \
    if (!TestDatabase::Available(backend)) {                          \
        GTEST_SKIP() << "no PostgreSQL server: run the test command"; \
    }

// A test run on each backend, skipped on one whose server is not running; a fixture's own
// SetUp calls this one first and returns when the test is skipped.
class OnEachBackend : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override { SKIP_WITHOUT_SERVER(GetParam()); }
};
