// "Add List To Database" on a real SQLite file and on the PostgreSQL server of the test command.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <functional>
#include <thread>

#include "tests/support/Workbench.h"
#include "toolkit/Buttons.h"
#include "toolkit/DBGrid.h"
#include "toolkit/EditControls.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panels.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/StatusBar.h"
#include "toolkit/StringGrid.h"

namespace {

// A list of students numbered from 1000, all named Lee, with the first names given.
std::vector<std::vector<std::string>> Students(int count,
                                               const std::function<const char*(int)>& first)
{
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < count; ++i) {
        rows.push_back({std::to_string(1000 + i), first(i), "Lee"});
    }
    return rows;
}

class Posting : public OnEachBackend {
protected:
    void SetUp() override
    {
        OnEachBackend::SetUp();
        if (IsSkipped()) {
            return;
        }
        bench = std::make_unique<Workbench>(GetParam(), options);
    }
    void Post() { bench->window->BitBtn5->click(); }
    QString Label() const { return bench->window->LabelProgress->text(); }
    int ListRows() const { return bench->window->DBGrid3->model()->rowCount(); }

    TestDatabase::Options options;
    std::unique_ptr<Workbench> bench;
};

TEST_P(Posting, RowsSharingAKeyGetConsecutiveNumbersInGridOrder)
{
    bench->FillGrid({{"11", "John", "Smith"}, {"12", "John", "Smith"}, {"13", "Joan", "Smithers"}});
    Post();
    EXPECT_TRUE(bench->TakeMessages().isEmpty());
    EXPECT_EQ(bench->db.Rows(), (QStringList{"josm|1|11|John|Smith", "josm|2|12|John|Smith",
                                             "josm|3|13|Joan|Smithers"}));
    EXPECT_EQ(Label(), QStringLiteral("Import Complete"));
    EXPECT_EQ(ListRows(), 3) << "the list was reopened";
    EXPECT_EQ(bench->dm->QNames.RecNo(), 0);
    EXPECT_EQ(bench->window->SGRecordStudents->Row(), 3);
    EXPECT_EQ(bench->window->ProgressBar1->value(), 3);
}

TEST_P(Posting, PostingTwiceStoresEveryoneTwiceWithTheNextNumbers)
{
    bench->FillGrid({{"1", "Ann", "Lee"}, {"2", "Bob", "Ray"}});
    Post();
    Post();
    EXPECT_EQ(bench->db.Rows(), (QStringList{"anle|1|1|Ann|Lee", "anle|2|1|Ann|Lee",
                                             "bora|1|2|Bob|Ray", "bora|2|2|Bob|Ray"}));
    EXPECT_EQ(bench->window->ProgressBar1->value(), 4);
}

TEST_P(Posting, NextNumberIsTheStoredMaximumPlusOne)
{
    bench->db.Insert("('anle', 0, 'x', 'Ann', 'Lee'), ('bora', 3, 'y', 'Bob', 'Ray')");
    bench->FillGrid({{"1", "Ann", "Lee"}, {"2", "Bob", "Ray"}});
    Post();
    EXPECT_EQ(
        bench->db.Aggregate(QStringLiteral("psidsequence"), QStringLiteral("studentid = '1'")), 1);
    EXPECT_EQ(
        bench->db.Aggregate(QStringLiteral("psidsequence"), QStringLiteral("studentid = '2'")), 4);
}

TEST_P(Posting, TitleRowAloneInsertsNothingYetCompletes)
{
    bench->window->SGRecordStudents->SetRowCount(1);
    bench->db.Insert("('aa', 1, 'x', 'A', 'A')");
    Post();
    EXPECT_EQ(bench->db.Stored(), 1);
    EXPECT_EQ(Label(), QStringLiteral("Import Complete"));
    EXPECT_EQ(ListRows(), 1) << "reopened, so the row added meanwhile shows";
}

TEST_P(Posting, ANeverFilledGridInsertsItsSixteenEmptyRows)
{
    Post();
    EXPECT_EQ(bench->db.Stored(), 16);
    EXPECT_EQ(bench->db.Aggregate(QStringLiteral("max(psidsequence)"), QStringLiteral("psid = ''")),
              16);
    EXPECT_EQ(bench->db.Stored(QStringLiteral("fname = '' and lname = '' and studentid = ''")), 16);
}

TEST_P(Posting, CellsAreStoredAsTyped)
{
    bench->FillGrid({{" 7 ", " Amy", "LIN  "},
                     {"8", "O'Brien; drop table studentlist; --", "\"Quote\" ,x"},
                     {"9", "\xC3\x89mile", "Zola"}});
    Post();
    EXPECT_EQ(bench->db.Rows(),
              (QStringList{" ali|1| 7 | Amy|LIN  ",
                           QString::fromUtf8("o'\"q|1|8|O'Brien; drop table "
                                             "studentlist; --|\"Quote\" ,x"),
                           QString::fromUtf8("\xC3\x89mzo|1|9|\xC3\x89mile|Zola")}));
}

TEST_P(Posting, ARejectedRowStopsThePostingWhereItIs)
{
    bench->db.ReplaceTable(
        QStringLiteral("psid varchar(4), psidsequence integer, studentid text "
                       "check (studentid <> 'bad'), fname text, lname text"));
    bench->db.Insert("('zz', 1, 'old', 'Z', 'Z')");
    bench->dm->QNames.Close();
    bench->dm->QNames.Open();
    bench->window->ProgressBar1->setValue(10);
    bench->FillGrid(
        {{"1", "Ann", "Lee"}, {"2", "Bob", "Ray"}, {"bad", "Cy", "Oz"}, {"4", "Di", "Ek"}});
    Post();
    const QStringList messages = bench->TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("General SQL error.\r\n")))
        << messages[0].toStdString();
    EXPECT_EQ(bench->db.Stored(), 3);
    EXPECT_EQ(bench->window->SGRecordStudents->Row(), 3);
    EXPECT_EQ(Label(), QStringLiteral("Importing Records:"));
    EXPECT_EQ(bench->window->ProgressBar1->value(), 12);
    EXPECT_EQ(ListRows(), 3) << "the list beside the grid shows what went in before the refusal";
    // The window goes on: the next posting works with fresh statements.
    bench->window->SGRecordStudents->SetCell(0, 3, "fixed");
    Post();
    EXPECT_EQ(Label(), QStringLiteral("Import Complete"));
}

TEST_P(Posting, AFailureWhilePreparingChangesNothing)
{
    bench->db.DropTable();
    bench->FillGrid({{"1", "Ann", "Lee"}});
    Post();
    ASSERT_EQ(bench->TakeMessages().size(), 1);
    EXPECT_EQ(Label(), QStringLiteral("Import"));
    EXPECT_EQ(bench->window->ProgressBar1->value(), 0);
}

TEST_P(Posting, TheProgressBarStartsOverPastItsMaximum)
{
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 150; ++i) {
        rows.push_back({std::to_string(i), "First", "Last"});
    }
    bench->FillGrid(rows);
    Post();
    EXPECT_EQ(bench->window->ProgressBar1->value(), 49);
    EXPECT_EQ(
        bench->db.Aggregate(QStringLiteral("max(psidsequence)"), QStringLiteral("psid = 'fila'")),
        150);
}

TEST_P(Posting, TwoOfficesPostingAtOnceNumberEveryStudentOfTheKeyOnce)
{
    QTemporaryDir dir;
    const QString go = dir.filePath(QStringLiteral("go"));
    QProcess offices[2];
    for (int i = 0; i < 2; ++i) {
        offices[i].start(QStringLiteral(POSTING_WORKER),
                         {"500", i == 0 ? "A" : "B", "John", "Smith", go});
    }
    for (QProcess& office : offices) {
        ASSERT_TRUE(office.waitForReadyRead(30000)) << office.readAllStandardError().data();
        ASSERT_EQ(office.readLine(), QByteArray("ready\n"));
    }
    QFile(go).open(QIODevice::WriteOnly);
    for (QProcess& office : offices) {
        ASSERT_TRUE(office.waitForFinished(120000));
        EXPECT_EQ(office.exitCode(), 0) << office.readAllStandardError().data();
    }
    EXPECT_EQ(bench->db.Stored(QStringLiteral("psid = 'josm'")), 1000);
    EXPECT_EQ(bench->db.Aggregate(QStringLiteral("count(distinct psidsequence)")), 1000);
    EXPECT_EQ(bench->db.Aggregate(QStringLiteral("min(psidsequence)")), 1);
    EXPECT_EQ(bench->db.Aggregate(QStringLiteral("max(psidsequence)")), 1000);
}

TEST_P(Posting, ARefusedKeyThatNoOtherOfficeTookStopsThePostingAtItsRow)
{
    bench->db.RefuseRepeatedStudentIds();
    bench->db.Insert("('zzzz', 1, '7', 'Z', 'Z')");
    bench->FillGrid({{"1", "Ann", "Lee"}, {"7", "Bob", "Ray"}, {"3", "Cy", "Oz"}});
    Post();
    const QStringList messages = bench->TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Key violation.\r\n")))
        << messages[0].toStdString();
    EXPECT_EQ(bench->db.Rows(), (QStringList{"anle|1|1|Ann|Lee", "zzzz|1|7|Z|Z"}));
    EXPECT_EQ(bench->window->SGRecordStudents->Row(), 2);
    EXPECT_EQ(Label(), QStringLiteral("Importing Records:"));
}

TEST_P(Posting, AServerRestartBetweenPostingsIsMetByConnectingAgain)
{
    if (GetParam() != Backend::PostgreSQL) {
        GTEST_SKIP() << "an embedded database has no server to restart";
    }
    bench->FillGrid({{"1", "Ann", "Lee"}, {"2", "Bob", "Ray"}});
    Post();
    ASSERT_TRUE(bench->db.RestartServer());
    QCoreApplication::processEvents();  // the user's next action
    bench->FillGrid({{"3", "Cy", "Oz"}, {"4", "Di", "Ek"}});
    Post();
    EXPECT_EQ(bench->TakeMessages(), QStringList());
    EXPECT_EQ(bench->db.Stored(), 4);
    EXPECT_EQ(bench->db.Aggregate(QStringLiteral("count(distinct studentid)")), 4);
    EXPECT_EQ(ListRows(), 4) << "the list reopened over a connection of its own, made again";
}

TEST_P(Posting, AConnectionLostWithinAPostingIsMadeAgainAndThePostingGoesOn)
{
    if (GetParam() != Backend::PostgreSQL) {
        GTEST_SKIP() << "an embedded database has no server to restart";
    }
    bench->FillGrid({{"1", "Ann", "Lee"}});
    Post();
    ASSERT_TRUE(bench->db.RestartServer());
    // Still the same turn of the event loop: the connection was checked for this action, and
    // is found lost only under the posting's first statement.
    bench->FillGrid({{"2", "Bob", "Ray"}, {"3", "Bo", "Ray"}});
    Post();
    EXPECT_EQ(bench->TakeMessages(), QStringList());
    EXPECT_EQ(bench->db.Rows(),
              (QStringList{"anle|1|1|Ann|Lee", "bora|1|2|Bob|Ray", "bora|2|3|Bo|Ray"}));
    EXPECT_EQ(ListRows(), 3) << "the list beside the grid shows what was stored";
}

// The district restarts its pooler, or a server restarts, while an office posts: the posting
// goes on, and every row is stored exactly once.
TEST_P(Posting, RidesThroughARestartOfTheServerOrItsPoolerMidway)
{
    if (GetParam() != Backend::PostgreSQL) {
        GTEST_SKIP() << "an embedded database has no server to restart";
    }
    constexpr int kRows = 60;
    const auto rows = Students(kRows, [](int i) { return i % 3 == 0 ? "Ann" : "Bob"; });
    bench->FillGrid(rows);
    bench->window->postingPause = std::chrono::milliseconds(20);
    const QString restart = TestDatabase::ThroughPooler()
                                ? QStringLiteral("pg_test_pooler_restart")
                                : QStringLiteral("pg_test_server_restart");
    std::atomic<bool> restarted = false;
    std::thread district([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        restarted = TestDatabase::ServerStep(restart);
    });
    bench->window->BitBtn5->setFocus();
    QTest::keyClick(bench->window->BitBtn5, Qt::Key_Space);
    district.join();
    ASSERT_TRUE(restarted);
    ASSERT_TRUE(bench->db.Reconnect());
    EXPECT_EQ(bench->TakeMessages(), QStringList());
    EXPECT_EQ(bench->db.Stored(), kRows);
    EXPECT_EQ(bench->db.Aggregate(QStringLiteral("count(distinct studentid)")), kRows);
    EXPECT_EQ(bench->db.Aggregate(QStringLiteral("max(psidsequence)")), 40) << "Bob's numbers";
    EXPECT_EQ(ListRows(), kRows);
    EXPECT_EQ(Label(), QStringLiteral("Import Complete"));
}

// The server, or its pooler, stays away longer than the posting waits: the office is told what
// went in, and may take it back.
TEST_P(Posting, SaysHowManyRowsWentInWhenTheServerStaysAway)
{
    if (GetParam() != Backend::PostgreSQL) {
        GTEST_SKIP() << "an embedded database has no server to stop";
    }
    constexpr int kRows = 60;
    const auto rows = Students(kRows, [](int) { return "Ann"; });
    bench->FillGrid(rows);
    bench->window->postingPause = std::chrono::milliseconds(20);
    bench->dm->Database1.postingPatience = std::chrono::seconds(2);
    const bool pooler = TestDatabase::ThroughPooler();
    std::atomic<bool> stopped = false;
    std::thread district([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        stopped = TestDatabase::ServerStep(pooler ? QStringLiteral("pg_test_pooler_stop_now")
                                                  : QStringLiteral("pg_test_server_stop_only"));
    });
    bench->window->BitBtn5->setFocus();
    QTest::keyClick(bench->window->BitBtn5, Qt::Key_Space);
    district.join();
    ASSERT_TRUE(stopped);
    ASSERT_TRUE(TestDatabase::ServerStep(pooler ? QStringLiteral("pg_test_pooler_run")
                                                : QStringLiteral("pg_test_server_restart")));
    ASSERT_TRUE(bench->db.Reconnect());
    const QStringList messages = bench->TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    const QRegularExpression said(QStringLiteral(
        "^General SQL error.\r\nThe connection to the database was lost and did not come back "
        "within 2 seconds. (\\d+) of the 60 rows were stored, the other (\\d+) were not; Undo "
        "Last Posting takes the stored rows back.\r\n"));
    const QRegularExpressionMatch match = said.match(messages[0]);
    ASSERT_TRUE(match.hasMatch()) << messages[0].toStdString();
    const int stored = match.captured(1).toInt();
    EXPECT_GT(stored, 0);
    EXPECT_EQ(stored + match.captured(2).toInt(), kRows);
    EXPECT_EQ(bench->db.Stored(), stored);
    EXPECT_TRUE(bench->window->BitBtnUndo->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Import, Posting, ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

// The district's primary (and its pooler, through one) stops and its standby is promoted while
// an office posts, the alias naming both with libpq's read-write target: the posting goes on on
// the new primary.
TEST(Failover, APostingGoesOnOnThePromotedStandby)
{
    SKIP_WITHOUT_SERVER(Backend::PostgreSQL);
    Workbench bench(Backend::PostgreSQL, WithStandby());
    const StandbyServer standby;
    ASSERT_TRUE(standby.Started());
    constexpr int kRows = 60;
    const auto rows = Students(kRows, [](int) { return "Ann"; });
    bench.FillGrid(rows);
    bench.window->postingPause = std::chrono::milliseconds(20);
    std::atomic<bool> failedOver = false;
    std::thread district([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        failedOver = TestDatabase::ServerStep(QStringLiteral("pg_test_failover"));
    });
    bench.window->BitBtn5->setFocus();
    QTest::keyClick(bench.window->BitBtn5, Qt::Key_Space);
    district.join();
    ASSERT_TRUE(failedOver);
    EXPECT_EQ(bench.TakeMessages(), QStringList());
    EXPECT_EQ(bench.window->DBGrid3->model()->rowCount(), kRows)
        << "every row once, on the new primary";
    EXPECT_EQ(bench.window->LabelProgress->text(), QStringLiteral("Import Complete"));
}

}  // namespace
