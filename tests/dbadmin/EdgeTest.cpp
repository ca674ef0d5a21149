// cardovane-dbadmin given what a scheduled job or a hurried person really gives it: every
// mistake is refused with a message that names it, and nothing is stored, defined or replaced.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "tests/dbadmin/AdminRun.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ScriptedSeam.h"
#include "tests/support/TestDatabase.h"

namespace {

class Edges : public AdminOnEachBackend {
protected:
    void SetUp() override
    {
        AdminOnEachBackend::SetUp();
        if (IsSkipped()) {
            return;
        }
        aliases = db->ConfigHome() + QStringLiteral("/cardovane/aliases.conf");
        WriteFile(dir.filePath(QStringLiteral("list.csv")), "1,John,Smith\r\n2,Ann,Lee\r\n");
    }
    Result Run(const QStringList& arguments, const QByteArray& input = {})
    {
        return Admin(arguments, dir.path(), {}, input);
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    int Stored() { return db->Stored(); }

    QString aliases;
};

TEST_P(Edges, BadCommandLinesDoNothing)
{
    const struct {
        QStringList arguments;
        int code;
        const char* says;
        const char* germanSays;  // the same refusal on a German desktop
    } cases[] = {
        {{"import", "DVK", "list.csv", "--dryrun"},
         2,
         "Unknown option 'dryrun'",
         "Unbekannte Option 'dryrun'"},
        {{"import", "DVK", "list.csv", "--user"},
         2,
         "Missing value after '--user'",
         "Nach '--user' fehlt der Wert"},
        {{"import", "DVK", ""}, 2, "an argument is empty", "ein Argument ist leer"},
        {{"export", "DVK", ""}, 2, "an argument is empty", "ein Argument ist leer"},
        {{"import", "DVK", "list.csv", "more.csv"},
         2,
         "unexpected argument 'more.csv'",
         "unerwartetes Argument „more.csv“"},
        {{"import", "DVK"},
         2,
         "usage: cardovane-dbadmin import ALIAS FILE",
         "Aufruf: cardovane-dbadmin import ALIAS FILE"},
        {{"import", "DVK", "list.csv", "--wait", "soon"},
         2,
         "--wait takes a whole number",
         "--wait nimmt eine ganze Zahl"},
        {{"import", "DVK", "list.csv", "--dry-run", "--receipt", "r.csv"},
         2,
         "--receipt has nothing to record in a --dry-run",
         "--receipt hat bei --dry-run nichts festzuhalten"},
        {{"import", "DVK", "list.csv", "--receipt"},
         2,
         "Missing value after '--receipt'",
         "Nach '--receipt' fehlt der Wert"},
        {{"undo", "DVK"},
         2,
         "usage: cardovane-dbadmin undo ALIAS RECEIPT",
         "undo nimmt entweder eine QUITTUNG"},
        {{"import", "DVK", "list.csv", "--password", ""},
         2,
         "--password is empty",
         "--password ist leer"},
        {{"setup-postgres", "--server", "h", "--database", "d"},
         2,
         "too few arguments",
         "zu wenige Argumente"},
        {{"setup-postgres", "X", "--server", "h"},
         2,
         "needs --server and --database",
         "braucht --server und --database"},
        {{"setup-postgres", "X", "--server", "h", "--database", "d", "--port", "abc"},
         2,
         "--port takes a whole number from 1 to 65535",
         "--port nimmt eine ganze Zahl von 1 bis 65535"},
        {{"setup-postgres", "X", "--server", "h", "--database", "d", "--sslmode", "verify"},
         2,
         "SSLMode \"verify\" is not one of disable, allow, prefer, require, verify-ca, "
         "verify-full",
         "SSLMode „verify“ ist keiner der Werte disable, allow"},
        {{"setup-postgres", "X", "--server", "h", "--database", "d", "--sslrootcert", "ca.crt"},
         2,
         "/ca.crt\" is not a file",
         "/ca.crt“ ist keine Datei"},
        {{"setup-postgres", "X", "--server", "h", "--sslrootcert", "ca.crt"},
         2,
         "needs --server and --database, or --service",
         "braucht --server und --database, oder --service"},
        {{"setup-postgres", "X", "--service", ""}, 2, "--service is empty", "--service ist leer"},
        {{"setup-postgres", "X", "--server", "db1,db2", "--database", "d", "--target_session_attrs",
          "primary-only"},
         2,
         "TargetSessionAttrs \"primary-only\" is not one of any, read-write",
         "TargetSessionAttrs „primary-only“ ist keiner der Werte any, read-write"},
        {{"setup-postgres", "X", "--service", "a;b"},
         2,
         "Service \"a;b\" holds a semicolon",
         "Service „a;b“ enthält ein Semikolon"},
        {{"setup-sqlite", "X", "a.db", "b.db"},
         2,
         "unexpected argument 'b.db'",
         "unerwartetes Argument „b.db“"},
        {{"frobnicate", "DVK"}, 2, "unknown command frobnicate", "unbekannter Befehl frobnicate"},
        {{"protect-table", "NOPE", "studentlist", "pw"},
         1,
         "alias NOPE is not defined",
         "Alias NOPE ist nicht festgelegt"},
        {{"create-table", "NOPE"},
         1,
         "alias NOPE is not defined",
         "Alias NOPE ist nicht festgelegt"},
    };
    const QByteArray before = ReadFile(aliases);
    for (const auto& c : cases) {
        const Result result = Run(c.arguments);
        EXPECT_EQ(result.code, c.code) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.says)))
            << c.arguments.join(' ').toStdString() << ": " << result.err.toStdString();
        const Result german = Admin(c.arguments, dir.path(), GermanDesktop());
        EXPECT_EQ(german.code, c.code) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(german.err.contains(QString::fromUtf8(c.germanSays)) &&
                    german.err != result.err)
            << c.arguments.join(' ').toStdString() << ": " << german.err.toStdString();
    }
    EXPECT_EQ(Stored(), 0);
    EXPECT_EQ(ReadFile(aliases), before) << "no alias defined or changed";
}

// On a German desktop the command speaks German, its help too (and so in French and Spanish),
// down to the last description; what it writes for machines (the exported file, the exit codes)
// is the same in every language.
TEST_P(Edges, AGermanDesktopReadsTheCommandInGerman)
{
    const Result english = Run({"--help"});
    const struct {
        const char* locale;
        std::vector<const char*> says;
    } helps[] = {
        {"de_DE",
         {"Aufruf: cardovane-dbadmin BEFEHL", "Optionen:", "Zeigt diesen Text.",
          "Liest FILE (- ist die Standardeingabe)", "Exit-Codes: 0 erledigt"}},
        {"fr_FR", {"Utilisation : cardovane-dbadmin COMMANDE", "Options :", "Affiche ce texte."}},
        {"es_ES", {"Uso: cardovane-dbadmin ORDEN", "Opciones:", "Muestra este texto."}},
    };
    // A line the same as in English is the command's grammar: a synopsis, an option, an example.
    const QStringList englishLines = english.out.split(QLatin1Char('\n'));
    const QRegularExpression grammar(QStringLiteral(
        R"(^\s*(--|\[--|cardovane-dbadmin |[a-z-]+ [A-Z\[]|setup-postgres$|protect-table ALIAS))"));
    for (const auto& h : helps) {
        SCOPED_TRACE(h.locale);
        const Result help = Admin({"--help"}, dir.path(), DesktopIn(QString::fromUtf8(h.locale)));
        ASSERT_EQ(help.code, 0);
        for (const char* said : h.says) {
            EXPECT_TRUE(help.out.contains(QString::fromUtf8(said))) << said;
        }
        for (const QString& line : help.out.split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty() && englishLines.contains(line)) {
                EXPECT_TRUE(grammar.match(line).hasMatch())
                    << "left in English: " << line.toStdString();
            }
        }
    }

    const struct {
        QStringList arguments;
        int code;
        const char* says;  // on standard output or error
    } cases[] = {
        {{"import", "DVK", "list.csv"}, 0, "2 Zeilen in StudentList von DVK gespeichert."},
        {{"export", "DVK", "de.csv"}, 0, "2 Schüler nach de.csv exportiert."},
        {{"import", "DVK", "missing.csv"}, 1, "import missing.csv: Datei nicht gefunden"},
        {{"import", "DVK", "book.xlsx"}, 1, "sondern eine Tabellenkalkulations-Mappe"},
        {{"create-table", "NOPE"}, 1, "Alias NOPE ist nicht festgelegt"},
    };
    WriteFile(Path(QStringLiteral("book.xlsx")), QByteArray("PK\x03\x04\x14\x00", 6));
    for (const auto& c : cases) {
        const Result result = Admin(c.arguments, dir.path(), GermanDesktop());
        EXPECT_EQ(result.code, c.code) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE((result.out + result.err).contains(QString::fromUtf8(c.says)))
            << c.arguments.join(' ').toStdString() << ": "
            << (result.out + result.err).toStdString();
    }
    ASSERT_EQ(Run({"export", "DVK", "en.csv"}).code, 0);
    EXPECT_EQ(ReadFile(Path(QStringLiteral("de.csv"))), ReadFile(Path(QStringLiteral("en.csv"))));
}

TEST_P(Edges, AFileNamedLikeAnOptionFollowsTheirEndAndStandardInputOnlyByADash)
{
    WriteFile(Path(QStringLiteral("--x")), "1,John,Smith\r\n");
    Result result = Run({"import", "DVK", "--", "--x"});
    EXPECT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("Stored 1 row in StudentList")))
        << result.out.toStdString();
    result = Run({"import", "DVK", "-"}, "2,Ann,Lee\r\n3,Bo,Ray\r\n");
    EXPECT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(QStringLiteral("Stored 2 rows"))) << result.out.toStdString();
    EXPECT_EQ(db->Rows(),
              (QStringList{"anle|1|2|Ann|Lee", "bora|1|3|Bo|Ray", "josm|1|1|John|Smith"}));
}

TEST_P(Edges, AMessageNamesTheCommandAndFileNeverThePassword)
{
    const Result result = Run({"import", "--password", "S3cret", "DVK", "missing.csv"});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("import missing.csv: File not found.")))
        << result.err.toStdString();
    EXPECT_FALSE(result.err.contains(QStringLiteral("S3cret")));
}

TEST_P(Edges, WhatIsNoTextIsRefusedAndNothingStored)
{
    const struct {
        const char* name;
        QByteArray bytes;
        const char* says;
    } cases[] = {
        {"students.xlsx", QByteArray("PK\x03\x04\x14\x00\x06\x00", 8) + QByteArray(600, 'z'),
         "save it as CSV first"},
        {"students.xls", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\x00", 9),
         "save it as CSV first"},
        {"utf16.csv",
         QByteArray("\xFF\xFE"
                    "1\x00,\x00"
                    "A\x00",
                    8),
         "UTF-16"},
        {"random.bin", QByteArray("1,A,B\r\n", 7) + QByteArray(70000, 'q') + QByteArray(1, '\0'),
         "a NUL byte at byte 70008"},
    };
    for (const auto& c : cases) {
        const QString file = WriteFile(Path(QString::fromUtf8(c.name)), c.bytes);
        const Result result = Run({"import", "DVK", file});
        EXPECT_EQ(result.code, 1) << c.name;
        EXPECT_TRUE(result.err.contains(QStringLiteral("is not a comma-separated text file")))
            << result.err.toStdString();
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.says))) << result.err.toStdString();
    }
    EXPECT_EQ(Stored(), 0);
}

TEST_P(Edges, AFailedExportLeavesTheOldFileByteForByte)
{
    const QString target = WriteFile(Path(QStringLiteral("out.csv")), "keep\r\n");
    Result result = Run({"export", "NOPE", target});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("Unknown database.")))
        << result.err.toStdString();
    EXPECT_EQ(ReadFile(target), QByteArray("keep\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "no file left beside it";  // list.csv and out.csv
    db->Insert(QStringLiteral("('josm', 1, '1', 'John', 'Smith')"));
    result = Run({"export", "DVK", target});
    EXPECT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_EQ(ReadFile(target), QByteArray("1,John,Smith\r\n"));
}

TEST_P(Edges, NoExportOntoTheDatabaseOrItsJournal)
{
    if (GetParam() != Backend::SQLite) {
        GTEST_SKIP() << "a server's database is no file";
    }
    db->Insert(QStringLiteral("('josm', 1, '1', 'John', 'Smith'), ('anle', 1, '2', 'Ann', 'Lee')"));
    const QString database = db->SqlitePath();
    // The journal files exist while a connection has the database open in WAL mode.
    QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "edge-holder");
    holder.setDatabaseName(database);
    ASSERT_TRUE(holder.open());
    QSqlQuery(holder).exec("pragma journal_mode = wal");
    QSqlQuery(holder).exec(QStringLiteral("select count(*) from %1").arg(kStudentListTable));
    const QString link = Path(QStringLiteral("link.csv"));
    ASSERT_TRUE(QFile::link(database, link));
    for (const QString& target : {database, database + "-wal", database + "-shm", link}) {
        if (!QFileInfo::exists(target)) {
            continue;
        }
        const QByteArray before = ReadFile(target);
        const Result result = Run({"export", "DVK", target});
        EXPECT_EQ(result.code, 1) << target.toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("is the student database")))
            << result.err.toStdString();
        if (!target.endsWith(QStringLiteral("-shm"))) {
            EXPECT_EQ(ReadFile(target), before) << target.toStdString();
        }
    }
    QSqlQuery check(holder);
    ASSERT_TRUE(check.exec("pragma integrity_check") && check.next());
    EXPECT_EQ(check.value(0).toString(), QStringLiteral("ok"));
    check.finish();
    holder.close();
    holder = QSqlDatabase();
    QSqlDatabase::removeDatabase("edge-holder");
    EXPECT_EQ(Stored(), 2);
}

TEST_P(Edges, TwoImportsAtOnceAreBothStored)
{
    QString big;
    for (int i = 0; i < 3000; ++i) {
        big += QStringLiteral("%1,John,Smith\r\n").arg(i);
    }
    WriteFile(Path(QStringLiteral("big.csv")), big.toUtf8());
    QProcess first;
    QProcess second;
    for (QProcess* job : {&first, &second}) {
        job->setWorkingDirectory(dir.path());
        job->start(QStringLiteral(CARDOVANE_DBADMIN), {"import", "DVK", "big.csv", "--wait", "60"});
    }
    for (QProcess* job : {&first, &second}) {
        ASSERT_TRUE(job->waitForFinished(120000));
        EXPECT_EQ(job->exitCode(), 0) << job->readAllStandardError().toStdString();
    }
    EXPECT_EQ(Stored(), 6000);
    EXPECT_EQ(db->Aggregate(QStringLiteral("count(distinct psidsequence)")), 6000);
}

INSTANTIATE_TEST_SUITE_P(Store, Edges, ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

TEST(EdgesOnADisk, AnExportOntoAFullDiskLeavesTheOldFile)
{
    QTemporaryDir disk;
    const QString folder = disk.filePath(QStringLiteral("small"));
    QDir().mkpath(folder);
    QProcess mount;
    mount.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", folder});
    if (::geteuid() != 0 || !mount.waitForFinished(10000) || mount.exitCode() != 0) {
        GTEST_SKIP() << "mounting a small disk needs root";
    }
    struct Unmount {
        QString folder;
        ~Unmount() { QProcess::execute(QStringLiteral("umount"), {folder}); }
    } unmount{folder};
    TestDatabase db(Backend::SQLite, {});
    db.InsertNumberedStudents(20000);  // some 300 KB of lines
    const QString target = WriteFile(folder + QStringLiteral("/out.csv"), "keep\r\n");
    const Result result = Admin({"export", "DVK", target}, disk.path());
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(QStringLiteral("I/O error 28"))) << result.err.toStdString();
    EXPECT_EQ(ReadFile(target), QByteArray("keep\r\n"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("out.csv")});
}

TEST(EdgesAtTheTerminal, CtrlCAtThePasswordPromptLeavesTheTerminalEchoing)
{
    TestDatabase db(Backend::SQLite, WithLogin());  // the command asks for a login
    QTemporaryDir dir;
    const QString list = WriteFile(dir.filePath(QStringLiteral("l.csv")), "1,Ann,Lee\r\n");
    int terminal = -1;
    const pid_t pid = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::execl(CARDOVANE_DBADMIN, "cardovane-dbadmin", "import", "DVK",
                list.toLocal8Bit().constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    std::string shown;
    QElapsedTimer waited;
    waited.start();
    while (shown.find("Password for") == std::string::npos && waited.elapsed() < 20000) {
        pollfd ready{terminal, POLLIN, 0};
        if (::poll(&ready, 1, 100) > 0) {
            char bytes[256];
            const ssize_t n = ::read(terminal, bytes, sizeof bytes);
            if (n <= 0) {
                break;
            }
            shown.append(bytes, std::size_t(n));
        }
    }
    ASSERT_NE(shown.find("Password for"), std::string::npos) << shown;
    termios asking{};
    ASSERT_EQ(::tcgetattr(terminal, &asking), 0);
    EXPECT_EQ(asking.c_lflag & ECHO, 0u) << "the password is not shown";
    ASSERT_EQ(::write(terminal, "\x03", 1), 1);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT);
    termios after{};
    ASSERT_EQ(::tcgetattr(terminal, &after), 0);
    EXPECT_NE(after.c_lflag & ECHO, 0u) << "the terminal echoes again";
    ::close(terminal);
    EXPECT_EQ(db.Stored(), 0);
}

}  // namespace
