#pragma once

#include <string>

// One line of the export: identification number, first name and last name joined by single
// commas, nothing quoted, escaped or trimmed.
std::string FormatStudentLine(const std::string& idNum, const std::string& firstName,
                              const std::string& lastName);
