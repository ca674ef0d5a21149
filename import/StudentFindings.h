#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "import/StudentLine.h"
#include "textio/Phrase.h"

// What may be wrong with a row of a student list before it is posted. A finding never changes
// a cell or what is posted; it points at what an office worker should look at.
enum class FindingKind {
    Heading,
    OtherSeparator,
    EmptyLine,
    ExtraComma,
    Quoted,
    NoIdNum,
    NoName,
    Blanks,
    DigitInName,
    NoLetterInName,
    LostLetter,
    RepeatedIdNum,
    AlreadyStored,
    StoredForAnotherName,
};
inline constexpr int kFindingKinds = int(FindingKind::StoredForAnotherName) + 1;

inline constexpr int kWholeRow = -1;

struct TFinding {
    FindingKind kind;
    int column;  // 0 IDNum, 1 Firstname, 2 Lastname, or kWholeRow
    TPhrase text;

    bool operator==(const TFinding&) const = default;
};

// The rules a row breaks by itself, in the order of the kinds.
std::vector<TFinding> RowFindings(const StudentFields& row);
// The same rules, their kinds alone, a bit each (1 << kind): what a whole list is checked by.
unsigned RowFindingKinds(const StudentFieldViews& row);

inline constexpr unsigned KindBit(FindingKind kind)
{
    return 1u << unsigned(kind);
}

// The field without the stray blanks (spaces, tabs) at its start and end that a finding marks.
std::string_view WithoutStrayBlanks(std::string_view field);

// The separator a spreadsheet's "sep=;" line names, for a row that is such a line.
std::optional<char> SeparatorLine(const StudentFieldViews& row);
