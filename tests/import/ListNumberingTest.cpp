// The batch import's numbering: each row's key and the number after the largest stored for it or
// given to a row before it, and the file line a numbered row came from.
#include <gtest/gtest.h>

#include "import/ListNumbering.h"
#include "tests/import/ListCells.h"
#include "textio/Exception.h"

namespace {

struct NumberingCase {
    const char* name;
    std::vector<std::string> lines;
    std::map<std::string, std::string> stored;
    std::vector<TStudentRecord> numbered;
};

class Numbering : public testing::TestWithParam<NumberingCase> {};

TEST_P(Numbering, FollowsTheStoredAndTheListsOwnNumbers)
{
    EXPECT_EQ(NumberRows(Cells(GetParam().lines), GetParam().stored), GetParam().numbered);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Numbering,
    testing::Values(
        NumberingCase{"Empty", {}, {}, {}},
        NumberingCase{"NewKeysStartAtOne",
                      {"1,John,Smith", "2,Jane,Doe"},
                      {},
                      {{"josm", 1, "1", "John", "Smith"}, {"jado", 1, "2", "Jane", "Doe"}}},
        NumberingCase{"AKeyAgainInTheListTakesTheNext",
                      {"1,John,Smith", "2,Jo,Smyth", "3,JOHN,SMITH"},
                      {},
                      {{"josm", 1, "1", "John", "Smith"},
                       {"josm", 2, "2", "Jo", "Smyth"},
                       {"josm", 3, "3", "JOHN", "SMITH"}}},
        NumberingCase{"AfterTheStoredMaximum",
                      {"1,John,Smith", "2,Jo,Smyth"},
                      {{"josm", "4"}, {"jado", "9"}},
                      {{"josm", 5, "1", "John", "Smith"}, {"josm", 6, "2", "Jo", "Smyth"}}},
        NumberingCase{"AStoredKeyWithNoNumber",
                      {"1,John,Smith"},
                      {{"josm", ""}},
                      {{"josm", 1, "1", "John", "Smith"}}},
        // The fields as the grid holds them, commas of the last name included.
        NumberingCase{"FieldsAsTheGridHoldsThem",
                      {"7,Ann,Lee,Jr", ",,"},
                      {},
                      {{"anle", 1, "7", "Ann", "Lee,Jr"}, {"", 1, "", "", ""}}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Numbering, ANumberPastTheLargestIntegerIsRefused)
{
    EXPECT_THROW(NumberRows(Cells({"1,John,Smith"}), {{"josm", "2147483647"}}), Exception);
}

struct LineCase {
    std::vector<int> lines;
    std::size_t index;
    int line;
};

class LineOfNumberedRow : public testing::TestWithParam<LineCase> {};

TEST_P(LineOfNumberedRow, IsItsLineInTheFile)
{
    EXPECT_EQ(LineOfRow(GetParam().lines, GetParam().index), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Rows, LineOfNumberedRow,
                         testing::Values(LineCase{{}, 0, 1}, LineCase{{}, 4, 5},
                                         LineCase{{3, 7}, 0, 3}, LineCase{{3, 7}, 1, 7}));

}  // namespace
