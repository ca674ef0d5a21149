#include "import/ReviewFindings.h"

#include "toolkit/StringGrid.h"

TReviewFindings::TReviewFindings(TStringGrid& grid) : grid_(grid)
{
    grid_.SetNotes([this](int col, int row) { return Note(col, row); });
}

void TReviewFindings::Clear()
{
    checked_ = false;
    grid_.NotesChanged();
}

void TReviewFindings::CheckAll(bool lookUpAgain)
{
    checked_ = true;
    if (lookUpAgain) {
        findings_.ForgetStored();
    }
    findings_.Check(grid_.Cells());
    grid_.NotesChanged();
    if (lookUp_) {
        lookUp_(findings_, 0);
        grid_.NotesChanged();
    }
}

void TReviewFindings::CheckRow(int row)
{
    if (!checked_) {
        return;
    }
    findings_.CheckRow(grid_.Cells(), row);
    grid_.NotesChanged();
    if (lookUp_ && !findings_.IdNumsToLookUp(row).empty()) {
        lookUp_(findings_, row);
        grid_.NotesChanged();
    }
}

bool TReviewFindings::GoToMarked(int direction)
{
    // Before the user has moved in the grid, the first mark is the first to go to.
    const int from = grid_.currentIndex().isValid() ? grid_.Row() : 0;
    const int row = checked_ ? findings_.NextMarked(from, direction) : 0;
    if (row == 0) {
        return false;
    }
    grid_.SetRow(row);
    return true;
}

int TReviewFindings::RemoveStoredRows()
{
    const std::vector<int> rows = findings_.StoredRows();
    grid_.RemoveRows(rows);
    findings_.Check(grid_.Cells());
    grid_.NotesChanged();
    return int(rows.size());
}

std::string TReviewFindings::Note(int col, int row) const
{
    if (!checked_ || !findings_.Marked(row)) {
        return {};
    }
    std::string note;
    for (const TFinding& finding : findings_.Of(row)) {
        if (finding.column == col || finding.column == kWholeRow) {
            note += (note.empty() ? "" : "\n") + finding.text;
        }
    }
    return note;
}
