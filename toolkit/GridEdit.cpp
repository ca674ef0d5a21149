#include "toolkit/GridEdit.h"

#include <algorithm>

#include "toolkit/GridCells.h"

bool TGridEdit::Empty() const
{
    for (const TGridEditStep& step : steps) {
        if (!step.rows.empty()) {
            return false;
        }
    }
    return true;
}

namespace {

std::vector<std::string> RowTexts(const TGridCells& cells, int row)
{
    std::vector<std::string> texts;
    texts.reserve(std::size_t(cells.ColCount()));
    for (int c = 0; c < cells.ColCount(); ++c) {
        texts.emplace_back(cells.Cell(c, row));
    }
    return texts;
}

void SetRows(TGridCells& cells, const std::vector<TGridRow>& rows)
{
    for (const TGridRow& row : rows) {
        for (int c = 0; c < cells.ColCount() && c < int(row.cells.size()); ++c) {
            cells.SetCell(c, row.row, row.cells[std::size_t(c)]);
        }
    }
}

// Runs one step and answers the step that takes it back.
TGridEditStep ApplyStep(TGridCells& cells, const TGridEditStep& step)
{
    using Kind = TGridEditStep::Kind;
    TGridEditStep back;
    back.rows.reserve(step.rows.size());
    switch (step.kind) {
        case Kind::Set:
            back.kind = Kind::Set;
            for (const TGridRow& row : step.rows) {
                back.rows.push_back({row.row, RowTexts(cells, row.row)});
            }
            SetRows(cells, step.rows);
            break;
        case Kind::Remove: {
            back.kind = Kind::Insert;
            std::vector<int> rows;
            rows.reserve(step.rows.size());
            for (const TGridRow& row : step.rows) {
                back.rows.push_back({row.row, RowTexts(cells, row.row)});
                rows.push_back(row.row);
            }
            cells.RemoveRows(rows);
            break;
        }
        case Kind::Insert: {
            back.kind = Kind::Remove;
            std::vector<int> rows;
            rows.reserve(step.rows.size());
            for (const TGridRow& row : step.rows) {
                back.rows.push_back({row.row, {}});
                rows.push_back(row.row);
            }
            cells.InsertRows(rows);
            SetRows(cells, step.rows);
            break;
        }
    }
    return back;
}

}  // namespace

TGridEdit ApplyGridEdit(TGridCells& cells, const TGridEdit& edit)
{
    TGridEdit back;
    cells.BeginUpdate();
    for (const TGridEditStep& step : edit.steps) {
        back.steps.insert(back.steps.begin(), ApplyStep(cells, step));
    }
    cells.EndUpdate();
    return back;
}

void FollowGridEdit(std::vector<int>& byRow, const TGridEdit& edit, int inserted)
{
    for (const TGridEditStep& step : edit.steps) {
        if (step.kind == TGridEditStep::Kind::Remove) {
            std::vector<char> gone(byRow.size(), 0);
            for (const TGridRow& row : step.rows) {
                if (row.row >= 1 && std::size_t(row.row) <= byRow.size()) {
                    gone[std::size_t(row.row) - 1] = 1;
                }
            }
            std::size_t to = 0;
            for (std::size_t i = 0; i < byRow.size(); ++i) {
                if (!gone[i]) {
                    byRow[to++] = byRow[i];
                }
            }
            byRow.resize(to);
        } else if (step.kind == TGridEditStep::Kind::Insert) {
            for (const TGridRow& row : step.rows) {
                const std::size_t at = std::size_t(std::max(row.row, 1)) - 1;
                byRow.insert(byRow.begin() + std::ptrdiff_t(std::min(at, byRow.size())), inserted);
            }
        }
    }
}
