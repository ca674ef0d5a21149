#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Lower-cases every character of UTF-8 text by the Unicode rules, whatever the user's language
// settings. Bytes that are no valid UTF-8 are kept as they are.
std::string LowerCaseUtf8(std::string_view text);

// The number of bytes of the first UTF-8 character of text (a stray byte counts as one).
std::size_t FirstCharacterLength(std::string_view text);

// Whether the bytes are valid UTF-8: no stray or cut-short sequence, no overlong form, no
// surrogate, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// Appends the UTF-8 bytes of a character.
void AppendUtf8(std::string& out, std::uint32_t cp);
