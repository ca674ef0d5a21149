// Changes to the grid's cells and what takes them back: rows written, removed and put back,
// hidden rows below the row count following them, and lists kept beside the rows.
#include <gtest/gtest.h>

#include "toolkit/GridCells.h"
#include "toolkit/GridEdit.h"

namespace {

using Kind = TGridEditStep::Kind;

// A grid of one column: the title "T", rows "a".."" as given, then `hidden` rows past the row
// count.
TGridCells Column(const std::vector<std::string>& rows, const std::vector<std::string>& hidden)
{
    TGridCells cells(1, int(rows.size() + hidden.size()) + 1);
    cells.SetCell(0, 0, "T");
    for (std::size_t i = 0; i < rows.size() + hidden.size(); ++i) {
        cells.SetCell(0, int(i) + 1, i < rows.size() ? rows[i] : hidden[i - rows.size()]);
    }
    cells.SetRowCount(int(rows.size()) + 1);
    return cells;
}

// Every row the cells hold, shown or hidden: "T a b | x" with "|" at the row count.
std::string Held(const TGridCells& cells, int rows)
{
    std::string out;
    for (int r = 0; r < rows; ++r) {
        out += (r == cells.RowCount() ? " |" : "") + std::string(r ? " " : "") +
               std::string(cells.Cell(0, r));
    }
    return out + (rows == cells.RowCount() ? " |" : "");
}

TGridRow Row(int row, std::string text = {})
{
    return {row, text.empty() ? std::vector<std::string>{} : std::vector<std::string>{text}};
}

struct EditCase {
    const char* name;
    TGridEdit edit;
    const char* after;
};

class Edits : public ::testing::TestWithParam<EditCase> {};

TEST_P(Edits, RunAndAreTakenBackWhole)
{
    TGridCells cells = Column({"a", "b", "c", "d"}, {"x", "y"});
    const std::string before = Held(cells, 7);
    const TGridEdit back = ApplyGridEdit(cells, GetParam().edit);
    EXPECT_EQ(Held(cells, 7), GetParam().after);
    const TGridEdit again = ApplyGridEdit(cells, back);
    EXPECT_EQ(Held(cells, 7), before);
    ApplyGridEdit(cells, again);
    EXPECT_EQ(Held(cells, 7), GetParam().after) << "made again";
}

INSTANTIATE_TEST_SUITE_P(
    Grid, Edits,
    ::testing::Values(
        EditCase{"Set", {{{Kind::Set, {Row(2, "B"), Row(4, "D")}}}}, "T a B c D | x y"},
        EditCase{"RemoveApart", {{{Kind::Remove, {Row(1), Row(3)}}}}, "T b d | x y  "},
        EditCase{"RemoveEveryRowLeavesTheTitle",
                 {{{Kind::Remove, {Row(1), Row(2), Row(3), Row(4)}}}},
                 "T | x y    "},
        EditCase{"InsertApart", {{{Kind::Insert, {Row(1, "n"), Row(4, "m")}}}}, "T n a b m c d |"},
        EditCase{"SetThenRemove",
                 {{{Kind::Set, {Row(1, "A")}}, {Kind::Remove, {Row(2)}}}},
                 "T A c d | x y "},
        EditCase{"NoTitleRowIsRemoved", {{{Kind::Remove, {Row(0), Row(9)}}}}, "T a b c d | x y"}),
    [](const auto& p) { return p.param.name; });

TEST(Edits, AListBesideTheRowsFollowsRemovalsAndInsertions)
{
    std::vector<int> lines = {10, 20, 30, 40};
    FollowGridEdit(lines, {{{Kind::Remove, {Row(1), Row(3)}}, {Kind::Insert, {Row(2, "n")}}}});
    EXPECT_EQ(lines, (std::vector<int>{20, 0, 40}));
    FollowGridEdit(lines, {{{Kind::Set, {Row(1, "s")}}}});
    EXPECT_EQ(lines, (std::vector<int>{20, 0, 40}));
}

TEST(Edits, AnEditOfNoRowsIsEmpty)
{
    EXPECT_TRUE(TGridEdit{}.Empty());
    EXPECT_TRUE((TGridEdit{{{Kind::Remove, {}}}}.Empty()));
    EXPECT_FALSE((TGridEdit{{{Kind::Remove, {Row(1)}}}}.Empty()));
}

}  // namespace
