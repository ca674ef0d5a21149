#include "toolkit/DBGridModel.h"

void TDBGridModel::SetDataSet(TDataSet* dataSet)
{
    beginResetModel();
    dataSet_ = dataSet;
    rows_ = Showing() ? dataSet_->RecordCount() : 0;
    endResetModel();
}

void TDBGridModel::Reset()
{
    beginResetModel();
    rows_ = Showing() ? dataSet_->RecordCount() : 0;
    endResetModel();
}

void TDBGridModel::SyncRows()
{
    const int read = Showing() ? dataSet_->RecordCount() : 0;
    if (read > rows_) {
        beginInsertRows({}, rows_, read - 1);
        rows_ = read;
        endInsertRows();
    }
}

bool TDBGridModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && Showing() && !dataSet_->AllRead();
}

void TDBGridModel::fetchMore(const QModelIndex& parent)
{
    if (canFetchMore(parent)) {
        dispatch([this] { dataSet_->ReadMore(); });
        SyncRows();
    }
}

int TDBGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int TDBGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !Showing() ? 0 : dataSet_->FieldCount();
}

QVariant TDBGridModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    return dataSet_->DisplayText(index.row(), index.column());
}

QVariant TDBGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || !Showing()) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return section < dataSet_->FieldCount() ? dataSet_->FieldName(section) : QVariant();
    }
    return section == dataSet_->RecNo() ? QStringLiteral("\u25B8") : QString();
}

Qt::ItemFlags TDBGridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
