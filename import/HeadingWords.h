#pragma once

#include <string_view>

// What a spreadsheet's column heading names, in the words schools use in English, German,
// French and Spanish, whatever their case, blanks and punctuation.
enum class HeadingRole { None, IdNum, FirstName, LastName };

HeadingRole RoleOfHeading(std::string_view heading);

// Whether the field holds a word that column headings are made of ("Student", "Name", ...),
// alone or among others.
bool HasHeadingWord(std::string_view field);
