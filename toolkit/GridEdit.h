#pragma once

#include <string>
#include <vector>

class TGridCells;

// A change to a grid's cells that can be taken back. Its steps run in order, each on the rows
// as the step before left them; rows in a step are ascending.
struct TGridRow {
    int row = 0;
    std::vector<std::string> cells;  // by column; unused by a removal

    bool operator==(const TGridRow&) const = default;
};

struct TGridEditStep {
    enum class Kind { Set, Remove, Insert };
    Kind kind = Kind::Set;
    // Set: the rows' new texts. Remove: the rows, as numbered before the step. Insert: the rows
    // as numbered after it, with their texts.
    std::vector<TGridRow> rows;

    bool operator==(const TGridEditStep&) const = default;
};

struct TGridEdit {
    std::vector<TGridEditStep> steps;

    bool Empty() const;
    bool operator==(const TGridEdit&) const = default;
};

// Runs the edit on the cells and answers the edit that takes it back.
TGridEdit ApplyGridEdit(TGridCells& cells, const TGridEdit& edit);

// Follows the edit's removals and insertions in a list kept beside the rows (row 1 at index 0),
// such as each row's line in a file; an inserted row gets `inserted`.
void FollowGridEdit(std::vector<int>& byRow, const TGridEdit& edit, int inserted = 0);
