#pragma once

#include <QAbstractTableModel>
#include <QPointer>
#include <QTableView>

#include "toolkit/ColorAndFont.h"
#include "toolkit/DataSet.h"

class TDBGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetDataSet(TDataSet* dataSet);
    TDataSet* DataSet() const { return dataSet_; }
    void Reset();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool Showing() const { return dataSet_ && dataSet_->Active(); }
    QPointer<TDataSet> dataSet_;
};

// A browse-only grid of a data source: a column per field, a title row, an indicator column
// marking the current record, whole-row selection that stays visible without the focus. Its
// current row and the data set's current record follow each other.
class TDBGrid : public QTableView {
    Q_OBJECT
public:
    explicit TDBGrid(QWidget* parent = nullptr);

    void SetDataSource(TDataSource* source);
    TColor Color() const { return color_.Color(); }
    void SetColor(TColor color) { color_.Apply(*this, color); }

    // Typing moves no record: only the movement keys do.
    void keyboardSearch(const QString&) override {}

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Rebind();
    void DataSetActiveChanged();
    void DataSetRecordMoved();
    void ShowRecord(int record);
    void CurrentRowChanged(const QModelIndex& current);
    void MoveBy(int delta);

    TDBGridModel model_;
    QPointer<TDataSource> source_;
    QMetaObject::Connection activeConnection_;
    QMetaObject::Connection movedConnection_;
    bool followQueued_ = false;
    TColorProperty color_{clWindow};
};
