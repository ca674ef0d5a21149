// The texts the store hands a database whole, checked without a server: the stored-IDNum
// lookup's JSON array (and what SQLite reads back out of it), libpq's connection string, and
// COPY's text fields and the line a COPY failure names.
#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "store/aliases/AliasFile.h"
#include "store/bulk/CopyText.h"
#include "store/engine/Engine.h"
#include "store/table/StudentListTable.h"

namespace {

struct IdsCase {
    const char* name;
    std::vector<std::string_view> ids;
    std::string json;
};

class LookupParameter : public testing::TestWithParam<IdsCase> {};

TEST_P(LookupParameter, IsTheJsonArrayOfTheIds)
{
    EXPECT_EQ(StudentIdsParameter(GetParam().ids), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, LookupParameter,
    testing::Values(IdsCase{"None", {}, "[]"}, IdsCase{"One", {"1042"}, R"(["1042"])"},
                    IdsCase{"Several", {"1", "", "3"}, R"(["1","","3"])"},
                    IdsCase{"Quote", {R"(10"42)"}, R"(["10\"42"])"},
                    IdsCase{"Backslash", {R"(C:\1)"}, R"(["C:\\1"])"},
                    IdsCase{"ControlBytes", {"a\tb\x01\x1f"}, R"(["a\u0009b\u0001\u001f"])"},
                    IdsCase{"DeleteAndUtf8AsTheyAre", {"\x7f\xC3\xA9"}, "[\"\x7f\xC3\xA9\"]"}),
    [](const auto& row) { return std::string(row.param.name); });

// Whatever bytes an IDNum holds, the database reads back the same IDNum: the escaping is JSON's.
TEST(LookupParameter, SqliteReadsBackEveryIdAsGiven)
{
    std::vector<std::string> texts = {R"(a"b)", R"(a\b)", R"(\")", "\\u0041", "\xC3\xA9", ""};
    for (int byte = 1; byte < 128; ++byte) {
        texts.push_back("x" + std::string(1, char(byte)) + "y");
    }
    const std::vector<std::string_view> ids(texts.begin(), texts.end());

    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &handle), SQLITE_OK);
    const std::unique_ptr<sqlite3, int (*)(sqlite3*)> db(handle, sqlite3_close);
    sqlite3_stmt* raw = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(handle, "select value from json_each(?) order by key", -1, &raw,
                                 nullptr),
              SQLITE_OK);
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> read(raw, sqlite3_finalize);
    const std::string json = StudentIdsParameter(ids);
    sqlite3_bind_text(raw, 1, json.data(), int(json.size()), SQLITE_STATIC);
    std::vector<std::string> back;
    while (sqlite3_step(raw) == SQLITE_ROW) {
        back.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(raw, 0)),
                          std::size_t(sqlite3_column_bytes(raw, 0)));
    }
    EXPECT_EQ(back, texts) << sqlite3_errmsg(handle);
}

struct OptionsCase {
    const char* name;
    QMap<QString, QString> settings;
    QString options;
};

class ConnectOptions : public testing::TestWithParam<OptionsCase> {};

TEST_P(ConnectOptions, QuoteEachValueAsLibpqReadsIt)
{
    TAlias alias;
    alias.libpqSettings = GetParam().settings;
    EXPECT_EQ(ServerConnectOptions(alias), GetParam().options);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ConnectOptions,
    testing::Values(OptionsCase{"TimeoutAlone", {}, "connect_timeout=10"},
                    OptionsCase{
                        "Plain", {{"sslmode", "require"}}, "connect_timeout=10 sslmode='require'"},
                    OptionsCase{"Blank",
                                {{"application_name", "front office"}},
                                "connect_timeout=10 application_name='front office'"},
                    OptionsCase{"Quote",
                                {{"passfile", "/home/o'neil/.pgpass"}},
                                R"(connect_timeout=10 passfile='/home/o\'neil/.pgpass')"},
                    OptionsCase{"Backslash",
                                {{"sslrootcert", R"(\\server\ca.crt)"}},
                                R"(connect_timeout=10 sslrootcert='\\\\server\\ca.crt')"},
                    OptionsCase{"Empty", {{"options", ""}}, "connect_timeout=10 options=''"},
                    // A setting of its own cannot be slipped in through another's value.
                    OptionsCase{"NoInjection",
                                {{"sslmode", "disable' host='evil"}},
                                R"(connect_timeout=10 sslmode='disable\' host=\'evil')"}),
    [](const auto& row) { return std::string(row.param.name); });

struct CopyCase {
    const char* name;
    std::string text;
    std::string field;
};

class CopyTextField : public testing::TestWithParam<CopyCase> {};

TEST_P(CopyTextField, EscapesWhatCopyReadsAsStructure)
{
    std::string out = "x";
    AppendCopyTextField(out, GetParam().text);
    EXPECT_EQ(out, "x" + GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CopyTextField,
    testing::Values(CopyCase{"Empty", "", ""}, CopyCase{"Plain", "Anne Marie", "Anne Marie"},
                    CopyCase{"Tab", "a\tb", R"(a\tb)"}, CopyCase{"LineFeed", "a\nb", R"(a\nb)"},
                    CopyCase{"Return", "a\rb", R"(a\rb)"},
                    CopyCase{"Backslash", R"(a\N)", R"(a\\N)"},
                    // A field of "\." alone would end COPY's data: escaped, it is text.
                    CopyCase{"EndMarker", R"(\.)", R"(\\.)"},
                    CopyCase{"OtherBytesAsTheyAre", "\x01,\"\xC3\xA9", "\x01,\"\xC3\xA9"}),
    [](const auto& row) { return std::string(row.param.name); });

// A row of the server's COPY text output and its fields: "<null>" for null; none where the row
// is refused.
struct CopyRowCase {
    const char* name;
    std::string row;
    std::vector<std::string> fields;
};

class CopyTextRow : public testing::TestWithParam<CopyRowCase> {};

TEST_P(CopyTextRow, IsSplitIntoTheFieldsTheServerMeant)
{
    std::vector<TCopyField> fields;
    std::string storage = "left from the row before";
    if (GetParam().fields.empty()) {
        EXPECT_THROW(SplitCopyTextRow(GetParam().row, fields, storage), EDBEngineError);
        return;
    }
    SplitCopyTextRow(GetParam().row, fields, storage);
    std::vector<std::string> got;
    for (const TCopyField& field : fields) {
        got.push_back(field.null ? "<null>" : std::string(field.bytes));
        // Read as libpq's fields are, up to their NUL.
        EXPECT_TRUE(field.null || field.bytes.data()[field.bytes.size()] == '\0');
    }
    EXPECT_EQ(got, GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CopyTextRow,
    testing::Values(CopyRowCase{"Three", "1\tAnn\tLee\n", {"1", "Ann", "Lee"}},
                    CopyRowCase{"OneEmpty", "\n", {""}},
                    CopyRowCase{"EmptyAtEachEnd", "\tx\t\n", {"", "x", ""}},
                    CopyRowCase{"Nulls",
                                R"(\N)"
                                "\tx\t"
                                R"(\N)"
                                "\n",
                                {"<null>", "x", "<null>"}},
                    CopyRowCase{"NullBesideEmpty",
                                "\t"
                                R"(\N)"
                                "\n",
                                {"", "<null>"}},
                    // What the server escapes comes back as it was stored, "\N" inside a text too.
                    CopyRowCase{"Escapes",
                                R"(a\tb\nc\rd\\e\bf\fg\vh)"
                                "\t"
                                R"(\\N)"
                                "\n",
                                {"a\tb\nc\rd\\e\bf\fg\vh", R"(\N)"}},
                    CopyRowCase{"OtherBytesAsTheyAre", "\x01,\"\xC3\xA9\n", {"\x01,\"\xC3\xA9"}},
                    CopyRowCase{"NoLineEnd", "1\tAnn", {}}, CopyRowCase{"Nothing", "", {}},
                    CopyRowCase{"NullAmidText",
                                R"(a\Nb)"
                                "\n",
                                {}},
                    CopyRowCase{"UnknownEscape",
                                R"(a\x41)"
                                "\n",
                                {}},
                    CopyRowCase{"EscapeCutShort", "a\\\n", {}}),
    [](const auto& row) { return std::string(row.param.name); });

struct ContextCase {
    const char* name;
    const char* context;
    std::size_t line;
};

class CopyFailureLine : public testing::TestWithParam<ContextCase> {};

TEST_P(CopyFailureLine, IsTheLineTheContextNames)
{
    EXPECT_EQ(CopyLineOfContext(GetParam().context), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Contexts, CopyFailureLine,
    testing::Values(ContextCase{"First", "COPY studentlist, line 1: \"x\"", 1},
                    ContextCase{"Large", "COPY studentlist, line 100000, column lname: \"\"",
                                100000},
                    ContextCase{"None", "COPY studentlist", 0}, ContextCase{"Empty", "", 0},
                    ContextCase{"NoDigits", "COPY studentlist, line x", 0}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
