#pragma once

#include <string>

// The message of an I/O error, chosen by its code; no full stop of its own.
std::string IOErrorMessage(int code);
