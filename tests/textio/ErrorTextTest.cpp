#include <gtest/gtest.h>

#include "textio/ApplicationTitle.h"
#include "textio/ErrorDisplay.h"

namespace {

struct TextCase {
    const char* input;
    const char* shown;
};

class TopLevelFullStop : public ::testing::TestWithParam<TextCase> {};

TEST_P(TopLevelFullStop, AddsOneOnlyAfterCharactersAboveFullStop)
{
    EXPECT_EQ(TopLevelMessageText(GetParam().input), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(ErrorDisplay, TopLevelFullStop,
                         ::testing::Values(TextCase{"File not found", "File not found."},
                                           TextCase{"I/O error 32", "I/O error 32."},
                                           TextCase{"", ""}, TextCase{"Done.", "Done."},
                                           TextCase{"Stop!", "Stop!"},
                                           TextCase{"trailing ", "trailing "},
                                           TextCase{"(x)", "(x)"}, TextCase{"a-", "a-"},
                                           TextCase{"slash/", "slash/."},
                                           TextCase{"accent \xC3\xA9", "accent \xC3\xA9."}));

TEST(ErrorDisplay, StartupTextNamesKindModuleAndMessage)
{
    EXPECT_EQ(StartupMessagePhrase("EInOutError", "Cardovane", "File not found").English(),
              "Exception EInOutError in module Cardovane at 00000000.\nFile not found.");
    EXPECT_EQ(StartupMessagePhrase("EDatabaseError", "Cardovane", "Stop!").English(),
              "Exception EDatabaseError in module Cardovane at 00000000.\nStop!.");
    EXPECT_EQ(StartupMessagePhrase("Exception", "x", "Done.").English(),
              "Exception Exception in module x at 00000000.\nDone.");
    EXPECT_EQ(StartupMessagePhrase("Exception", "x", "").English(),
              "Exception Exception in module x at 00000000.\n");
}

class Title : public ::testing::TestWithParam<TextCase> {};

TEST_P(Title, IsTheFileNameCutAtItsFirstDot)
{
    EXPECT_EQ(ApplicationTitle(GetParam().input), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(ApplicationTitle, Title,
                         ::testing::Values(TextCase{"/opt/cardovane/Cardovane", "Cardovane"},
                                           TextCase{"C:/TOOLS/STUDENT.IMPORT.EXE", "Student"},
                                           TextCase{"LISTTOOL.EXE", "Listtool"},
                                           TextCase{"/x/.hidden", ""}, TextCase{"/bin/a.b.c", "a"},
                                           TextCase{"mIxEd", "mixed"},
                                           TextCase{"/opt/\xC3\x89"
                                                    "COLE.EXE",
                                                    "\xC3\x89"
                                                    "cole"},
                                           TextCase{"/opt/\xD0\x96\xD0\x96", "\xD0\x96\xD0\xB6"},
                                           TextCase{"/opt/A\xFF\xC3\x84", "A\xFF\xC3\xA4"}));

}  // namespace
