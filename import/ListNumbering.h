#pragma once

#include <map>
#include <string>
#include <vector>

#include "store/table/StudentRecord.h"

class TGridCells;

// Numbers rows 1 to row count less one of the cells as "Add List To Database" numbers them, one
// after the other: each row's number follows the largest stored for its key (the field text
// storedMaxima gives; a key it lacks has none) or the row before it in the list with that key.
// Raises as NextPSIDSequence does.
std::vector<TStudentRecord> NumberRows(const TGridCells& cells,
                                       const std::map<std::string, std::string>& storedMaxima);

// The line in the file of the numbered row at `index`: `lines` gives each row's line where rows
// were left out; without it, row i is line i + 1.
int LineOfRow(const std::vector<int>& lines, std::size_t index);
