// Where a window of the list on SQLite starts, for every kind of anchor: the conditions must
// take up exactly the records after the anchor, null keys first as SQLite sorts them.
#include <gtest/gtest.h>

#include "store/list/SqliteList.h"

namespace {

TSqliteValue Text(const char* text)
{
    return {SQLITE_TEXT, 0, 0, text};
}
TSqliteValue Number(sqlite3_int64 number)
{
    return {SQLITE_INTEGER, number, 0, {}};
}
const TSqliteValue kNull{};

// The values bound, as the condition reads them: texts as written, numbers as digits, null.
std::string Bound(const std::vector<TSqliteValue>& values)
{
    std::string out;
    for (const TSqliteValue& value : values) {
        out += out.empty() ? "" : " ";
        out += value.type == SQLITE_TEXT      ? value.bytes
               : value.type == SQLITE_INTEGER ? std::to_string(value.integer)
                                              : "null";
    }
    return out;
}

struct StartRow {
    const char* name;
    std::vector<TSqliteValue> anchor;
    bool unique;
    std::vector<std::pair<std::string, std::string>> parts;  // condition, values bound
};

class WindowStartTest : public testing::TestWithParam<StartRow> {};

TEST_P(WindowStartTest, ConditionsFollowTheAnchor)
{
    const StartRow& row = GetParam();
    const QStringList columns =
        row.unique ? QStringList{"psid", "psidsequence"}
                   : QStringList{"psid", "psidsequence", "lname", "fname", "rowid"};
    const std::vector<TListPart> parts = WindowStart(columns, row.anchor, row.unique);
    ASSERT_EQ(parts.size(), row.parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        EXPECT_EQ(parts[i].condition.toStdString(), row.parts[i].first) << "part " << i;
        EXPECT_EQ(Bound(parts[i].values), row.parts[i].second) << "part " << i;
        EXPECT_EQ(std::size_t(parts[i].condition.count(QLatin1Char('?'))), parts[i].values.size())
            << "part " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Anchors, WindowStartTest,
    testing::Values(
        StartRow{"FirstWindow", {}, false, {{"", ""}}},
        StartRow{"UniqueKeys",
                 {Text("josm"), Number(7)},
                 true,
                 {{"(psid, psidsequence) > (?, ?)", "josm 7"}}},
        StartRow{"WholeKey",
                 {Text("josm"), Number(7), Text("Smith"), Text("John"), Number(40)},
                 false,
                 {{"psid = ? and psidsequence = ? and (lname > ? or (lname is ? and (fname > ? or "
                   "(fname is ? and rowid > ?))))",
                   "josm 7 Smith Smith John John 40"},
                  {"(psid, psidsequence) > (?, ?)", "josm 7"}}},
        StartRow{"NullFirstKey",
                 {kNull, Number(2), kNull, Text("Ann"), Number(5)},
                 false,
                 {{"psidsequence >= ? and psid is null and (psidsequence > ? or (psidsequence is ? "
                   "and (lname is not null or (lname is null and (fname > ? or (fname is ? and "
                   "rowid > ?))))))",
                   "2 2 2 Ann Ann 5"},
                  {"psid is not null", ""}}},
        StartRow{"BothFirstKeysNull",
                 {kNull, kNull, Text("Lee"), kNull, Number(9)},
                 false,
                 {{"psid is null and (psidsequence is not null or (psidsequence is null and (lname "
                   "> ? or (lname is ? and (fname is not null or (fname is null and rowid > "
                   "?))))))",
                   "Lee Lee 9"},
                  {"psid is not null", ""}}},
        StartRow{"NullSequence",
                 {Text("anle"), kNull, kNull, kNull, Number(3)},
                 false,
                 {{"psid >= ? and (psid > ? or (psid is ? and (psidsequence is not null or "
                   "(psidsequence is null and (lname is not null or (lname is null and (fname is "
                   "not null or (fname is null and rowid > ?))))))))",
                   "anle anle anle 3"}}}),
    [](const testing::TestParamInfo<StartRow>& row) { return std::string(row.param.name); });

}  // namespace
