// cardovane-dbadmin import and export: the window's rules for scheduled jobs, on a real SQLite
// file and on the test command's PostgreSQL server.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>

#include "export/ExportStudentList.h"
#include "import/StudentListReader.h"
#include "store/engine/Session.h"
#include "store/list/Query.h"
#include "store/list/StudentListQuery.h"
#include "tests/dbadmin/AdminRun.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/Workbench.h"
#include "toolkit/Buttons.h"
#include "toolkit/EditControls.h"
#include "toolkit/StringGrid.h"

namespace {

class BatchCommand : public AdminOnEachBackend {
protected:
    // Runs the administration command on the test's alias configuration.
    Result Admin(const QStringList& arguments, QProcess* running = nullptr)
    {
        return ::Admin(arguments, dir.path(), {}, {}, running);
    }
    QString List(const QByteArray& bytes)
    {
        return WriteFile(dir.filePath(QStringLiteral("list.csv")), bytes);
    }
};

const QByteArray kList =
    "1,John,Smith\r\n2,John,Smith\r\n3,Joan,Smithers\r\n4, Amy,LIN \r\n5,Ann,Marie,Lee\r\n"
    "\r\n7,\xC3\x89mile,Zola\r\n8,Ren\xE9,Ray\n9,\xEF\xBB\xBF"
    "Bom,Lee\r\n";

class NoView : public ImportView {
public:
    void ShowLineCount(int) override {}
};

TEST_P(BatchCommand, StoresAndExportsExactlyAsTheWindowPostsAndExports)
{
    const QString list = List(kList);
    const QString windowExport = dir.filePath(QStringLiteral("window.csv"));
    QStringList posted;
    {
        Workbench bench(GetParam());
        bench.db.Insert("('josm', 3, 'old', 'Jo', 'Sm')");
        NoView view;
        ReadStudentList(list.toStdString(), bench.window->SGRecordStudents->Cells(), view);
        bench.window->BitBtn5->click();
        bench.window->EditFileName->setText(windowExport);
        bench.window->BitBtn8->click();
        ASSERT_EQ(bench.TakeMessages(), QStringList());
        posted = bench.db.Rows();
    }
    // The batch's database: another empty one on SQLite, the same table emptied on the server.
    qputenv("XDG_CONFIG_HOME", db->ConfigHome().toUtf8());
    db->DeleteAll();
    db->Insert("('josm', 3, 'old', 'Jo', 'Sm')");
    const Result imported = Admin({"import", "DVK", list});
    ASSERT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, QStringLiteral("Stored 9 rows in StudentList of DVK.\n"));
    EXPECT_EQ(db->Rows(), posted);
    const QString batchExport = dir.filePath(QStringLiteral("batch.csv"));
    EXPECT_EQ(Admin({"export", "DVK", batchExport}).code, 0);
    EXPECT_EQ(ReadFile(batchExport), ReadFile(windowExport));
    const Result toStdout = Admin({"export", "DVK", "-"});
    EXPECT_EQ(toStdout.out.toUtf8(), ReadFile(windowExport));
}

// The job reads a server's list in bulk; whatever the columns' types in a district's own table,
// it writes the bytes that walking the records writes.
TEST_P(BatchCommand, WhateverTheColumnsTypesTheJobExportsWhatTheRecordsGive)
{
    const struct {
        const char* columns;
        const char* rows;
        bool embeddedOnly = false;
    } tables[] = {
        {"studentid text, fname text, lname text",
         "('a', 1, '', null, ' Lee '), ('a', 2, '\xEF\xBB\xBFid', 'A\tB', 'x\\y')"},
        {"studentid integer, fname varchar(12), lname char(6)",
         "('a', 1, -2147483648, 'Ann', 'Lee'), ('a', 2, null, '', 'Ray'), ('b', 1, 0, 'Bo', null)"},
        {"studentid bigint, fname smallint, lname text",
         "('a', 1, 9223372036854775807, -32768, 'x'), ('a', 2, -1, 7, '\xC3\x89')"},
        // Types whose text only the records render as the window shows them.
        {"studentid numeric(8,2), fname boolean, lname date",
         "('a', 1, 12.5, true, '2026-12-08'), ('a', 2, -0.10, false, null)"},
        // Students alike in every key of the order: SQLite's windows take them by row number.
        {"studentid text, fname text, lname text",
         "('a', 1, 'b', 'Same', 'Same'), ('a', 1, 'a', 'Same', 'Same'), ('a', 1, 'c', 'Same', "
         "'Same'), ('a', 0, x'41ff', 1e300, 0.1)",
         true},
    };
    qputenv("XDG_CONFIG_HOME", db->ConfigHome().toUtf8());
    for (const auto& table : tables) {
        if (table.embeddedOnly && GetParam() != Backend::SQLite) {
            continue;
        }
        SCOPED_TRACE(table.columns);
        db->ReplaceTable(QStringLiteral("psid varchar(4), psidsequence integer, ") +
                         QString::fromUtf8(table.columns));
        db->Insert(QString::fromUtf8(table.rows));
        const QString byRecords = dir.filePath(QStringLiteral("records.csv"));
        {
            TSession session;
            TQuery names(session);
            SetUpStudentListQuery(names, QStringLiteral("DVK"));
            ExportStudentList(byRecords.toStdString(), names);
        }
        const Result job = Admin({"export", "DVK", "-"});
        ASSERT_EQ(job.code, 0) << job.err.toStdString();
        EXPECT_EQ(job.out.toUtf8(), ReadFile(byRecords));
        EXPECT_GT(ReadFile(byRecords).size(), 0);
    }
}

TEST_P(BatchCommand, ADryRunShowsWhatTheImportThenStoresAndStoresNothing)
{
    const QString list = List(kList);
    db->Insert("('anle', 7, 'x', 'An', 'Le')");
    const Result dry = Admin({"import", "DVK", list, "--dry-run"});
    ASSERT_EQ(dry.code, 0) << dry.err.toStdString();
    EXPECT_EQ(db->Stored(), 1);
    QStringList shown;
    for (const QString& line : dry.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        shown << line.section(QLatin1Char('\t'), 1).replace(QLatin1Char('\t'), QLatin1Char('|'));
    }
    EXPECT_TRUE(dry.out.startsWith(QStringLiteral("1\tjosm\t1\t1\tJohn\tSmith\n")));
    EXPECT_TRUE(dry.out.contains(QStringLiteral("\n5\tanma\t1\t5\tAnn\tMarie,Lee\n")));
    ASSERT_EQ(Admin({"import", "DVK", list}).code, 0);
    shown << QStringLiteral("anle|7|x|An|Le");
    shown.sort();
    QStringList stored = db->Rows();
    stored.sort();
    EXPECT_EQ(stored, shown);
}

// The window's findings for jobs: the dry run names every wrong line and no right one, --check
// refuses the list, --skip-stored leaves out the students stored before the job began.
TEST_P(BatchCommand, TheWindowsFindingsCheckTheListAndLeaveOutStoredStudents)
{
    db->Insert("('deek', 1, '1004', 'Dee', 'Ek')");
    const QString list = List(
        "Student ID,First,Last\r\n1001,Ann,Lee\r\n1002;Bob;Ray\r\n"
        "1001,Ann,Lee\r\n1004,Dee,Ek\r\n1005,Cy,Oz\r\n");
    const auto said = [&](const QString& err) {
        QStringList lines = err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return lines.replaceInStrings(list + QLatin1Char(':'), QString());
    };
    const QStringList findings{"1: looks like column headings, not a student",
                               "2: IDNum 1001 is also on line 4",
                               "3: saved with another separator: semicolons but no comma, so the "
                               "whole line went into the Lastname",
                               "4: IDNum 1001 is also on line 2",
                               "5: IDNum 1004 is already stored, for Dee Ek",
                               " 5 lines need a look: 1 heading, 1 other separator, 2 repeated "
                               "IDNums, 1 already stored"};
    const Result dry = Admin({"import", "DVK", list, "--dry-run"});
    EXPECT_EQ(dry.code, 0);
    EXPECT_EQ(said(dry.err), findings);
    const Result checked = Admin({"import", "DVK", list, "--check"});
    EXPECT_EQ(checked.code, 1);
    EXPECT_EQ(said(checked.err).mid(0, findings.size()), findings);
    EXPECT_TRUE(checked.err.endsWith(QStringLiteral("cardovane-dbadmin: import ") + list +
                                     ": nothing stored, as lines need a look (--check)\n"))
        << checked.err.toStdString();
    EXPECT_EQ(db->Stored(), 1);
    const Result skipped = Admin({"import", "DVK", list, "--skip-stored"});
    EXPECT_EQ(skipped.code, 0) << skipped.err.toStdString();
    EXPECT_TRUE(skipped.out.startsWith(QStringLiteral("Left out 1 line whose IDNum is stored.\n")))
        << skipped.out.toStdString();
    EXPECT_EQ(db->Stored(), 6) << "the repeat is a finding, not left out";
    EXPECT_EQ(db->Stored(QStringLiteral("studentid = '1004'")), 1);
    EXPECT_EQ(Admin({"import", "DVK", List("1006,Ed,Fay\r\n"), "--check"}).code, 0);
}

TEST_P(BatchCommand, AFailingRowIsNamedAndLeavesTheTableAsItWas)
{
    db->RefuseRepeatedStudentIds();
    db->Insert("('zzzz', 1, '3', 'Z', 'Z')");
    std::string many;
    for (int i = 10; i < 700; ++i) {
        many += std::to_string(i) + ",Kim,Lee\r\n";
    }
    const QString list = List(QByteArray::fromStdString(many) + "3,Bob,Ray\r\n4,Cy,Oz\r\n");
    const Result failed = Admin({"import", "DVK", list});
    EXPECT_EQ(failed.code, 1);
    EXPECT_TRUE(failed.err.contains(QStringLiteral("line 691 (3,Bob,Ray): Key violation.")))
        << failed.err.toStdString();
    EXPECT_EQ(failed.err.count(QLatin1Char('\n')), 1) << "one line";
    EXPECT_EQ(db->Rows(), QStringList{QStringLiteral("zzzz|1|3|Z|Z")});
}

TEST_P(BatchCommand, ARefusedRowDeepInALongListIsNamedByItsLineAndNothingIsStored)
{
    db->RefuseRepeatedStudentIds();
    std::string many;
    for (int i = 1; i <= 100000; ++i) {
        // Line 61,234 repeats the number of line 17.
        many += (i == 61234 ? std::string("17") : std::to_string(i)) + ",Kim,Lee\r\n";
    }
    const Result failed = Admin({"import", "DVK", List(QByteArray::fromStdString(many))});
    EXPECT_EQ(failed.code, 1);
    EXPECT_TRUE(failed.err.contains(QStringLiteral("line 61234 (17,Kim,Lee): Key violation.")))
        << failed.err.toStdString();
    EXPECT_TRUE(failed.err.contains(QStringLiteral("studentid"))) << "the database's words";
    EXPECT_EQ(db->Stored(), 0);
}

TEST_P(BatchCommand, WhatALoaderWouldEscapeRoundTripsByteForByte)
{
    // Tabs, backslashes, quotes, COPY's null and end marks, letters beyond ASCII.
    const QByteArray list =
        "1,Ann\tMarie,O'Neil\\\"x\"\r\n2,\\N,back\\slash\r\n"
        "3,\xC3\x89mile,\xE5\xBC\xA0\xE4\xBC\x9F\r\n4,\\.,\\t\r\n";
    ASSERT_EQ(Admin({"import", "DVK", List(list)}).code, 0);
    EXPECT_TRUE(db->Rows().join('\n').contains(QStringLiteral("|1|1|Ann\tMarie|O'Neil\\\"x\"\n")))
        << db->Rows().join('\n').toStdString();
    const Result exported = Admin({"export", "DVK", "-"});
    ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
    QList<QByteArray> lines = exported.out.toUtf8().split('\n');
    QList<QByteArray> expected = list.split('\n');
    std::sort(lines.begin(), lines.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(lines, expected);
}

TEST_P(BatchCommand, AWindowPostingWhileTheBatchRunsLeavesEveryNumberOnce)
{
    std::string rows;
    for (int i = 0; i < 3000; ++i) {
        rows.append("b").append(std::to_string(i)).append(",John,Smith\r\n");
    }
    const QString list = List(QByteArray::fromStdString(rows));
    const QString go = dir.filePath(QStringLiteral("go"));
    QProcess office;
    office.start(QStringLiteral(POSTING_WORKER), {"1000", "w", "John", "Smith", go});
    ASSERT_TRUE(office.waitForReadyRead(30000)) << office.readAllStandardError().data();
    QProcess batch;
    QFile(go).open(QIODevice::WriteOnly);
    const Result imported = Admin({"import", "DVK", list}, &batch);
    ASSERT_TRUE(office.waitForFinished(120000));
    EXPECT_EQ(office.exitCode(), 0) << office.readAllStandardError().data();
    EXPECT_EQ(imported.code, 0) << imported.err.toStdString();
    EXPECT_EQ(db->Stored(), 4000);
    EXPECT_EQ(db->Aggregate(QStringLiteral("count(distinct psidsequence)")), 4000);
    EXPECT_EQ(db->Aggregate(QStringLiteral("max(psidsequence)")), 4000);
}

TEST_P(BatchCommand, MistakesGiveClearMessagesAndExitCodes)
{
    const struct {
        QStringList arguments;
        int code;
        const char* says;
    } cases[] = {
        {{"import", "DVK", dir.filePath("missing.csv")}, 1, "missing.csv: File not found."},
        {{"import", "DVK", dir.path()}, 1, "File access denied."},
        {{"import", "NOPE", List("1,A,B\r\n")}, 1, "Unknown database."},
        {{"export", "DVK", dir.filePath("no/such/folder.csv")}, 1, "Invalid filename."},
        {{"import", "DVK"}, 2, "usage: cardovane-dbadmin import"},
        {{"export"}, 2, "Usage: cardovane-dbadmin"},
    };
    for (const auto& c : cases) {
        const Result result = Admin(c.arguments);
        EXPECT_EQ(result.code, c.code) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.says))) << result.err.toStdString();
    }
    EXPECT_EQ(db->Stored(), 0);
}

TEST(BatchCommandLogin, ARefusedPasswordIsSaidAndStoresNothing)
{
    SKIP_WITHOUT_SERVER(Backend::PostgreSQL);
    TestDatabase db(Backend::PostgreSQL, WithLogin());
    QTemporaryDir dir;
    const QString list = WriteFile(dir.filePath(QStringLiteral("l.csv")), "1,Ann,Lee\r\n");
    QProcess admin;
    admin.start(QStringLiteral(CARDOVANE_DBADMIN),
                {"import", "DVK", list, "--user", TestDatabase::PgUser(), "--password", "wrong"});
    ASSERT_TRUE(admin.waitForFinished(30000));
    EXPECT_EQ(admin.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(admin.readAllStandardError())
                    .contains(TestDatabase::RefusedPasswordWords()));
    admin.start(QStringLiteral(CARDOVANE_DBADMIN),
                {"import", "DVK", list, "--user", TestDatabase::PgUser(), "--password",
                 TestDatabase::PgPassword()});
    ASSERT_TRUE(admin.waitForFinished(30000));
    EXPECT_EQ(admin.exitCode(), 0) << admin.readAllStandardError().data();
    EXPECT_EQ(db.Rows(), QStringList{QStringLiteral("anle|1|1|Ann|Lee")});
}

INSTANTIATE_TEST_SUITE_P(Store, BatchCommand,
                         ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

}  // namespace
