#include "toolkit/StringGrid.h"

#include <QHeaderView>

namespace {
const std::string kEmpty;
}

int TStringGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.rowCount_ - grid_.fixedRows_;
}

int TStringGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.colCount_;
}

QVariant TStringGridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return QString::fromStdString(grid_.Cell(index.column(), index.row() + grid_.fixedRows_));
}

bool TStringGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::EditRole) {
        return false;
    }
    grid_.SetCell(index.column(), index.row() + grid_.fixedRows_, value.toString().toStdString());
    return true;
}

QVariant TStringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || grid_.fixedRows_ == 0 ||
        section < 0 || section >= grid_.colCount_) {
        return {};
    }
    return QString::fromStdString(grid_.Cell(section, 0));
}

Qt::ItemFlags TStringGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

TStringGrid::TStringGrid(QWidget* parent, int colCount, int rowCount)
    : QTableView(parent), model_(*this), colCount_(colCount), rowCount_(rowCount)
{
    setTabKeyNavigation(false);  // Tab goes on to the next control, as in any other
    cells_.resize(std::size_t(rowCount_) * std::size_t(colCount_));
    setModel(&model_);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(kDefaultRowHeight);
    verticalHeader()->setDefaultSectionSize(kDefaultRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(kDefaultColWidth);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(kDefaultRowHeight);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ShowFixedRows();
}

void TStringGrid::ShowFixedRows()
{
    horizontalHeader()->setVisible(fixedRows_ > 0);
}

void TStringGrid::SetRowCount(int rowCount)
{
    if (rowCount == rowCount_) {
        return;
    }
    rowCount = std::max(rowCount, 1);
    model_.beginResetModel();
    rowCount_ = rowCount;
    if (rowCount_ <= fixedRows_) {
        fixedRows_ = rowCount_ - 1;
    }
    const std::size_t needed = std::size_t(rowCount_) * std::size_t(colCount_);
    if (cells_.size() < needed) {
        cells_.resize(needed);
    }
    model_.endResetModel();
    ShowFixedRows();
}

const std::string& TStringGrid::Cell(int col, int row) const
{
    if (col < 0 || col >= colCount_ || row < 0) {
        return kEmpty;
    }
    const std::size_t i = Index(col, row);
    return i < cells_.size() ? cells_[i] : kEmpty;
}

void TStringGrid::SetCell(int col, int row, std::string text)
{
    if (col < 0 || col >= colCount_ || row < 0) {
        return;
    }
    const std::size_t i = Index(col, row);
    if (i >= cells_.size()) {
        cells_.resize(Index(0, row + 1));
    }
    cells_[i] = std::move(text);
    if (updating_ > 0 || row >= rowCount_) {
        return;
    }
    if (row < fixedRows_) {
        emit model_.headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex at = model_.index(row - fixedRows_, col);
        emit model_.dataChanged(at, at);
    }
}

void TStringGrid::EndUpdate()
{
    if (--updating_ > 0) {
        return;
    }
    emit model_.headerDataChanged(Qt::Horizontal, 0, colCount_ - 1);
    if (model_.rowCount() > 0) {
        emit model_.dataChanged(model_.index(0, 0),
                                model_.index(model_.rowCount() - 1, colCount_ - 1));
    }
}

int TStringGrid::Col() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

int TStringGrid::Row() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + fixedRows_ : fixedRows_;
}

void TStringGrid::SetRow(int row)
{
    const QModelIndex at = model_.index(row - fixedRows_, Col());
    if (!at.isValid()) {
        return;
    }
    setCurrentIndex(at);
    scrollTo(at);
}

void TStringGrid::RepaintNow()
{
    viewport()->repaint();
}
