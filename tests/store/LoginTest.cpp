// The logins the data module asks for, on a real SQLite file and on the PostgreSQL server of the
// test command: when they are asked, what cancelling them does, a server that restarts.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>

#include "app/MainWindow.h"
#include "store/datamodule/DataModule.h"
#include "store/datamodule/LoginDialog.h"
#include "store/datamodule/PasswordDialog.h"
#include "store/list/Query.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ScriptedSeam.h"
#include "tests/support/TestDatabase.h"
#include "toolkit/Buttons.h"
#include "toolkit/DBGrid.h"
#include "toolkit/EditControls.h"
#include "toolkit/Panels.h"
#include "toolkit/StringGrid.h"

namespace {

class Logins : public OnEachBackend {
protected:
    TestDatabase::Options options;
    InTemporaryWorkingDirectory cwd;
    ScriptedSeam seam;
};

TEST_P(Logins, AnAliasWithAUserNameAsksForALoginTwice)
{
    options = WithLogin();
    TestDatabase db(GetParam(), options);
    QStringList asked;
    for (int i = 0; i < 2; ++i) {
        seam.Then([&](QDialog& d) {
            auto& login = dynamic_cast<TLoginDialog&>(d);
            asked << login.DatabaseName->text() + "/" + login.UserName->text();
            EXPECT_EQ(login.windowTitle(), QStringLiteral("Database Login"));
            EXPECT_EQ(login.size(), QSize(273, 147));
            EXPECT_EQ(login.Password->echoMode(), QLineEdit::Password);
            EXPECT_EQ(login.UserName->maxLength(), 31);
            login.Password->setText(TestDatabase::PgPassword());
            return int(QDialog::Accepted);
        });
    }
    const int code = RunProgram(seam, [&](TfMain& w) { w.Exit1->trigger(); });
    EXPECT_EQ(code, 0);
    const QString user =
        GetParam() == Backend::SQLite ? QStringLiteral("office") : TestDatabase::PgUser();
    EXPECT_EQ(asked, (QStringList{"Database1/" + user, "DVK/" + user}));
    EXPECT_TRUE(seam.MessageTexts().isEmpty()) << seam.MessageTexts().join("|").toStdString();
}

TEST_P(Logins, CancellingTheFirstLoginEndsTheProgram)
{
    options = WithLogin();
    TestDatabase db(GetParam(), options);
    seam.Then(Cancel());
    const int code = RunProgram(seam, [](TfMain&) {});
    EXPECT_EQ(code, 1);
    ASSERT_EQ(seam.shown.size(), 2u);
    EXPECT_TRUE(
        seam.shown[1].text.endsWith(QStringLiteral("\nCannot connect to database 'Database1'.")))
        << seam.shown[1].text.toStdString();
}

TEST_P(Logins, AfterAServerRestartTheNextActionAsksForTheLoginAgain)
{
    if (GetParam() != Backend::PostgreSQL) {
        GTEST_SKIP() << "an embedded database has no server to restart";
    }
    options = WithLogin();
    TestDatabase db(GetParam(), options);
    for (int i = 0; i < 4; ++i) {
        seam.Then(Login(TestDatabase::PgUser(), TestDatabase::PgPassword()));
    }
    const int code = RunProgram(seam, [&](TfMain& w) {
        w.postingPause = std::chrono::milliseconds(0);
        ASSERT_TRUE(db.RestartServer());
        QCoreApplication::processEvents();
        w.SGRecordStudents->SetRowCount(2);
        w.SGRecordStudents->SetCell(0, 1, "1");
        w.SGRecordStudents->SetCell(1, 1, "Ann");
        w.SGRecordStudents->SetCell(2, 1, "Lee");
        w.BitBtn5->click();
        EXPECT_EQ(w.DBGrid3->model()->rowCount(), 1);
        w.Exit1->trigger();
    });
    EXPECT_EQ(code, 0);
    // Through a pooler the connections to it outlive the server's restart: no login again.
    EXPECT_EQ(seam.CountOf(QStringLiteral("TLoginDialog")), TestDatabase::ThroughPooler() ? 2 : 4)
        << "Database1 and the list's connection at start, and again after the restart";
    EXPECT_EQ(seam.MessageTexts(), QStringList());
    EXPECT_EQ(db.Rows(), QStringList{QStringLiteral("anle|1|1|Ann|Lee")});
}

TEST_P(Logins, CancellingTheListsLoginIsShownAndTheWindowStays)
{
    options = WithLogin();
    TestDatabase db(GetParam(), options);
    seam.Then(Login(TestDatabase::PgUser(), TestDatabase::PgPassword()));
    seam.Then(Cancel());
    const int code = RunProgram(seam, [&](TfMain& w) {
        EXPECT_EQ(seam.MessageTexts(),
                  QStringList{QStringLiteral("Cannot connect to database 'DVK'")});
        seam.Then(Login(TestDatabase::PgUser(), TestDatabase::PgPassword()));
        w.FormActivate(&w);  // tries again
        EXPECT_EQ(w.DBGrid3->model()->columnCount(), 5);
        w.Exit1->trigger();
    });
    EXPECT_EQ(code, 0);
}

TEST_P(Logins, AWrongPasswordShowsTheEnginesMessage)
{
    if (GetParam() == Backend::SQLite) {
        GTEST_SKIP() << "a SQLite file has no password";
    }
    options = WithLogin();
    TestDatabase db(GetParam(), options);
    seam.Then(Login(TestDatabase::PgUser(), QStringLiteral("wrong")));
    const int code = RunProgram(seam, [](TfMain&) {});
    EXPECT_EQ(code, 1);
    ASSERT_EQ(seam.shown.size(), 2u);
    EXPECT_TRUE(seam.shown[1].text.contains(QStringLiteral("Cannot open database.\r\n")));
    EXPECT_TRUE(seam.shown[1].text.contains(TestDatabase::RefusedPasswordWords()))
        << seam.shown[1].text.toStdString();
}

TEST(LoginDialog, FocusStartsWhereTheUserMustType)
{
    ScriptedSeam seam;
    TApplication app(QStringLiteral("/x/Cardovane"), seam);
    TLoginDialog withUser(QStringLiteral("Database1"), QStringLiteral("office"));
    EXPECT_EQ(withUser.focusWidget(), withUser.Password);
    TLoginDialog withoutUser(QStringLiteral("Database1"), QString());
    EXPECT_EQ(withoutUser.focusWidget(), withoutUser.UserName);
    TLoginDialog longName(QString(200, QLatin1Char('D')), QString());
    EXPECT_EQ(longName.DatabaseName->x() + longName.DatabaseName->width(),
              longName.Panel->width() - 5)
        << "a long name is cut 5 pixels short of the panel's edge";
}

INSTANTIATE_TEST_SUITE_P(Store, Logins, ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

}  // namespace
