#pragma once

#include <string>

// Codes of the text layer itself; the file system's numbers are mapped in TTextFile.
inline constexpr int kIOFileNotOpen = 103;
inline constexpr int kIOFileNotOpenForInput = 104;
inline constexpr int kIOFileNotOpenForOutput = 105;

// The message of an I/O error, chosen by its code; no full stop of its own.
std::string IOErrorMessage(int code);
