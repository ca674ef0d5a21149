#include <gtest/gtest.h>

#include <functional>

#include <QAbstractItemModelTester>
#include <QHelpEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include "toolkit/Buttons.h"
#include "toolkit/GridCells.h"
#include "toolkit/Panels.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/Splitter.h"
#include "toolkit/StringGrid.h"

namespace {

TEST(StringGrid, RowCountRules)
{
    TStringGrid grid;
    QAbstractItemModelTester tester(grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy resets(grid.model(), &QAbstractItemModel::modelReset);
    EXPECT_EQ(grid.RowCount(), 17);
    grid.SetRowCount(17);
    EXPECT_EQ(resets.count(), 0) << "the value it has changes nothing";
    grid.SetRowCount(-4);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedRows(), 0);
    grid.SetRowCount(9);
    EXPECT_EQ(grid.FixedRows(), 0) << "no later row count brings the title row back";
    EXPECT_EQ(grid.model()->rowCount(), 9);
}

TEST(StringGrid, TextsOutliveALowerRowCount)
{
    TStringGrid grid;
    QAbstractItemModelTester tester(grid.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    grid.SetCell(2, 10, "kept");
    grid.SetRowCount(5);
    EXPECT_EQ(grid.model()->rowCount(), 4);
    EXPECT_EQ(grid.Cell(2, 10), "kept");
    grid.SetCell(1, 40, "past the end");  // stored, not shown
    EXPECT_EQ(grid.model()->rowCount(), 4);
    grid.SetRowCount(41);
    EXPECT_EQ(grid.model()->index(39, 1).data().toString(), QStringLiteral("past the end"));
    EXPECT_EQ(grid.model()->index(9, 2).data().toString(), QStringLiteral("kept"));
    EXPECT_EQ(grid.Cell(7, 1), "") << "out of range reads empty";
}

TEST(StringGrid, EditsInTheViewReachTheCellsButNotTheTitleRow)
{
    TStringGrid grid;
    grid.SetCell(0, 0, "IDNum");
    QAbstractItemModel& model = *grid.model();
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("IDNum"));
    EXPECT_TRUE(model.setData(model.index(0, 0), QString::fromUtf8("J\xC3\xBCrgen")));
    EXPECT_EQ(grid.Cell(0, 1), "J\xC3\xBCrgen");
    EXPECT_EQ(grid.Cell(0, 0), "IDNum");
}

TEST(StringGrid, UpdatesAreShownWhenTheyEnd)
{
    TStringGrid grid;
    QSignalSpy changes(grid.model(), &QAbstractItemModel::dataChanged);
    grid.BeginUpdate();
    for (int row = 1; row < 17; ++row) {
        grid.SetCell(0, row, "x");
    }
    EXPECT_EQ(changes.count(), 0);
    grid.EndUpdate();
    EXPECT_EQ(changes.count(), 1);
    grid.SetCell(1, 2, "y");
    EXPECT_EQ(changes.count(), 2);
}

TEST(StringGrid, SetRowMovesTheCurrentCellInItsColumn)
{
    TStringGrid grid;
    grid.setCurrentIndex(grid.model()->index(0, 2));
    grid.SetRow(7);
    EXPECT_EQ(grid.Row(), 7);
    EXPECT_EQ(grid.Col(), 2);
}

TEST(GridCells, RewrittenCellsKeepEveryTextWhateverItsLength)
{
    TGridCells cells(3, 2);
    cells.SetCell(0, 1, "a fairly long first name");
    cells.SetCell(1, 1, "Lee");
    // Shorter in place, longer at the end, a cell's own text, and many rewrites that leave
    // old texts behind until they are dropped.
    cells.SetCell(0, 1, "Ann");
    cells.SetCell(1, 1, "Marie-Louise de la Tour");
    cells.SetCell(2, 1, cells.Cell(1, 1));
    for (int i = 0; i < 20000; ++i) {
        cells.SetCell(0, 0, std::string(std::size_t(i % 40), 'x') + std::to_string(i));
    }
    EXPECT_EQ(cells.Cell(0, 0), std::string(19999 % 40, 'x') + "19999");
    EXPECT_EQ(cells.Cell(0, 1), "Ann");
    EXPECT_EQ(cells.Cell(1, 1), "Marie-Louise de la Tour");
    EXPECT_EQ(cells.Cell(2, 1), "Marie-Louise de la Tour");
    EXPECT_EQ(cells.Cell(2, 5), "");
}

// Rows removed from a list of "r1".."r6" under its title row, with two hidden rows below.
struct RemovalCase {
    const char* name;
    std::function<void(TGridCells&)> remove;
    std::vector<std::string> left;  // rows 1 on, as far as the row count goes
    int fixedRows;
};

class RowRemoval : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(RowRemoval, MovesTheRowsBelowUpAndTheRowCountFollows)
{
    TGridCells cells(1, 9);
    cells.SetCell(0, 0, "title");
    for (int r = 1; r <= 8; ++r) {
        cells.SetCell(0, r, "r" + std::to_string(r));
    }
    cells.SetRowCount(7);  // r7 and r8 hidden
    cells.SetCell(0, 3, "r3 longer than it was");
    GetParam().remove(cells);
    std::vector<std::string> left;
    for (int r = 1; r < cells.RowCount(); ++r) {
        left.emplace_back(cells.Cell(0, r));
    }
    EXPECT_EQ(left, GetParam().left);
    EXPECT_EQ(cells.FixedRows(), GetParam().fixedRows);
    EXPECT_EQ(cells.Cell(0, 0), "title");
    // The hidden rows follow the ones above them.
    cells.SetRowCount(cells.RowCount() + 2);
    EXPECT_EQ(cells.Cell(0, cells.RowCount() - 1), "r8");
}

INSTANTIATE_TEST_SUITE_P(
    GridCells, RowRemoval,
    ::testing::Values(
        RemovalCase{"ARun", [](TGridCells& c) { c.RemoveRows(2, 2); }, {"r1", "r4", "r5", "r6"}, 1},
        RemovalCase{"Scattered",
                    [](TGridCells& c) {
                        c.RemoveRows(std::vector<int>{5, 1, 3, 3});
                    },
                    {"r2", "r4", "r6"},
                    1},
        RemovalCase{"NeverTheTitleNorPastTheEnd",
                    [](TGridCells& c) {
                        c.RemoveRows(std::vector<int>{0, 6, 7, 40});
                    },
                    {"r1", "r2", "r3 longer than it was", "r4", "r5"},
                    1},
        RemovalCase{"RunPastTheEndIsCut",
                    [](TGridCells& c) { c.RemoveRows(5, 10); },
                    {"r1", "r2", "r3 longer than it was", "r4"},
                    1},
        // Every data row gone: the title row stays a title row, and nothing is left to post.
        RemovalCase{"Everything", [](TGridCells& c) { c.RemoveRows(1, 6); }, {}, 1}),
    [](const auto& p) { return p.param.name; });

TEST(ProgressBar, StartsOverPastItsMaximum)
{
    TProgressBar bar;
    for (int i = 0; i < 100; ++i) {
        bar.StepIt();
    }
    EXPECT_EQ(bar.value(), 100);
    bar.StepIt();
    EXPECT_EQ(bar.value(), 0);
    bar.StepIt();
    EXPECT_EQ(bar.value(), 1);
}

TEST(Splitter, KeepsEachHalfAtLeastThirtyPixelsOrClosesTheLeft)
{
    QWidget host;
    TSplitter splitter(&host);
    splitter.addWidget(new QWidget);
    splitter.addWidget(new QWidget);
    splitter.resize(500, 100);
    EXPECT_EQ(splitter.ReleasedPosition(-20), 0);
    EXPECT_EQ(splitter.ReleasedPosition(200), 200);
    EXPECT_EQ(splitter.ReleasedPosition(490), 500 - 7 - 30);

    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    QSplitterHandle* handle = splitter.handle(1);
    const auto drag = [&](int x, bool escape) {
        QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(3, 50));
        QMouseEvent move(QEvent::MouseMove, QPointF(x - handle->x() + 3, 50),
                         handle->mapToGlobal(QPointF(x - handle->x() + 3, 50)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(handle, &move);
        if (escape) {
            QTest::keyClick(&splitter, Qt::Key_Escape);
        }
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(x - handle->x() + 3, 50));
    };
    splitter.setSizes({200, 293});
    drag(120, false);
    EXPECT_EQ(splitter.sizes().at(0), 120);
    drag(300, true);
    EXPECT_EQ(splitter.sizes().at(0), 120) << "Esc cancels the drag";
    drag(25, false);
    EXPECT_EQ(splitter.sizes().at(0), 0) << "released at 30 or less, the left half closes";
}

// A caption wider than its fixed-size control (a longer language's words) ends in an ellipsis
// and shows whole as the control's tooltip; one that fits is shown as it is, with no tooltip.
TEST(Captions, ACutCaptionShowsWholeAsItsTooltip)
{
    const struct {
        const char* caption;
        int width;
        bool cut;
    } cases[] = {
        {"&OK", 75, false},
        {"&Alle Passwörter entfernen", 71, true},
        {"Re&move all", 200, false},
        {"Übernahme rückgängig machen", 60, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const QString caption = QString::fromUtf8(c.caption);
        TButton button(caption, nullptr);
        TLabel label;
        label.setText(caption);
        label.SetElided(true);
        for (QWidget* control : {static_cast<QWidget*>(&button), static_cast<QWidget*>(&label)}) {
            SCOPED_TRACE(control->metaObject()->className());
            control->setGeometry(0, 0, c.width, 25);
            control->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(control));
            EXPECT_EQ(control == &button ? button.CaptionCut() : label.CaptionCut(), c.cut);
            QToolTip::hideText();
            QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), control->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(control, &help);
            EXPECT_EQ(QToolTip::isVisible(), c.cut);
            if (c.cut) {
                EXPECT_EQ(QToolTip::text(),
                          control == &button ? QString(caption).remove(QLatin1Char('&')) : caption);
            }
            control->hide();
        }
    }
    QToolTip::hideText();
}

}  // namespace
