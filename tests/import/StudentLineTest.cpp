#include <gtest/gtest.h>

#include "import/StudentLine.h"
#include "textio/Utf8Text.h"

namespace {

struct SplitCase {
    const char* line;
    StudentFields fields;
};

class Split : public ::testing::TestWithParam<SplitCase> {};

TEST_P(Split, TakesTheFirstTwoCommas)
{
    EXPECT_EQ(SplitStudentLine(GetParam().line), GetParam().fields);
}

INSTANTIATE_TEST_SUITE_P(
    SplitStudentLine, Split,
    ::testing::Values(SplitCase{"a,b,c", {"a", "b", "c"}}, SplitCase{"a,b,c,d", {"a", "b", "c,d"}},
                      SplitCase{"a,b", {"a", "", "b"}}, SplitCase{"a", {"", "", "a"}},
                      SplitCase{"", {"", "", ""}}, SplitCase{",b,c", {"", "b", "c"}},
                      SplitCase{"a,,c", {"a", "", "c"}}, SplitCase{"a,b,", {"a", "b", ""}},
                      SplitCase{",,", {"", "", ""}},
                      SplitCase{"\"1\", \"Ann\" ,Lee ", {"\"1\"", " \"Ann\" ", "Lee "}},
                      SplitCase{"IDNum,Firstname,Lastname", {"IDNum", "Firstname", "Lastname"}}));

TEST(DecodeCellText, KeepsValidUtf8)
{
    EXPECT_EQ(DecodeCellText("Ren\xC3\xA9"
                             "e"),
              "Ren\xC3\xA9"
              "e");
    EXPECT_EQ(DecodeCellText("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(DecodeCellText(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(DecodeCellText, ReadsOtherBytesAsWindows1252)
{
    EXPECT_EQ(DecodeCellText("Ren\xE9"
                             "e"),
              "Ren\xC3\xA9"
              "e");
    EXPECT_EQ(DecodeCellText("\x80\x9F"), "\xE2\x82\xAC\xC5\xB8");
    // The five unassigned bytes stay characters of their own.
    EXPECT_EQ(DecodeCellText("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_TRUE(IsValidUtf8(DecodeCellText("\xFF\xFE\xC3")));
}

TEST(DecodeCellText, RejectsMalformedUtf8)
{
    EXPECT_FALSE(IsValidUtf8("\xC3"));              // cut short
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));      // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_TRUE(IsValidUtf8("plain"));
}

TEST(ByteOrderMark, IsDroppedFromTheFirstLineOnly)
{
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB\xBF"
                                   "1,Ann,Lee"),
              "1,Ann,Lee");
    EXPECT_EQ(WithoutByteOrderMark("1,Ann,Lee"), "1,Ann,Lee");
    EXPECT_EQ(WithoutByteOrderMark("\xEF\xBB"), "\xEF\xBB");
}

}  // namespace
