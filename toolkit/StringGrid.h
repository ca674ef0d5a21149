#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <string>
#include <vector>

#include "toolkit/ColorAndFont.h"

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

// A grid of editable text cells with a fixed title row. Cell texts are UTF-8 and outlive the row
// count: lowering it hides rows, raising it shows their texts again.
class TStringGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int kDefaultColWidth = 100;
    static constexpr int kDefaultRowHeight = 17;

    explicit TStringGrid(QWidget* parent = nullptr, int colCount = 3, int rowCount = 17);

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    int FixedRows() const { return fixedRows_; }
    // Setting the value it has does nothing; below 1 counts as 1; a row count not above the
    // fixed rows turns the fixed rows it no longer leaves into ordinary ones, for good.
    void SetRowCount(int rowCount);

    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, std::string text);

    // Cell writes between these two are shown at once when the update ends.
    void BeginUpdate() { ++updating_; }
    void EndUpdate();

    int Col() const;
    int Row() const;
    // Makes row the current row, in the current column, scrolled into view.
    void SetRow(int row);
    void RepaintNow();

    TColor Color() const { return color_.Color(); }
    void SetColor(TColor color) { color_.Apply(*this, color); }

private:
    friend class TStringGridModel;
    std::size_t Index(int col, int row) const
    {
        return std::size_t(row) * std::size_t(colCount_) + std::size_t(col);
    }
    void ShowFixedRows();

    TStringGridModel model_;
    int colCount_;
    int rowCount_;
    int fixedRows_ = 1;
    int updating_ = 0;
    std::vector<std::string> cells_;  // row-major; grows to the largest row ever written
    TColorProperty color_{clWindow};
};
