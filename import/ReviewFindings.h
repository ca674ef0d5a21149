#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "import/ListFindings.h"
#include "import/ListFixes.h"

class TStringGrid;

// The findings of the list in the review grid, shown on its cells and kept up to date as the user
// corrects, removes, fixes and posts rows; and the fixes that mend them, each one change in the
// grid's history. What is stored is looked up by the function given (nothing is looked up
// without one).
class TReviewFindings {
public:
    // Looks up the list's unknown IDNums, or the row's alone (row 0: all).
    using LookUp = std::function<void(TListFindings&, int row)>;

    explicit TReviewFindings(TStringGrid& grid);
    void SetLookUp(LookUp lookUp) { lookUp_ = std::move(lookUp); }

    // Shows no mark until the next check: the list is being replaced.
    void Clear();
    // Checks the whole list, after an import or a change of its rows; `stored` again, after a
    // posting.
    void CheckAll(bool lookUpAgain = false);
    // Checks a row again after one of its cells changed.
    void CheckRow(int row);
    // Makes the next marked row (direction 1) or the one before (-1) the current row; false when
    // there is none.
    bool GoToMarked(int direction);

    // The fixes that apply to the list as it stands, in their order.
    std::vector<TFixPlan> Fixes() const;
    // Makes the fix one change in the grid's history (the grid then tells of it, and the list
    // is checked again); answers what it did, empty when it does not apply.
    TPhrase ApplyFix(FixKind kind);
    // The fix for a finding of the current cell (Ctrl+.), if one applies.
    std::optional<FixKind> FixForCurrentCell() const;
    // Why the current cell is marked, in words ("Row 3, IDNum: ..."); empty when it is not.
    QString CurrentReason() const;
    // The line that says how many rows need a look; empty before the first check.
    QString Summary() const;

private:
    // The reasons of the cell's marks, in the program's language, each after `between`.
    std::string Note(int col, int row, const char* between = "\n") const;

    TStringGrid& grid_;
    TListFindings findings_;
    LookUp lookUp_;
    bool checked_ = false;
};
