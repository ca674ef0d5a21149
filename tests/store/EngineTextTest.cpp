#include <gtest/gtest.h>

#include "store/engine/StatementText.h"
#include "store/errors/EngineErrors.h"

namespace {

struct ComposeCase {
    const char* name;
    int code;
    std::vector<TDBError> errors;
    std::string message;
};

class Compose : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(Compose, BuildsTheEngineMessage)
{
    EXPECT_EQ(ComposeEngineMessage(GetParam().code, GetParam().errors), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    EngineErrors, Compose,
    ::testing::Values(
        ComposeCase{"DescriptionAlone", kErrUnknownDatabase, {}, "Unknown database."},
        ComposeCase{"ServerEntryGivesItsMessageOnly",
                    kErrGeneralSql,
                    {{kErrGeneralSql, "42P01", "  relation \"studentlist\" does not exist \n"}},
                    "General SQL error.\r\nrelation \"studentlist\" does not exist"},
        ComposeCase{"EntryWithoutServerCodeAddsItsDescription",
                    kErrGeneralSql,
                    {{kErrTablePassword, "", "Table: studentlist"}},
                    "General SQL error.\r\nTable password required.\r\nTable: studentlist"},
        ComposeCase{"RepeatedLinesWhateverTheirCase",
                    kErrGeneralSql,
                    {{kErrGeneralSql, "", "general sql ERROR."}, {kErrGeneralSql, "1", "x"}},
                    "General SQL error.\r\nx"},
        ComposeCase{"RepeatedLinesWhateverTheCaseOfTheirAccents",
                    kErrGeneralSql,
                    {{kErrGeneralSql, "1",
                      "\xC3\x89"
                      "CHEC"},
                     {kErrGeneralSql, "2",
                      "\xC3\xA9"
                      "chec"}},
                    "General SQL error.\r\n\xC3\x89"
                    "CHEC"},
        ComposeCase{"EmptyLinesLeftOut",
                    kErrCannotOpenDatabase,
                    {{kErrCannotOpenDatabase, "", "   "}, {0x9999, "", "detail"}},
                    "Cannot open database.\r\ndetail"},
        ComposeCase{
            "AnEntryOfSeveralLinesIsThatManyLines",
            kErrCannotOpenDatabase,
            {{kErrCannotOpenDatabase, "", "Alias DVK is unusable. \n\nSet Path in it.\r\n"}},
            "Cannot open database.\r\nAlias DVK is unusable.\r\nSet Path in it."},
        ComposeCase{"NothingLeft", 0x1234, {{0x1234, "7", ""}}, "BDE error $1234"},
        ComposeCase{"NothingLeftLowHex", 0xab, {}, "BDE error $00AB"}),
    [](const auto& p) { return p.param.name; });

TEST(EngineErrors, InitFailureMessage)
{
    const EDBEngineError error = EDBEngineError::InitFailure(kErrConfigUnreadable);
    EXPECT_EQ(error.Message(),
              "An error occurred while attempting to initialize the database engine "
              "(error $2103)");
    EXPECT_STREQ(error.ClassName(), "EDBEngineError");
    EXPECT_EQ(error.ErrorCode(), 0x2103);
}

struct ParseCase {
    const char* name;
    const char* sql;
    const char* text;
    std::vector<std::string> parameters;
    const char* numbered = nullptr;  // as a server numbers them; the same text where none
};

class Parameters : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parameters, AreNumberedByAppearance)
{
    const ParsedStatement parsed = ParseStatementParameters(GetParam().sql);
    EXPECT_EQ(parsed.text, GetParam().text);
    EXPECT_EQ(parsed.parameters, GetParam().parameters);
    const ParsedStatement numbered =
        ParseStatementParameters(GetParam().sql, ParameterMarks::Numbered);
    EXPECT_EQ(numbered.text, GetParam().numbered ? GetParam().numbered : GetParam().text);
    EXPECT_EQ(numbered.parameters, GetParam().parameters);
}

INSTANTIATE_TEST_SUITE_P(
    StatementText, Parameters,
    ::testing::Values(
        ParseCase{"None", "select * from t", "select * from t", {}},
        ParseCase{"Two",
                  "where a = :a\r\nand b=:b_2",
                  "where a = ?\r\nand b=?",
                  {"a", "b_2"},
                  "where a = $1\r\nand b=$2"},
        ParseCase{"NameTwiceIsTwo", ":x + :x", "? + ?", {"x", "x"}, "$1 + $2"},
        ParseCase{"InsideQuotes",
                  "':no' || :yes || \":nor\"",
                  "':no' || ? || \":nor\"",
                  {"yes"},
                  "':no' || $1 || \":nor\""},
        ParseCase{"Cast", "select :v::integer", "select ?::integer", {"v"}, "select $1::integer"},
        ParseCase{"Comment", "-- :c\nselect :d", "-- :c\nselect ?", {"d"}, "-- :c\nselect $1"},
        ParseCase{"BlockComment",
                  "/* :c\n :e */ select :d /* :f",
                  "/* :c\n :e */ select ? /* :f",
                  {"d"},
                  "/* :c\n :e */ select $1 /* :f"},
        ParseCase{"TenAndMore",
                  ":a,:b,:c,:d,:e,:f,:g,:h,:i,:j",
                  "?,?,?,?,?,?,?,?,?,?",
                  {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"},
                  "$1,$2,$3,$4,$5,$6,$7,$8,$9,$10"},
        ParseCase{"LoneColon", "a : b :1", "a : b :1", {}},
        ParseCase{"UnclosedQuote", "x ':p", "x ':p", {}}),
    [](const auto& p) { return p.param.name; });

TEST(StatementText, NamesTableAsAWholeWord)
{
    EXPECT_TRUE(StatementNamesTable("insert into studentlist\r\n(", "StudentList"));
    EXPECT_TRUE(StatementNamesTable("from StudentList where", "studentlist"));
    EXPECT_FALSE(StatementNamesTable("from studentlists", "studentlist"));
    EXPECT_FALSE(StatementNamesTable("from my_studentlist", "studentlist"));
    EXPECT_FALSE(StatementNamesTable("from x", ""));
}

}  // namespace
