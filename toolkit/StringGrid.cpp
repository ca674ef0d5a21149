#include "toolkit/StringGrid.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QUndoCommand>

namespace {

// A marked cell: a light amber behind black text, apart from the selection, the focus
// highlight and the title row, and readable whatever the desktop's colours.
const QColor kMarkBackground(255, 214, 153);
const QColor kMarkText(Qt::black);

// The history keeps this many changes: enough to walk back a whole session's review.
constexpr int kHistoryLimit = 200;

}  // namespace

// One change in the grid's history: the edit, and what takes it back, each made from the other
// as it runs.
class TGridEditCommand : public QUndoCommand {
public:
    TGridEditCommand(TStringGrid& grid, TGridEdit edit, const QString& text)
        : QUndoCommand(text), grid_(grid), next_(std::move(edit))
    {
    }
    void redo() override { next_ = grid_.Run(next_); }
    void undo() override { next_ = grid_.Run(next_); }

private:
    TStringGrid& grid_;
    TGridEdit next_;  // what the next redo or undo runs
};

int TStringGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.RowCount() - grid_.FixedRows();
}

int TStringGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.ColCount();
}

QVariant TStringGridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    if (role == Qt::BackgroundRole || role == Qt::ForegroundRole || role == Qt::ToolTipRole ||
        role == Qt::AccessibleDescriptionRole) {
        if (!grid_.notes_) {
            return {};
        }
        const std::string note = grid_.notes_(index.column(), index.row() + grid_.FixedRows());
        if (note.empty()) {
            return {};
        }
        return role == Qt::BackgroundRole   ? QVariant(kMarkBackground)
               : role == Qt::ForegroundRole ? QVariant(kMarkText)
                                            : QVariant(QString::fromStdString(note));
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    const std::string_view text = grid_.Cell(index.column(), index.row() + grid_.FixedRows());
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

bool TStringGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::EditRole) {
        return false;
    }
    const int row = index.row() + grid_.FixedRows();
    const std::string text = value.toString().toStdString();
    if (text == grid_.Cell(index.column(), row)) {
        return true;  // an editor left as it was is no change
    }
    TGridRow edited{row, {}};
    for (int c = 0; c < grid_.ColCount(); ++c) {
        edited.cells.emplace_back(c == index.column() ? text : std::string(grid_.Cell(c, row)));
    }
    grid_.Edit({{{TGridEditStep::Kind::Set, {std::move(edited)}}}}, TStringGrid::tr("Cell Edit"));
    return true;
}

QVariant TStringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || grid_.FixedRows() == 0 ||
        section < 0 || section >= grid_.ColCount()) {
        return {};
    }
    const std::string_view title = grid_.Cell(section, 0);
    return QString::fromUtf8(title.data(), qsizetype(title.size()));
}

Qt::ItemFlags TStringGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

TStringGrid::TStringGrid(QWidget* parent, int colCount, int rowCount)
    : QTableView(parent), cells_(colCount, rowCount), model_(*this)
{
    cells_.SetObserver(this);
    setTabKeyNavigation(false);  // Tab goes on to the next control, as in any other
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
    removeRows_ = new QAction(tr("Remove Rows"), this);
    removeRows_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    removeRows_->setShortcutContext(Qt::WidgetShortcut);
    connect(removeRows_, &QAction::triggered, this, &TStringGrid::RemoveSelectedRows);
    addAction(removeRows_);
    history_.setUndoLimit(kHistoryLimit);
    undo_ = history_.createUndoAction(this);
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = history_.createRedoAction(this);
    redo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction* action : {undo_, redo_}) {
        action->setShortcutContext(Qt::WidgetShortcut);
        addAction(action);
    }
}

void TStringGrid::Edit(const TGridEdit& edit, const QString& text)
{
    if (!edit.Empty()) {
        history_.push(new TGridEditCommand(*this, edit, text));
    }
}

TGridEdit TStringGrid::Run(const TGridEdit& edit)
{
    const int current = Row();
    TGridEdit back = ApplyGridEdit(cells_, edit);
    // The view goes to the first row changed, or stays where it was when rows went.
    int first = current;
    bool oneCell = edit.steps.size() == 1 && edit.steps[0].kind == TGridEditStep::Kind::Set &&
                   edit.steps[0].rows.size() == 1;
    for (const TGridEditStep& step : edit.steps) {
        if (!step.rows.empty()) {
            first = step.kind == TGridEditStep::Kind::Remove ? std::min(current, step.rows[0].row)
                                                             : step.rows[0].row;
            break;
        }
    }
    SetRow(std::clamp(first, FixedRows(), std::max(RowCount() - 1, FixedRows())));
    if (oneCell) {
        // Which of the row's cells changed: the one whose text the edit and its undo differ in.
        const TGridRow& now = edit.steps[0].rows[0];
        const TGridRow& was = back.steps[0].rows[0];
        int changed = 0;
        for (int c = 0; c < int(now.cells.size()) && c < int(was.cells.size()); ++c) {
            if (now.cells[std::size_t(c)] != was.cells[std::size_t(c)]) {
                changed = c;
            }
        }
        emit CellEdited(changed, now.row);
    } else {
        emit RowsChanged();
    }
    return back;
}

void TStringGrid::SetNotes(NoteSource notes)
{
    notes_ = std::move(notes);
    NotesChanged();
}

void TStringGrid::NotesChanged()
{
    viewport()->update();
}

std::pair<int, int> TStringGrid::SelectedRows() const
{
    int first = Row();
    int last = Row();
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        first = last = selected.front().row() + FixedRows();
        for (const QModelIndex& index : selected) {
            first = std::min(first, index.row() + FixedRows());
            last = std::max(last, index.row() + FixedRows());
        }
    }
    return {first, last};
}

void TStringGrid::RemoveSelectedRows()
{
    if (model_.rowCount() == 0) {
        return;
    }
    const auto [first, last] = SelectedRows();
    TGridEditStep removal{TGridEditStep::Kind::Remove, {}};
    for (int row = std::max(first, FixedRows()); row <= last && row < RowCount(); ++row) {
        removal.rows.push_back({row, {}});
    }
    Edit({{std::move(removal)}}, tr("Remove Rows"));
}

TStringGrid::~TStringGrid()
{
    cells_.SetObserver(nullptr);
}

void TStringGrid::ShowFixedRows()
{
    horizontalHeader()->setVisible(FixedRows() > 0);
}

void TStringGrid::RowCountChanging()
{
    model_.beginResetModel();
}

void TStringGrid::RowCountChanged()
{
    model_.endResetModel();
    ShowFixedRows();
}

void TStringGrid::CellChanged(int col, int row)
{
    if (row < FixedRows()) {
        emit model_.headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex at = model_.index(row - FixedRows(), col);
        emit model_.dataChanged(at, at);
    }
}

void TStringGrid::CellsChanged()
{
    emit model_.headerDataChanged(Qt::Horizontal, 0, ColCount() - 1);
    if (model_.rowCount() > 0) {
        emit model_.dataChanged(model_.index(0, 0),
                                model_.index(model_.rowCount() - 1, ColCount() - 1));
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
    return current.isValid() ? current.row() + FixedRows() : FixedRows();
}

void TStringGrid::SetRow(int row)
{
    const QModelIndex at = model_.index(row - FixedRows(), Col());
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

void TStringGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QRect cell = visualRect(currentIndex());
        ShowMenu(viewport()->mapToGlobal(cell.isValid() ? cell.center() : QPoint()));
        return;
    }
    QTableView::keyPressEvent(event);
}

void TStringGrid::contextMenuEvent(QContextMenuEvent* event)
{
    ShowMenu(event->globalPos());
}

void TStringGrid::ShowMenu(const QPoint& at)
{
    QMenu menu(this);
    FillMenu(menu);
    menu.exec(at);
}

void TStringGrid::FillMenu(QMenu& menu)
{
    if (menuSource_) {
        menuSource_(menu);
        if (!menu.isEmpty()) {
            menu.addSeparator();
        }
    }
    menu.addActions(actions());
}
