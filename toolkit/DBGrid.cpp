#include "toolkit/DBGrid.h"

#include <algorithm>

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <climits>

TDBGrid::TDBGrid(QWidget* parent) : QTableView(parent)
{
    setTabKeyNavigation(false);  // Tab goes on to the next control, as in any other
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(17);
    verticalHeader()->setMinimumSectionSize(17);
    verticalHeader()->setFixedWidth(12);
    verticalHeader()->setSectionsClickable(false);
    // The current row stays highlighted when the grid loses the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { CurrentRowChanged(current); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { ReadShownRecords(); });
}

void TDBGrid::SetDataSource(TDataSource* source)
{
    if (source_) {
        disconnect(source_, nullptr, this, nullptr);
    }
    source_ = source;
    if (source_) {
        connect(source_, &TDataSource::DataSetChanged, this, &TDBGrid::Rebind);
    }
    Rebind();
}

void TDBGrid::Rebind()
{
    disconnect(activeConnection_);
    disconnect(movedConnection_);
    disconnect(readConnection_);
    TDataSet* dataSet = source_ ? source_->DataSet() : nullptr;
    model_.SetDataSet(dataSet);
    if (dataSet) {
        activeConnection_ =
            connect(dataSet, &TDataSet::ActiveChanged, this, &TDBGrid::DataSetActiveChanged);
        movedConnection_ =
            connect(dataSet, &TDataSet::RecordMoved, this, &TDBGrid::DataSetRecordMoved);
        // The rows that a walk reads show with the record it leaves current.
        readConnection_ =
            connect(dataSet, &TDataSet::RecordsRead, this, &TDBGrid::DataSetRecordMoved);
    }
    DataSetActiveChanged();
}

void TDBGrid::DataSetActiveChanged()
{
    model_.Reset();
    if (TDataSet* dataSet = model_.DataSet(); dataSet && dataSet->Active()) {
        ShowRecord(dataSet->RecNo());
    }
}

void TDBGrid::DataSetRecordMoved()
{
    // A walk through the data set (an export) moves the record many times before the user can
    // see any of it: the grid follows once, when the program is back waiting.
    if (followQueued_) {
        return;
    }
    followQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            followQueued_ = false;
            if (TDataSet* dataSet = model_.DataSet(); dataSet && dataSet->Active()) {
                ShowRecord(dataSet->RecNo());
            }
        },
        Qt::QueuedConnection);
}

void TDBGrid::ShowRecord(int record)
{
    model_.SyncRows();
    if (record < 0 || record >= model_.rowCount()) {
        return;
    }
    const QModelIndex current = currentIndex();
    if (!current.isValid() || current.row() != record) {
        const QModelIndex at = model_.index(record, current.isValid() ? current.column() : 0);
        setCurrentIndex(at);
        scrollTo(at);
    }
    // The indicator is drawn from the current record; telling the header its data changed
    // would make it measure every row again.
    verticalHeader()->viewport()->update();
}

void TDBGrid::CurrentRowChanged(const QModelIndex& current)
{
    TDataSet* dataSet = model_.DataSet();
    if (current.isValid() && dataSet && dataSet->Active() && dataSet->RecNo() != current.row()) {
        model_.dispatch([dataSet, row = current.row()] { dataSet->MoveTo(row); });
    }
}

void TDBGrid::MoveBy(int delta)
{
    TDataSet* dataSet = model_.DataSet();
    if (!dataSet || !dataSet->Active() || dataSet->RecordCount() == 0) {
        return;
    }
    // Past the records read so far the data set reads on; past its last it stops there.
    const int target = int(std::clamp<qint64>(qint64(dataSet->RecNo()) + delta, 0, INT_MAX));
    model_.dispatch([dataSet, target] { dataSet->MoveTo(target); });
    if (dataSet->Active()) {
        ShowRecord(dataSet->RecNo());
    }
}

std::optional<std::pair<int, int>> TDBGrid::UnreadShownRows() const
{
    const TDataSet* dataSet = model_.DataSet();
    const int rows = model_.rowCount();
    if (!dataSet || !dataSet->Active() || rows == 0) {
        return std::nullopt;
    }
    const int first = std::max(rowAt(0), 0);
    int last = rowAt(viewport()->height() - 1);
    last = last < 0 ? rows - 1 : last;
    if (dataSet->Resident(first, last)) {
        return std::nullopt;
    }
    return std::pair{first, last};
}

void TDBGrid::ReadShownRecords()
{
    if (const auto rows = UnreadShownRows()) {
        TDataSet* dataSet = model_.DataSet();
        model_.dispatch([dataSet, rows] { dataSet->MakeResident(rows->first, rows->second); });
        viewport()->update();
    }
}

void TDBGrid::paintEvent(QPaintEvent* event)
{
    // Painting reads nothing: records not in memory are read at once afterwards and painted
    // again.
    if (!readQueued_ && UnreadShownRows()) {
        readQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                readQueued_ = false;
                ReadShownRecords();
            },
            Qt::QueuedConnection);
    }
    QTableView::paintEvent(event);
}

void TDBGrid::keyPressEvent(QKeyEvent* event)
{
    const int page = std::max(1, viewport()->height() / verticalHeader()->defaultSectionSize() - 1);
    const int records = model_.rowCount();
    switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            MoveBy(-1);
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            MoveBy(1);  // never past the last record: the grid adds no row
            break;
        case Qt::Key_PageUp:
            MoveBy(-page);
            break;
        case Qt::Key_PageDown:
            MoveBy(page);
            break;
        case Qt::Key_Home:
            MoveBy(-records);
            break;
        case Qt::Key_End:
            MoveBy(INT_MAX);  // the last record, read to as far as it lies
            break;
        case Qt::Key_Insert:
        case Qt::Key_Delete:
        case Qt::Key_F2:
            break;  // a browse-only grid neither inserts, deletes nor edits
        default:
            QTableView::keyPressEvent(event);
            return;
    }
    event->accept();
}
