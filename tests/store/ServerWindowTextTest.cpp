// The statement that reads a window of a list on a server, as text: which parts it reads, what
// each part's condition is and which anchor value each parameter carries. The server list tests
// run the same statements against a live server.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/list/ServerList.h"

namespace {

// The condition of each part after the opening's snapshot, "" for a part with none.
std::vector<std::string> PartConditions(const std::string& text)
{
    constexpr std::string_view kSeen = "$1::txid_snapshot)";
    constexpr std::string_view kOrder = " order by ";
    std::vector<std::string> parts;
    for (std::size_t at = text.find(kSeen); at != std::string::npos;
         at = text.find(kSeen, at + 1)) {
        const std::size_t from = at + kSeen.size();
        const std::string rest = text.substr(from, text.find(kOrder, from) - from);
        parts.push_back(rest.starts_with(" and ") ? rest.substr(5) : rest);
    }
    return parts;
}

struct WindowCase {
    const char* name;
    std::vector<TServerValue> anchor;
    std::vector<std::string> parts;
    std::vector<TServerValue> values;  // after the snapshot
};

class ServerWindowText : public testing::TestWithParam<WindowCase> {};

TEST_P(ServerWindowText, ReadsThePartsAfterTheAnchorInTheListsOrder)
{
    const TServerWindow window = ServerWindowStatement("t", {"a", "b"}, GetParam().anchor, 7);
    EXPECT_EQ(PartConditions(window.text), GetParam().parts);
    ASSERT_FALSE(window.values.empty());
    EXPECT_EQ(window.values.front(), std::nullopt) << "the snapshot is the caller's";
    EXPECT_EQ(std::vector<TServerValue>(window.values.begin() + 1, window.values.end()),
              GetParam().values);
    EXPECT_TRUE(window.text.ends_with(") w order by cardovane_part, a, b, ctid limit 7"))
        << window.text;
    EXPECT_TRUE(
        window.text.starts_with("select * from ((select 0 as cardovane_part, ctid, * "
                                "from t where "))
        << window.text;
}

const TServerValue kNull;

INSTANTIATE_TEST_SUITE_P(
    Anchors, ServerWindowText,
    testing::Values(WindowCase{"First", {}, {""}, {}},
                    WindowCase{"AfterValues",
                               {"x", "1", "(0,1)"},
                               {"a = $2 and b = $3 and ctid > $4", "a = $5 and b > $6",
                                "a = $7 and b is null", "a > $8", "a is null"},
                               {"x", "1", "(0,1)", "x", "1", "x", "x"}},
                    // Nothing is after a null but the columns after it.
                    WindowCase{"AfterANullFirstKey",
                               {kNull, "1", "(0,2)"},
                               {"a is null and b = $2 and ctid > $3", "a is null and b > $4",
                                "a is null and b is null"},
                               {"1", "(0,2)", "1"}},
                    WindowCase{"AfterANullSecondKey",
                               {"x", kNull, "(0,3)"},
                               {"a = $2 and b is null and ctid > $3", "a > $4", "a is null"},
                               {"x", "(0,3)", "x"}},
                    WindowCase{"AfterNullsOnly",
                               {kNull, kNull, "(0,4)"},
                               {"a is null and b is null and ctid > $2"},
                               {"(0,4)"}}),
    [](const auto& row) { return std::string(row.param.name); });

// The whole list's COPY: the snapshot written into it only in the server's words, and the list
// read in the order of its keys, or of the first two alone where no two records share them.
struct CopyCase {
    const char* name;
    std::string snapshot;
    bool uniqueFirstKeys;
    const char* order;  // none where the statement is refused
};

class ServerListCopy : public testing::TestWithParam<CopyCase> {};

TEST_P(ServerListCopy, WritesTheSnapshotOnlyInTheServersWords)
{
    const std::string copy = ServerListCopyStatement("t", {"a", "b", "c"}, GetParam().snapshot,
                                                     GetParam().uniqueFirstKeys);
    if (!GetParam().order) {
        EXPECT_EQ(copy, "");
        return;
    }
    EXPECT_NE(copy.find("'" + GetParam().snapshot + "'::txid_snapshot"), std::string::npos) << copy;
    const std::string order = std::string(" order by ") + GetParam().order;
    EXPECT_NE(copy.find(order + " offset 0) seen where cardovane_part" + order + ") to stdout"),
              std::string::npos)
        << copy;
}

INSTANTIATE_TEST_SUITE_P(
    Snapshots, ServerListCopy,
    testing::Values(CopyCase{"WaitedOnNothing", "728:728:", false, "a, b, c, ctid"},
                    CopyCase{"WaitedOnSome", "720:730:722,725", false, "a, b, c, ctid"},
                    CopyCase{"UniqueFirstKeys", "728:728:", true, "a, b"},
                    CopyCase{"Quote", "1:1:'; drop table t; --", false, nullptr},
                    CopyCase{"Empty", "", false, nullptr},
                    CopyCase{"Words", "x:x:", false, nullptr}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
