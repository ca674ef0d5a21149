#pragma once

#include <string>
#include <vector>

// Records of a result as field texts, record by record; null is told apart from the empty text.
struct TRecordWindow {
    std::vector<std::string> texts;
    std::vector<char> nulls;
    int records = 0;
};
