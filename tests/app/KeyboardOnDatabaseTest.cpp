// The window on a real database as a person uses it: logins typed, lists imported, posted and
// exported by the keyboard, and what the window refuses to overwrite.
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
    TestDatabase db(Backend::PostgreSQL, WithLogin());
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
    EXPECT_EQ(db.Stored(), 3);
    EXPECT_EQ(ReadFile(exportPath), list);
    EXPECT_EQ(ReadFile(cwd.Path(QStringLiteral("kq.cfg"))),
              "[FacilityName] = " + exportPath.toUtf8() + "\r\n");
}

// An alias with a login that checks the server's certificate against the authority given.
TestDatabase::Options VerifiedLogin(const QString& authority)
{
    TestDatabase::Options options = WithLogin();
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
        ExportByKeys(w, exportPath);
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
    TestDatabase db(Backend::PostgreSQL, WithLogin());
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
    EXPECT_EQ(db.Stored(), 2);
    QSqlDatabase check = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "integrity");
    check.setDatabaseName(db.SqlitePath());
    ASSERT_TRUE(check.open());
    QSqlQuery integrity(check);
    ASSERT_TRUE(integrity.exec(QStringLiteral("pragma integrity_check")) && integrity.next());
    EXPECT_EQ(integrity.value(0).toString(), QStringLiteral("ok"));
}

}  // namespace
