// A phrase's English, as the program has always shown it: the count's forms written in the
// template, the texts filled in one pass.
#include <gtest/gtest.h>

#include "textio/Phrase.h"

namespace {

TEST(Phrase, EnglishFormsOfACount)
{
    const struct {
        const char* source;
        std::optional<long long> count;
        const char* english;
    } cases[] = {
        {"%n row(s)", 1, "1 row"},
        {"%n row(s)", 0, "0 rows"},
        {"%n row(s)", 2, "2 rows"},
        {"%n row(s) {needs|need} a look: %1", 1, "1 row needs a look: %1"},
        {"%n row(s) {needs|need} a look: %1", 3, "3 rows need a look: %1"},
        {"%n {digit in a name|digits in names}", 1, "1 digit in a name"},
        {"%n {digit in a name|digits in names}", 2, "2 digits in names"},
        {"%n stray blanks", 1, "1 stray blanks"},
        {"no count: %n (s) {a|b}", std::nullopt, "no count: %n s b"},
        {"{unclosed|brace", 2, "{unclosed|brace"},
        {"}{|", 2, "}{|"},
        {"", 5, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EnglishForm(c.source, c.count), c.english) << c.source;
    }
}

TEST(Phrase, TextsFillTheTemplateInOnePass)
{
    const struct {
        const char* text;
        std::vector<std::string> args;
        const char* filled;
    } cases[] = {
        {"IDNum %1 is already stored, for %2",
         {"7", "Ann Lee"},
         "IDNum 7 is already stored, for Ann Lee"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1", {"%2"}, "%2"},  // a name holding %2 stays as it is
        {"%1 and %3", {"a"}, "a and %3"},
        {"100% sure %", {}, "100% sure %"},
        {"%0 %1", {"x"}, "%0 x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FillPlaceholders(c.text, c.args), c.filled) << c.text;
    }
    const TPhrase nested("Findings", "%1; %n left",
                         {TPhrase("Undo", "Removed %n student(s)", {}, 1)}, 2);
    EXPECT_EQ(nested.English(), "Removed 1 student; 2 left");
    EXPECT_EQ(nested, TPhrase("Removed 1 student; 2 left")) << "phrases are equal by their English";
}

// Lines joined keep each line a phrase of its own, in their order.
TEST(Phrase, JoinedPartsInTheirOrder)
{
    const TPhrase removed("Undo", "Removed %n student(s)", {}, 3);
    const struct {
        std::vector<TPhrase> parts;
        const char* english;
    } cases[] = {
        {{}, ""},
        {{removed}, "Removed 3 students"},
        {{"a", removed, "c%1"}, "a\r\nRemoved 3 students\r\nc%1"},
        {{"", "b"}, "\r\nb"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Joined(c.parts, "%1\r\n%2").English(), c.english);
    }
    const TPhrase lines = Joined({"a", removed}, "%1\r\n%2");
    ASSERT_EQ(lines.Args().size(), 2u);
    EXPECT_EQ(lines.Args()[1].Source(), removed.Source()) << "the line is still its phrase";
}

}  // namespace
