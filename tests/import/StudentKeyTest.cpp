#include <gtest/gtest.h>

#include "import/StudentKey.h"
#include "textio/Exception.h"

namespace {

struct KeyCase {
    const char* name;
    const char* firstName;
    const char* lastName;
    const char* key;
};

class Key : public ::testing::TestWithParam<KeyCase> {};

TEST_P(Key, TakesTwoCharactersOfEachName)
{
    EXPECT_EQ(MakePSID(GetParam().firstName, GetParam().lastName), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    MakePSID, Key,
    ::testing::Values(
        KeyCase{"Plain", "John", "Smith", "josm"}, KeyCase{"Capitals", "JOHN", "SMITH", "josm"},
        KeyCase{"OneLetterName", "J", "Doe", "jdo"}, KeyCase{"EmptyFirstName", "", "Lee", "le"},
        KeyCase{"BothEmpty", "", "", ""}, KeyCase{"LeadingBlank", " Amy", "Lin", " ali"},
        KeyCase{"Apostrophe", "Sean", "O'Hara", "seo'"}, KeyCase{"Digits", "2Pac", "X9", "2px9"},
        // An accented capital is one character, kept whole and unchanged.
        KeyCase{"AccentedCapital", "\xC3\x89mile", "Zola", "\xC3\x89mzo"},
        KeyCase{"AccentedSecond",
                "R\xC3\x89"
                "ne",
                "\xC3\x96z", "r\xC3\x89\xC3\x96z"},
        KeyCase{"FourByteCharacter", "\xF0\x9F\x98\x80!", "Ng", "\xF0\x9F\x98\x80!ng"},
        KeyCase{"StrayByteCountsAsOne", "\xE9t\xE9", "Ab", "\xE9tab"}),
    [](const auto& p) { return p.param.name; });

struct SequenceCase {
    const char* stored;
    int next;
};

class Sequence : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(Sequence, IsTheStoredMaximumPlusOne)
{
    EXPECT_EQ(NextPSIDSequence(GetParam().stored), GetParam().next);
}

INSTANTIATE_TEST_SUITE_P(NextPSIDSequence, Sequence,
                         ::testing::Values(SequenceCase{"", 1}, SequenceCase{"0", 1},
                                           SequenceCase{"3", 4}, SequenceCase{"-5", -4},
                                           SequenceCase{"2147483646", 2147483647},
                                           SequenceCase{"-2147483649", -2147483647 - 1}));

TEST(NextPSIDSequence, RefusesWhatIsNoIntegerOrOverflows)
{
    EXPECT_THROW(NextPSIDSequence("abc"), Exception);
    EXPECT_THROW(NextPSIDSequence("3.5"), Exception);
    EXPECT_THROW(NextPSIDSequence(" 3"), Exception);
    EXPECT_THROW(NextPSIDSequence("2147483647"), Exception);
    EXPECT_THROW(NextPSIDSequence("99999999999999999999"), Exception);
    EXPECT_THROW(NextPSIDSequence("-2147483650"), Exception);
    EXPECT_THROW(NextPSIDSequence("9223372036854775807"), Exception);
}

}  // namespace
