#pragma once

// The review grid's cells as the reader fills them from a list's lines: the titles in row 0,
// each line split into rows 1 on.
#include <string>
#include <vector>

#include "import/StudentLine.h"
#include "toolkit/GridCells.h"

inline TGridCells Cells(const std::vector<std::string>& lines)
{
    TGridCells cells(3, int(lines.size()) + 1);
    cells.SetCell(0, 0, "IDNum");
    cells.SetCell(1, 0, "Firstname");
    cells.SetCell(2, 0, "Lastname");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const StudentFields f = SplitStudentLine(lines[i]);
        cells.SetCell(0, int(i) + 1, f.idNum);
        cells.SetCell(1, int(i) + 1, f.firstName);
        cells.SetCell(2, int(i) + 1, f.lastName);
    }
    return cells;
}
