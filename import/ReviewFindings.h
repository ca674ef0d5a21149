#pragma once

#include <functional>
#include <string>

#include "import/ListFindings.h"

class TStringGrid;

// The findings of the list in the review grid, shown on its cells and kept up to date as the user
// corrects, removes and posts rows. What is stored is looked up by the function given (nothing
// is looked up without one).
class TReviewFindings {
public:
    // Looks up the list's unknown IDNums, or the row's alone (row 0: all).
    using LookUp = std::function<void(TListFindings&, int row)>;

    explicit TReviewFindings(TStringGrid& grid);
    void SetLookUp(LookUp lookUp) { lookUp_ = std::move(lookUp); }

    // Shows no mark until the next check: the list is being replaced.
    void Clear();
    // Checks the whole list, after an import or a removal; `stored` again, after a posting.
    void CheckAll(bool lookUpAgain = false);
    // Checks a row again after the user changed one of its cells.
    void CheckRow(int row);
    // Makes the next marked row (direction 1) or the one before (-1) the current row; false when
    // there is none.
    bool GoToMarked(int direction);
    // Removes every row whose IDNum is stored, in one step; answers how many went.
    int RemoveStoredRows();
    // The line that says how many rows need a look; empty before the first check.
    std::string Summary() const { return checked_ ? findings_.Summary() : std::string(); }

private:
    std::string Note(int col, int row) const;

    TStringGrid& grid_;
    TListFindings findings_;
    LookUp lookUp_;
    bool checked_ = false;
};
