// The review grid points at what to correct, as a person works it by the keyboard: the marks
// after an import, F8 from one to the next, a correction taking its mark away, rows removed by
// Ctrl+Delete and by the grid's menu, then the posting and the export of what was left.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "app/MainWindow.h"
#include "tests/support/PersonSeam.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestDatabase.h"
#include "toolkit/Buttons.h"
#include "toolkit/Panels.h"
#include "toolkit/StatusBar.h"
#include "toolkit/StringGrid.h"

namespace {

// Rows 1 to 8: a heading, a repeat, another separator, a right row, the repeat again, a student
// stored already, a digit in a name, a right row.
const QByteArray kList =
    "IDNum,Firstname,Lastname\r\n1001,Ann,Lee\r\n1002;Bob;Ray\r\n1003,Cy,Oz\r\n1001,Ann,Lee\r\n"
    "1004,Dee,Ek\r\n1005,Al2,Bo\r\n1006,Ed,Fay\r\n";

// The note a cell of the grid carries, as its tooltip and a screen reader give it.
QString Note(TStringGrid& grid, int col, int row)
{
    const QModelIndex at = grid.model()->index(row - grid.FixedRows(), col);
    EXPECT_EQ(at.data(Qt::ToolTipRole), at.data(Qt::AccessibleDescriptionRole));
    return at.data(Qt::ToolTipRole).toString();
}

class ReviewFindings : public OnEachBackend {};

TEST_P(ReviewFindings, MarksLeadToTheRowsAndGoAsTheyAreCorrectedThenWhatIsLeftIsPosted)
{
    InTemporaryWorkingDirectory cwd;
    TestDatabase db(GetParam(), {});
    db.Insert(QStringLiteral("('deek', 1, '1004', 'Dee', 'Ek')"));
    const QString listPath = WriteFile(cwd.Path(QStringLiteral("list.csv")), kList);
    const QString exportPath = cwd.Path(QStringLiteral("out.csv"));
    PersonSeam seam;
    seam.Then(ChooseFileByKeys(listPath));
    const int code = RunProgram(seam, [&](TfMain& w) {
        TStringGrid& grid = *w.SGRecordStudents;
        ChooseMenuItem(w, 0);
        ASSERT_TRUE(TabTo(w, w.BitBtn4));
        QTest::keyClick(Focus(), Qt::Key_Space);
        ASSERT_EQ(grid.RowCount(), 9);
        EXPECT_EQ(w.LabelFindings->text(),
                  QStringLiteral("6 rows need a look: 1 heading, 1 other separator, 1 digit in a "
                                 "name, 2 repeated IDNums, 1 already stored"));
        EXPECT_EQ(Note(grid, 0, 2), QStringLiteral("IDNum 1001 is also on row 5"));
        EXPECT_EQ(Note(grid, 0, 6), QStringLiteral("IDNum 1004 is already stored, for Dee Ek"));
        EXPECT_EQ(Note(grid, 1, 7), QStringLiteral("the Firstname holds a digit"));
        EXPECT_EQ(Note(grid, 0, 7), QString()) << "only the cell that is wrong";
        EXPECT_EQ(Note(grid, 2, 4), QString());

        // F8 from mark to mark, wherever the focus is on the page; Shift+F8 back.
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow() && Focus(); }));
        std::vector<int> visited;
        for (int i = 0; i < 7; ++i) {
            QTest::keyClick(Focus(), Qt::Key_F8);
            visited.push_back(grid.Row());
        }
        EXPECT_EQ(visited, (std::vector<int>{1, 2, 3, 5, 6, 7, 7}));
        ASSERT_EQ(Focus(), &grid);
        QTest::keyClick(Focus(), Qt::Key_F8, Qt::ShiftModifier);
        EXPECT_EQ(grid.Row(), 6);
        QTest::keyClick(Focus(), Qt::Key_F8);

        // The digit corrected: its mark goes at once.
        QTest::keyClick(&grid, Qt::Key_Right);
        QTest::keyClick(&grid, 'A');  // the key that opens the editor
        ASSERT_NE(Focus(), &grid);
        QTest::keyClick(Focus(), Qt::Key_L);
        QTest::keyClick(Focus(), Qt::Key_Return);
        // The item view commits an edit once the key's event is over.
        ASSERT_TRUE(QTest::qWaitFor([&] { return Focus() == &grid; }));
        EXPECT_EQ(Note(grid, 1, 7), QString());
        EXPECT_EQ(w.LabelFindings->text(),
                  QStringLiteral("5 rows need a look: 1 heading, 1 other separator, 2 repeated "
                                 "IDNums, 1 already stored"));

        // The heading and the line saved with semicolons removed by Ctrl+Delete, a row each.
        QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        QTest::keyClick(&grid, Qt::Key_Down);
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(grid.RowCount(), 7);
        EXPECT_EQ(QString::fromUtf8(grid.Cell(0, 2).data(), grid.Cell(0, 2).size()), "1003");
        // The stored student by the grid's menu, where its fix is offered; then the repeat.
        EXPECT_EQ(
            ChooseFromContextMenu(grid, QStringLiteral("Remove Rows Already Stored")).mid(0, 2),
            (QStringList{QStringLiteral("Remove Repeated Rows (1)"),
                         QStringLiteral("Remove Rows Already Stored (1)")}));
        EXPECT_EQ(grid.RowCount(), 6);
        QTest::keyClick(&grid, Qt::Key_F8);
        QTest::keyClick(&grid, Qt::Key_F8);
        EXPECT_EQ(grid.Row(), 3);
        QTest::keyClick(&grid, Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(w.LabelFindings->text(), QStringLiteral("No row needs a look"));

        ASSERT_TRUE(TabTo(w, w.BitBtn5));
        QTest::keyClick(Focus(), Qt::Key_Space);
        EXPECT_EQ(w.LabelProgress->text(), QStringLiteral("Import Complete"));
        EXPECT_EQ(w.LabelFindings->text(), QStringLiteral("4 rows need a look: 4 already stored"));
        ExportByKeys(w, exportPath);
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(seam.MessageTexts(), QStringList());
    EXPECT_EQ(ReadFile(exportPath),
              "1005,Al,Bo\r\n1001,Ann,Lee\r\n1003,Cy,Oz\r\n1004,Dee,Ek\r\n1006,Ed,Fay\r\n");
}

INSTANTIATE_TEST_SUITE_P(App, ReviewFindings,
                         ::testing::Values(Backend::SQLite, Backend::PostgreSQL),
                         [](const auto& p) { return BackendName(p.param); });

}  // namespace
