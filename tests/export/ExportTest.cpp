// "Export the Database to the CSV File" on a real SQLite file and on the PostgreSQL server of
// the test command.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <csignal>

#include "store/table/StudentListTable.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/Workbench.h"
#include "toolkit/Buttons.h"
#include "toolkit/DBGrid.h"
#include "toolkit/EditControls.h"
#include "toolkit/PageControl.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/StatusBar.h"
#include "toolkit/StringGrid.h"

namespace {

class Export : public OnEachBackend {
protected:
    void SetUp() override
    {
        OnEachBackend::SetUp();
        if (IsSkipped()) {
            return;
        }
        bench = std::make_unique<Workbench>(GetParam());
    }
    QByteArray ExportTo(const QString& path)
    {
        bench->window->EditFileName->setText(path);
        bench->window->BitBtn8->click();
        return ReadFile(path);
    }
    QString Status() const { return bench->window->StatusBar1->PanelText(1); }
    void Reopen()
    {
        bench->dm->QNames.Close();
        bench->dm->QNames.Open();
    }

    InTemporaryWorkingDirectory cwd;
    std::unique_ptr<Workbench> bench;
};

TEST_P(Export, AnEmptyTableGivesAnEmptyFileAndTheMessage)
{
    const QString path = WriteFile(cwd.Path(QStringLiteral("out.csv")), "old content\r\n");
    EXPECT_EQ(ExportTo(path), QByteArray());
    EXPECT_EQ(Status(), QStringLiteral("Data output to ") + path);
    EXPECT_TRUE(bench->TakeMessages().isEmpty());
}

TEST_P(Export, WritesEveryStudentInListOrderWhateverRowIsSelected)
{
    bench->db.Insert(
        "('josm', 2, '12', 'John', 'Smith'), ('anle', 1, '1234', null, 'Lee'), "
        "('josm', 1, '11', 'John', 'Smith'), ('bora', 1, '5', 'Ann,Marie', 'Lee')");
    Reopen();
    bench->window->DBGrid3->setCurrentIndex(bench->window->DBGrid3->model()->index(2, 0));
    const QByteArray expected =
        "1234,,Lee\r\n5,Ann,Marie,Lee\r\n11,John,Smith\r\n12,John,Smith\r\n";
    EXPECT_EQ(ExportTo(cwd.Path(QStringLiteral("a.csv"))), expected);
    EXPECT_EQ(ExportTo(cwd.Path(QStringLiteral("b.csv"))), expected) << "each export starts over";
    EXPECT_TRUE(bench->dm->QNames.Eof());
    QCoreApplication::processEvents();
    EXPECT_EQ(bench->window->DBGrid3->currentIndex().row(), 3) << "left on the last student";
}

TEST_P(Export, APathWithoutAFolderLandsInTheWorkingDirectory)
{
    bench->db.Insert("('anle', 1, '1', 'Ann', 'Lee')");
    Reopen();
    ExportTo(QStringLiteral("students.csv"));
    EXPECT_EQ(ReadFile(cwd.Path(QStringLiteral("students.csv"))), QByteArray("1,Ann,Lee\r\n"));
    EXPECT_EQ(Status(), QStringLiteral("Data output to students.csv"));
}

TEST_P(Export, PostingAListAndExportingItGivesBackItsBytes)
{
    const QByteArray list =
        "1,Ann,Lee\r\n2,Ann,Lee\r\n3,Bo,\"Ray\" Jr\r\n4,Cy,O'Hara\r\n"
        "5,\xC3\x89mile,Zola\r\n";
    const QString in = WriteFile(cwd.Path(QStringLiteral("in.csv")), list);
    bench->seam.Then(ChooseFile(in));
    bench->window->BitBtn4->click();
    bench->window->BitBtn5->click();
    EXPECT_EQ(ExportTo(cwd.Path(QStringLiteral("out.csv"))), list);
    EXPECT_TRUE(bench->TakeMessages().isEmpty());
}

TEST_P(Export, AFileThatCannotBeCreatedStopsBeforeTheListIsRead)
{
    bench->db.Insert("('anle', 1, '1', 'Ann', 'Lee'), ('bora', 1, '2', 'Bo', 'Ray')");
    Reopen();
    bench->dm->QNames.MoveTo(1);
    QDir(cwd.Dir().path()).mkdir(QStringLiteral("folder.csv"));
    ExportTo(cwd.Path(QStringLiteral("no/such/folder/out.csv")));
    ExportTo(cwd.Path(QStringLiteral("folder.csv")));
    EXPECT_EQ(bench->TakeMessages(), (QStringList{QStringLiteral("Invalid filename."),
                                                  QStringLiteral("File access denied.")}));
    EXPECT_EQ(Status(), QString());
    EXPECT_EQ(bench->dm->QNames.RecNo(), 1) << "the list was not read";
}

TEST_P(Export, TheEmptyPathIsStandardOutputWhichAWindowedProgramLacks)
{
    const int saved = ::dup(STDOUT_FILENO);
    const int devNull = ::open("/dev/null", O_WRONLY);
    ::dup2(devNull, STDOUT_FILENO);
    ExportTo(QString());
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    ::close(devNull);
    EXPECT_EQ(bench->TakeMessages(), QStringList{QStringLiteral("I/O error 105.")});
    EXPECT_EQ(Status(), QString());
}

// The write fails in the first window of the list and in a later one: the file keeps what
// reached it, and the list stays on the record whose line could not be written.
TEST_P(Export, AWriteThatFailsMidwayLeavesWhatReachedTheFile)
{
    constexpr int kStudents = 9000;
    constexpr int kLine = 17;  // "1000,First,Last" and CR LF, in the list's order
    bench->db.Exec(
        QStringLiteral(
            "with recursive n(i) as (select 0 union all select i + 1 from n where i < %1)\n"
            "%2\n"
            "select cast(1000 + i as text), 1, cast(1000 + i as text), 'First', 'Last' from n")
            .arg(kStudents - 1)
            .arg(QString::fromStdString(StudentListInsertHead())));
    for (const int failingLine : {58, 4100}) {
        SCOPED_TRACE(failingLine);
        Reopen();
        const QString path = cwd.Path(QStringLiteral("limited.csv"));
        // A file-size limit on this process makes the write fail partway through that line.
        const int size = failingLine * kLine + 5;
        rlimit before{};
        ::getrlimit(RLIMIT_FSIZE, &before);
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(size), before.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const QByteArray written = ExportTo(path);
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previous);

        EXPECT_EQ(bench->TakeMessages(), QStringList{QStringLiteral("I/O error 27.")});
        EXPECT_EQ(Status(), QString());
        EXPECT_EQ(written.size(), size);
        EXPECT_TRUE(written.startsWith("1000,First,Last\r\n1001,First,Last\r\n"));
        // The line whose write met the failure: its own, or one of those the export's buffer
        // of 64 KiB held after it.
        const int record = bench->dm->QNames.RecNo();
        EXPECT_GE(record, failingLine);
        EXPECT_LE(record, failingLine + 65536 / kLine);
        EXPECT_EQ(bench->dm->QNames.FieldByName(kStudentIdColumn).AsString(),
                  std::to_string(1000 + record));
        EXPECT_FALSE(bench->dm->QNames.Eof());
    }
}

TEST_P(Export, AnEngineErrorWhileReadingIsShown)
{
    bench->dm->QNames.Close();
    bench->db.DropTable();
    const QByteArray written = ExportTo(cwd.Path(QStringLiteral("out.csv")));
    const QStringList messages = bench->TakeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("General SQL error.\r\n")));
    EXPECT_EQ(written, QByteArray()) << "created before the list was read";
    EXPECT_EQ(Status(), QString());
}

TEST_P(Export, AListOfMoreWindowsThanStayInMemoryIsWrittenByteForByte)
{
    constexpr int kStudents = 60000;
    // Keys with nulls and repeats, then keys that no two students share (which the list reads
    // by its index alone).
    const QString distinctKeys =
        QStringLiteral(
            "with recursive n(i) as (select 0 union all select i + 1 from n where i < %1)\n"
            "%2\n"
            "select 'k' || cast(i % 7 as text), i, cast(i as text), 'F' || cast(i % 13 as text), "
            "'L' from n")
            .arg(kStudents - 1)
            .arg(QString::fromStdString(StudentListInsertHead()));
    for (const bool distinct : {false, true}) {
        bench->db.DeleteAll();
        if (distinct) {
            bench->db.Exec(distinctKeys);
        } else {
            bench->db.InsertNumberedStudents(kStudents);
        }
        QByteArray expected;
        for (const QString& row : bench->db.Rows()) {
            QStringList fields = row.split(QLatin1Char('|')).mid(2);
            fields.replaceInStrings(QStringLiteral("<null>"), QString());
            expected += fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
        }
        Reopen();
        const QByteArray written = ExportTo(cwd.Path(QStringLiteral("big.csv")));
        EXPECT_EQ(written.size(), expected.size()) << "distinct keys: " << distinct;
        EXPECT_TRUE(written == expected) << "distinct keys: " << distinct;
        QCoreApplication::processEvents();
        EXPECT_EQ(bench->window->DBGrid3->currentIndex().row(), kStudents - 1)
            << "left on the last student";
    }
}

TEST_P(Export, AfterAServerRestartTheExportWritesEveryStudentOnce)
{
    if (GetParam() != Backend::PostgreSQL) {
        GTEST_SKIP() << "an embedded database has no server to restart";
    }
    bench->db.InsertNumberedStudents(3000);
    Reopen();  // the first of three windows read
    ASSERT_TRUE(bench->db.RestartServer());
    QCoreApplication::processEvents();  // the user's next action
    const QByteArray written = ExportTo(cwd.Path(QStringLiteral("after.csv")));
    EXPECT_EQ(written.count('\n'), 3000);
    EXPECT_EQ(written.left(written.indexOf('\n') + 1), QByteArray("0,0,\r\n"));
    EXPECT_TRUE(bench->TakeMessages().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Export, Export, ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

}  // namespace
