// The data module, the student list grid and the login and password dialogs, on a real SQLite
// file and on the PostgreSQL server of the test command.
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
#include "store/list/StudentListQuery.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ScriptedSeam.h"
#include "tests/support/TestDatabase.h"
#include "toolkit/Buttons.h"
#include "toolkit/DBGrid.h"
#include "toolkit/EditControls.h"
#include "toolkit/Panels.h"
#include "toolkit/StringGrid.h"

namespace {

class DataModule : public OnEachBackend {
protected:
    TestDatabase::Options options;
    InTemporaryWorkingDirectory cwd;
    ScriptedSeam seam;
};

TEST_P(DataModule, EmptyTableShowsTheTitleRowOnly)
{
    TestDatabase db(GetParam(), options);
    const int code = RunProgram(seam, [&](TfMain& w) {
        TDBGrid& grid = *w.DBGrid3;
        EXPECT_EQ(grid.model()->rowCount(), 0);
        ASSERT_EQ(grid.model()->columnCount(), 5);
        QStringList titles;
        for (int i = 0; i < 5; ++i) {
            titles << grid.model()->headerData(i, Qt::Horizontal).toString().toLower();
        }
        EXPECT_EQ(titles, (QStringList{"psid", "psidsequence", "studentid", "fname", "lname"}));
        w.Exit1->trigger();
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(seam.shown.empty()) << seam.shown.front().text.toStdString();
}

TEST_P(DataModule, TwoSessionsInOneProcessKeepTheirConnectionsApart)
{
    TestDatabase db(GetParam(), options);
    db.Insert(QStringLiteral("('a', 1, '1', 'A', 'A')"));
    TSession first(QStringLiteral("First"));
    TQuery firstList(first);
    SetUpStudentListQuery(firstList, QStringLiteral("DVK"));
    firstList.Open();
    {
        TSession second(QStringLiteral("Second"));
        TQuery secondList(second);
        SetUpStudentListQuery(secondList, QStringLiteral("DVK"));
        secondList.Open();
        EXPECT_EQ(secondList.RecordCount(), 1);
    }
    // The second session took its connections with it; the first one's are still its own.
    firstList.Close();
    firstList.Open();
    EXPECT_EQ(firstList.RecordCount(), 1);
}

TEST_P(DataModule, ListShowsTheTableInListOrderAndFollowsTheGrid)
{
    options.uniqueKey = false;  // a table of earlier versions may hold a number twice
    TestDatabase db(GetParam(), options);
    db.Insert(
        "('josm', 2, '7', 'John', 'Smith'), ('abcd', 1, '9', 'Ab', 'Cd'), "
        "('josm', 1, '8', 'Jo', 'Smyth'), ('josm', 1, '6', 'Jo', 'Smith')");
    const int code = RunProgram(seam, [&](TfMain& w) {
        QAbstractItemModel* model = w.DBGrid3->model();
        ASSERT_EQ(model->rowCount(), 4);
        EXPECT_EQ(model->index(0, 2).data().toString(), QStringLiteral("9"));
        EXPECT_EQ(model->index(1, 4).data().toString(), QStringLiteral("Smith"));  // lname orders
        EXPECT_EQ(model->index(2, 4).data().toString(), QStringLiteral("Smyth"));
        EXPECT_EQ(model->index(3, 1).data().toString(), QStringLiteral("2"));
        // Keys move the current record; the browse-only grid neither edits nor adds rows.
        w.ImportList1->trigger();
        w.DBGrid3->setFocus();
        QTest::keyClick(w.DBGrid3, Qt::Key_End);
        EXPECT_EQ(w.DBGrid3->currentIndex().row(), 3);
        QTest::keyClick(w.DBGrid3, Qt::Key_Down);
        QTest::keyClick(w.DBGrid3, Qt::Key_Insert);
        QTest::keyClick(w.DBGrid3, Qt::Key_F2);
        QTest::keyClick(w.DBGrid3, Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(model->rowCount(), 4);
        EXPECT_EQ(w.DBGrid3->currentIndex().row(), 3);
        EXPECT_FALSE(w.DBGrid3->isPersistentEditorOpen(w.DBGrid3->currentIndex()));
        QTest::keyClick(w.DBGrid3, Qt::Key_Up);
        QTest::keyClick(w.DBGrid3, Qt::Key_Left);
        EXPECT_EQ(w.DBGrid3->currentIndex().row(), 1);
        QTest::keyClick(w.DBGrid3, Qt::Key_Home);
        EXPECT_EQ(w.DBGrid3->currentIndex().row(), 0);
        w.Exit1->trigger();
    });
    EXPECT_EQ(code, 0);
}

TEST_P(DataModule, AListThatCannotBeReadAnyFurtherIsToldOnceAndClosed)
{
    if (GetParam() != Backend::SQLite) {
        GTEST_SKIP() << "the server keeps the list it opened, dropped table or not";
    }
    TestDatabase db(GetParam(), options);
    db.InsertNumberedStudents(60000);  // more windows than stay in memory
    const int code = RunProgram(seam, [&](TfMain& w) {
        w.ImportList1->trigger();
        TDBGrid& grid = *w.DBGrid3;
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                          grid.visualRect(grid.model()->index(0, 0)).center());
        QTest::keyClick(&grid, Qt::Key_End);
        ASSERT_EQ(grid.model()->rowCount(), 60000);
        db.DropTable();
        // Back up by pages to where the records read first have left memory.
        for (int i = 0; i < 5000 && w.DataModule()->QNames.Active(); ++i) {
            QTest::keyClick(&grid, Qt::Key_PageUp);
        }
        EXPECT_FALSE(w.DataModule()->QNames.Active());
        EXPECT_EQ(grid.model()->rowCount(), 0);
        grid.viewport()->repaint();
        QCoreApplication::processEvents();
        w.Exit1->trigger();
    });
    EXPECT_EQ(code, 0);
    ASSERT_EQ(seam.MessageTexts().size(), 1);
    EXPECT_TRUE(seam.MessageTexts()[0].contains(QStringLiteral("no such table")))
        << seam.MessageTexts()[0].toStdString();
}

TEST_P(DataModule, ASecondActivationRunsNoStatementAndKeepsTheCurrentRow)
{
    TestDatabase db(GetParam(), options);
    db.Insert("('aa', 1, '1', 'A', 'A'), ('bb', 1, '2', 'B', 'B'), ('cc', 1, '3', 'C', 'C')");
    RunProgram(seam, [&](TfMain& w) {
        w.DBGrid3->setCurrentIndex(w.DBGrid3->model()->index(2, 0));
        db.Insert("('dd', 1, '4', 'D', 'D')");
        w.FormActivate(&w);
        EXPECT_EQ(w.DBGrid3->model()->rowCount(), 3) << "the list was not run again";
        EXPECT_EQ(w.DBGrid3->currentIndex().row(), 2);
        w.Exit1->trigger();
    });
}

TEST_P(DataModule, RowsInsertedOverDatabase1ShowOnceTheListIsReopened)
{
    TestDatabase db(GetParam(), options);
    ScriptedSeam quiet;
    TApplication app(QStringLiteral("/x/Cardovane"), quiet);
    TfDM1 dm(app);
    TDBGrid grid;
    grid.SetDataSource(&dm.DSNames);
    QAbstractItemModelTester tester(grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    dm.QNames.Open();
    EXPECT_TRUE(dm.QNames.Eof());
    // The connection is found without regard to case.
    TSqlStatement insert(dm.Session, QStringLiteral("DATABASE1"),
                         {TestDatabase::kInsertPrefix.toStdString(), "(:a, :b, :c, :d, :e)"});
    EXPECT_EQ(insert.Execute({"zz", 1, "5", "", "Lee"}), 1);
    EXPECT_EQ(dm.QNames.RecordCount(), 0);
    dm.QNames.Close();
    dm.QNames.Open();
    ASSERT_EQ(dm.QNames.RecordCount(), 1);
    EXPECT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(dm.QNames.FieldByName(QStringLiteral("STUDENTID")).AsString(), "5");
    EXPECT_EQ(dm.QNames.FieldByName(QStringLiteral("psidsequence")).AsString(), "1");
    EXPECT_EQ(db.Stored(QStringLiteral("fname = ''")), 1)
        << "an empty text is stored as empty text";
    try {
        dm.QNames.FieldByName(QStringLiteral("nosuch"));
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "QNames: Field 'nosuch' not found");
    }
}

TEST_P(DataModule, AMissingTableIsShownAndTheNextActivationTriesAgain)
{
    options.createTable = false;
    TestDatabase db(GetParam(), options);
    const int code = RunProgram(seam, [&](TfMain& w) {
        ASSERT_EQ(seam.MessageTexts().size(), 1);
        EXPECT_TRUE(seam.MessageTexts()[0].startsWith(QStringLiteral("General SQL error.\r\n")))
            << seam.MessageTexts()[0].toStdString();
        EXPECT_EQ(w.DBGrid3->model()->rowCount(), 0);
        db.Exec(QString::fromUtf8(kCreateStudentListTable));
        db.Insert("('aa', 1, '1', 'A', 'A')");
        w.FormActivate(&w);
        EXPECT_EQ(w.DBGrid3->model()->rowCount(), 1);
        w.Exit1->trigger();
    });
    EXPECT_EQ(code, 0);
}

TEST_P(DataModule, AProtectedTableAsksForItsPassword)
{
    options.tablePassword = QStringLiteral("s3cret");
    TestDatabase db(GetParam(), options);
    seam.Then([](QDialog& d) {
        auto& dialog = dynamic_cast<TPasswordDialog&>(d);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Enter password"));
        EXPECT_FALSE(dialog.OKButton->isEnabled());
        EXPECT_FALSE(dialog.AddButton->isEnabled());
        EXPECT_TRUE(dialog.RemoveAllButton->isEnabled());
        dialog.Edit->setText(QStringLiteral("wrong"));
        EXPECT_TRUE(dialog.AddButton->isEnabled());
        dialog.AddButton->click();
        EXPECT_TRUE(dialog.Edit->text().isEmpty());
        EXPECT_FALSE(dialog.AddButton->isEnabled());
        EXPECT_TRUE(dialog.OKButton->isEnabled()) << "a password was added in this dialog";
        return int(QDialog::Accepted);
    });
    seam.Then(Cancel());  // asked again: the wrong password did not do
    const int code = RunProgram(seam, [&](TfMain& w) {
        ASSERT_EQ(seam.MessageTexts().size(), 1);
        EXPECT_EQ(seam.MessageTexts()[0],
                  QStringLiteral("Table password required.\r\nTable: studentlist."));
        seam.Then([](QDialog& d) {
            auto& dialog = dynamic_cast<TPasswordDialog&>(d);
            dialog.Edit->setText(QStringLiteral("s3cret"));
            dialog.OKButton->click();
            return dialog.result();
        });
        w.FormActivate(&w);
        EXPECT_EQ(w.DBGrid3->model()->columnCount(), 5);
        w.Exit1->trigger();
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(seam.CountOf(QStringLiteral("TPasswordDialog")), 3);
}

TEST_P(DataModule, ANestedActivationOpensNothingTwice)
{
    options = WithLogin();
    TestDatabase db(GetParam(), options);
    seam.Then(Login(TestDatabase::PgUser(), TestDatabase::PgPassword()));
    seam.Then([&](QDialog& d) {
        // The focus coming back to the window while the list is still being opened.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<TfMain*>(w)) {
                window->FormActivate(window);
            }
        }
        return Login(TestDatabase::PgUser(), TestDatabase::PgPassword())(d);
    });
    const int code = RunProgram(seam, [&](TfMain& w) {
        EXPECT_EQ(w.DBGrid3->model()->columnCount(), 5);
        w.Exit1->trigger();
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(seam.CountOf(QStringLiteral("TLoginDialog")), 2);
}

TEST_P(DataModule, ThePointerShowsTheDatabaseAtWorkForFiftyMilliseconds)
{
    TestDatabase db(GetParam(), options);
    ScriptedSeam quiet;
    TApplication app(QStringLiteral("/x/Cardovane"), quiet);
    TfDM1 dm(app);
    dm.QNames.Open();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::overrideCursor(), nullptr, 1000);

    EXPECT_THROW(TSqlStatement(dm.Session, kDatabase1, "select * from nosuchtable"),
                 EDBEngineError);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "an error restores it at once";
}

INSTANTIATE_TEST_SUITE_P(Store, DataModule, ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

}  // namespace
