#pragma once

#include <string>

class TStringGrid;

// What reading a list shows while it runs: the running line count, repainted at once.
class ImportView {
public:
    virtual ~ImportView() = default;
    virtual void ShowLineCount(int shown) = 0;
};

// Reads a student list file into the review grid, from the title row on (the steps after the
// file dialog of "Import List"). Raises EInOutError; what was done before a failure stays.
void ReadStudentList(const std::string& fileName, TStringGrid& grid, ImportView& view);
