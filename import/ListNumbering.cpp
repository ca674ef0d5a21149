#include "import/ListNumbering.h"

#include <algorithm>

#include "import/StudentKey.h"
#include "toolkit/GridCells.h"

std::vector<TStudentRecord> NumberRows(const TGridCells& cells,
                                       const std::map<std::string, std::string>& storedMaxima)
{
    std::map<std::string, std::string> maxima = storedMaxima;
    std::vector<TStudentRecord> rows;
    rows.reserve(std::size_t(std::max(cells.RowCount() - 1, 0)));
    for (int r = 1; r <= cells.RowCount() - 1; ++r) {
        TStudentRecord& row = rows.emplace_back();
        row.studentId = std::string(cells.Cell(0, r));
        row.firstName = std::string(cells.Cell(1, r));
        row.lastName = std::string(cells.Cell(2, r));
        row.psid = MakePSID(row.firstName, row.lastName);
        std::string& maximum = maxima[row.psid];
        row.sequence = NextPSIDSequence(maximum);
        maximum = std::to_string(row.sequence);
    }
    return rows;
}

int LineOfRow(const std::vector<int>& lines, std::size_t index)
{
    return index < lines.size() ? lines[index] : int(index) + 1;
}
