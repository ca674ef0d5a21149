// The fixes the review grid offers for what it marks, row by row and on whole lists as schools
// save them: what each changes, what it leaves, and that its edit taken back gives the list
// it was made on.
#include <gtest/gtest.h>

#include <optional>

#include "import/HeadingWords.h"
#include "import/ListFixes.h"
#include "tests/import/ListCells.h"
#include "tests/import/SchoolLists.h"
#include "toolkit/GridCells.h"

namespace {

struct SplitCase {
    const char* name;
    std::string line;
    char separator;
    std::optional<std::vector<std::string>> fields;
};

class Delimited : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Delimited, ReadsFieldsAsRfc4180Does)
{
    EXPECT_EQ(SplitDelimited(GetParam().line, GetParam().separator), GetParam().fields);
}

using Fields = std::vector<std::string>;
INSTANTIATE_TEST_SUITE_P(
    Lines, Delimited,
    ::testing::Values(
        SplitCase{"Plain", "a,b,c", ',', Fields{"a", "b", "c"}},
        SplitCase{"EmptyFields", ",,", ',', Fields{"", "", ""}},
        SplitCase{"EmptyLine", "", ',', Fields{""}},
        SplitCase{"QuotesGo", "\"a\",\"b\"", ',', Fields{"a", "b"}},
        SplitCase{"DoubledQuoteIsOne", "\"Mary \"\"Molly\"\"\",x", ',',
                  Fields{"Mary \"Molly\"", "x"}},
        SplitCase{"SeparatorInsideQuotesStays", "1,\"Wong, Chan\"", ',', Fields{"1", "Wong, Chan"}},
        SplitCase{"BlanksAroundAQuotedFieldGo", " \"a\" ;b", ';', Fields{"a", "b"}},
        SplitCase{"BlanksOfAnUnquotedFieldStay", " a ;b", ';', Fields{" a ", "b"}},
        SplitCase{"AQuoteInsideAFieldIsAQuote", "O\"Brien,x", ',', Fields{"O\"Brien", "x"}},
        SplitCase{"Tabs", "1\tAnn\tLee", '\t', Fields{"1", "Ann", "Lee"}},
        SplitCase{"QuoteNeverClosed", "\"abc,d", ',', std::nullopt},
        SplitCase{"TextAfterTheClosingQuote", "\"ab\"c,d", ',', std::nullopt},
        SplitCase{"QuotedEmptyField", "\"\",x", ',', Fields{"", "x"}}),
    [](const auto& p) { return p.param.name; });

struct HeadingCase {
    const char* name;
    const char* heading;
    HeadingRole role;
};

class Headings : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(Headings, NameTheirColumn)
{
    EXPECT_EQ(RoleOfHeading(GetParam().heading), GetParam().role);
}

INSTANTIATE_TEST_SUITE_P(
    Words, Headings,
    ::testing::Values(HeadingCase{"IDNum", "IDNum", HeadingRole::IdNum},
                      HeadingCase{"StudentNumber", " Student Number ", HeadingRole::IdNum},
                      HeadingCase{"PupilNumber", "Pupil_Number", HeadingRole::IdNum},
                      HeadingCase{"German",
                                  "Sch\xC3\x9C"
                                  "LERNUMMER",
                                  HeadingRole::IdNum},
                      HeadingCase{"French", "Pr\xC3\xA9nom", HeadingRole::FirstName},
                      HeadingCase{"FrenchCapitals", "PR\xC3\x89NOM", HeadingRole::FirstName},
                      HeadingCase{"Given", "Given Name", HeadingRole::FirstName},
                      HeadingCase{"Forename", "forename", HeadingRole::FirstName},
                      HeadingCase{"Spanish", "Apellido(s)", HeadingRole::LastName},
                      HeadingCase{"LegalLastName", "Legal Last Name", HeadingRole::LastName},
                      HeadingCase{"Nom", "Nom", HeadingRole::LastName},
                      HeadingCase{"Grade", "Grade", HeadingRole::None},
                      HeadingCase{"AName", "Smith", HeadingRole::None},
                      HeadingCase{"Empty", "", HeadingRole::None}),
    [](const auto& p) { return p.param.name; });

TEST(Headings, AreReadAtTheSeparatorThatNamesAllThreeColumns)
{
    const std::optional<THeading> sis =
        ReadHeading("\"Last Name\",\"First Name\",\"Student Number\",\"Grade\"", std::nullopt);
    ASSERT_TRUE(sis);
    EXPECT_EQ(sis->separator, ',');
    EXPECT_EQ(sis->columns, 4u);
    EXPECT_EQ((std::vector<std::size_t>{sis->idNum, sis->firstName, sis->lastName}),
              (std::vector<std::size_t>{2, 1, 0}));
    EXPECT_EQ(ReadHeading("ID;Vorname;Nachname", std::nullopt)->separator, ';');
    EXPECT_EQ(ReadHeading("ID\tFirst\tLast", std::nullopt)->separator, '\t');
    EXPECT_FALSE(ReadHeading("ID;Vorname;Nachname", ',')) << "a sep= line names the separator";
    EXPECT_FALSE(ReadHeading("ID,First Name,Grade", std::nullopt)) << "no Lastname column";
    EXPECT_EQ(FieldsUnderHeading("\"Wong, Chan\",\"Li\",\"1042\",\"10\"", *sis),
              (StudentFields{"1042", "Li", "Wong, Chan"}));
    EXPECT_FALSE(FieldsUnderHeading("\"Wong\",\"Li\",\"1042\"", *sis)) << "a field short";
    EXPECT_FALSE(FieldsUnderHeading("Wong, Chan,Li,1042,10", *sis)) << "a field too many";
}

std::vector<std::string> Rows(const TGridCells& cells)
{
    std::vector<std::string> rows;
    for (int r = 1; r < cells.RowCount(); ++r) {
        rows.push_back(std::string(cells.Cell(0, r)) + "|" + std::string(cells.Cell(1, r)) + "|" +
                       std::string(cells.Cell(2, r)));
    }
    return rows;
}

struct FixCase {
    const char* name;
    std::vector<std::string> lines;
    FixKind fix;
    std::vector<std::string> rows;  // after the fix; empty: it does not apply
    int changed;
    int left;
    const char* outcome;
};

class Fixes : public ::testing::TestWithParam<FixCase> {};

TEST_P(Fixes, MendWhatTheyCanLeaveTheRestAndAreTakenBackWhole)
{
    const FixCase& c = GetParam();
    TGridCells cells = Cells(c.lines);
    TListFindings findings;
    findings.Check(cells);
    const TFixPlan plan = PlanFix(c.fix, cells, findings);
    EXPECT_EQ(plan.changed, c.changed);
    EXPECT_EQ(plan.left, c.left);
    if (c.changed == 0) {
        EXPECT_TRUE(plan.edit.Empty());
        return;
    }
    EXPECT_EQ(FixOutcome(plan), c.outcome);
    const std::vector<std::string> before = Rows(cells);
    const TGridEdit back = ApplyGridEdit(cells, plan.edit);
    EXPECT_EQ(Rows(cells), c.rows);
    ApplyGridEdit(cells, back);
    EXPECT_EQ(Rows(cells), before) << "taken back";
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Fixes,
    ::testing::Values(
        FixCase{"SplitAtSemicolons",
                {"1001;Tom\xC3\xA1s;Garc\xC3\xAD"
                 "a",
                 "1002,Ann,Lee", "1003;\"Anna; Maria\";Schmidt"},
                FixKind::SplitAtSemicolons,
                {"1001|Tom\xC3\xA1s|Garc\xC3\xAD"
                 "a",
                 "1002|Ann|Lee", "1003|Anna; Maria|Schmidt"},
                2,
                0,
                "Split 2 rows at semicolons"},
        FixCase{"ARowWithAFourthFieldIsLeft",
                {"1001;Ann;Lee", "1002;Bob;Ray;9"},
                FixKind::SplitAtSemicolons,
                {"1001|Ann|Lee", "||1002;Bob;Ray;9"},
                1,
                1,
                "Split 1 row at semicolons; 1 row left, its fields could not be placed"},
        FixCase{"SplitAtTabsLeavesSemicolons",
                {"1001\tAnn\tLee", "1002;Bob;Ray"},
                FixKind::SplitAtTabs,
                {"1001|Ann|Lee", "||1002;Bob;Ray"},
                1,
                0,
                "Split 1 row at tabs"},
        FixCase{"ReadQuotedFields",
                {"\"1001\",\"Ann\",\"Lee\"", "1009,Li,\"Wong, Chan\"", "1010,Al,\"Bo"},
                FixKind::ReadQuotedFields,
                {"1001|Ann|Lee", "1009|Li|Wong, Chan", "1010|Al|\"Bo"},
                2,
                1,
                "Read the quoted fields of 2 rows; 1 row left, its fields could not be placed"},
        FixCase{"AFourthColumnIsNoQuotedComma",
                {"1003,Cy,Oz,2009"},
                FixKind::ReadQuotedFields,
                {},
                0,
                0,
                ""},
        FixCase{"TrimBlanks",
                {" 1001, Ann ,Lee\t", "1002,Bob,Ray"},
                FixKind::TrimBlanks,
                {"1001|Ann|Lee", "1002|Bob|Ray"},
                1,
                0,
                "Trimmed the blanks of 1 row"},
        FixCase{"RemoveEmptyRows",
                {"", "1001,Ann,Lee", ",,", ""},
                FixKind::RemoveEmptyRows,
                {"1001|Ann|Lee"},
                3,
                0,
                "Removed 3 empty rows"},
        FixCase{"RemoveHeadingRows",
                {"sep=,", "IDNum,Firstname,Lastname", "1001,Ann,Lee"},
                FixKind::RemoveHeadingRows,
                {"1001|Ann|Lee"},
                2,
                0,
                "Removed 2 heading rows"},
        FixCase{"RemoveRepeatedRowsKeepsTheFirstAndOtherNames",
                {"1001,Ann,Lee", "1002,Bob,Ray", "1001,Ann,Lee", "1002,Rob,Ray", "1001,Ann,Lee"},
                FixKind::RemoveRepeatedRows,
                {"1001|Ann|Lee", "1002|Bob|Ray", "1002|Rob|Ray"},
                2,
                2,
                "Removed 2 repeated rows; 2 rows left, their IDNums are on rows with other names"},
        FixCase{
            "ColumnsFromTheHeading",
            {"sep=;", "Nachname;Vorname;Sch\xC3\xBClernummer;Klasse", "Lee;Ann;1001;5a", "",
             "Ray;Bob;1002", "Oz;Cy;1003;5b"},
            FixKind::ColumnsFromHeading,
            {"1001|Ann|Lee", "||", "||Ray;Bob;1002", "1003|Cy|Oz"},
            4,
            1,
            "Columns taken from the heading: 4 rows; 1 row left, its fields could not be placed"},
        FixCase{"AHeadingThatChangesNoRowIsOnlyRemoved",
                {"IDNum,Firstname,Lastname", "1001,Ann,Lee"},
                FixKind::ColumnsFromHeading,
                {},
                0,
                0,
                ""},
        FixCase{"NoHeadingNoColumns", {"1001;Ann;Lee"}, FixKind::ColumnsFromHeading, {}, 0, 0, ""}),
    [](const auto& p) { return p.param.name; });

TEST(Fixes, TheCellsFixOnCtrlDotIsTheFirstThatMendsItsMark)
{
    TGridCells cells = Cells({"IDNum,Firstname,Lastname", "1001;Ann;Lee", "1002, Bob,Ray",
                              "1003,Cy,Oz", "1002, Bob,Ray", "1004,Nguy?n,An"});
    TListFindings findings;
    findings.Check(cells);
    EXPECT_EQ(FixForCell(0, 1, cells, findings), FixKind::RemoveHeadingRows);
    EXPECT_EQ(FixForCell(2, 2, cells, findings), FixKind::SplitAtSemicolons);
    EXPECT_EQ(FixForCell(1, 3, cells, findings), FixKind::TrimBlanks);
    EXPECT_EQ(FixForCell(0, 3, cells, findings), FixKind::RemoveRepeatedRows);
    EXPECT_EQ(FixForCell(2, 3, cells, findings), std::nullopt) << "that cell is not marked";
    EXPECT_EQ(FixForCell(1, 6, cells, findings), std::nullopt) << "a lost letter has no fix";
    EXPECT_EQ(FixForCell(0, 4, cells, findings), std::nullopt);
}

// The lines of a file as the reader gives them to the cells: at line feeds, a CR before one
// dropped, a byte-order mark at the start, text that is not UTF-8 read as Windows-1252.
std::vector<std::string> LinesOf(std::string bytes)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find('\n', at);
        end = end == std::string::npos ? bytes.size() : end;
        std::string line = bytes.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(DecodeCellText(lines.empty() ? WithoutByteOrderMark(line) : line));
        at = end + 1;
    }
    return lines;
}

class WholeLists : public ::testing::TestWithParam<SchoolList> {};

TEST_P(WholeLists, AJobsFixingGivesTheRowsTheFixesOfTheWindowGive)
{
    TGridCells cells = Cells(LinesOf(GetParam().bytes));
    TListFindings findings;
    findings.Check(cells);
    std::vector<int> lines;
    for (int r = 1; r < cells.RowCount(); ++r) {
        lines.push_back(r);
    }
    const std::vector<TPhrase> done = FixWholeList(cells, findings, lines);
    EXPECT_EQ(Rows(cells), GetParam().rows);
    EXPECT_EQ(done.size(), GetParam().fixes.size());
    EXPECT_EQ(int(lines.size()), cells.RowCount() - 1);
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
}

INSTANTIATE_TEST_SUITE_P(Schools, WholeLists, ::testing::ValuesIn(SchoolLists()),
                         [](const auto& p) { return p.param.name; });

}  // namespace
