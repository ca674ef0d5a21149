// Where the window's export goes, typed as a person types it: a pipe whose reader stops, a file
// made new or one that exists, the standard output of a program started from a desktop menu.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <thread>

#include "app/MainWindow.h"
#include "tests/support/PersonSeam.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestDatabase.h"
#include "toolkit/Buttons.h"
#include "toolkit/EditControls.h"
#include "toolkit/StatusBar.h"

namespace {

// The export page by the menu, the path typed over what the box held, the export clicked; then
// the window is left by Alt+X, which only a window still running answers.
void ExportByHand(TfMain& w, const QStringList& targets, QStringList* statuses)
{
    ChooseMenuItem(w, 1);
    for (const QString& target : targets) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow(); }));
        QTest::mouseClick(w.EditFileName, Qt::LeftButton);
        QTest::keyClick(w.EditFileName, Qt::Key_A, Qt::ControlModifier);
        if (target.isEmpty()) {
            QTest::keyClick(w.EditFileName, Qt::Key_Delete);
        } else {
            QTest::keyClicks(w.EditFileName, target);
        }
        QTest::mouseClick(w.BitBtn8, Qt::LeftButton);
        statuses->append(w.StatusBar1->PanelText(1));
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow(); }));
    QTest::keyClick(Focus() ? Focus() : &w, Qt::Key_X, Qt::AltModifier);
}

TEST(ExportTarget, AReaderThatStopsFailsTheExportAndTheWindowGoesOn)
{
    InTemporaryWorkingDirectory cwd;
    TestDatabase db(Backend::SQLite, {});
    db.InsertNumberedStudents(20000);  // far more than a pipe holds
    const QString fifo = cwd.Path(QStringLiteral("reader.csv"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    std::size_t received = 0;
    std::thread reader([&] {
        const int fd = ::open(fifo.toLocal8Bit().constData(), O_RDONLY);
        char buffer[100];
        while (received < sizeof buffer) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer - received);
            if (n <= 0) {
                break;
            }
            received += static_cast<std::size_t>(n);
        }
        ::close(fd);  // a reader such as `head -c 100` stops here
    });
    PersonSeam seam;
    seam.Then(PressKey(Qt::Key_Return));
    QStringList statuses;
    const int code = RunProgram(seam, [&](TfMain& w) { ExportByHand(w, {fifo}, &statuses); });
    reader.join();
    EXPECT_EQ(code, 0) << "the window was left by Alt+X";
    EXPECT_EQ(received, 100u);
    EXPECT_EQ(seam.MessageTexts(), QStringList{QStringLiteral("I/O error 1032.")});
    EXPECT_EQ(statuses, QStringList{QString()}) << "no \"Data output to\" for a failed export";
}

TEST(ExportTarget, ANewFileIsTheUsersAloneAFileThatExistsKeepsItsMode)
{
    InTemporaryWorkingDirectory cwd;
    TestDatabase db(Backend::SQLite, {});
    db.Insert(QStringLiteral("('anle', 1, '1', 'Ann', 'Lee')"));
    const QString made = cwd.Path(QStringLiteral("new.csv"));
    const QString shared = WriteFile(cwd.Path(QStringLiteral("shared.csv")), "old\r\n");
    ASSERT_EQ(::chmod(shared.toLocal8Bit().constData(), 0644), 0);
    const mode_t umask = ::umask(022);
    PersonSeam seam;
    QStringList statuses;
    const int code = RunProgram(seam, [&](TfMain& w) {
        ExportByHand(w, {made, shared}, &statuses);
    });
    ::umask(umask);
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(seam.MessageTexts().isEmpty()) << seam.MessageTexts().join('|').toStdString();
    EXPECT_EQ(statuses, (QStringList{QStringLiteral("Data output to ") + made,
                                     QStringLiteral("Data output to ") + shared}));
    EXPECT_EQ(Mode(made), 0600);
    EXPECT_EQ(Mode(shared), 0644);
    EXPECT_EQ(ReadFile(shared), QByteArray("1,Ann,Lee\r\n"));
}

// Started from a desktop menu, a program's standard output is the session journal's socket:
// the export to the empty name must not send the students there.
TEST(ExportTarget, StandardOutputOnASocketIsRefused)
{
    InTemporaryWorkingDirectory cwd;
    TestDatabase db(Backend::SQLite, {});
    db.Insert(QStringLiteral("('anle', 1, '1', 'Ann', 'Lee')"));
    int journal[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, journal), 0);
    const int saved = ::dup(STDOUT_FILENO);
    ::dup2(journal[0], STDOUT_FILENO);
    PersonSeam seam;
    seam.Then(PressKey(Qt::Key_Return));
    QStringList statuses;
    const int code = RunProgram(seam, [&](TfMain& w) { ExportByHand(w, {QString()}, &statuses); });
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    ::close(journal[0]);
    char buffer[64];
    const ssize_t leaked = ::recv(journal[1], buffer, sizeof buffer, MSG_DONTWAIT);
    ::close(journal[1]);
    EXPECT_EQ(code, 0);
    EXPECT_LE(leaked, 0) << "no student reached the journal";
    EXPECT_EQ(seam.MessageTexts(), QStringList{QStringLiteral("I/O error 105.")});
    EXPECT_EQ(statuses, QStringList{QString()});
}

}  // namespace
