#pragma once

#include <QPointer>
#include <QTableView>
#include <optional>
#include <utility>

#include "toolkit/ColorAndFont.h"
#include "toolkit/DBGridModel.h"
#include "toolkit/DataSet.h"

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
    // The rows in view whose records are not in memory; none while nothing shows.
    std::optional<std::pair<int, int>> UnreadShownRows() const;

    TDBGridModel model_;
    QPointer<TDataSource> source_;
    QMetaObject::Connection activeConnection_;
    QMetaObject::Connection movedConnection_;
    QMetaObject::Connection readConnection_;
    bool followQueued_ = false;
    bool readQueued_ = false;
    TColorProperty color_{clWindow};
};
