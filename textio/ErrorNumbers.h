#pragma once

#include <string>

// The codes of failed file operations from the platform's error numbers: the conditions that
// have messages of their own (file not found, path not found, too many open files, access
// denied) as 2 to 5, a file that another holds locked as 32, any other failure its own number
// (set apart by 1000 where that number is a code with a meaning of its own).

// A failed open of the file `name`.
int OpenErrorCode(int err, const std::string& name);
// A failed read, write or close.
int TransferErrorCode(int err);
