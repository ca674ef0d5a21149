#include "toolkit/GridCells.h"

#include <algorithm>

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

std::string_view TGridCells::Cell(int col, int row) const
{
    if (col < 0 || col >= colCount_ || row < 0) {
        return {};
    }
    const std::size_t i = Index(col, row);
    if (i >= cells_.size()) {
        return {};
    }
    return std::string_view(text_).substr(cells_[i].offset, cells_[i].length);
}

void TGridCells::RemoveRows(int first, int count)
{
    first = std::max(first, fixedRows_);
    count = std::min(count, rowCount_ - first);
    if (count <= 0) {
        return;
    }
    if (observer_) {
        observer_->RowCountChanging();
    }
    const auto from = cells_.begin() + std::ptrdiff_t(Index(0, first));
    const auto to =
        from + std::ptrdiff_t(std::min(Index(0, first + count), cells_.size()) - Index(0, first));
    for (auto it = from; it != to; ++it) {
        unused_ += it->length;
    }
    cells_.erase(from, to);
    rowCount_ -= count;
    const std::size_t needed = std::size_t(rowCount_) * std::size_t(colCount_);
    if (cells_.size() < needed) {
        cells_.resize(needed);
    }
    if (observer_) {
        observer_->RowCountChanged();
    }
}

void TGridCells::RemoveRows(const std::vector<int>& rows)
{
    std::vector<char> gone(std::size_t(rowCount_), 0);
    int count = 0;
    for (const int row : rows) {
        if (row >= fixedRows_ && row < rowCount_ && !gone[std::size_t(row)]) {
            gone[std::size_t(row)] = 1;
            ++count;
        }
    }
    if (count == 0) {
        return;
    }
    if (observer_) {
        observer_->RowCountChanging();
    }
    // The rows kept move up over the ones removed; hidden rows below follow them.
    std::size_t to = 0;
    const std::size_t rowsHeld = cells_.size() / std::size_t(colCount_);
    for (std::size_t row = 0; row < rowsHeld; ++row) {
        const bool removed = row < gone.size() && gone[row];
        for (std::size_t col = 0; col < std::size_t(colCount_); ++col) {
            const Span cell = cells_[row * std::size_t(colCount_) + col];
            if (removed) {
                unused_ += cell.length;
            } else {
                cells_[to++] = cell;
            }
        }
    }
    cells_.resize(std::max(to, std::size_t(rowCount_ - count) * std::size_t(colCount_)));
    rowCount_ -= count;
    if (observer_) {
        observer_->RowCountChanged();
    }
}

void TGridCells::InsertRows(const std::vector<int>& rows)
{
    const int newCount = rowCount_ + int(rows.size());
    std::vector<char> fresh(std::size_t(newCount), 0);
    int count = 0;
    for (const int row : rows) {
        if (row >= fixedRows_ && row < newCount && !fresh[std::size_t(row)]) {
            fresh[std::size_t(row)] = 1;
            ++count;
        }
    }
    if (count == 0) {
        return;
    }
    if (observer_) {
        observer_->RowCountChanging();
    }
    const std::size_t cols = std::size_t(colCount_);
    const std::size_t rowsHeld = cells_.size() / cols;
    std::vector<Span> moved;
    moved.reserve((rowsHeld + std::size_t(count)) * cols);
    std::size_t from = 0;
    for (std::size_t row = 0; from < rowsHeld || (row < fresh.size() && fresh[row]); ++row) {
        if (row < fresh.size() && fresh[row]) {
            moved.insert(moved.end(), cols, Span{});
        } else {
            moved.insert(moved.end(), cells_.begin() + std::ptrdiff_t(from * cols),
                         cells_.begin() + std::ptrdiff_t((from + 1) * cols));
            ++from;
        }
    }
    cells_ = std::move(moved);
    rowCount_ += count;
    const std::size_t needed = std::size_t(rowCount_) * cols;
    if (cells_.size() < needed) {
        cells_.resize(needed);
    }
    if (observer_) {
        observer_->RowCountChanged();
    }
}

void TGridCells::SetCell(int col, int row, std::string_view text)
{
    if (col < 0 || col >= colCount_ || row < 0) {
        return;
    }
    if (!text.empty() && text.data() >= text_.data() && text.data() < text_.data() + text_.size()) {
        SetCell(col, row, std::string(text));  // a text of this grid's own moves as it is written
        return;
    }
    const std::size_t i = Index(col, row);
    if (i >= cells_.size()) {
        cells_.resize(Index(0, row + 1));
    }
    Span& cell = cells_[i];
    if (text.size() <= cell.length) {
        // A text no longer than the one it replaces takes its place.
        text.copy(text_.data() + cell.offset, text.size());
        unused_ += cell.length - text.size();
        cell.length = std::uint32_t(text.size());
    } else {
        unused_ += cell.length;
        cell = Span{};
        if (unused_ > text_.size() / 2 && unused_ > 1 << 16) {
            Compact();
        }
        cell = Span{std::uint32_t(text_.size()), std::uint32_t(text.size())};
        text_.append(text);
    }
    if (observer_ && updating_ == 0 && row < rowCount_) {
        observer_->CellChanged(col, row);
    }
}

void TGridCells::Compact()
{
    std::string kept;
    kept.reserve(text_.size() - unused_);
    for (Span& cell : cells_) {
        const std::uint32_t offset = std::uint32_t(kept.size());
        kept.append(text_, cell.offset, cell.length);
        cell.offset = offset;
    }
    text_ = std::move(kept);
    unused_ = 0;
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
