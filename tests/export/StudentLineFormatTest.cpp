#include <gtest/gtest.h>

#include "export/StudentLineFormat.h"
#include "import/StudentLine.h"

namespace {

TEST(FormatStudentLine, JoinsWithSingleCommas)
{
    EXPECT_EQ(FormatStudentLine("1234", "Ann", "Lee"), "1234,Ann,Lee");
    EXPECT_EQ(FormatStudentLine("1234", "", "Lee"), "1234,,Lee");
    EXPECT_EQ(FormatStudentLine("", "", ""), ",,");
    EXPECT_EQ(FormatStudentLine(" 1", "\"Ann\"", "Lee "), " 1,\"Ann\",Lee ");
}

TEST(FormatStudentLine, CommaInAFirstNameMovesOnReimport)
{
    EXPECT_EQ(SplitStudentLine(FormatStudentLine("1", "Ann,Marie", "Lee")),
              (StudentFields{"1", "Ann", "Marie,Lee"}));
    EXPECT_EQ(SplitStudentLine(FormatStudentLine("1", "Ann", "Lee,Jr")),
              (StudentFields{"1", "Ann", "Lee,Jr"}));
}

}  // namespace
