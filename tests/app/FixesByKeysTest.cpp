// The review grid's fixes as an office worker uses them, by the keyboard alone: each school's
// list imported, mended by the fixes its grid's menu offers, taken back by Ctrl+Z and made again
// by Ctrl+Shift+Z and Ctrl+Y, posted and exported; the current mark's reason under the grid as
// F8 moves, and its fix on Ctrl+. .
#include <gtest/gtest.h>

#include <QTest>

#include "app/MainWindow.h"
#include "tests/import/SchoolLists.h"
#include "tests/support/PersonSeam.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestDatabase.h"
#include "toolkit/Buttons.h"
#include "toolkit/Panels.h"
#include "toolkit/StringGrid.h"

namespace {

std::vector<std::string> Rows(const TStringGrid& grid)
{
    std::vector<std::string> rows;
    for (int r = 1; r < grid.RowCount(); ++r) {
        rows.push_back(std::string(grid.Cell(0, r)) + "|" + std::string(grid.Cell(1, r)) + "|" +
                       std::string(grid.Cell(2, r)));
    }
    return rows;
}

// Imports the file by the keyboard, from the menu on.
void ImportByKeys(TfMain& w)
{
    ChooseMenuItem(w, 0);
    ASSERT_TRUE(TabTo(w, w.BitBtn4));
    QTest::keyClick(Focus(), Qt::Key_Space);
    // The file dialog has closed: the keyboard comes back to the window.
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow() && Focus(); }));
}

// Runs the program on an empty SQLite table: the list is imported by the keyboard, worked by
// the script, posted and exported; answers what the export wrote. No message may show.
QByteArray WorkTheList(const QByteArray& bytes, const std::function<void(TfMain&)>& script)
{
    InTemporaryWorkingDirectory cwd;
    TestDatabase db(Backend::SQLite, {});
    const QString list = WriteFile(cwd.Path(QStringLiteral("list.csv")), bytes);
    const QString exportPath = cwd.Path(QStringLiteral("out.csv"));
    PersonSeam seam;
    seam.Then(ChooseFileByKeys(list));
    const int code = RunProgram(seam, [&](TfMain& w) {
        ImportByKeys(w);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
        script(w);
        ASSERT_TRUE(TabTo(w, w.BitBtn5));
        QTest::keyClick(Focus(), Qt::Key_Space);
        EXPECT_EQ(w.LabelProgress->text(), QStringLiteral("Import Complete"));
        ExportByKeys(w, exportPath);
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(seam.MessageTexts(), QStringList());
    return ReadFile(exportPath);
}

class FixesByKeys : public ::testing::TestWithParam<SchoolList> {};

TEST_P(FixesByKeys, TheMenusFixesMendTheListAreTakenBackAndMadeAgainThenItIsPosted)
{
    const SchoolList& school = GetParam();
    const QByteArray exported =
        WorkTheList(QByteArray::fromStdString(school.bytes), [&](TfMain& w) {
            TStringGrid& grid = *w.SGRecordStudents;
            const std::vector<std::string> imported = Rows(grid);
            ASSERT_TRUE(TabTo(w, &grid));
            for (const std::string& fix : school.fixes) {
                const QString caption = QString::fromStdString(fix);
                const QStringList menu = ChooseFromContextMenu(grid, caption);
                ASSERT_FALSE(menu.isEmpty());
                EXPECT_EQ(menu.front(), caption) << "the first fix offered";
                ASSERT_EQ(Focus(), &grid);
            }
            EXPECT_EQ(Rows(grid), school.rows);
            EXPECT_FALSE(ChooseFromContextMenu(grid, QStringLiteral("Remove Rows"))
                             .front()
                             .contains(QLatin1Char('(')))
                << "no fix is left to offer; Remove Rows removed the current row";
            QTest::keyClick(&grid, Qt::Key_Z, Qt::ControlModifier);  // the row removed, back
            EXPECT_EQ(Rows(grid), school.rows);

            for (std::size_t i = 0; i < school.fixes.size(); ++i) {
                QTest::keyClick(&grid, Qt::Key_Z, Qt::ControlModifier);
            }
            EXPECT_EQ(Rows(grid), imported) << "every fix taken back";
            for (std::size_t i = 0; i < school.fixes.size(); ++i) {
                QTest::keyClick(
                    &grid, i % 2 ? Qt::Key_Y : Qt::Key_Z,
                    i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
            }
            EXPECT_EQ(Rows(grid), school.rows) << "and made again";
        });
    EXPECT_EQ(exported.toStdString(), school.exported);
}

INSTANTIATE_TEST_SUITE_P(Schools, FixesByKeys, ::testing::ValuesIn(SchoolLists()),
                         [](const auto& p) { return p.param.name; });

TEST(FixesByKeys, F8ShowsWhyACellIsMarkedAndCtrlDotFixesItAnEditIsTakenBackToo)
{
    const QByteArray list = "1001;Ann;Lee\r\n1002, Bob,Ray\r\n1003,Nguy?n,An\r\n";
    const QByteArray exported = WorkTheList(list, [&](TfMain& w) {
        TStringGrid& grid = *w.SGRecordStudents;
        EXPECT_EQ(w.LabelReason->text(), QString()) << "nothing is current yet";
        QTest::keyClick(Focus(), Qt::Key_F8);
        ASSERT_EQ(Focus(), &grid);
        EXPECT_EQ(w.LabelReason->text(),
                  QStringLiteral("Row 1, IDNum: saved with another separator: semicolons but no "
                                 "comma, so the whole line went into the Lastname"));
        QTest::keyClick(&grid, Qt::Key_F8);
        EXPECT_EQ(w.LabelReason->text(), QString()) << "the IDNum of row 2 is right";
        QTest::keyClick(&grid, Qt::Key_Right);
        EXPECT_EQ(w.LabelReason->text(),
                  QStringLiteral("Row 2, Firstname: blanks at the start or end of the Firstname"));
        QTest::keyClick(&grid, Qt::Key_Period, Qt::ControlModifier);
        EXPECT_EQ(grid.Cell(1, 2), "Bob");
        EXPECT_EQ(w.LabelReason->text(), QString());
        EXPECT_EQ(w.LabelFindings->text(),
                  QStringLiteral("Trimmed the blanks of 1 row. 2 rows need a look: 1 other "
                                 "separator, 1 lost letter"));
        QTest::keyClick(&grid, Qt::Key_F8);
        EXPECT_EQ(grid.Row(), 3);
        EXPECT_TRUE(w.LabelReason->text().startsWith(
            QStringLiteral("Row 3, Firstname: the Firstname has a ? where the spreadsheet")));
        QTest::keyClick(&grid, Qt::Key_Period, Qt::ControlModifier);
        EXPECT_EQ(w.LabelFindings->text(),
                  QStringLiteral("No fix mends this mark: correct the cell by hand. 2 rows need a "
                                 "look: 1 other separator, 1 lost letter"));
        // Corrected by hand, then taken back and made again.
        QTest::keyClick(&grid, Qt::Key_F2);
        QTest::keyClick(Focus(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(Focus(), QStringLiteral("Nguyen"));
        QTest::keyClick(Focus(), Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Focus() == &grid; }));
        EXPECT_EQ(grid.Cell(1, 3), "Nguyen");
        QTest::keyClick(&grid, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(grid.Cell(1, 3), "Nguy?n");
        EXPECT_TRUE(w.LabelReason->text().startsWith(QStringLiteral("Row 3, Firstname: ")));
        QTest::keyClick(&grid, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(grid.Cell(1, 3), "Nguyen");
        QTest::keyClick(&grid, Qt::Key_F8, Qt::ShiftModifier);
        EXPECT_EQ(grid.Row(), 1);
        QTest::keyClick(&grid, Qt::Key_Period, Qt::ControlModifier);
        EXPECT_EQ(w.LabelFindings->text(),
                  QStringLiteral("Split 1 row at semicolons. No row needs a look"));
    });
    EXPECT_EQ(exported, "1001,Ann,Lee\r\n1002,Bob,Ray\r\n1003,Nguyen,An\r\n");
}

}  // namespace
