#pragma once

#include <string>
#include <string_view>

// Lower-cases every character of UTF-8 text by the Unicode rules, whatever the user's language
// settings. Bytes that are no valid UTF-8 are kept as they are.
std::string LowerCaseUtf8(std::string_view text);

// The number of bytes of the first UTF-8 character of text (a stray byte counts as one).
std::size_t FirstCharacterLength(std::string_view text);
