// A job whose server goes away under it, as a school's server restarts: the job fails, says so in
// the server's words and its own alone, and leaves behind what was there.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "tests/dbadmin/AdminRun.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestDatabase.h"

namespace {

class ServerGone : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_SERVER(Backend::PostgreSQL);
        db.emplace(Backend::PostgreSQL, TestDatabase::Options{});
    }
    // The command's own message: one line naming the command, the server's words in it.
    static void ExpectOneMessage(const QString& said, const QString& subcommand)
    {
        // The server's or libpq's words on the stop: the connection terminated, the reading's
        // parallel workers first, or the connection found closed (its TLS too).
        EXPECT_TRUE(said.startsWith(QStringLiteral("cardovane-dbadmin: ") + subcommand + ' ') &&
                    (said.contains(QStringLiteral("terminating connection")) ||
                     said.contains(QStringLiteral("terminating background worker")) ||
                     said.contains(QStringLiteral("server closed the connection")) ||
                     said.contains(QStringLiteral("SSL SYSCALL error: EOF detected"))))
            << "the server's words alone: " << said.toStdString();
        EXPECT_FALSE(said.contains(QStringLiteral("QSql"))) << said.toStdString();
    }

    QTemporaryDir dir;
    std::optional<TestDatabase> db;
};

TEST_F(ServerGone, AnExportStoppedMidwayLeavesTheOldFile)
{
    db->InsertNumberedStudents(400000);
    const QString target = WriteFile(dir.filePath(QStringLiteral("out.csv")), "keep\r\n");
    QProcess admin;
    admin.setWorkingDirectory(dir.path());
    admin.start(QStringLiteral(CARDOVANE_DBADMIN), {"export", "DVK", target});
    // Once the list is being written beside the old file, the server goes down and comes back.
    const auto writing = [&] {
        for (const QFileInfo& file :
             QDir(dir.path()).entryInfoList({".out.csv.*"}, QDir::Files | QDir::Hidden)) {
            if (file.size() > 0) {
                return true;
            }
        }
        return false;
    };
    ASSERT_TRUE(QTest::qWaitFor(writing, 60000)) << admin.readAllStandardError().toStdString();
    ASSERT_TRUE(db->RestartServer());
    ASSERT_TRUE(admin.waitForFinished(120000));
    EXPECT_EQ(admin.exitCode(), 1) << "the export ran to its end before the server stopped";
    ExpectOneMessage(QString::fromUtf8(admin.readAllStandardError()), QStringLiteral("export"));
    EXPECT_EQ(ReadFile(target), QByteArray("keep\r\n"));
    EXPECT_FALSE(writing()) << "the partial list is removed";
}

TEST_F(ServerGone, AnImportWaitingForTheListStoresNothingAndSaysOnlyItsOwnMessage)
{
    const QString list = WriteFile(dir.filePath(QStringLiteral("list.csv")), "1,Ann,Lee\r\n");
    // Another office holds the list, so the job is surely waiting on the server when it stops.
    db->HoldTheListAgainstWriters();
    QProcess admin;
    admin.setWorkingDirectory(dir.path());
    admin.start(QStringLiteral(CARDOVANE_DBADMIN), {"import", "DVK", list});
    ASSERT_TRUE(QTest::qWaitFor([&] { return db->WaitingForALock() > 0; }, 60000))
        << admin.readAllStandardError().toStdString();
    ASSERT_TRUE(db->RestartServer());
    ASSERT_TRUE(admin.waitForFinished(120000));
    EXPECT_EQ(admin.exitCode(), 1);
    ExpectOneMessage(QString::fromUtf8(admin.readAllStandardError()), QStringLiteral("import"));
    EXPECT_EQ(db->Rows(), QStringList());
}

}  // namespace
