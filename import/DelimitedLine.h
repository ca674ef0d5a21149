#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/StudentLine.h"

// Lines as spreadsheets save them when they are not three plain comma-separated fields: quoted
// fields, other separators, and a heading row that names the columns.

// A line's fields as RFC 4180 reads them at `separator`: a field in double quotes loses them,
// its doubled quotes are one, separators inside it stay; blanks around a quoted field go. An
// unquoted field is taken as it stands. None for a quote that is not closed, or text after one.
std::optional<std::vector<std::string>> SplitDelimited(std::string_view line, char separator);
// The line a row was read from, as far as its cells tell: the fields joined by commas, and a
// line that had none whole.
std::string RejoinStudentLine(const StudentFieldViews& row);

// Where a heading row names the columns.
struct THeading {
    char separator = ',';
    std::size_t columns = 0;
    std::size_t idNum = 0;
    std::size_t firstName = 0;
    std::size_t lastName = 0;
};
// The heading a line is, read at the separator named (by a "sep=" line) or else at the first of
// comma, semicolon and tab that names all three columns.
std::optional<THeading> ReadHeading(std::string_view line, std::optional<char> separator);
// A row read under the heading; none unless it has the heading's number of fields.
std::optional<StudentFields> FieldsUnderHeading(std::string_view line, const THeading& heading);
