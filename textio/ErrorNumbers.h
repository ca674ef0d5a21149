#pragma once

#include <string>

// The codes of failed file operations (IOErrorCodes.h) from the platform's error numbers.

// A failed open of the file `name`.
int OpenErrorCode(int err, const std::string& name);
// A failed read, write or close.
int TransferErrorCode(int err);
