#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <functional>

#include "toolkit/DataSet.h"

// Runs a step that may read from the database, showing whatever failure escapes it.
using TDispatch = std::function<void(const std::function<void()>&)>;

// The rows of a data set as far as it has read them; reading further when the view asks.
class TDBGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetDataSet(TDataSet* dataSet);
    TDataSet* DataSet() const { return dataSet_; }
    void Reset();
    // Shows the records that the data set has read since.
    void SyncRows();
    TDispatch dispatch = [](const std::function<void()>& step) { step(); };

    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool Showing() const { return dataSet_ && dataSet_->Active(); }
    QPointer<TDataSet> dataSet_;
    int rows_ = 0;
};
