#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QTableView>
#include <functional>

#include "toolkit/ColorAndFont.h"
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

// A browse-only grid of a data source: a column per field, a title row, an indicator column
// marking the current record, whole-row selection that stays visible without the focus. Its
// current row and the data set's current record follow each other.
class TDBGrid : public QTableView {
    Q_OBJECT
public:
    explicit TDBGrid(QWidget* parent = nullptr);

    void SetDataSource(TDataSource* source);
    // Where the steps that read from the database run, so that their failures are shown.
    void SetDispatch(TDispatch dispatch) { model_.dispatch = std::move(dispatch); }
    TColor Color() const { return color_.Color(); }
    void SetColor(TColor color) { color_.Apply(*this, color); }

    // Typing moves no record: only the movement keys do.
    void keyboardSearch(const QString&) override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Rebind();
    void DataSetActiveChanged();
    void DataSetRecordMoved();
    void ShowRecord(int record);
    void CurrentRowChanged(const QModelIndex& current);
    void MoveBy(int delta);
    // Has the records in view read into memory before they are painted.
    void ReadShownRecords();
    std::pair<int, int> ShownRows() const;

    TDBGridModel model_;
    QPointer<TDataSource> source_;
    QMetaObject::Connection activeConnection_;
    QMetaObject::Connection movedConnection_;
    QMetaObject::Connection readConnection_;
    bool followQueued_ = false;
    bool readQueued_ = false;
    TColorProperty color_{clWindow};
};
