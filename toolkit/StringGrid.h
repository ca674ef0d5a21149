#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <QUndoStack>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/ColorAndFont.h"
#include "toolkit/GridCells.h"
#include "toolkit/GridEdit.h"

class QAction;
class QMenu;
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
    // What the grid says of a cell beyond its text; empty for nothing. A cell with a note is
    // marked: a background of its own, legible in any colour scheme, and the note as its tooltip
    // and accessible description.
    using NoteSource = std::function<std::string(int col, int row)>;

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

    void SetNotes(NoteSource notes);
    // Tells the view that notes may have changed.
    void NotesChanged();
    // The rows the selection covers (or the current row), from first to last.
    std::pair<int, int> SelectedRows() const;
    // "Remove Rows" (Ctrl+Delete), also on the grid's context menu, which Shift+F10 opens at the
    // current cell on any desktop.
    QAction* RemoveRowsAction() const { return removeRows_; }

    // A change the user makes, which Ctrl+Z takes back and Ctrl+Shift+Z (or Ctrl+Y) makes
    // again; its text names it in the menu ("Undo <text>"). The cells written otherwise (by a
    // reading or a posting) are no change of the user's.
    void Edit(const TGridEdit& edit, const QString& text);
    // Forgets every change: a new list starts a new history.
    void ClearHistory() { history_.clear(); }
    QUndoStack& History() { return history_; }
    QAction* UndoAction() const { return undo_; }
    QAction* RedoAction() const { return redo_; }
    // What the context menu offers above the grid's own items, made as it opens.
    using MenuSource = std::function<void(QMenu&)>;
    void SetMenuSource(MenuSource source) { menuSource_ = std::move(source); }
    // The context menu's items: the source's, then the grid's own.
    void FillMenu(QMenu& menu);

    TColor Color() const { return color_.Color(); }

    void SetColor(TColor color) { color_.Apply(*this, color); }

signals:
    // A cell the user edited, once the edit is committed, or its edit taken back or made again.
    void CellEdited(int col, int row);
    // Any other change of the user's to the rows (removed, fixed), made, taken back or again.
    void RowsChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    friend class TStringGridModel;
    friend class TGridEditCommand;
    void RemoveSelectedRows();
    void ShowMenu(const QPoint& at);
    // Runs an edit for the history, answering the edit that takes it back.
    TGridEdit Run(const TGridEdit& edit);
    void RowCountChanging() override;
    void RowCountChanged() override;
    void CellChanged(int col, int row) override;
    void CellsChanged() override;
    void ShowFixedRows();

    TGridCells cells_;
    TStringGridModel model_;
    TColorProperty color_{clWindow};
    NoteSource notes_;
    QAction* removeRows_ = nullptr;
    QUndoStack history_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    MenuSource menuSource_;
};
