#include "import/ReviewFindings.h"

#include <QString>

#include "l10n/PhraseText.h"
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

std::vector<TFixPlan> TReviewFindings::Fixes() const
{
    std::vector<TFixPlan> fixes;
    if (!checked_) {
        return fixes;
    }
    for (const FixKind kind : kFixKinds) {
        TFixPlan plan = PlanFix(kind, grid_.Cells(), findings_);
        if (plan.changed > 0) {
            fixes.push_back(std::move(plan));
        }
    }
    return fixes;
}

TPhrase TReviewFindings::ApplyFix(FixKind kind)
{
    const TFixPlan plan = checked_ ? PlanFix(kind, grid_.Cells(), findings_) : TFixPlan{};
    if (plan.changed == 0) {
        return {};
    }
    grid_.Edit(plan.edit, Translated(FixCaption(kind)));
    return FixOutcome(plan);
}

std::optional<FixKind> TReviewFindings::FixForCurrentCell() const
{
    if (!checked_ || !grid_.currentIndex().isValid()) {
        return std::nullopt;
    }
    return FixForCell(grid_.Col(), grid_.Row(), grid_.Cells(), findings_);
}

QString TReviewFindings::Summary() const
{
    return checked_ ? Translated(findings_.Summary()) : QString();
}

QString TReviewFindings::CurrentReason() const
{
    if (!grid_.currentIndex().isValid()) {
        return {};
    }
    const int col = grid_.Col();
    const int row = grid_.Row();
    const std::string note = Note(col, row, "; ");
    if (note.empty()) {
        return {};
    }
    const std::string title(grid_.Cell(col, 0));
    return Translated(grid_.FixedRows() > 0
                          ? TPhrase("Findings", QT_TRANSLATE_NOOP("Findings", "Row %1, %2: %3"),
                                    {std::to_string(row), title, note})
                          : TPhrase("Findings", QT_TRANSLATE_NOOP("Findings", "Row %1: %2"),
                                    {std::to_string(row), note}));
}

std::string TReviewFindings::Note(int col, int row, const char* between) const
{
    if (!checked_ || !findings_.Marked(row)) {
        return {};
    }
    std::string note;
    for (const TFinding& finding : findings_.Of(row)) {
        if (finding.column == col || finding.column == kWholeRow) {
            note += (note.empty() ? "" : between) + Translated(finding.text).toStdString();
        }
    }
    return note;
}
