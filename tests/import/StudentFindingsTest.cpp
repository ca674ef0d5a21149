// What may be wrong with a row of a student list, line by line as spreadsheets really save them;
// and the findings of a whole list as it is corrected, repeated and looked up.
#include <gtest/gtest.h>

#include "import/ListFindings.h"
#include "tests/import/ListCells.h"
#include "toolkit/GridCells.h"

namespace {

TStudentRecord Stored(const char* id, const char* firstName, const char* lastName)
{
    return {"", 0, id, firstName, lastName};
}

struct RowCase {
    const char* name;
    const char* line;
    // The kinds and columns found, as "kind@column" ("@-" a whole row), in order.
    std::vector<std::string> found;
};

std::string Label(const TFinding& f)
{
    static const char* kinds[] = {"heading", "separator", "empty",  "comma",      "quoted",
                                  "noid",    "noname",    "blanks", "digit",      "noletter",
                                  "lost",    "repeated",  "stored", "storedother"};
    return std::string(kinds[int(f.kind)]) + "@" +
           (f.column == kWholeRow ? "-" : std::to_string(f.column));
}

class Rules : public ::testing::TestWithParam<RowCase> {};

TEST_P(Rules, FindWhatTheRowBreaks)
{
    std::vector<std::string> found;
    for (const TFinding& f : RowFindings(SplitStudentLine(GetParam().line))) {
        found.push_back(Label(f));
        EXPECT_FALSE(f.text.Empty());
    }
    EXPECT_EQ(found, GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, Rules,
    ::testing::Values(
        RowCase{"Student", "1001,Ann,Lee", {}},
        RowCase{"AccentedNameIsFine", "1001,\xC3\x89mile,Zola", {}},
        RowCase{"Headings", "IDNum,Firstname,Lastname", {"heading@-"}},
        RowCase{"HeadingsInWords", "Student ID,First Name,SURNAME", {"heading@-"}},
        RowCase{"QuotedHeadings", "\"id\",\"first\",\"last\"", {"heading@-"}},
        RowCase{"ANameLikeAHeadingWithAnIdIsAStudent", "1002,Name,Last", {}},
        RowCase{"Semicolons", "1002;Bob;Ray", {"separator@-"}},
        RowCase{"Tabs", "1002\tBob\tRay", {"separator@-"}}, RowCase{"EmptyLine", "", {"empty@-"}},
        RowCase{"FourthColumn", "1003,Cy,Oz,2009", {"comma@2", "digit@2"}},
        RowCase{"QuotedComma", "1004,Di,\"Ek, Jr\"", {"comma@2", "quoted@2"}},
        RowCase{"QuotedId", "\"1005\",Al,Bo", {"quoted@0"}},
        RowCase{"NoIdNum", ",Al,Bo", {"noid@0"}}, RowCase{"NoFirstName", "1006,,Bo", {"noname@1"}},
        RowCase{"OneCommaOnly", "1006,Bo", {"noname@1"}},
        RowCase{"NoLastName", "1007,Al,", {"noname@2"}},
        RowCase{"BlanksAround", "1008, Amy,LIN ", {"blanks@1", "blanks@2"}},
        RowCase{"BlankId", " 1009,Al,Bo", {"blanks@0"}},
        RowCase{"DigitInName", "1010,Al2,Bo", {"digit@1"}},
        RowCase{"NoLetter", "1011,--,Bo", {"noletter@1"}},
        RowCase{"NoLetterAtAll", "1012,\xC3\x89\xC3\x89,??", {"noletter@1", "noletter@2"}},
        RowCase{"LostLetters", "1013,V?n An,Nguy?n", {"lost@1", "lost@2"}},
        RowCase{"LostLetterBesideAnAccent", "1014,Zo\xC3\xAB?,Lee", {}},
        RowCase{"AQuestionMarkAfterAName", "1015,Ann?,Lee", {}},
        RowCase{"LostLetterAfterAnAccent", "1016,\xC3\xA9?a,Lee", {"lost@1"}},
        RowCase{"SeparatorLine", "sep=;", {"heading@-"}},
        RowCase{"CommaSeparatorLine", "sep=,", {"heading@-"}},
        RowCase{
            "GermanHeadingAtSemicolons", "Sch\xC3\xBClernummer;Vorname;Nachname", {"heading@-"}},
        RowCase{"StudentAtSemicolons", "1017;Vorname;Lee", {"separator@-"}}),
    [](const auto& p) { return p.param.name; });

TEST(Rules, TheNameKeyANameWithoutLettersWouldGetIsShown)
{
    const std::vector<TFinding> found = RowFindings({"1011", "--", "Bo"});
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].text, "the Firstname has no letter A to Z: the name key would be \"--bo\"");
}

using Views = std::vector<std::string_view>;

std::vector<std::string> Texts(const TListFindings& findings, int row)
{
    std::vector<std::string> texts;
    for (const TFinding& f : findings.Of(row)) {
        texts.push_back(f.text.English());
    }
    return texts;
}

TEST(ListFindings, RepeatsAndStoredStudentsAreNamedAndFollowCorrections)
{
    TGridCells cells = Cells({"IDNum,Firstname,Lastname", "1001,Ann,Lee", "1002,Bob,Ray",
                              "1001,Ann,Lee", "1003,Cy,Oz", "1001,Al,Bo"});
    TListFindings findings;
    findings.Check(cells);
    EXPECT_EQ(Texts(findings, 2), std::vector<std::string>{"IDNum 1001 is also on rows 4 and 6"});
    EXPECT_EQ(Texts(findings, 6), std::vector<std::string>{"IDNum 1001 is also on rows 2 and 4"});
    EXPECT_EQ(findings.Of(4, "line")[0].text, "IDNum 1001 is also on lines 2 and 6");
    EXPECT_EQ(findings.IdNumsToLookUp(), (Views{"IDNum", "1001", "1002", "1003"}))
        << "each once, in the order of their first rows";
    findings.Learn({{"1002", Stored("1002", "Bob", "Ray")},
                    {"1003", Stored("1003", "Cyrus", "Oz")},
                    {"9", Stored("9", "Not", "Asked")}});
    EXPECT_EQ(Texts(findings, 3),
              std::vector<std::string>{"IDNum 1002 is already stored, for Bob Ray"});
    EXPECT_EQ(Texts(findings, 5),
              std::vector<std::string>{"IDNum 1003 is already stored for another name: Cyrus Oz"});
    EXPECT_EQ(findings.IdNumsToLookUp(), Views{}) << "what was not found is not stored";
    EXPECT_EQ(findings.StoredRows(), (std::vector<int>{3, 5}));
    EXPECT_EQ(findings.Summary(),
              "6 rows need a look: 1 heading, 3 repeated IDNums, 1 already stored, 1 stored for "
              "another name");
    EXPECT_EQ(findings.NextMarked(0, 1), 1);
    EXPECT_EQ(findings.NextMarked(6, -1), 5);

    // Corrected in place: the repeat is gone from every row it named, a new one is looked up.
    cells.SetCell(0, 6, "1004");
    findings.CheckRow(cells, 6);
    EXPECT_EQ(Texts(findings, 2), std::vector<std::string>{"IDNum 1001 is also on row 4"});
    EXPECT_TRUE(findings.Of(6).empty());
    EXPECT_EQ(findings.IdNumsToLookUp(), Views{"1004"});
    EXPECT_EQ(findings.IdNumsToLookUp(6), Views{"1004"});
    findings.Learn({{"1004", Stored("1004", "Dee", "Ek")}}, 6);
    EXPECT_EQ(Texts(findings, 6),
              std::vector<std::string>{"IDNum 1004 is already stored for another name: Dee Ek"});
    cells.SetCell(1, 5, "Cyrus");
    findings.CheckRow(cells, 5);
    EXPECT_EQ(Texts(findings, 5),
              std::vector<std::string>{"IDNum 1003 is already stored, for Cyrus Oz"});
    findings.ForgetStored();
    EXPECT_EQ(findings.NextMarked(4, 1), 0);
    EXPECT_EQ(findings.NextMarked(2, -1), 1);
}

TEST(ListFindings, ARightListNeedsNoLook)
{
    TGridCells cells = Cells({"1001,Ann,Lee", "1002,Bob,Ray"});
    TListFindings findings;
    findings.Check(cells);
    EXPECT_EQ(findings.Summary(), "No row needs a look");
    EXPECT_EQ(findings.NextMarked(0, 1), 0);
    cells.SetCell(2, 2, "");
    findings.CheckRow(cells, 2);
    EXPECT_EQ(findings.Summary(), "1 row needs a look: 1 missing name");
}

TEST(ListFindings, ManyRepeatsNameThreeRowsAndCountTheRest)
{
    TGridCells cells = Cells({"7,A,B", "7,A,B", "7,A,B", "7,A,B", "7,A,B", "7,A,B"});
    TListFindings findings;
    findings.Check(cells);
    EXPECT_EQ(Texts(findings, 1),
              std::vector<std::string>{"IDNum 7 is also on rows 2, 3, 4 and 2 more"});
}

}  // namespace
