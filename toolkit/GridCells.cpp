#include "toolkit/GridCells.h"

#include <algorithm>

namespace {
const std::string kEmpty;
}

TGridCells::TGridCells(int colCount, int rowCount) : colCount_(colCount), rowCount_(rowCount)
{
    cells_.resize(std::size_t(rowCount_) * std::size_t(colCount_));
}

void TGridCells::SetRowCount(int rowCount)
{
    if (rowCount == rowCount_) {
        return;
    }
    if (observer_) {
        observer_->RowCountChanging();
    }
    rowCount_ = std::max(rowCount, 1);
    if (rowCount_ <= fixedRows_) {
        fixedRows_ = rowCount_ - 1;
    }
    const std::size_t needed = std::size_t(rowCount_) * std::size_t(colCount_);
    if (cells_.size() < needed) {
        cells_.resize(needed);
    }
    if (observer_) {
        observer_->RowCountChanged();
    }
}

const std::string& TGridCells::Cell(int col, int row) const
{
    if (col < 0 || col >= colCount_ || row < 0) {
        return kEmpty;
    }
    const std::size_t i = Index(col, row);
    return i < cells_.size() ? cells_[i] : kEmpty;
}

void TGridCells::SetCell(int col, int row, std::string text)
{
    if (col < 0 || col >= colCount_ || row < 0) {
        return;
    }
    const std::size_t i = Index(col, row);
    if (i >= cells_.size()) {
        cells_.resize(Index(0, row + 1));
    }
    cells_[i] = std::move(text);
    if (observer_ && updating_ == 0 && row < rowCount_) {
        observer_->CellChanged(col, row);
    }
}

void TGridCells::EndUpdate()
{
    if (--updating_ > 0) {
        return;
    }
    if (observer_) {
        observer_->CellsChanged();
    }
}
