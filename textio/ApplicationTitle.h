#pragma once

#include <string>

// The program's title from its file path: the name after the last separator, cut before its
// first ".", every character after the first lower-cased. Text is UTF-8.
std::string ApplicationTitle(const std::string& exeFilePath);
