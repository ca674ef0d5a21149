// The flat index of a list's IDNums: every IDNum found again after the table has grown many
// times, repeats kept in row order whichever row comes first, a row taken away and put back.
#include <gtest/gtest.h>

#include <string>

#include "import/IdNumIndex.h"

namespace {

TEST(IdNumIndex, FindsEveryIdNumAfterGrowingAndKeepsEachOnesRowsInOrder)
{
    TIdNumIndex index;
    index.Clear(0);
    constexpr int kIds = 20000;
    for (int i = 0; i < kIds; ++i) {
        EXPECT_EQ(index.Add(std::to_string(i), i + 1), i);
    }
    EXPECT_EQ(index.Entries(), kIds);
    for (int i = 0; i < kIds; i += 997) {
        EXPECT_EQ(index.Find(std::to_string(i)), i);
        EXPECT_EQ(index.Rows(i), std::vector<int>{i + 1});
    }
    EXPECT_EQ(index.Find("x"), TIdNumIndex::kNone);
    EXPECT_EQ(index.Find(""), TIdNumIndex::kNone);

    // A repeat on an earlier row becomes the first; one on a later row follows.
    const int seven = index.Find("7");
    EXPECT_EQ(index.Add("7", 30000), seven);
    EXPECT_EQ(index.Add("7", 2), seven);
    EXPECT_EQ(index.Rows(seven), (std::vector<int>{2, 8, 30000}));
    EXPECT_EQ(index.First(seven), 2);
    index.Remove(seven, 2);
    index.Remove(seven, 30000);
    EXPECT_EQ(index.Rows(seven), std::vector<int>{8});
    index.Remove(seven, 8);
    EXPECT_EQ(index.Count(seven), 0u);
    EXPECT_EQ(index.Find("7"), seven) << "the entry stays for its IDNum";
    EXPECT_EQ(index.Add("7", 5), seven);
    EXPECT_EQ(index.Rows(seven), std::vector<int>{5});

    index.SetMark(seven, 3);
    EXPECT_EQ(index.Mark(seven), 3);
    index.Clear(10);
    EXPECT_EQ(index.Find("7"), TIdNumIndex::kNone);
    EXPECT_EQ(index.Entries(), 0);
}

TEST(IdNumIndex, IdNumsThatDifferOnlyPastANulOrInCaseAreApart)
{
    TIdNumIndex index;
    index.Clear(4);
    const int a = index.Add(std::string_view("1\0a", 3), 1);
    const int b = index.Add(std::string_view("1\0b", 3), 2);
    const int upper = index.Add("A7", 3);
    const int lower = index.Add("a7", 4);
    EXPECT_NE(a, b);
    EXPECT_NE(upper, lower);
    EXPECT_EQ(index.Id(b), std::string_view("1\0b", 3));
}

// A whole list indexed at once: entries in the order of their first rows, each IDNum's rows
// ascending, and what is indexed so found and added to as if added row by row.
TEST(IdNumIndex, AWholeListIsIndexedAsRowByRow)
{
    const std::vector<std::string> ids = {"", "7", "", "12", "7", "x", "12", "7", ""};
    TIdNumIndex index;
    const std::vector<int> entries =
        index.Build(int(ids.size()), [&](int r) { return std::string_view(ids[std::size_t(r)]); });
    EXPECT_EQ(entries, (std::vector<int>{TIdNumIndex::kNone, 0, TIdNumIndex::kNone, 1, 0, 2, 1, 0,
                                         TIdNumIndex::kNone}));
    EXPECT_EQ(index.Rows(0), (std::vector<int>{1, 4, 7}));
    EXPECT_EQ(index.Rows(1), (std::vector<int>{3, 6}));
    EXPECT_EQ(index.Find("x"), 2);
    EXPECT_EQ(index.Add("12", 2), 1);
    EXPECT_EQ(index.Rows(1), (std::vector<int>{2, 3, 6}));
    EXPECT_EQ(index.Add("new", 9), 3);

    // One IDNum on every row of a long list, and many IDNums: both indexed at once.
    const int rows = 200001;
    TIdNumIndex same;
    const std::vector<int> one = same.Build(rows, [](int) { return std::string_view("0"); });
    EXPECT_EQ(same.Count(0), std::size_t(rows - 1));
    EXPECT_EQ(one.back(), 0);
    std::vector<std::string> numbers(static_cast<std::size_t>(rows));
    for (int r = 1; r < rows; ++r) {
        numbers[std::size_t(r)] = std::to_string(r % 100000);
    }
    TIdNumIndex many;
    many.Build(rows, [&](int r) { return std::string_view(numbers[std::size_t(r)]); });
    EXPECT_EQ(many.Entries(), 100000);
    EXPECT_EQ(many.Rows(many.Find("42")), (std::vector<int>{42, 100042}));
}

}  // namespace
