// A job's import taken back: the receipt written once the import has committed, the undo and
// its dry run, a receipt edited by hand, a second undo, other offices' records never touched.
#include <gtest/gtest.h>

#include <QFile>

#include "tests/dbadmin/AdminRun.h"
#include "tests/support/ProgramRun.h"

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

INSTANTIATE_TEST_SUITE_P(Store, UndoCommand,
                         ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

}  // namespace
