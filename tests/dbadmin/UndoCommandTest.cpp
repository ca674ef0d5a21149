// A job's import taken back: the receipt written once the import has committed, the undo and
// its dry run, a receipt edited by hand, a second undo, other offices' records never touched.
#include <gtest/gtest.h>

#include <QDateTime>
#include <QFile>
#include <QStandardPaths>

#include "import/PostingUndo.h"
#include "store/engine/Session.h"
#include "tests/dbadmin/AdminRun.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/Workbench.h"
#include "toolkit/Buttons.h"

namespace {

class UndoCommand : public AdminOnEachBackend {
protected:
    Result Run(const QStringList& arguments) { return Admin(arguments, dir.path()); }
    QString Path(const QString& name) const { return dir.filePath(name); }
};

TEST_P(UndoCommand, TakesBackExactlyWhatTheImportStored)
{
    db->Insert("('anle', 1, '7', 'Ann', 'Lee')");
    const QStringList before = db->Rows();
    const QString list =
        WriteFile(Path("list.csv"), "1,Ann,Lee\r\n2,Bob,Ray\r\n3,Cy,\"Oz, Jr\"\r\n");
    const QString receipt = Path("receipt.csv");
    ASSERT_EQ(Run({"import", "DVK", list, "--receipt", receipt}).code, 0);
    EXPECT_EQ(Mode(receipt), 0600);
    EXPECT_TRUE(
        ReadFile(receipt).startsWith("psid,psidsequence,studentid,fname,lname\r\n"
                                     "anle,2,1,Ann,Lee\r\n"));
    // Another office posts the next number of a key meanwhile.
    db->Insert("('anle', 3, '9', 'Ann', 'Lee')");

    const Result dry = Run({"undo", "DVK", receipt, "--dry-run"});
    EXPECT_EQ(dry.code, 0);
    EXPECT_EQ(dry.out, QStringLiteral("Would remove 3 students from DVK.\n"));
    EXPECT_EQ(db->Stored(), 5);

    const Result undone = Run({"undo", "DVK", receipt});
    EXPECT_EQ(undone.code, 0) << undone.err.toStdString();
    EXPECT_EQ(undone.out, QStringLiteral("Removed 3 students from DVK.\n"));
    EXPECT_EQ(db->Rows(), before + QStringList{"anle|3|9|Ann|Lee"});

    const Result again = Run({"undo", "DVK", receipt});
    EXPECT_EQ(again.code, 0);
    EXPECT_EQ(again.out, QStringLiteral("Removed 0 students from DVK and left 3 students, changed "
                                        "or removed since.\n"));
    EXPECT_TRUE(again.err.startsWith(receipt + QStringLiteral(":2: left, no longer stored\n")));
}

TEST_P(UndoCommand, AReceiptEditedByHandLeavesTheRecordItNoLongerMatches)
{
    const QString list = WriteFile(Path("list.csv"), "1,Ann,Lee\r\n2,Bob,Ray\r\n");
    const QString receipt = Path("receipt.csv");
    ASSERT_EQ(Run({"import", "DVK", list, "--receipt", receipt}).code, 0);
    WriteFile(receipt, ReadFile(receipt).replace("Bob", "Rob"));
    const Result undone = Run({"undo", "DVK", receipt});
    EXPECT_EQ(undone.out,
              QStringLiteral("Removed 1 student from DVK and left 1 student, changed or removed "
                             "since.\n"));
    EXPECT_EQ(undone.err, receipt + QStringLiteral(":3: left, changed since\n"));
    EXPECT_EQ(db->Rows(), QStringList{"bora|1|2|Bob|Ray"});
}

TEST_P(UndoCommand, AFailedImportWritesNoReceiptAndWhatIsNoReceiptIsRefused)
{
    db->RefuseRepeatedStudentIds();
    db->Insert("('zz', 1, '2', 'Z', 'Z')");
    const QString receipt = WriteFile(Path("receipt.csv"), "kept\r\n");
    const QString list = WriteFile(Path("list.csv"), "1,Ann,Lee\r\n2,Bob,Ray\r\n");
    EXPECT_EQ(Run({"import", "DVK", list, "--receipt", receipt}).code, 1);
    EXPECT_EQ(ReadFile(receipt), "kept\r\n") << "written only once the import has committed";
    // A receipt that cannot be written stops the job before anything is stored.
    const Result unwritable = Run({"import", "DVK", WriteFile(Path("ok.csv"), "5,Al,Bo\r\n"),
                                   "--receipt", Path("no/such/folder/receipt.csv")});
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_TRUE(unwritable.err.contains(QStringLiteral("(nothing stored)")))
        << unwritable.err.toStdString();
    EXPECT_EQ(Run({"undo", "DVK", Path("missing.csv")}).code, 1);
    const Result refused = Run({"undo", "DVK", list});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.startsWith(QStringLiteral("cardovane-dbadmin: undo ") + list +
                                       QStringLiteral(": line 1: the first line is not")))
        << refused.err.toStdString();
    EXPECT_EQ(db->Stored(), 1);
}

// Every import a job commits enters the user's history: listed by its number, taken back by it
// once, a record changed since left and named by its line in the history's entry, and an entry
// that cannot be read told by its line while the others are listed.
TEST_P(UndoCommand, TakesBackAPostingOfTheHistoryByItsNumber)
{
    db->Insert("('zz', 1, 'old', 'Z', 'Z')");
    const QString monday = WriteFile(Path("monday.csv"), "1,Ann,Lee\r\n2,Bob,Ray\r\n3,Cy,Oz\r\n");
    const QString tuesday = WriteFile(Path("tuesday.csv"), "4,Di,Ek\r\n5,Ed,Fu\r\n");
    ASSERT_EQ(Run({"import", "DVK", monday}).code, 0);
    ASSERT_EQ(Run({"import", "DVK", tuesday}).code, 0);
    const Result listed = Run({"postings", "DVK"});
    ASSERT_EQ(listed.code, 0) << listed.err.toStdString();
    const QStringList lines = listed.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << listed.out.toStdString();
    const QStringList first = lines[0].split(QLatin1Char('\t'));
    ASSERT_EQ(first.size(), 6);
    EXPECT_EQ(first[0], QStringLiteral("1"));
    EXPECT_TRUE(QDateTime::fromString(first[1], Qt::ISODate).isValid()) << first[1].toStdString();
    EXPECT_EQ(first.mid(2), (QStringList{"DVK", "3", monday, ""}));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("2\t"))) << lines[1].toStdString();
    const QString entry = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                          QStringLiteral("/cardovane/postings/1.posting");
    EXPECT_EQ(Mode(entry), 0600);

    const Result dry = Run({"undo", "DVK", "--posting", "1", "--dry-run"});
    EXPECT_EQ(dry.out, QStringLiteral("Would remove 3 students from DVK.\n"))
        << dry.err.toStdString();
    EXPECT_EQ(db->Stored(), 6);
    // Another office corrects one of Monday's students meanwhile.
    db->Update(QStringLiteral("fname = 'Robert'"), QStringLiteral("studentid = '2'"));
    const Result undone = Run({"undo", "DVK", "--posting", "1"});
    EXPECT_EQ(undone.code, 0) << undone.err.toStdString();
    EXPECT_EQ(undone.out, QStringLiteral("Removed 2 students from DVK and left 1 student, changed "
                                         "or removed since.\n"));
    EXPECT_EQ(undone.err, entry + QStringLiteral(":10: left, changed since\n"));
    EXPECT_EQ(db->Rows(), (QStringList{"bora|1|2|Robert|Ray", "diek|1|4|Di|Ek", "edfu|1|5|Ed|Fu",
                                       "zz|1|old|Z|Z"}));

    const Result again = Run({"undo", "DVK", "--posting", "1"});
    EXPECT_EQ(again.code, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("posting 1 was taken back already, at ")))
        << again.err.toStdString();
    EXPECT_TRUE(Run({"postings", "DVK"}).out.startsWith(QStringLiteral("1\t")));
    EXPECT_FALSE(
        Run({"postings", "DVK"}).out.split(QLatin1Char('\n'))[0].endsWith(QLatin1Char('\t')))
        << "the undo's time is listed";

    WriteFile(entry, "cardovane posting\r\nwhen,x\r\n");
    const Result damaged = Run({"postings", "--all"});
    EXPECT_EQ(damaged.code, 0);
    EXPECT_TRUE(damaged.out.startsWith(QStringLiteral("2\t"))) << damaged.out.toStdString();
    EXPECT_TRUE(damaged.err.startsWith(entry + QStringLiteral(": line 3: the line is not \"file,")))
        << damaged.err.toStdString();
}

// A window's postings and a job's are one history: the command lists both and takes back the
// window's.
TEST_P(UndoCommand, ListsAndTakesBackTheWindowsPostingsBesideTheJobs)
{
    db.reset();
    Workbench bench(GetParam());
    bench.FillGrid({{"1", "Ann", "Lee"}, {"2", "Bob", "Ray"}});
    bench.window->BitBtn5->click();
    ASSERT_TRUE(bench.TakeMessages().isEmpty());
    const QString list = WriteFile(Path("list.csv"), "3,Cy,Oz\r\n");
    ASSERT_EQ(Run({"import", "DVK", list}).code, 0);
    const Result listed = Run({"postings", "DVK"});
    ASSERT_EQ(listed.code, 0) << listed.err.toStdString();
    const QStringList lines = listed.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << listed.out.toStdString();
    EXPECT_EQ(lines[0].split(QLatin1Char('\t')).mid(2, 2), (QStringList{"DVK", "2"}));
    EXPECT_EQ(lines[1].split(QLatin1Char('\t')).mid(2), (QStringList{"DVK", "1", list, ""}));
    const Result undone = Run({"undo", "DVK", "--posting", "1"});
    EXPECT_EQ(undone.out, QStringLiteral("Removed 2 students from DVK.\n"))
        << undone.err.toStdString();
    EXPECT_EQ(bench.db.Rows(), QStringList{"cyoz|1|3|Cy|Oz"});
}

// The postings dialog's count of the records still as stored reads in one statement what the undo
// would remove: the same records, whatever their texts hold.
TEST_P(UndoCommand, CountsStillAsStoredWhatTheUndoWouldRemove)
{
    const struct {
        TStudentRecord posted;
        const char* stored;  // the row in the table, or none
        bool intact;
    } cases[] = {
        {{"anle", 1, "7", "Ann", "Lee"}, "('anle', 1, '7', 'Ann', 'Lee')", true},
        {{"", 1, "8", "", ""}, "(null, 1, '8', null, null)", true},
        {{"bo\"b", 2, "9", "Bo\\b", "O'Neil"}, "('bo\"b', 2, '9', 'Bo\\b', 'O''Neil')", true},
        {{"çé", 1, "10", "Zoë", "Ünal"}, "('çé', 1, '10', 'Zoë', 'Ünal')", true},
        {{"ff", 1, "14", "F\nx", "\tF"},
         "('ff', 1, '14', 'F' || chr(10) || 'x', chr(9) || 'F')",
         true},
        {{"cyoz", 1, "11", "Cy", "Oz"}, "('cyoz', 1, '11', 'Cy', 'Ozz')", false},
        {{"dd", 1, "12", "D", "D"}, nullptr, false},
        {{"ee", 1, "13", "E", "E"}, "('ee', 2, '13', 'E', 'E')", false},
        {{"", 3, "15", "", ""}, "('gg', 3, '15', null, null)", false},
    };
    std::vector<TStudentRecord> posting;
    long long intact = 0;
    for (const auto& c : cases) {
        posting.push_back(c.posted);
        intact += c.intact ? 1 : 0;
        if (c.stored) {
            QString row = QString::fromUtf8(c.stored);
            if (GetParam() == Backend::SQLite) {
                row.replace(QStringLiteral("chr("), QStringLiteral("char("));
            }
            db->Insert(row);
        }
    }
    TSession session;
    EXPECT_EQ(StillAsStored(session, QStringLiteral("DVK"), posting), intact);
    EXPECT_EQ(UndoPosting(session, QStringLiteral("DVK"), posting, true).removed, intact);
    EXPECT_EQ(StillAsStored(session, QStringLiteral("DVK"), {}), 0);
    EXPECT_EQ(db->Stored(), 8) << "counting removes nothing";
}

// What the history's commands cannot be sure of is refused, and nothing is removed.
TEST_P(UndoCommand, RefusesWhatNamesNoOnePostingOfTheAlias)
{
    ASSERT_EQ(Run({"import", "DVK", WriteFile(Path("list.csv"), "1,Ann,Lee\r\n")}).code, 0);
    const struct {
        QStringList arguments;
        int code;
        const char* says;
    } cases[] = {
        {{"undo", "DVK"}, 2, "undo takes either a RECEIPT or --posting N"},
        {{"undo", "DVK", "receipt.csv", "--posting", "1"}, 2, "undo takes either"},
        {{"undo", "DVK", "--posting", "one"}, 2, "--posting"},
        {{"undo", "DVK", "--posting", "0"}, 2, "--posting"},
        {{"undo", "DVK", "--posting", "2"}, 1, "There is no posting 2 in the history"},
        {{"undo", "OTHER", "--posting", "1"}, 1, "posting 1 stored its students in DVK, not OTHER"},
        {{"postings"}, 2, "Usage: cardovane-dbadmin"},
        {{"postings", "DVK", "--all"}, 2, "postings takes either an ALIAS or --all"},
    };
    for (const auto& c : cases) {
        const Result refused = Run(c.arguments);
        EXPECT_EQ(refused.code, c.code) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(refused.err.contains(QString::fromUtf8(c.says)))
            << c.arguments.join(' ').toStdString() << ": " << refused.err.toStdString();
    }
    EXPECT_EQ(db->Stored(), 1);
}

INSTANTIATE_TEST_SUITE_P(Store, UndoCommand,
                         ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

}  // namespace
