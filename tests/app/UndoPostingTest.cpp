// "Undo Last Posting" as a person uses it, by the keyboard: the question answered No and then
// Yes, the table as it was before the posting to the byte, a record another office changed
// meanwhile left and counted, and a posting an error stopped midway or a restart of the server
// interrupted taken back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <atomic>
#include <chrono>
#include <map>
#include <thread>

#include "app/MainWindow.h"
#include "import/PostingHistory.h"
#include "tests/support/PersonSeam.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestDatabase.h"
#include "toolkit/Buttons.h"
#include "toolkit/EditControls.h"
#include "toolkit/Panels.h"
#include "toolkit/StatusBar.h"

namespace {

class UndoPosting : public OnEachBackend {
protected:
    // Imports the list and posts it, by the keyboard.
    static void ImportAndPost(TfMain& w)
    {
        ChooseMenuItem(w, 0);
        ASSERT_TRUE(TabTo(w, w.BitBtn4));
        QTest::keyClick(Focus(), Qt::Key_Space);
        ASSERT_TRUE(TabTo(w, w.BitBtn5));
        QTest::keyClick(Focus(), Qt::Key_Space);
    }
    // Exports the table by the keyboard; answers the file's bytes.
    QByteArray Export(TfMain& w, const QString& name)
    {
        const QString path = cwd.Path(name);
        ChooseMenuItem(w, 1);
        QTest::mouseClick(w.EditFileName, Qt::LeftButton);
        QTest::keyClick(w.EditFileName, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(w.EditFileName, path);
        QTest::keyClick(w.EditFileName, Qt::Key_Tab);
        QTest::keyClick(Focus(), Qt::Key_Space);
        return ReadFile(path);
    }
    // Alt+U: the button's own key clicks it as a short press, and its question is answered.
    void PressAltU(TfMain& w)
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow(); }));
        const std::size_t asked = seam.shown.size();
        QTest::keyClick(Focus() ? Focus() : &w, Qt::Key_U, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return seam.shown.size() > asked; }));
    }

    InTemporaryWorkingDirectory cwd;
    PersonSeam seam;
};

TEST_P(UndoPosting, TakesBackExactlyWhatThePostingStoredAndLeavesAChangedRecord)
{
    TestDatabase db(GetParam(), {});
    db.Insert(QStringLiteral("('anle', 1, '7', 'Ann', 'Lee'), ('', 1, '', '', '')"));
    seam.Then(ChooseFileByKeys(WriteFile(cwd.Path(QStringLiteral("list.csv")),
                                         "1,Ann,Lee\r\n2,Bob,Ray\r\n3,Cy,Oz\r\n,,\r\n")));
    seam.Then(PressKey(Qt::Key_Return));              // the question: No, the default
    seam.Then(PressKey(Qt::Key_Y, Qt::AltModifier));  // the question again: Yes
    QString status;
    const int code = RunProgram(seam, [&](TfMain& w) {
        EXPECT_FALSE(w.BitBtnUndo->isEnabled()) << "nothing to take back before a posting";
        ImportAndPost(w);
        ASSERT_EQ(w.LabelProgress->text(), QStringLiteral("Import Complete"));
        ASSERT_TRUE(w.BitBtnUndo->isEnabled());
        // Another office corrects one of the new students meanwhile.
        db.Update(QStringLiteral("fname = 'Robert'"), QStringLiteral("studentid = '2'"));
        PressAltU(w);
        EXPECT_EQ(db.Stored(), 6) << "No removes nothing";
        EXPECT_TRUE(w.BitBtnUndo->isEnabled());
        PressAltU(w);
        status = w.StatusBar1->PanelText(1);
        EXPECT_FALSE(w.BitBtnUndo->isEnabled());
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow() && Focus(); }));
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    ASSERT_EQ(seam.shown.size(), 3u);
    EXPECT_EQ(seam.shown[1].text,
              QStringLiteral("Remove the 4 students stored by the last posting from DVK?"));
    EXPECT_EQ(status, QStringLiteral(
                          "Removed 3 students; 1 left as they had changed or were removed since."));
    EXPECT_EQ(db.Rows(), (QStringList{"|1|||", "anle|1|7|Ann|Lee", "bora|1|2|Robert|Ray"}));
}

TEST_P(UndoPosting, APostingAnErrorStoppedMidwayIsTakenBack)
{
    TestDatabase db(GetParam(), {});
    db.ReplaceTable(
        QStringLiteral("psid varchar(4), psidsequence integer, studentid text "
                       "check (studentid <> 'bad'), fname text, lname text"));
    db.Insert(QStringLiteral("('zz', 1, 'old', 'Z', 'Z')"));
    seam.Then(ChooseFileByKeys(WriteFile(cwd.Path(QStringLiteral("list.csv")),
                                         "1,Ann,Lee\r\n2,Bob,Ray\r\nbad,Cy,Oz\r\n")));
    seam.Then(PressKey(Qt::Key_Return));              // the error: OK
    seam.Then(PressKey(Qt::Key_Y, Qt::AltModifier));  // the question: Yes
    QByteArray before;
    QByteArray after;
    const int code = RunProgram(seam, [&](TfMain& w) {
        before = Export(w, QStringLiteral("before.csv"));
        ImportAndPost(w);
        EXPECT_EQ(db.Stored(), 3);
        ASSERT_TRUE(w.BitBtnUndo->isEnabled()) << "what went in can be taken back";
        PressAltU(w);
        after = Export(w, QStringLiteral("after.csv"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow() && Focus(); }));
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(after, before) << "the table as before the posting, to the byte";
    ASSERT_EQ(seam.shown.size(), 3u);
    EXPECT_EQ(seam.shown[2].text,
              QStringLiteral("Remove the 2 students stored by the last posting from DVK?"));
    EXPECT_EQ(db.Rows(), QStringList{"zz|1|old|Z|Z"});
    const std::vector<TPostingHistory::TListed> kept = TPostingHistory().List();
    ASSERT_EQ(kept.size(), 1u) << "the rows the error left stored are in the history";
    EXPECT_EQ(kept[0].students, 2u);
    EXPECT_EQ(TPostingHistory().Read(kept[0].number).records.size(), 2u);
}

// The server (or the district's pooler) restarts while the list goes in: the posting rides
// through it, and the undo takes back every row it stored, the one the restart cut off too.
TEST_P(UndoPosting, TakesBackAPostingThatRodeThroughARestart)
{
    if (GetParam() != Backend::PostgreSQL) {
        GTEST_SKIP() << "an embedded database has no server to restart";
    }
    TestDatabase db(GetParam(), {});
    db.Insert(QStringLiteral("('zz', 1, 'old', 'Z', 'Z')"));
    constexpr int kRows = 60;
    QByteArray list;
    for (int i = 1; i <= kRows; ++i) {
        list += QByteArray::number(i) + ",Ann,Lee\r\n";
    }
    seam.Then(ChooseFileByKeys(WriteFile(cwd.Path(QStringLiteral("list.csv")), list)));
    seam.Then(PressKey(Qt::Key_Y, Qt::AltModifier));  // the question: Yes
    std::atomic<bool> restarted = false;
    const int code = RunProgram(seam, [&](TfMain& w) {
        w.postingPause = std::chrono::milliseconds(20);
        ChooseMenuItem(w, 0);
        ASSERT_TRUE(TabTo(w, w.BitBtn4));
        QTest::keyClick(Focus(), Qt::Key_Space);
        ASSERT_TRUE(TabTo(w, w.BitBtn5));
        std::thread district([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            restarted = TestDatabase::ServerStep(TestDatabase::ThroughPooler()
                                                     ? QStringLiteral("pg_test_pooler_restart")
                                                     : QStringLiteral("pg_test_server_restart"));
        });
        QTest::keyClick(Focus(), Qt::Key_Space);
        district.join();
        ASSERT_TRUE(db.Reconnect());
        EXPECT_EQ(w.LabelProgress->text(), QStringLiteral("Import Complete"));
        EXPECT_EQ(db.Stored(), kRows + 1);
        PressAltU(w);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow() && Focus(); }));
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(restarted);
    ASSERT_EQ(seam.shown.size(), 2u);
    EXPECT_EQ(seam.shown[1].text,
              QStringLiteral("Remove the 60 students stored by the last posting from DVK?"));
    EXPECT_EQ(db.Rows(), QStringList{"zz|1|old|Z|Z"});
}

// Each posting of the window is kept in the user's history of postings, with the list it came
// from; a history that cannot be written is said in the status bar and stops nothing.
TEST_P(UndoPosting, EachPostingIsKeptInTheHistoryOfPostings)
{
    TestDatabase db(GetParam(), {});
    const QByteArray bytes = "1,Ann,Lee\r\n2,Bob,Ray\r\n";
    const QString list = WriteFile(cwd.Path(QStringLiteral("list.csv")), bytes);
    seam.Then(ChooseFileByKeys(list));
    const int code = RunProgram(seam, [&](TfMain& w) {
        ImportAndPost(w);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow() && Focus(); }));
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    const std::vector<TPostingHistory::TListed> listed = TPostingHistory().List();
    ASSERT_EQ(listed.size(), 1u);
    ASSERT_TRUE(listed[0].entry) << listed[0].refusal;
    const TPostingEntry entry = TPostingHistory().Read(listed[0].number);
    EXPECT_EQ(QFileInfo(QString::fromStdString(entry.file)), QFileInfo(list));
    EXPECT_EQ(entry.fileHash,
              QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString());
    EXPECT_EQ(entry.alias, "DVK");
    EXPECT_EQ(entry.records, (std::vector<TStudentRecord>{{"anle", 1, "1", "Ann", "Lee"},
                                                          {"bora", 1, "2", "Bob", "Ray"}}));
}

TEST_P(UndoPosting, AHistoryThatCannotBeWrittenIsSaidAndStopsNothing)
{
    TestDatabase db(GetParam(), {});
    // Where the history's folder would be made, a file is.
    qputenv("XDG_DATA_HOME", WriteFile(cwd.Path(QStringLiteral("data")), "").toUtf8());
    seam.Then(ChooseFileByKeys(WriteFile(cwd.Path(QStringLiteral("list.csv")), "1,Ann,Lee\r\n")));
    QString status;
    const int code = RunProgram(seam, [&](TfMain& w) {
        ImportAndPost(w);
        EXPECT_EQ(w.LabelProgress->text(), QStringLiteral("Import Complete"));
        EXPECT_TRUE(w.BitBtnUndo->isEnabled());
        status = w.StatusBar1->PanelText(1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow() && Focus(); }));
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(db.Stored(), 1);
    EXPECT_TRUE(status.startsWith(QStringLiteral("Cannot write the history of postings in ")))
        << status.toStdString();
    EXPECT_TRUE(status.endsWith(QStringLiteral("; the posting itself is stored")))
        << status.toStdString();
    EXPECT_EQ(seam.shown.size(), 1u) << "no message box over the posting";
}

// Three lists posted, the program ended and started again: "Postings..." lists them newest
// first, and the first is taken back by the keyboard, leaving the table as if only the other two
// had been posted but for a record another office changed meanwhile, which is left and counted;
// it cannot be taken back twice.
TEST_P(UndoPosting, TakesBackAnOlderPostingFromTheHistoryAfterARestart)
{
    TestDatabase db(GetParam(), {});
    for (const char* list : {"monday", "tuesday", "wednesday"}) {
        static const std::map<std::string, QByteArray> kLines = {
            {"monday", "1,Ann,Lee\r\n2,Bob,Ray\r\n"},
            {"tuesday", "3,Cy,Oz\r\n"},
            {"wednesday", "4,Di,Ek\r\n"}};
        seam.Then(ChooseFileByKeys(WriteFile(
            cwd.Path(QString::fromUtf8(list) + QStringLiteral(".csv")), kLines.at(list))));
    }
    ASSERT_EQ(
        RunProgram(seam,
                   [&](TfMain& w) {
                       for (int i = 0; i < 3; ++i) {
                           ImportAndPost(w);
                       }
                       ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow() && Focus(); }));
                       QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
                   }),
        0);
    db.Update(QStringLiteral("fname = 'Robert'"), QStringLiteral("studentid = '2'"));

    QStringList listed;
    QStringList afterwards;
    bool undoOffered = true;
    const auto rows = [](QDialog& dialog) {
        QStringList texts;
        const auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("PostingsList"));
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QStringList fields;
            for (int c = 1; c < 4; ++c) {
                fields << list->topLevelItem(i)->text(c);
            }
            texts << fields.join(QLatin1Char('|'));
        }
        return texts;
    };
    seam.Then([&](QDialog& dialog) {
        listed = rows(dialog);
        QTest::keyClick(Focus(), Qt::Key_End);  // the oldest
        // The button's own key clicks it as a short press; its question is answered.
        const std::size_t asked = seam.shown.size();
        QTest::keyClick(Focus(), Qt::Key_U, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return seam.shown.size() > asked; }));
        afterwards = rows(dialog);
        undoOffered = dialog.findChild<QPushButton*>(QStringLiteral("UndoPosting"))->isEnabled();
        // Back in the dialog once the question has gone, Escape closes it.
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isActiveWindow() && Focus(); }));
        QTest::keyClick(Focus() ? Focus() : &dialog, Qt::Key_Escape);
    });
    seam.Then(PressKey(Qt::Key_Y, Qt::AltModifier));  // the question: Yes
    QString status;
    QByteArray exported;
    const int code = RunProgram(seam, [&](TfMain& w) {
        ChooseMenuItem(w, 0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow() && Focus(); }));
        ASSERT_TRUE(TabTo(w, w.BitBtn5));  // on the page, off the menu bar
        const std::size_t shown = seam.shown.size();
        QTest::keyClick(Focus(), Qt::Key_P, Qt::AltModifier);
        // The dialog, its question, and the window again.
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return seam.shown.size() >= shown + 2 && !QApplication::activeModalWidget() &&
                   w.isActiveWindow() && Focus();
        }));
        status = w.StatusBar1->PanelText(1);
        exported = Export(w, QStringLiteral("after.csv"));
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    const auto file = [&](const char* name) { return cwd.Path(QString::fromUtf8(name)); };
    EXPECT_EQ(listed, (QStringList{file("wednesday.csv") + "|1|1", file("tuesday.csv") + "|1|1",
                                   file("monday.csv") + "|2|1"}));
    ASSERT_EQ(afterwards.size(), 3);
    EXPECT_TRUE(afterwards[2].startsWith(file("monday.csv") + "|2|undone "))
        << afterwards[2].toStdString();
    EXPECT_FALSE(undoOffered) << "a posting is taken back once";
    EXPECT_EQ(status, QStringLiteral(
                          "Removed 1 student; 1 left as they had changed or were removed since."));
    EXPECT_EQ(exported, QByteArray("2,Robert,Ray\r\n3,Cy,Oz\r\n4,Di,Ek\r\n"));
}

// The last posting is one posting, whichever way it is taken back: "Undo Last Posting" marks its
// entry undone in "Postings...", and the dialog's undo of it leaves "Undo Last Posting" disabled.
TEST_P(UndoPosting, TheLastPostingTakenBackEitherWayIsTakenBackOnce)
{
    TestDatabase db(GetParam(), {});
    const auto newest = [](QDialog& dialog) {
        const auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("PostingsList"));
        return list->topLevelItem(0)->text(3);
    };
    const auto offered = [](QDialog& dialog) {
        return dialog.findChild<QPushButton*>(QStringLiteral("UndoPosting"))->isEnabled();
    };
    seam.Then(ChooseFileByKeys(WriteFile(cwd.Path(QStringLiteral("a.csv")), "1,Ann,Lee\r\n")));
    seam.Then(PressKey(Qt::Key_Y, Qt::AltModifier));  // "Undo Last Posting"'s question
    QString firstState;
    bool firstOffered = true;
    seam.Then([&](QDialog& dialog) {
        firstState = newest(dialog);
        firstOffered = offered(dialog);
        QTest::keyClick(Focus() ? Focus() : &dialog, Qt::Key_Escape);
    });
    seam.Then(ChooseFileByKeys(WriteFile(cwd.Path(QStringLiteral("b.csv")), "2,Bob,Ray\r\n")));
    seam.Then([&](QDialog& dialog) {
        const std::size_t asked = seam.shown.size();
        QTest::keyClick(Focus(), Qt::Key_U, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return seam.shown.size() > asked; }));
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isActiveWindow() && Focus(); }));
        QTest::keyClick(Focus() ? Focus() : &dialog, Qt::Key_Escape);
    });
    seam.Then(PressKey(Qt::Key_Y, Qt::AltModifier));  // the dialog's question
    bool lastOffered = true;
    const int code = RunProgram(seam, [&](TfMain& w) {
        const auto openPostings = [&] {
            ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow() && Focus(); }));
            const std::size_t shown = seam.shown.size();
            QTest::keyClick(Focus(), Qt::Key_P, Qt::AltModifier);
            ASSERT_TRUE(QTest::qWaitFor([&] {
                return seam.shown.size() > shown && !QApplication::activeModalWidget() &&
                       w.isActiveWindow() && Focus();
            }));
        };
        ImportAndPost(w);
        PressAltU(w);
        openPostings();
        ImportAndPost(w);
        openPostings();
        lastOffered = w.BitBtnUndo->isEnabled();
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(firstState.startsWith(QStringLiteral("undone "))) << firstState.toStdString();
    EXPECT_FALSE(firstOffered);
    EXPECT_FALSE(lastOffered) << "the dialog took the last posting back";
    EXPECT_EQ(db.Stored(), 0);
}

INSTANTIATE_TEST_SUITE_P(App, UndoPosting, ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

}  // namespace
