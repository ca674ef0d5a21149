#pragma once

#include <string>

class TGridCells;

// What reading a list shows while it runs: the running line count, repainted at once.
class ImportView {
public:
    virtual ~ImportView() = default;
    virtual void ShowLineCount(int shown) = 0;
};

// Reads a student list file into the cells of the review grid, from the title row on (the steps
// after the file dialog of "Import List"), with or without a window that shows them. Raises
// EInOutError; what was done before a failure stays.
void ReadStudentList(const std::string& fileName, TGridCells& grid, ImportView& view);
