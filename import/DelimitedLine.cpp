#include "import/DelimitedLine.h"

#include <algorithm>

#include "import/HeadingWords.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

std::optional<std::vector<std::string>> SplitDelimited(std::string_view line, char separator)
{
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (true) {
        std::size_t start = i;
        while (start < line.size() && IsBlank(line[start]) && line[start] != separator) {
            ++start;
        }
        if (start < line.size() && line[start] == '"') {
            std::string field;
            std::size_t j = start + 1;
            while (true) {
                if (j >= line.size()) {
                    return std::nullopt;  // the quote is never closed
                }
                if (line[j] == '"') {
                    if (j + 1 < line.size() && line[j + 1] == '"') {
                        field += '"';
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                field += line[j++];
            }
            while (j < line.size() && IsBlank(line[j]) && line[j] != separator) {
                ++j;
            }
            if (j < line.size() && line[j] != separator) {
                return std::nullopt;  // text after the closing quote
            }
            fields.push_back(std::move(field));
            i = j;
        } else {
            const std::size_t end = std::min(line.find(separator, i), line.size());
            fields.emplace_back(line.substr(i, end - i));
            i = end;
        }
        if (i >= line.size()) {
            return fields;
        }
        ++i;  // past the separator
    }
}

std::string RejoinStudentLine(const StudentFieldViews& row)
{
    if (row.idNum.empty() && row.firstName.empty()) {
        return std::string(row.lastName);
    }
    std::string line;
    line.reserve(row.idNum.size() + row.firstName.size() + row.lastName.size() + 2);
    line.append(row.idNum).append(1, ',').append(row.firstName).append(1, ',');
    line.append(row.lastName);
    return line;
}

std::optional<THeading> ReadHeading(std::string_view line, std::optional<char> separator)
{
    std::vector<char> separators = {',', ';', '\t'};
    if (separator) {
        separators = {*separator};
    }
    for (const char candidate : separators) {
        const std::optional<std::vector<std::string>> fields = SplitDelimited(line, candidate);
        if (!fields || fields->size() < 3) {
            continue;
        }
        std::optional<std::size_t> found[3];
        for (std::size_t i = 0; i < fields->size(); ++i) {
            const HeadingRole role = RoleOfHeading((*fields)[i]);
            if (role != HeadingRole::None && !found[int(role) - 1]) {
                found[int(role) - 1] = i;
            }
        }
        if (found[0] && found[1] && found[2]) {
            return THeading{candidate, fields->size(), *found[0], *found[1], *found[2]};
        }
    }
    return std::nullopt;
}

std::optional<StudentFields> FieldsUnderHeading(std::string_view line, const THeading& heading)
{
    std::optional<std::vector<std::string>> fields = SplitDelimited(line, heading.separator);
    if (!fields || fields->size() != heading.columns) {
        return std::nullopt;
    }
    return StudentFields{std::move((*fields)[heading.idNum]),
                         std::move((*fields)[heading.firstName]),
                         std::move((*fields)[heading.lastName])};
}
