#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <string>
#include <vector>

#include "toolkit/ColorAndFont.h"
#include "toolkit/GridCells.h"

class TStringGrid;

// The cells of a TStringGrid as the view sees them: view rows start below the fixed rows, which
// the horizontal header draws as the title row.
class TStringGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TStringGridModel(TStringGrid& grid) : grid_(grid) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    friend class TStringGrid;
    TStringGrid& grid_;
};

// A grid of editable text cells with a fixed title row, a view of its cells (TGridCells).
class TStringGrid : public QTableView, private TGridCells::Observer {
    Q_OBJECT
public:
    static constexpr int kDefaultColWidth = 100;
    static constexpr int kDefaultRowHeight = 17;

    explicit TStringGrid(QWidget* parent = nullptr, int colCount = 3, int rowCount = 17);
    ~TStringGrid() override;

    TGridCells& Cells() { return cells_; }
    const TGridCells& Cells() const { return cells_; }
    int ColCount() const { return cells_.ColCount(); }
    int RowCount() const { return cells_.RowCount(); }
    int FixedRows() const { return cells_.FixedRows(); }
    void SetRowCount(int rowCount) { cells_.SetRowCount(rowCount); }
    std::string_view Cell(int col, int row) const { return cells_.Cell(col, row); }
    void SetCell(int col, int row, std::string_view text) { cells_.SetCell(col, row, text); }
    void BeginUpdate() { cells_.BeginUpdate(); }
    void EndUpdate() { cells_.EndUpdate(); }

    int Col() const;
    int Row() const;
    // Makes row the current row, in the current column, scrolled into view.
    void SetRow(int row);
    void RepaintNow();

    TColor Color() const { return color_.Color(); }
    void SetColor(TColor color) { color_.Apply(*this, color); }

private:
    friend class TStringGridModel;
    void RowCountChanging() override;
    void RowCountChanged() override;
    void CellChanged(int col, int row) override;
    void CellsChanged() override;
    void ShowFixedRows();

    TGridCells cells_;
    TStringGridModel model_;
    TColorProperty color_{clWindow};
};
