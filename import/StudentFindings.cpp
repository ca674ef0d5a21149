#include "import/StudentFindings.h"

#include <algorithm>
#include <array>

#include "import/StudentKey.h"

namespace {

constexpr const char* kColumnTitles[] = {"IDNum", "Firstname", "Lastname"};

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

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Words a spreadsheet's heading row is made of, whatever their case.
bool HasHeadingWord(std::string_view field)
{
    static constexpr std::array<std::string_view, 17> kWords = {
        "id",      "idnum",   "idno",  "number",    "num",     "no",
        "name",    "names",   "first", "firstname", "last",    "lastname",
        "surname", "student", "given", "family",    "forename"};
    std::string word;
    for (std::size_t i = 0; i <= field.size(); ++i) {
        const char c = i < field.size() ? field[i] : ' ';
        if (IsAsciiLetter(c)) {
            word += char(c | 0x20);
        } else if (!word.empty()) {
            if (std::find(kWords.begin(), kWords.end(), word) != kWords.end()) {
                return true;
            }
            word.clear();
        }
    }
    return false;
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

}  // namespace

std::vector<TFinding> RowFindings(const StudentFields& row)
{
    const std::string* fields[] = {&row.idNum, &row.firstName, &row.lastName};
    std::vector<TFinding> found;
    if (row.idNum.empty() && row.firstName.empty() && row.lastName.empty()) {
        return {{FindingKind::EmptyLine, kWholeRow, "an empty line: no student"}};
    }
    const bool idHasDigit = std::any_of(row.idNum.begin(), row.idNum.end(), IsDigit);
    if (!idHasDigit && std::any_of(std::begin(fields), std::end(fields),
                                   [](const std::string* f) { return HasHeadingWord(*f); })) {
        return {{FindingKind::Heading, kWholeRow, "looks like column headings, not a student"}};
    }
    // A line without a comma went whole into the last name: what it holds instead says how it
    // was saved, and its empty IDNum and first name follow from that alone.
    if (row.idNum.empty() && row.firstName.empty()) {
        for (const auto& [separator, name] : {std::pair{';', "semicolons"}, {'\t', "tabs"}}) {
            if (row.lastName.find(separator) != std::string::npos) {
                return {{FindingKind::OtherSeparator, kWholeRow,
                         std::string("saved with another separator: ") + name +
                             " but no comma, so the whole line went into the Lastname"}};
            }
        }
    }
    if (row.lastName.find(',') != std::string::npos) {
        found.push_back({FindingKind::ExtraComma, 2,
                         "a fourth column or a quoted comma: the Lastname holds a comma"});
    }
    for (int c = 0; c < 3; ++c) {
        const std::string_view field = Trimmed(*fields[c]);
        if (!field.empty() && (field.front() == '"' || field.back() == '"')) {
            found.push_back({FindingKind::Quoted, c,
                             std::string("the ") + kColumnTitles[c] +
                                 " is in double quotes, which would be stored as part of it"});
        }
    }
    if (row.idNum.empty()) {
        found.push_back({FindingKind::NoIdNum, 0, "no IDNum"});
    }
    for (int c = 1; c < 3; ++c) {
        if (fields[c]->empty()) {
            found.push_back({FindingKind::NoName, c, std::string("no ") + kColumnTitles[c]});
        }
    }
    for (int c = 0; c < 3; ++c) {
        const std::string& field = *fields[c];
        if (!field.empty() && (IsBlank(field.front()) || IsBlank(field.back()))) {
            found.push_back({FindingKind::Blanks, c,
                             std::string("blanks at the start or end of the ") + kColumnTitles[c]});
        }
    }
    for (int c = 1; c < 3; ++c) {
        const std::string& field = *fields[c];
        if (std::any_of(field.begin(), field.end(), IsDigit)) {
            found.push_back({FindingKind::DigitInName, c,
                             std::string("the ") + kColumnTitles[c] + " holds a digit"});
        }
    }
    for (int c = 1; c < 3; ++c) {
        const std::string& field = *fields[c];
        if (!field.empty() && std::none_of(field.begin(), field.end(), IsAsciiLetter)) {
            found.push_back({FindingKind::NoLetterInName, c,
                             std::string("the ") + kColumnTitles[c] +
                                 " has no letter A to Z: the name key would be " +
                                 Quoted(MakePSID(row.firstName, row.lastName))});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const TFinding& a, const TFinding& b) { return a.kind < b.kind; });
    return found;
}
