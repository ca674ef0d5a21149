// The window as a person uses it: real key presses and mouse clicks into the menu bar, the
// pages and the controls, and modal dialogs really shown and answered by keys.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QSignalSpy>
#include <QSplitterHandle>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include "app/MainWindow.h"
#include "store/datamodule/DataModule.h"
#include "store/datamodule/LoginDialog.h"
#include "store/datamodule/PasswordDialog.h"
#include "tests/support/PersonSeam.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestDatabase.h"
#include "toolkit/Buttons.h"
#include "toolkit/DBGrid.h"
#include "toolkit/EditControls.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panels.h"
#include "toolkit/Splitter.h"
#include "toolkit/StatusBar.h"
#include "toolkit/StringGrid.h"

namespace {

class Keyboard : public ::testing::Test {
protected:
    Keyboard() : app(QStringLiteral("/opt/cardovane/Cardovane"), seam), window(app)
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    InTemporaryWorkingDirectory cwd;
    PersonSeam seam;
    TApplication app;
    TfMain window;
};

TEST_F(Keyboard, AMenuChoiceByKeysTakesTheFocusOffTheHiddenPage)
{
    ChooseMenuItem(window, 1);
    ASSERT_EQ(window.PageControl1->ActivePage(), window.TSExport);
    QTest::mouseClick(window.EditFileName, Qt::LeftButton);
    ASSERT_EQ(Focus(), window.EditFileName);
    QTest::keyClick(Focus(), Qt::Key_End);
    QTest::keyClicks(Focus(), QStringLiteral("abc"));
    const QString typed = window.EditFileName->text();
    ASSERT_TRUE(typed.endsWith(QStringLiteral("abc")));

    QTest::keyClick(Focus(), Qt::Key_Alt);
    EXPECT_EQ(window.EditFileName->Color(), clYellow) << "Alt alone leaves the field entered";
    QTest::keyClick(Focus(), Qt::Key_Escape);
    EXPECT_EQ(Focus(), window.EditFileName);
    EXPECT_EQ(window.EditFileName->Color(), clYellow);

    ChooseMenuItem(window, 0);
    EXPECT_EQ(window.PageControl1->ActivePage(), window.TSImportList);
    EXPECT_EQ(Focus(), window.BitBtn5);
    EXPECT_EQ(window.EditFileName->Color(), clWindow);
    QTest::keyClicks(Focus(), QStringLiteral("xyz"));
    EXPECT_EQ(window.EditFileName->text(), typed) << "nothing typed reaches the hidden page";

    QSignalSpy posted(window.BitBtn5, &QPushButton::clicked);
    ChooseMenuItem(window, 1);
    EXPECT_EQ(Focus(), window.EditFileName);
    EXPECT_EQ(window.EditFileName->Color(), clYellow);
    QTest::keyClick(Focus(), Qt::Key_Space);
    EXPECT_EQ(posted.count(), 0) << "Space on the options page starts no posting";
}

TEST_F(Keyboard, NoKeyChangesThePage)
{
    ChooseMenuItem(window, 1);
    QTest::mouseClick(window.EditFileName, Qt::LeftButton);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {{Qt::Key_Tab, Qt::ControlModifier},
                {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
                {Qt::Key_PageDown, Qt::ControlModifier},
                {Qt::Key_PageUp, Qt::ControlModifier}};
    for (const auto& press : keys) {
        QTest::keyClick(Focus(), press.key, press.modifiers);
        EXPECT_EQ(window.PageControl1->ActivePage(), window.TSExport) << press.key;
    }
}

TEST_F(Keyboard, TheFieldTheWindowFocusesAsItIsActivatedIsHighlighted)
{
    // From the splash page, where nothing has the focus, by a click on the menu.
    QTest::mouseClick(window.menuBar(), Qt::LeftButton, {},
                      window.menuBar()->actionGeometry(window.ExportStudentList1).center());
    ASSERT_EQ(window.PageControl1->ActivePage(), window.TSExport);
    QWidget elsewhere;  // another program's window
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_EQ(Focus(), window.EditFileName)
        << (Focus() ? Focus()->metaObject()->className() : "none");
    EXPECT_EQ(window.EditFileName->Color(), clYellow);
}

TEST_F(Keyboard, PasswordsShowAStarForEachCharacter)
{
    TLoginDialog login(QStringLiteral("DVK"), QStringLiteral("office"));
    TSession session;
    TPasswordDialog tables(session);
    for (TEdit* field : {login.Password, tables.Edit}) {
        field->window()->show();
        QTest::keyClicks(field, QStringLiteral("s3cr"));
        EXPECT_EQ(field->displayText(), QStringLiteral("****"));
    }
}

TEST_F(Keyboard, EitherHalfOfTheImportPageGoesDownToThirtyPixels)
{
    ChooseMenuItem(window, 0);
    QSplitterHandle* bar = window.Splitter1->handle(1);
    const auto drag = [&](int leftWidth) {
        const QPoint grip(bar->width() / 2, bar->height() / 2);
        const QPoint to = grip + QPoint(leftWidth - window.Panel31->width(), 0);
        QTest::mousePress(bar, Qt::LeftButton, {}, grip);
        QTest::mouseMove(bar, to);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, to);
    };
    drag(40);
    EXPECT_EQ(window.Panel31->width(), 40);
    const int total = window.Splitter1->width() - window.Splitter1->handleWidth();
    drag(total - 30);
    EXPECT_EQ(window.Panel30->width(), 30);
    drag(25);
    EXPECT_EQ(window.Panel31->width(), 0) << "released at 30 or less, the left half closes";
}

TEST_F(Keyboard, EveryControlTabReachesHasAName)
{
    TLoginDialog login(QStringLiteral("DVK"), QStringLiteral("office"));
    login.show();
    QStringList unnamed;
    const auto check = [&](QWidget* top) {
        for (QWidget* w : top->findChildren<QWidget*>()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(top)) {
                continue;
            }
            QAccessibleInterface* described = QAccessible::queryAccessibleInterface(w);
            if (!described || described->text(QAccessible::Name).trimmed().isEmpty()) {
                unnamed << QString::fromLatin1(w->metaObject()->className()) + " " +
                               w->objectName();
            }
        }
    };
    for (int page : {0, 1}) {
        ChooseMenuItem(window, page);
        check(&window);
    }
    check(&login);
    EXPECT_EQ(unnamed, QStringList());
}

// Output of a command of the X tools.
QString XTool(const QString& program, const QStringList& arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    tool.waitForFinished(10000);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

TEST(WindowManager, QtsOwnOptionsLeaveTheWindowAsDesigned)
{
    if (qgetenv("QT_QPA_PLATFORM") != "xcb") {
        GTEST_SKIP() << "runs on the test command's X display";
    }
    InTemporaryWorkingDirectory cwd;
    TestDatabase db(Backend::SQLite, {});
    QProcess program;
    program.setWorkingDirectory(cwd.Dir().path());
    program.start(QStringLiteral(CARDOVANE_EXE),
                  {"-reverse", "-qwindowgeometry", "300x200+5+5", "-style", "windows"});
    QString window;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            window =
                XTool("xdotool", {"search", "--onlyvisible", "--name", "^Cardovane Attendance$"});
            return !window.isEmpty();
        },
        15000));
    const QString geometry = XTool("xdotool", {"getwindowgeometry", "--shell", window});
    EXPECT_TRUE(geometry.contains(QStringLiteral("WIDTH=811"))) << geometry.toStdString();
    XTool("xdotool", {"windowactivate", "--sync", window, "key", "alt+x"});
    ASSERT_TRUE(program.waitForFinished(15000));
    EXPECT_EQ(program.exitCode(), 0);
}

}  // namespace
