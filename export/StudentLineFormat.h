#pragma once

#include <string>
#include <string_view>

// One line of the export: identification number, first name and last name joined by single
// commas, nothing quoted, escaped or trimmed.
std::string FormatStudentLine(std::string_view idNum, std::string_view firstName,
                              std::string_view lastName);
