#pragma once

#include <array>
#include <string>
#include <string_view>

// The grid's titles over a list's three fields, in their order.
inline constexpr std::array<const char*, 3> kListColumnTitles = {"IDNum", "Firstname", "Lastname"};

struct StudentFields {
    std::string idNum;
    std::string firstName;
    std::string lastName;

    bool operator==(const StudentFields&) const = default;
};

// Splits one line of a student list: the first comma ends the identification number, the next
// ends the first name, and the last name is all the rest, further commas included. A missing
// comma leaves the earlier field empty. Nothing is quoted, escaped or trimmed.
StudentFields SplitStudentLine(const std::string& line);
struct StudentFieldViews {
    std::string_view idNum;
    std::string_view firstName;
    std::string_view lastName;
};
// The same as views into the line, for a reader that copies nothing it need not.
StudentFieldViews SplitStudentLineViews(std::string_view line);

// The text a cell shows for a line's bytes: UTF-8 as it stands, and a line that is not valid
// UTF-8 read as Windows-1252, so that every byte stays a character of its own.
std::string DecodeCellText(std::string_view bytes);

// A UTF-8 byte-order mark at the start of a file is its encoding mark, not a student's text.
std::string_view WithoutByteOrderMark(std::string_view firstLine);
