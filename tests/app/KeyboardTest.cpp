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

QWidget* Focus()
{
    return QApplication::focusWidget();
}

// Alt, then Right to the item, then Return: the menu bar worked by the keyboard alone.
void ChooseMenuItem(TfMain& window, int item)
{
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isActiveWindow(); }));
    QTest::keyClick(Focus() ? Focus() : &window, Qt::Key_Alt);
    ASSERT_TRUE(qobject_cast<QMenuBar*>(Focus())) << "Alt gives the menu bar the keyboard";
    for (int i = 0; i < item; ++i) {
        QTest::keyClick(Focus(), Qt::Key_Right);
    }
    QTest::keyClick(Focus(), Qt::Key_Return);
}

// Tab until the control has the focus, as a person would; false when it never comes.
bool TabTo(TfMain& window, QWidget* control)
{
    // An inactive window still takes the keys sent to it: the Tabs below tell whether it worked.
    (void)QTest::qWaitFor([&] { return window.isActiveWindow(); });
    for (int i = 0; i < 30 && Focus() != control; ++i) {
        QTest::keyClick(Focus() ? Focus() : &window, Qt::Key_Tab);
    }
    return Focus() == control;
}

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

TEST(KeyboardOnDatabase, TypingInTheDatabaseGridMovesNoRecord)
{
    InTemporaryWorkingDirectory cwd;
    TestDatabase db(Backend::SQLite, {});
    db.Insert("('aa', 1, '1', 'A', 'A'), ('bb', 1, '2', 'B', 'B'), ('jo', 1, '3', 'J', 'O')");
    PersonSeam seam;
    const int code = RunProgram(seam, [&](TfMain& w) {
        ChooseMenuItem(w, 0);
        TDBGrid& grid = *w.DBGrid3;
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.visualRect(grid.model()->index(0, 0)).center());
        ASSERT_EQ(Focus(), &grid);
        QTest::keyClicks(&grid, QStringLiteral("jo"));
        EXPECT_EQ(w.DataModule()->QNames.RecNo(), 0);
        QTest::keyClick(&grid, Qt::Key_Down);
        EXPECT_EQ(w.DataModule()->QNames.RecNo(), 1);
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
}

TEST(KeyboardOnDatabase, CancellingTheListsLoginShowsTheErrorOnceAndAsksNoMore)
{
    SKIP_WITHOUT_SERVER(Backend::PostgreSQL);
    InTemporaryWorkingDirectory cwd;
    TestDatabase::Options options;
    options.withLogin = true;
    TestDatabase db(Backend::PostgreSQL, options);
    PersonSeam seam;
    seam.Then(TypeThenReturn(TestDatabase::PgPassword()));  // Database1
    seam.Then(PressKey(Qt::Key_Escape));                    // the list's login: Cancel
    seam.Then(PressKey(Qt::Key_Return));                    // the error: OK
    const int code = RunProgram(seam, [&](TfMain& w) {
        // Nothing happens when all is well: a login coming back would come with a later
        // activation, which no event announces, so the test watches for it for half a second.
        EXPECT_FALSE(
            QTest::qWaitFor([&] { return seam.CountOf(QStringLiteral("TLoginDialog")) > 2; }, 500))
            << "the login came back";
        QTest::keyClick(Focus() ? Focus() : &w, Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(seam.CountOf(QStringLiteral("TLoginDialog")), 2);
    EXPECT_EQ(seam.MessageTexts(), QStringList{QStringLiteral("Cannot connect to database 'DVK'")});
}

TEST(KeyboardOnDatabase, ImportPostExportAndExitWithoutAMouse)
{
    InTemporaryWorkingDirectory cwd;
    TestDatabase db(Backend::SQLite, {});
    const QByteArray list = "1,Ann,Lee\r\n2,Bob,Ray\r\n3,Cy,Oz\r\n";
    const QString listPath = WriteFile(cwd.Path(QStringLiteral("list.csv")), list);
    const QString exportPath = cwd.Path(QStringLiteral("out.csv"));
    PersonSeam seam;
    seam.Then(ChooseFileByKeys(listPath));
    const int code = RunProgram(seam, [&](TfMain& w) {
        ChooseMenuItem(w, 0);
        ASSERT_TRUE(TabTo(w, w.BitBtn4));
        QTest::keyClick(Focus(), Qt::Key_Space);
        ASSERT_EQ(w.SGRecordStudents->RowCount(), 4);
        ASSERT_TRUE(TabTo(w, w.BitBtn5));
        QTest::keyClick(Focus(), Qt::Key_Space);
        EXPECT_EQ(w.LabelProgress->text(), QStringLiteral("Import Complete"));
        ChooseMenuItem(w, 1);
        ASSERT_EQ(Focus(), w.EditFileName);
        QTest::keyClick(Focus(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Focus(), exportPath);
        QTest::keyClick(Focus(), Qt::Key_Tab);
        ASSERT_EQ(Focus(), w.BitBtn8);
        QTest::keyClick(Focus(), Qt::Key_Space);
        EXPECT_EQ(w.StatusBar1->PanelText(1), QStringLiteral("Data output to ") + exportPath);
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(seam.MessageTexts(), QStringList());
    EXPECT_EQ(db.Count("select count(*) from studentlist"), 3);
    EXPECT_EQ(ReadFile(exportPath), list);
    EXPECT_EQ(ReadFile(cwd.Path(QStringLiteral("kq.cfg"))),
              "[FacilityName] = " + exportPath.toUtf8() + "\r\n");
}

// An alias with a login that checks the server's certificate against the authority given.
TestDatabase::Options VerifiedLogin(const QString& authority)
{
    TestDatabase::Options options;
    options.withLogin = true;
    options.libpqSettings = {{QStringLiteral("sslmode"), QStringLiteral("verify-full")},
                             {QStringLiteral("sslrootcert"), authority}};
    return options;
}

// The district's server, verified against its authority, with the office's login typed.
TEST(KeyboardOnDatabase, OnAVerifiedServerTheLoginIsTypedAndTheListPostedAndExported)
{
    SKIP_WITHOUT_SERVER(Backend::PostgreSQL);
    InTemporaryWorkingDirectory cwd;
    TestDatabase db(Backend::PostgreSQL, VerifiedLogin(TestDatabase::PgAuthority()));
    const QByteArray list = "1,Ann,Lee\r\n2,Bob,Ray\r\n";
    const QString listPath = WriteFile(cwd.Path(QStringLiteral("list.csv")), list);
    const QString exportPath = cwd.Path(QStringLiteral("out.csv"));
    PersonSeam seam;
    seam.Then(TypeThenReturn(TestDatabase::PgPassword()));  // Database1
    seam.Then(TypeThenReturn(TestDatabase::PgPassword()));  // the list's
    seam.Then(ChooseFileByKeys(listPath));
    const int code = RunProgram(seam, [&](TfMain& w) {
        ChooseMenuItem(w, 0);
        ASSERT_TRUE(TabTo(w, w.BitBtn4));
        QTest::keyClick(Focus(), Qt::Key_Space);
        ASSERT_TRUE(TabTo(w, w.BitBtn5));
        QTest::keyClick(Focus(), Qt::Key_Space);
        EXPECT_EQ(w.LabelProgress->text(), QStringLiteral("Import Complete"));
        ChooseMenuItem(w, 1);
        QTest::keyClick(Focus(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Focus(), exportPath);
        QTest::keyClick(Focus(), Qt::Key_Tab);
        QTest::keyClick(Focus(), Qt::Key_Space);
        EXPECT_EQ(w.StatusBar1->PanelText(1), QStringLiteral("Data output to ") + exportPath);
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(seam.MessageTexts(), QStringList());
    EXPECT_EQ(ReadFile(exportPath), list);
}

// Nothing typed at the login: libpq's own password file answers.
TEST(KeyboardOnDatabase, AnEmptyLoginPasswordLetsLibpqsPasswordFileAnswer)
{
    SKIP_WITHOUT_SERVER(Backend::PostgreSQL);
    InTemporaryWorkingDirectory cwd;
    TestDatabase::Options options;
    options.withLogin = true;
    TestDatabase db(Backend::PostgreSQL, options);
    db.Insert(QStringLiteral("('anle', 1, '1', 'Ann', 'Lee')"));
    const QString pgpass = WriteFile(cwd.Path(QStringLiteral("pgpass")),
                                     QStringLiteral("127.0.0.1:*:*:%1:%2\n")
                                         .arg(TestDatabase::PgUser(), TestDatabase::PgPassword())
                                         .toUtf8());
    QFile::setPermissions(pgpass, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    qputenv("PGPASSFILE", pgpass.toUtf8());
    PersonSeam seam;
    seam.Then(PressKey(Qt::Key_Return));  // Database1
    seam.Then(PressKey(Qt::Key_Return));  // the list's
    const int code = RunProgram(seam, [&](TfMain& w) {
        ChooseMenuItem(w, 0);
        EXPECT_EQ(w.DBGrid3->model()->rowCount(), 1);
        QTest::keyClick(Focus() ? Focus() : &w, Qt::Key_X, Qt::AltModifier);
    });
    qunsetenv("PGPASSFILE");
    EXPECT_EQ(code, 0);
    EXPECT_EQ(seam.MessageTexts(), QStringList());
}

// A server whose certificate another authority signed: the program says why, in libpq's words.
TEST(KeyboardOnDatabase, AServerOfAnotherAuthorityIsRefusedWithTheReason)
{
    SKIP_WITHOUT_SERVER(Backend::PostgreSQL);
    InTemporaryWorkingDirectory cwd;
    TestDatabase db(Backend::PostgreSQL, VerifiedLogin(TestDatabase::PgOtherAuthority()));
    PersonSeam seam;
    seam.Then(TypeThenReturn(TestDatabase::PgPassword()));
    seam.Then(PressKey(Qt::Key_Return));  // the refusal: OK
    // The connection is made at start: the program stops there, having said why.
    EXPECT_EQ(RunProgram(seam, [&](TfMain&) {}), 1);
    const QStringList shown = seam.MessageTexts();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_TRUE(shown.first().contains(QStringLiteral("certificate verify failed")))
        << shown.first().toStdString();
    EXPECT_TRUE(shown.first().contains(QStringLiteral("The server's certificate is not trusted")));
    EXPECT_FALSE(shown.first().contains(TestDatabase::PgPassword()));
}

TEST(KeyboardOnDatabase, AnExportOntoTheDatabaseIsRefusedAndTheDatabaseStaysWhole)
{
    InTemporaryWorkingDirectory cwd;
    TestDatabase db(Backend::SQLite, {});
    db.Insert(QStringLiteral("('josm', 1, '1', 'John', 'Smith'), ('anle', 1, '2', 'Ann', 'Lee')"));
    const QString link = cwd.Path(QStringLiteral("list-link.csv"));
    ASSERT_TRUE(QFile::link(db.SqlitePath(), link));
    PersonSeam seam;
    seam.Then(PressKey(Qt::Key_Return));  // the refusal: OK
    seam.Then(PressKey(Qt::Key_Return));  // the refusal by the link: OK
    const int code = RunProgram(seam, [&](TfMain& w) {
        ChooseMenuItem(w, 1);
        for (const QString& target : {db.SqlitePath(), link}) {
            // The window has the focus back once the refusal is answered.
            ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow(); }));
            QTest::mouseClick(w.EditFileName, Qt::LeftButton);
            QTest::keyClick(w.EditFileName, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(w.EditFileName, target);
            QTest::mouseClick(w.BitBtn8, Qt::LeftButton);
            EXPECT_NE(w.StatusBar1->PanelText(1), QStringLiteral("Data output to ") + target);
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow(); }));
        QTest::keyClick(Focus() ? Focus() : &w, Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    ASSERT_EQ(seam.MessageTexts().size(), 2);
    EXPECT_TRUE(seam.MessageTexts()[0].startsWith(QStringLiteral("The export file ") +
                                                  db.SqlitePath() +
                                                  QStringLiteral(" is the student database")))
        << seam.MessageTexts()[0].toStdString();
    EXPECT_TRUE(seam.MessageTexts()[1].contains(QStringLiteral("is the student database")));
    EXPECT_EQ(db.Count(QStringLiteral("select count(*) from studentlist")), 2);
    QSqlDatabase check = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "integrity");
    check.setDatabaseName(db.SqlitePath());
    ASSERT_TRUE(check.open());
    QSqlQuery integrity(check);
    ASSERT_TRUE(integrity.exec(QStringLiteral("pragma integrity_check")) && integrity.next());
    EXPECT_EQ(integrity.value(0).toString(), QStringLiteral("ok"));
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

// A list of many more records than stay in memory, paged through by the keyboard.
class LargeList : public OnEachBackend {
protected:
    // Checks the rows in view against the list's studentids; answers the first wrong one.
    static std::string CheckShownRows(TDBGrid& grid, const QStringList& ids,
                                      std::vector<char>& seen)
    {
        const int last = grid.rowAt(grid.viewport()->height() - 1);
        for (int row = std::max(grid.rowAt(0), 0);
             row <= (last < 0 ? grid.model()->rowCount() - 1 : last); ++row) {
            const QString shown = grid.model()->index(row, 2).data().toString();
            if (shown != ids.value(row)) {
                return "row " + std::to_string(row) + " shows '" + shown.toStdString() + "'";
            }
            seen[std::size_t(row)] = 1;
        }
        return {};
    }

    InTemporaryWorkingDirectory cwd;
    PersonSeam seam;
};

TEST_P(LargeList, PagingToTheEndAndBackShowsEveryRecordOnceInOrderAsOfTheOpening)
{
    constexpr int kStudents = 200000;
    TestDatabase db(GetParam(), {});
    db.InsertNumberedStudents(kStudents);
    QStringList ids;
    for (const QString& row : db.Rows()) {
        ids << row.section(QLatin1Char('|'), 2, 2);
    }
    const int code = RunProgram(seam, [&](TfMain& w) {
        ChooseMenuItem(w, 0);
        TDBGrid& grid = *w.DBGrid3;
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.visualRect(grid.model()->index(0, 0)).center());
        // Another office posts while the list is open: one student sorts first, one last.
        db.Insert("('aaaa', 1, 'new1', 'A', 'A'), ('zzzz', 1, 'new2', 'Z', 'Z')");
        for (const auto key : {Qt::Key_PageDown, Qt::Key_PageUp}) {
            std::vector<char> seen(kStudents);
            std::string wrong;
            const int end = key == Qt::Key_PageDown ? kStudents - 1 : 0;
            for (int presses = 0;
                 wrong.empty() && grid.currentIndex().row() != end && presses < kStudents;
                 ++presses) {
                QTest::keyClick(&grid, key);
                wrong = CheckShownRows(grid, ids, seen);
            }
            EXPECT_EQ(wrong, "");
            EXPECT_EQ(grid.currentIndex().row(), end);
            EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), kStudents);
            EXPECT_EQ(grid.model()->rowCount(), kStudents) << "no record shown twice or added";
        }
        // The students posted meanwhile show once the list is opened again.
        w.DataModule()->QNames.Close();
        w.DataModule()->QNames.Open();
        QTest::keyClick(&grid, Qt::Key_End);
        EXPECT_EQ(grid.model()->rowCount(), kStudents + 2);
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(seam.shown.size(), 0u) << seam.shown.front().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(App, LargeList, ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

}  // namespace
