// The receipt of a job's import: every record written is read back the same, whatever its
// fields hold, and whatever is not a receipt is refused with its line.
#include <gtest/gtest.h>

#include <functional>

#include "import/PostingReceipt.h"
#include "textio/Exception.h"

namespace {

std::string Receipt(const std::vector<TStudentRecord>& records)
{
    std::string text = std::string(kReceiptHeader) + "\r\n";
    for (const TStudentRecord& record : records) {
        text += ReceiptLine(record) + "\r\n";
    }
    return text;
}

TEST(PostingReceipt, WhatIsWrittenIsReadBackTheSame)
{
    const std::vector<TStudentRecord> records = {
        {"anle", 1, "1001", "Ann", "Lee"},
        {"", 2, "", "", ""},
        {"a,b", 7, "1,2", "\"Al\"", "Ek, Jr"},
        {"x\"y", -3, "id\r\nnext", " blank ", "line\nfeed"},
        {"\xC3\xA9mi", 2147483647, "\xC3\x89", "\xC3\x89mile", "Zola"},
    };
    EXPECT_EQ(ReceiptLine(records[2]), "\"a,b\",7,\"1,2\",\"\"\"Al\"\"\",\"Ek, Jr\"");
    EXPECT_EQ(ParseReceipt(Receipt(records)), records);
    EXPECT_EQ(ParseReceipt(std::string(kReceiptHeader) + "\n"), std::vector<TStudentRecord>{});
}

struct RefusalCase {
    const char* name;
    std::string text;
    const char* says;
};

// A receipt's refusals; an entry of the history is refused alike, as what it is not.
class ReceiptRefusals : public ::testing::TestWithParam<RefusalCase> {
protected:
    void ExpectRefused(const std::function<void(const std::string&)>& parse, const char* isNot)
    {
        try {
            parse(GetParam().text);
            ADD_FAILURE() << "accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()).rfind(GetParam().says, 0), 0u) << e.what();
            EXPECT_NE(std::string(e.what()).find(isNot), std::string::npos) << e.what();
        }
    }
};

TEST_P(ReceiptRefusals, NameTheLine)
{
    ExpectRefused([](const std::string& text) { ParseReceipt(text); },
                  "not a receipt that cardovane-dbadmin import --receipt wrote");
}

const std::string kHead = std::string(kReceiptHeader) + "\r\n";

INSTANTIATE_TEST_SUITE_P(
    NoReceipt, ReceiptRefusals,
    ::testing::Values(
        RefusalCase{"Empty", "", "line 1: the first line is not"},
        RefusalCase{"AStudentList", "1001,Ann,Lee\r\n", "line 1: the first line is not"},
        RefusalCase{"AWorkbook", std::string("PK\x03\x04\x14\0\x06\0", 8), "line 1:"},
        RefusalCase{"FourFields", kHead + "anle,1,1001,Ann\r\n",
                    "line 2: the line has 4 fields instead of 5"},
        RefusalCase{"SequenceNoNumber", kHead + "anle,one,1001,Ann,Lee\r\n",
                    "line 2: psidsequence \"one\" is not a whole number"},
        RefusalCase{"SequenceTooLarge", kHead + "anle,2147483648,1001,Ann,Lee\r\n",
                    "line 2: psidsequence"},
        RefusalCase{"CutShort", kHead + "anle,1,1001,Ann,Lee\r\nbora,1,10",
                    "line 3: the line is cut"},
        RefusalCase{"LastLineWithoutItsEnd", kHead + "anle,1,1001,Ann,Lee",
                    "line 2: the line is cut"},
        RefusalCase{"OpenQuote", kHead + "\"anle,1,1001,Ann,Lee\r\n", "line 2: the line is cut"},
        RefusalCase{"TextAfterAQuote", kHead + "\"an\"le,1,1001,Ann,Lee\r\n",
                    "line 2: a field holds"},
        RefusalCase{"Nul", kHead + std::string("anle,1,10\0, Ann,Lee\r\n", 21), "line 2: a field"}),
    [](const auto& p) { return p.param.name; });

TEST(PostingEntry, WhatIsWrittenIsReadBackTheSame)
{
    const TPostingEntry entry{
        "2026-12-10T09:15:00Z",
        "/home/office/Lists/Year 7, \"new\".csv",
        "9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08",
        "DVK",
        "/home/office/students.db",
        "",
        {{"anle", 1, "1001", "Ann", "Lee"}, {"x,y", 2, "", "\"Al\"", "O\r\nK"}}};
    const std::string text = PostingEntryText(entry);
    EXPECT_EQ(text.substr(0, text.find("psid,")),
              "cardovane posting\r\nwhen,2026-12-10T09:15:00Z\r\n"
              "file,\"/home/office/Lists/Year 7, \"\"new\"\".csv\"\r\n"
              "sha256,9f86d081884c7d659a2feaa0c55ad015a3bf4f1b2b0b822cd15d6c15b0f00a08\r\n"
              "alias,DVK\r\ndatabase,/home/office/students.db\r\nundone,\r\n");
    EXPECT_EQ(ParsePostingEntry(text), entry);
    TPostingEntry undone = entry;
    undone.undone = "2026-12-11T10:00:00Z";
    undone.records.clear();
    EXPECT_EQ(ParsePostingEntry(PostingEntryText(undone)), undone);
}

// A listing reads an entry's own lines and counts its records without reading them: the count
// is the records' however their names are quoted.
TEST(PostingEntry, AHeadingCountsTheRecordsItDoesNotRead)
{
    const std::string head =
        "cardovane posting\r\nwhen,w\r\nfile,f\r\nsha256,h\r\nalias,DVK\r\n"
        "database,d\r\nundone,u\r\n";
    const struct {
        std::string receipt;
        std::size_t students;
    } cases[] = {
        {"psid,psidsequence,studentid,fname,lname\r\n", 0},
        {"", 0},
        {"psid,psidsequence,studentid,fname,lname\r\nanle,1,1,Ann,Lee\r\n", 1},
        {"psid,psidsequence,studentid,fname,lname\r\nanle,1,1,Ann,Lee", 1},
        {"psid,psidsequence,studentid,fname,lname\r\nanle,1,1,\"A\r\nn\",Lee\r\nb,2,2,B,"
         "\"\"\"x\"\r\n",
         2},
    };
    for (const auto& c : cases) {
        std::size_t students = 99;
        const TPostingEntry entry = ParsePostingEntryHeading(head + c.receipt, students);
        EXPECT_EQ(students, c.students) << c.receipt;
        EXPECT_EQ(entry.alias, "DVK");
        EXPECT_EQ(entry.undone, "u");
        EXPECT_TRUE(entry.records.empty());
    }
    TPostingEntry whole{"w", "f", "h", "DVK", "d", "", {{"x,y", 2, "", "\"Al\"", "O\r\nK"}}};
    std::size_t students = 0;
    ParsePostingEntryHeading(PostingEntryText(whole), students);
    EXPECT_EQ(students, 1u);
}

class EntryRefusals : public ReceiptRefusals {};

TEST_P(EntryRefusals, NameTheLine)
{
    ExpectRefused([](const std::string& text) { ParsePostingEntry(text); },
                  "not a posting that the history of postings holds");
}

const std::string kEntry =
    "cardovane posting\r\nwhen,w\r\nfile,f\r\nsha256,h\r\nalias,DVK\r\ndatabase,d\r\n"
    "undone,\r\n";

INSTANTIATE_TEST_SUITE_P(
    NoEntry, EntryRefusals,
    ::testing::Values(RefusalCase{"Empty", "",
                                  "line 1: the first line is not \"cardovane posting\""},
                      RefusalCase{"AReceipt", kHead, "line 1: the first line is not"},
                      RefusalCase{"ANameMissing", "cardovane posting\r\nwhen,w\r\nsha256,h\r\n",
                                  "line 3: the line is not \"file,"},
                      RefusalCase{"AValueMissing", "cardovane posting\r\nwhen\r\n",
                                  "line 2: the line is not \"when,"},
                      RefusalCase{"NoReceipt", kEntry, "line 8: the first line is not \"psid,"},
                      RefusalCase{"ARecordCutShort", kEntry + kHead + "anle,1,1001,Ann",
                                  "line 9: the line is cut short"}),
    [](const auto& p) { return p.param.name; });

}  // namespace
