#include "import/StudentFindings.h"

#include <algorithm>

#include "import/HeadingWords.h"
#include "import/StudentKey.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A letter, or a byte of one outside ASCII.
bool IsLetterByte(char c)
{
    return IsAsciiLetter(c) || static_cast<unsigned char>(c) >= 0x80;
}

// Each rule on one field, for the kinds and for their texts alike.
bool IsQuotedField(std::string_view field)
{
    field = WithoutStrayBlanks(field);
    return !field.empty() && (field.front() == '"' || field.back() == '"');
}

bool HasStrayBlanks(std::string_view field)
{
    return !field.empty() && (IsBlank(field.front()) || IsBlank(field.back()));
}

// Plain loops: these run over every field of a whole list.
bool HasDigit(std::string_view field)
{
    for (const char c : field) {
        if (IsDigit(c)) {
            return true;
        }
    }
    return false;
}

bool HasNoLetter(std::string_view field)
{
    for (const char c : field) {
        if (IsAsciiLetter(c)) {
            return false;
        }
    }
    return !field.empty();
}

// A "?" between letters: a letter the spreadsheet's character set could not hold.
bool HasLostLetter(std::string_view field)
{
    for (std::size_t i = 1; i + 1 < field.size(); ++i) {
        if (field[i] == '?' && IsLetterByte(field[i - 1]) && IsLetterByte(field[i + 1])) {
            return true;
        }
    }
    return false;
}

// The separator a line holds instead of commas, when it went whole into the Lastname.
char OtherSeparator(const StudentFieldViews& row)
{
    if (!row.idNum.empty() || !row.firstName.empty()) {
        return 0;
    }
    for (const char separator : {';', '\t'}) {
        if (row.lastName.find(separator) != std::string_view::npos) {
            return separator;
        }
    }
    return 0;
}

// Column headings, not a student: no IDNum, and words headings are made of. A heading saved
// with another separator went whole into the Lastname; its fields are read between them.
bool IsHeading(const StudentFieldViews& row)
{
    if (const char separator = OtherSeparator(row)) {
        std::string_view rest = row.lastName;
        const std::string_view first = rest.substr(0, rest.find(separator));
        if (HasDigit(first)) {
            return false;
        }
        while (true) {
            const std::size_t at = rest.find(separator);
            if (HasHeadingWord(rest.substr(0, at))) {
                return true;
            }
            if (at == std::string_view::npos) {
                return false;
            }
            rest.remove_prefix(at + 1);
        }
    }
    return !HasDigit(row.idNum) && (HasHeadingWord(row.idNum) || HasHeadingWord(row.firstName) ||
                                    HasHeadingWord(row.lastName));
}

StudentFieldViews Views(const StudentFields& row)
{
    return {row.idNum, row.firstName, row.lastName};
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// A finding's words, of the findings' context in the catalogues.
TPhrase Finding(const char* source, std::vector<TPhrase> args = {})
{
    return TPhrase("Findings", source, std::move(args));
}

}  // namespace

std::string_view WithoutStrayBlanks(std::string_view field)
{
    while (!field.empty() && IsBlank(field.front())) {
        field.remove_prefix(1);
    }
    while (!field.empty() && IsBlank(field.back())) {
        field.remove_suffix(1);
    }
    return field;
}

std::optional<char> SeparatorLine(const StudentFieldViews& row)
{
    // "sep=;" goes whole into the Lastname; "sep=," gives the IDNum "sep=" and nothing more.
    const auto named = [](std::string_view text) {
        return text.size() == 5 && (text[0] | 0x20) == 's' && (text[1] | 0x20) == 'e' &&
               (text[2] | 0x20) == 'p' && text[3] == '=';
    };
    if (row.idNum.empty() && row.firstName.empty() && named(row.lastName)) {
        return row.lastName[4];
    }
    if (row.firstName.empty() && row.lastName.empty() && row.idNum.size() == 4 &&
        named(std::string(row.idNum) + ",")) {
        return ',';
    }
    return std::nullopt;
}

unsigned RowFindingKinds(const StudentFieldViews& row)
{
    if (row.idNum.empty() && row.firstName.empty() && row.lastName.empty()) {
        return KindBit(FindingKind::EmptyLine);
    }
    if (SeparatorLine(row) || IsHeading(row)) {
        return KindBit(FindingKind::Heading);
    }
    if (OtherSeparator(row)) {
        return KindBit(FindingKind::OtherSeparator);
    }
    const std::string_view fields[] = {row.idNum, row.firstName, row.lastName};
    unsigned kinds = 0;
    if (row.lastName.find(',') != std::string_view::npos) {
        kinds |= KindBit(FindingKind::ExtraComma);
    }
    if (row.idNum.empty()) {
        kinds |= KindBit(FindingKind::NoIdNum);
    }
    for (int c = 0; c < 3; ++c) {
        const std::string_view field = fields[c];
        kinds |= (IsQuotedField(field) ? KindBit(FindingKind::Quoted) : 0) |
                 (HasStrayBlanks(field) ? KindBit(FindingKind::Blanks) : 0);
        if (c > 0) {
            kinds |= (field.empty() ? KindBit(FindingKind::NoName) : 0) |
                     (HasDigit(field) ? KindBit(FindingKind::DigitInName) : 0) |
                     (HasNoLetter(field) ? KindBit(FindingKind::NoLetterInName) : 0) |
                     (HasLostLetter(field) ? KindBit(FindingKind::LostLetter) : 0);
        }
    }
    return kinds;
}

namespace {

// The one finding of a row that is no student at all, if it is one.
std::optional<TFinding> WholeRowFinding(const StudentFieldViews& views, unsigned kinds)
{
    if (kinds == KindBit(FindingKind::EmptyLine)) {
        return TFinding{FindingKind::EmptyLine, kWholeRow,
                        Finding(QT_TRANSLATE_NOOP("Findings", "an empty line: no student"))};
    }
    if (kinds == KindBit(FindingKind::Heading)) {
        if (const std::optional<char> separator = SeparatorLine(views)) {
            return TFinding{
                FindingKind::Heading, kWholeRow,
                Finding(QT_TRANSLATE_NOOP(
                            "Findings",
                            "the spreadsheet's line naming its separator (sep=%1), not a student"),
                        {std::string(1, *separator)})};
        }
        return TFinding{
            FindingKind::Heading, kWholeRow,
            Finding(QT_TRANSLATE_NOOP("Findings", "looks like column headings, not a student"))};
    }
    if (kinds == KindBit(FindingKind::OtherSeparator)) {
        // A line without a comma went whole into the last name: what it holds instead says
        // how it was saved, and its empty IDNum and first name follow from that alone.
        return TFinding{
            FindingKind::OtherSeparator, kWholeRow,
            OtherSeparator(views) == ';'
                ? Finding(QT_TRANSLATE_NOOP("Findings",
                                            "saved with another separator: semicolons but no "
                                            "comma, so the whole line went into the Lastname"))
                : Finding(QT_TRANSLATE_NOOP("Findings",
                                            "saved with another separator: tabs but no comma, so "
                                            "the whole line went into the Lastname"))};
    }
    return std::nullopt;
}

}  // namespace

std::vector<TFinding> RowFindings(const StudentFields& row)
{
    const StudentFieldViews views = Views(row);
    const unsigned kinds = RowFindingKinds(views);
    if (std::optional<TFinding> whole = WholeRowFinding(views, kinds)) {
        return {std::move(*whole)};
    }
    const std::string* fields[] = {&row.idNum, &row.firstName, &row.lastName};
    std::vector<TFinding> found;
    const auto each = [&](FindingKind kind, int from, bool (*breaks)(std::string_view), auto text) {
        if ((kinds & KindBit(kind)) == 0) {
            return;
        }
        for (int c = from; c < 3; ++c) {
            if (breaks(*fields[c])) {
                found.push_back({kind, c, text(kListColumnTitles[std::size_t(c)])});
            }
        }
    };
    if (kinds & KindBit(FindingKind::ExtraComma)) {
        found.push_back(
            {FindingKind::ExtraComma, 2,
             Finding(QT_TRANSLATE_NOOP(
                 "Findings", "a fourth column or a quoted comma: the Lastname holds a comma"))});
    }
    each(FindingKind::Quoted, 0, IsQuotedField, [](const char* title) {
        return Finding(
            QT_TRANSLATE_NOOP("Findings",
                              "the %1 is in double quotes, which would be stored as part of it"),
            {title});
    });
    if (kinds & KindBit(FindingKind::NoIdNum)) {
        found.push_back(
            {FindingKind::NoIdNum, 0, Finding(QT_TRANSLATE_NOOP("Findings", "no IDNum"))});
    }
    each(
        FindingKind::NoName, 1, [](std::string_view f) { return f.empty(); },
        [](const char* title) { return Finding(QT_TRANSLATE_NOOP("Findings", "no %1"), {title}); });
    each(FindingKind::Blanks, 0, HasStrayBlanks, [](const char* title) {
        return Finding(QT_TRANSLATE_NOOP("Findings", "blanks at the start or end of the %1"),
                       {title});
    });
    each(FindingKind::DigitInName, 1, HasDigit, [](const char* title) {
        return Finding(QT_TRANSLATE_NOOP("Findings", "the %1 holds a digit"), {title});
    });
    each(FindingKind::NoLetterInName, 1, HasNoLetter, [&](const char* title) {
        return Finding(
            QT_TRANSLATE_NOOP("Findings", "the %1 has no letter A to Z: the name key would be %2"),
            {title, Quoted(MakePSID(row.firstName, row.lastName))});
    });
    each(FindingKind::LostLetter, 1, HasLostLetter, [](const char* title) {
        return Finding(QT_TRANSLATE_NOOP("Findings",
                                         "the %1 has a ? where the spreadsheet could not save a "
                                         "letter: save the list as CSV UTF-8 and import it again"),
                       {title});
    });
    return found;
}
