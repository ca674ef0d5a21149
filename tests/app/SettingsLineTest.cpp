#include <gtest/gtest.h>

#include "app/SettingsLine.h"

namespace {

struct ParseCase {
    const char* name;
    const char* line;
    SettingsLine parsed;
};

class Parse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(Parse, FollowsTheFirstBracketAndFirstEquals)
{
    EXPECT_EQ(ParseSettingsLine(GetParam().line), GetParam().parsed);
}

INSTANTIATE_TEST_SUITE_P(
    ParseSettingsLine, Parse,
    ::testing::Values(ParseCase{"Written", "[FacilityName] = North School", {true, "North School"}},
                      ParseCase{"FurtherEqualsKept", "[FacilityName] = a=b", {true, "a=b"}},
                      ParseCase{
                          "NoBlankLosesFirstCharacter", "[FacilityName]=North", {true, "orth"}},
                      ParseCase{"EqualsLast", "[FacilityName] =", {true, ""}},
                      ParseCase{"OneCharacterAfterEquals", "[FacilityName] =x", {true, ""}},
                      ParseCase{"NoEquals", "[FacilityName]", {true, "FacilityName]"}},
                      ParseCase{"BlanksKept", "[FacilityName] =   padded  ", {true, "  padded  "}},
                      ParseCase{"OtherCase", "[facilityname] = x", {false, ""}},
                      ParseCase{"LeadingBlank", " [FacilityName] = x", {false, ""}},
                      ParseCase{"NoBrackets", "FacilityName = x", {false, ""}},
                      ParseCase{"NoClosingBracket", "[FacilityName = x", {false, ""}},
                      ParseCase{"NoEqualsWithText", "[FacilityName] x", {true, "FacilityName] x"}},
                      ParseCase{"Empty", "", {false, ""}}),
    [](const auto& p) { return p.param.name; });

TEST(FormatSettingsLine, KeyBlankEqualsBlankValue)
{
    EXPECT_EQ(FormatSettingsLine("x"), "[FacilityName] = x");
    EXPECT_EQ(FormatSettingsLine(""), "[FacilityName] = ");
    EXPECT_EQ(ParseSettingsLine(FormatSettingsLine(" a = b ")).value, " a = b ");
}

}  // namespace
