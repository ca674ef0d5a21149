#pragma once

#include <string>

// The name key: the first two characters of the first name followed by the first two of the
// last name, with only "A" to "Z" lower-cased. Names are UTF-8 and a character is kept whole, so
// a key never holds half of one; nothing is trimmed.
std::string MakePSID(const std::string& firstName, const std::string& lastName);

// The sequence number after the largest one stored for a key, given as its field text: empty
// (no record has the key) gives 1. Raises Exception when the text is no integer or the next
// number does not fit a signed 32-bit integer.
int NextPSIDSequence(const std::string& storedMaximum);
