// Where a window of the list on SQLite starts, run against real rows of an in-memory database:
// from every record as the anchor, the window's parts read in turn give exactly the records after
// it, in the list's order, null keys first as SQLite sorts them. And the windows kept in memory.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <memory>

#include "store/list/SqliteList.h"
#include "store/list/WindowCache.h"

namespace {

// An in-memory database with the columns that order a list, closed when it goes.
class MemoryList {
public:
    explicit MemoryList(const char* rows)
    {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        db_.reset(db);
        const std::string script = std::string(
                                       "create table t (psid, psidsequence, lname, fname);"
                                       "insert into t values ") +
                                   rows;
        EXPECT_EQ(sqlite3_exec(db, script.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
    }
    sqlite3* Handle() const { return db_.get(); }

    // The rows that meet the condition, in the list's order, as their row numbers; and the key
    // (the values of the ordering columns) of each.
    std::vector<sqlite3_int64> Read(const QStringList& columns, const TListPart& part,
                                    std::vector<std::vector<TSqliteValue>>* keys = nullptr) const
    {
        QString text = QStringLiteral("select rowid, %1 from t").arg(columns.join(", "));
        if (!part.condition.isEmpty()) {
            text += QStringLiteral(" where ") + part.condition;
        }
        text += QStringLiteral(" order by ") + columns.join(", ");
        TSqliteStatement statement(db_.get(), text);
        for (std::size_t i = 0; i < part.values.size(); ++i) {
            statement.Bind(int(i) + 1, part.values[i]);
        }
        std::vector<sqlite3_int64> rows;
        while (statement.Step()) {
            rows.push_back(statement.Value(0).integer);
            if (keys) {
                keys->emplace_back();
                for (int c = 1; c < statement.Columns(); ++c) {
                    keys->back().push_back(statement.Value(c));
                }
            }
        }
        return rows;
    }

private:
    struct Close {
        void operator()(sqlite3* db) const { sqlite3_close(db); }
    };
    std::unique_ptr<sqlite3, Close> db_;
};

struct ListCase {
    const char* name;
    bool uniqueFirstKeys;
    const char* rows;
};

class WindowStartOnRealRows : public testing::TestWithParam<ListCase> {};

TEST_P(WindowStartOnRealRows, FromEveryAnchorThePartsGiveExactlyTheRecordsAfterIt)
{
    const ListCase& list = GetParam();
    const MemoryList db(list.rows);
    const QStringList columns =
        list.uniqueFirstKeys ? QStringList{"psid", "psidsequence"}
                             : QStringList{"psid", "psidsequence", "lname", "fname", "rowid"};
    std::vector<std::vector<TSqliteValue>> keys;
    const std::vector<sqlite3_int64> all = db.Read(columns, {}, &keys);
    ASSERT_GT(all.size(), 3u);
    for (std::size_t at = 0; at <= all.size(); ++at) {
        // The first window has no anchor; each later one starts after the record at - 1.
        const std::vector<TSqliteValue> anchor =
            at == 0 ? std::vector<TSqliteValue>{} : keys[at - 1];
        std::vector<sqlite3_int64> read;
        for (const TListPart& part : WindowStart(columns, anchor, list.uniqueFirstKeys)) {
            EXPECT_EQ(std::size_t(part.condition.count(QLatin1Char('?'))), part.values.size())
                << part.condition.toStdString();
            const std::vector<sqlite3_int64> rows = db.Read(columns, part);
            read.insert(read.end(), rows.begin(), rows.end());
        }
        const std::vector<sqlite3_int64> after(all.begin() + std::ptrdiff_t(at), all.end());
        EXPECT_EQ(read, after) << "after the record at " << at;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, WindowStartOnRealRows,
    testing::Values(
        ListCase{"UniqueKeys", true,
                 "('anle', 1, 'Lee', 'Ann'), ('anle', 2, 'Lee', 'Al'), ('bora', 1, 'Ray', 'Bo'),"
                 "('josm', 7, 'Smith', 'John'), ('josm', 10, 'Smith', 'Jo'), ('zz', 1, '', '')"},
        // Keys that repeat, and nulls in every column, alone and together: every kind of anchor.
        ListCase{"NullsAndRepeats", false,
                 "(null, null, null, null), (null, null, 'Lee', null), (null, null, 'Lee', 'Al'),"
                 "(null, 2, null, 'Ann'), (null, 2, 'Lee', 'Ann'), (null, 2, 'Lee', 'Ann'),"
                 "(null, 3, 'A', 'B'), ('anle', null, null, null), ('anle', null, 'Lee', null),"
                 "('anle', 1, 'Lee', 'Ann'), ('anle', 1, 'Lee', 'Ann'), ('anle', 1, null, 'Ann'),"
                 "('anle', 2, 'Lee', null), ('josm', 7, 'Smith', 'John'),"
                 "('josm', 7, 'Smith', 'Joan'), ('josm', 7, 'Smithers', 'John'),"
                 "('josm', 8, 'Smith', 'John'), ('', 0, '', ''), ('', null, '', '')"},
        // Numbers stored as text sort after every number, as SQLite compares them.
        ListCase{"MixedTypes", false,
                 "('ab', 1, 'X', 'Y'), ('ab', '1', 'X', 'Y'), ('ab', 1.5, 'X', 'Y'),"
                 "('ab', 2, 'X', 'Y'), (1, 1, 'X', 'Y'), ('ab', x'00', 'X', 'Y')"}),
    [](const testing::TestParamInfo<ListCase>& row) { return std::string(row.param.name); });

TRecordWindow WindowOf(int records)
{
    TRecordWindow window;
    window.records = records;
    return window;
}

// The windows kept: every one until windows can be read again; then the least recently used go
// first, down to the bound, never the current record's.
TEST(WindowCache, KeepsTheRecentlyUsedAndTheCurrentWithinItsBound)
{
    const int kept = int(TWindowCache::kKept);
    struct Step {
        const char* what;
        bool bounded;
        int current;
        std::vector<int> held;  // windows that must be held after the step
        std::vector<int> gone;
    };
    TWindowCache cache;
    for (int w = 0; w < kept + 10; ++w) {
        cache.Keep(w, WindowOf(1), false, w);
    }
    const std::vector<Step> steps = {
        {"an unbounded cache holds every window", false, 0, {0, kept + 9}, {}},
        {"bounded, the oldest go first but the current stays",
         true,
         0,
         {0, kept + 10},
         {1, 10, 11}},
    };
    for (const Step& step : steps) {
        if (step.bounded) {
            cache.Keep(kept + 10, WindowOf(1), true, step.current);
        }
        for (int w : step.held) {
            EXPECT_NE(cache.Find(w), nullptr) << step.what << ": window " << w;
        }
        for (int w : step.gone) {
            EXPECT_EQ(cache.Find(w), nullptr) << step.what << ": window " << w;
        }
    }
    // A window touched is the most recent: the next to go is the one after it.
    ASSERT_TRUE(cache.Touch(12));
    EXPECT_FALSE(cache.Touch(1)) << "a window that went is not held";
    cache.Keep(kept + 11, WindowOf(1), true, 0);
    EXPECT_NE(cache.Find(12), nullptr);
    EXPECT_EQ(cache.Find(13), nullptr);
    cache.Clear();
    EXPECT_EQ(cache.Find(0), nullptr);
}

}  // namespace
