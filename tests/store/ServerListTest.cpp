// A list on the PostgreSQL server of the test command, read as the window reads it: from every
// record as the anchor, the window's statement gives exactly the records after it, in the list's
// order (null keys last, as the server sorts them), and none that the opening did not see. And
// what a statement run by libpq shows is what Qt's driver showed, whatever the column's type.
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <QSqlRecord>
#include <memory>

#include "store/engine/Database.h"
#include "store/engine/FieldText.h"
#include "store/engine/Session.h"
#include "store/list/ServerList.h"
#include "tests/support/TestDatabase.h"

namespace {

class ServerList : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_SERVER(Backend::PostgreSQL);
        db.emplace(Backend::PostgreSQL, TestDatabase::Options{});
        qputenv("XDG_CONFIG_HOME", db->ConfigHome().toUtf8());
        session.emplace();
        pg = PgConnection(session->OpenDatabase(QStringLiteral("DVK")).Handle());
    }
    void TearDown() override { qunsetenv("XDG_CONFIG_HOME"); }

    std::string Snapshot() const
    {
        return *RunServerStatement(pg, "select txid_current_snapshot()::text").ServerText(0, 0);
    }

    // The table's rows by the list's order, each as its place and its key in the server's words.
    struct Row {
        std::string place;
        std::vector<TServerValue> key;
    };
    std::vector<Row> Ordered() const
    {
        const TServerResult rows =
            RunServerStatement(pg,
                               "select ctid, psid, psidsequence, lname, fname from studentlist "
                               "order by psid, psidsequence, lname, fname, ctid");
        std::vector<Row> ordered;
        for (int row = 0; row < rows.Rows(); ++row) {
            Row r{*rows.ServerText(row, 0), {}};
            for (int field = 1; field <= 4; ++field) {
                r.key.push_back(rows.ServerText(row, field));
            }
            r.key.push_back(r.place);
            ordered.push_back(std::move(r));
        }
        return ordered;
    }

    // The places of the records of the window after the anchor, as the server gives them.
    std::vector<std::string> Window(const std::string& snapshot,
                                    const std::vector<TServerValue>& anchor, int limit) const
    {
        TServerWindow window = ServerWindowStatement(
            "studentlist", {"psid", "psidsequence", "lname", "fname"}, anchor, limit);
        window.values.front() = snapshot;
        const TServerResult rows = RunServerStatement(pg, window.text, window.values);
        std::vector<std::string> places;
        for (int row = 0; row < rows.Rows(); ++row) {
            places.push_back(*rows.ServerText(row, 1));
        }
        return places;
    }

    std::optional<TestDatabase> db;
    std::optional<TSession> session;
    TPgConnection pg;
};

TEST_F(ServerList, EachWindowStartsRightAfterItsAnchorWhateverTheKeysNulls)
{
    // Repeated keys, nulls in every column, one key alone, and students alike in every key.
    db->Exec(QStringLiteral("drop index if exists studentlist_key"));
    db->Insert(QStringLiteral(
        "('a', 1, 'x', 'A', 'A'), ('a', 1, 'y', 'A', 'B'), ('a', null, 'z', 'B', null), "
        "('a', 2, 'w', null, 'C'), ('a', 2, 'v', null, null), ('b', 1, 'u', 'C', 'C'), "
        "(null, 1, 't', 'D', 'D'), (null, null, 's', null, null), (null, null, 'r', null, null), "
        "('a', 1, 'q', 'A', 'A'), ('', 0, 'p', '', ''), ('c', -1, 'o', 'E', 'E')"));
    const std::vector<Row> rows = Ordered();
    const std::string snapshot = Snapshot();
    for (const int limit : {1, 3, 100}) {
        for (std::size_t from = 0; from <= rows.size(); ++from) {
            SCOPED_TRACE("limit " + std::to_string(limit) + ", after row " + std::to_string(from));
            std::vector<std::string> expected;
            for (std::size_t r = from; r < rows.size() && int(expected.size()) < limit; ++r) {
                expected.push_back(rows[r].place);
            }
            EXPECT_EQ(Window(snapshot, from == 0 ? std::vector<TServerValue>{} : rows[from - 1].key,
                             limit),
                      expected);
        }
    }
}

TEST_F(ServerList, AWindowLeavesOutWhatWasStoredAfterTheOpening)
{
    db->Insert(QStringLiteral("('bb', 1, '1', 'B', 'B'), ('dd', 1, '2', 'D', 'D')"));
    const std::string snapshot = Snapshot();
    db->Insert(QStringLiteral("('aa', 1, 'new', 'A', 'A'), ('cc', 1, 'new', 'C', 'C')"));
    db->Update(QStringLiteral("studentid = studentid"), QStringLiteral("psid = 'zz'"));
    const std::vector<Row> rows = Ordered();
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(Window(snapshot, {}, 100), (std::vector<std::string>{rows[1].place, rows[3].place}));
    EXPECT_EQ(Window(snapshot, rows[0].key, 100),
              (std::vector<std::string>{rows[1].place, rows[3].place}));
    EXPECT_EQ(Window(Snapshot(), {}, 100).size(), 4u) << "a new opening sees them all";
}

// Read through in one COPY, the list is what its windows show: what was stored or changed after
// the opening is left out, with and without the index that spares the sort.
TEST_F(ServerList, ReadThroughGivesTheRecordsOfTheOpening)
{
    for (const bool unique : {false, true}) {
        SCOPED_TRACE(unique);
        db->DeleteAll();
        db->Exec(QStringLiteral("drop index if exists studentlist_key"));
        if (unique) {
            db->Exec(QStringLiteral(
                "create unique index studentlist_key on studentlist (psid, psidsequence)"));
        }
        db->Insert(
            QStringLiteral("('bb', 1, '1', 'B', 'B'), ('dd', 1, '2', 'D', 'D'), "
                           "('ee', 1, '3', 'E', null)"));
        const QSqlDatabase handle = session->OpenDatabase(QStringLiteral("DVK")).Handle();
        const std::unique_ptr<TWindowSource> list =
            OpenServerList(handle, {QStringLiteral("studentlist"),
                                    {QStringLiteral("psid"), QStringLiteral("psidsequence"),
                                     QStringLiteral("lname"), QStringLiteral("fname")}});
        const TRecordWindow first = list->Read(handle, 0);
        db->Insert(QStringLiteral("('aa', 1, 'new', 'A', 'A'), ('cc', 1, 'new', 'C', 'C')"));
        db->Update(QStringLiteral("studentid = 'changed'"), QStringLiteral("psid = 'dd'"));
        std::vector<std::string> streamed;
        const long long records = list->ReadThrough(handle, [&](const TRecordWindow& one) {
            ASSERT_EQ(one.records, 1);
            streamed.push_back(one.texts[2] + (one.nulls[4] ? "|null" : "|" + one.texts[4]));
        });
        EXPECT_EQ(records, 2);
        EXPECT_EQ(streamed, (std::vector<std::string>{"1|B", "3|null"}));
        EXPECT_EQ(first.records, 3) << "the opening's own window";
    }
}

// The list read through in one COPY leaves out the sort of its last keys only where no two
// records can share the first two: a plain unique index on exactly them, comparing as the list's
// order compares, and neither null in any record.
TEST_F(ServerList, OnlyAPlainUniqueIndexOnTheFirstTwoKeysSparesTheSort)
{
    const struct {
        const char* index;
        const char* rows;
        bool unique;
    } cases[] = {
        {"create unique index studentlist_key on studentlist (psid, psidsequence)",
         "('ab', 1, '1', 'A', 'B'), ('ab', 2, '2', 'A', 'B')", true},
        {"create unique index studentlist_key on studentlist (psid desc, psidsequence)",
         "('ab', 1, '1', 'A', 'B')", true},
        {"create unique index studentlist_key on studentlist (psid, psidsequence)",
         "('ab', 1, '1', 'A', 'B'), (null, 1, '2', 'A', 'B')", false},
        {"create unique index studentlist_key on studentlist (psid, psidsequence)",
         "('ab', null, '1', 'A', 'B')", false},
        {"create index studentlist_key on studentlist (psid, psidsequence)",
         "('ab', 1, '1', 'A', 'B')", false},
        {"create unique index studentlist_key on studentlist (psid, psidsequence, studentid)",
         "('ab', 1, '1', 'A', 'B')", false},
        {"create unique index studentlist_key on studentlist (psidsequence, psid)",
         "('ab', 1, '1', 'A', 'B')", false},
        {"create unique index studentlist_key on studentlist (psid, psidsequence) where psid <> ''",
         "('ab', 1, '1', 'A', 'B')", false},
        {"create unique index studentlist_key on studentlist (lower(psid), psidsequence)",
         "('ab', 1, '1', 'A', 'B')", false},
        {"create unique index studentlist_key on studentlist (psid collate \"POSIX\", "
         "psidsequence)",
         "('ab', 1, '1', 'A', 'B')", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        db->DeleteAll();
        db->Exec(QStringLiteral("drop index if exists studentlist_key"));
        db->Exec(QString::fromUtf8(c.index));
        db->Insert(QString::fromUtf8(c.rows));
        const TServerResult answer = RunServerStatement(
            pg,
            UniqueFirstKeysStatement("studentlist", {"psid", "psidsequence", "lname", "fname"}));
        EXPECT_EQ(answer.ServerText(0, 0), TServerValue(c.unique ? "t" : "f"));
    }
}

TEST_F(ServerList, FieldsReadByLibpqShowWhatQtsDriverShowed)
{
    const char* values[] = {
        "null::text",
        "''::text",
        "'Zoë'::text",
        "E'\\xEF\\xBB\\xBFid'::text",
        "'Lee   '::char(6)",
        "'x'::varchar(4)",
        "(-32768)::smallint",
        "2147483647",
        "(-9223372036854775808)::bigint",
        "12.50::numeric(8,2)",
        "(-0.10)::numeric",
        "'NaN'::numeric",
        "1e300::float8",
        "0.1::float4",
        "'-Infinity'::float8",
        "true",
        "false",
        "null::boolean",
        "'2026-12-08'::date",
        "'13:45:00.25'::time",
        "'2026-12-08 13:45:00.123'::timestamp",
        "'2026-12-08 13:45:00+02'::timestamptz",
        "E'A\\\\000B'::bytea",
        "'{1,2}'::int[]",
        "4000000000::oid",
        "'now'::regproc",
        "'4000000000'::xid",
        "'7'::cid",
        "'1 day'::interval",
        "'13:45:00+02'::timetz",
        "'a6c4e3c1-5b1f-4e2a-9c7d-2f9a1b3c4d5e'::uuid",
    };
    const QSqlDatabase qt = session->OpenDatabase(QStringLiteral("DVK")).Handle();
    for (const char* value : values) {
        SCOPED_TRACE(value);
        const std::string text = std::string("select ") + value + " as v";
        QSqlQuery statement(qt);
        ASSERT_TRUE(statement.exec(QString::fromStdString(text)) && statement.next());
        TRecordWindow byQt;
        AppendFieldText(byQt, statement.value(0));
        statement.finish();
        TRecordWindow byLibpq;
        RunServerStatement(pg, text).AppendRecord(byLibpq, 0);
        EXPECT_EQ(byLibpq.texts, byQt.texts);
        EXPECT_EQ(byLibpq.nulls, byQt.nulls);
    }
}

}  // namespace
