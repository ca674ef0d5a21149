// cardovane-dbadmin import --fix: the review grid's fixes for a job, giving the rows the
// window's fixes give, on the lists schools really save.
#include <gtest/gtest.h>

#include "tests/dbadmin/AdminRun.h"
#include "tests/import/SchoolLists.h"
#include "tests/support/ProgramRun.h"

namespace {

class FixCommand : public AdminOnEachBackend {
protected:
    Result Admin(const QStringList& arguments) { return ::Admin(arguments, dir.path()); }
    QString List(const std::string& bytes)
    {
        return WriteFile(dir.filePath(QStringLiteral("list.csv")),
                         QByteArray::fromStdString(bytes));
    }
};

TEST_P(FixCommand, EachSchoolsListIsStoredAsTheWindowsFixesLeaveIt)
{
    const QString out = dir.filePath(QStringLiteral("out.csv"));
    for (const SchoolList& school : SchoolLists()) {
        SCOPED_TRACE(school.name);
        db->DeleteAll();
        const Result stored = Admin({"import", "DVK", List(school.bytes), "--fix"});
        ASSERT_EQ(stored.code, 0) << stored.err.toStdString();
        EXPECT_EQ(stored.err.count(QStringLiteral("list.csv: ")), qsizetype(school.fixes.size()))
            << stored.err.toStdString();
        ASSERT_EQ(Admin({"export", "DVK", out}).code, 0);
        EXPECT_EQ(ReadFile(out).toStdString(), school.exported);
    }
}

TEST_P(FixCommand, ADryRunShowsTheFixedRowsAndCheckRefusesOnlyWhatNoFixMends)
{
    const QString german = List(SchoolLists()[3].bytes);
    const Result dry = Admin({"import", "DVK", german, "--dry-run", "--fix"});
    ASSERT_EQ(dry.code, 0) << dry.err.toStdString();
    // The file's own lines: the separator line and the heading were lines 1 and 2.
    EXPECT_EQ(dry.out, QStringLiteral("3\ttoga\t1\t1031\tTom\u00E1s\tGarc\u00EDa\n"
                                      "4\tj\u00FCgr\t1\t1032\tJ\u00FCrgen\tGro\u00DF\n"
                                      "5\tansc\t1\t1033\tAnna; Maria\tSchmidt\n"));
    EXPECT_EQ(dry.err, german +
                           QStringLiteral(": Columns taken from the heading: 5 rows\n") +
                           german + QStringLiteral(": No line needs a look\n"));
    EXPECT_EQ(Admin({"import", "DVK", german, "--check"}).code, 1) << "unmended, it needs a look";
    EXPECT_EQ(Admin({"import", "DVK", german, "--check", "--fix"}).code, 0);
    EXPECT_EQ(db->Stored(), 3);

    // A letter the spreadsheet lost is mended by no fix: the list is refused, by its line.
    const QString windows = List(SchoolLists()[0].bytes);
    const Result refused = Admin({"import", "DVK", windows, "--check", "--fix"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains(windows + QStringLiteral(":3: the Firstname has a ? where")))
        << refused.err.toStdString();
    EXPECT_EQ(db->Stored(), 3);
}

INSTANTIATE_TEST_SUITE_P(DbAdmin, FixCommand,
                         ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

}  // namespace
