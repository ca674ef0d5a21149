#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The texts of a string grid, by column and row, with its row count and its fixed (title) rows.
// Kept apart from any view, so that reading a list and numbering its rows work without a
// window; a view that shows the cells hears of their changes through its Observer.
class TGridCells {
public:
    class Observer {
    public:
        virtual ~Observer() = default;
        virtual void RowCountChanging() = 0;
        virtual void RowCountChanged() = 0;
        // A cell written outside an update.
        virtual void CellChanged(int col, int row) = 0;
        // The end of an update: any cell may have changed.
        virtual void CellsChanged() = 0;
    };

    TGridCells(int colCount, int rowCount);
    void SetObserver(Observer* observer) { observer_ = observer; }

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    int FixedRows() const { return fixedRows_; }
    // Setting the value it has does nothing; below 1 counts as 1; a row count not above the
    // fixed rows turns the fixed rows it no longer leaves into ordinary ones, for good.
    void SetRowCount(int rowCount);

    // Texts are UTF-8 and outlive the row count: lowering it hides rows, raising it shows their
    // texts again. A cell's text stays valid until the next write to any cell.
    std::string_view Cell(int col, int row) const;
    // Removes `count` rows from `first` on (rows of the row count only, never a fixed row): the
    // rows below move up, hidden ones too, and the row count follows. Removing every data row
    // leaves the title row a title row.
    void RemoveRows(int first, int count);
    // Removes the rows given, in one pass however many and wherever they are.
    void RemoveRows(const std::vector<int>& rows);
    // Inserts empty rows so that each row given (ascending, as numbered after the insertion,
    // none a fixed row) is a new one: the rows below move down, hidden ones too, and the row
    // count follows. The inverse of removing the same rows.
    void InsertRows(const std::vector<int>& rows);
    void SetCell(int col, int row, std::string_view text);

    // Cell writes between these two are told once, when the update ends.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();

private:
    // Drops the texts that rewritten cells left behind.
    void Compact();
    std::size_t Index(int col, int row) const
    {
        return std::size_t(row) * std::size_t(colCount_) + std::size_t(col);
    }

    int colCount_;
    int rowCount_;
    int fixedRows_ = 1;
    int updating_ = 0;
    // Where each cell's text lies in text_: the texts of a whole list end to end, so that
    // filling a cell allocates nothing of its own.
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    std::vector<Span> cells_;  // row-major; grows to the largest row ever written
    std::string text_;
    std::size_t unused_ = 0;  // bytes of text_ that rewritten cells left behind
    Observer* observer_ = nullptr;
};
