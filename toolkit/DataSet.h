#pragma once

#include <QObject>
#include <QString>

// What data-aware controls read of a result set: its fields, its records as field texts, and
// the current record, which they may move. A large result is read as it is needed: the records
// read so far are counted, and only some of them need be in memory at once.
class TDataSet : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual bool Active() const = 0;
    virtual int FieldCount() const = 0;
    virtual QString FieldName(int field) const = 0;
    // The records read so far; every record once AllRead.
    virtual int RecordCount() const = 0;
    virtual bool AllRead() const = 0;
    virtual void ReadMore() = 0;
    virtual bool Resident(int first, int last) const = 0;
    virtual void MakeResident(int first, int last) = 0;
    // Empty for a record that is not in memory.
    virtual QString DisplayText(int record, int field) const = 0;
    // The current record, from 0; -1 while there is none.
    virtual int RecNo() const = 0;
    // Reads as far as the record; past the last record it moves to the last.
    virtual void MoveTo(int record) = 0;

signals:
    void ActiveChanged();
    void RecordMoved(int record);
    void RecordsRead();
};

// Links a data set to the controls that show it.
class TDataSource : public QObject {
    Q_OBJECT
public:
    explicit TDataSource(QObject* parent = nullptr) : QObject(parent) {}
    TDataSet* DataSet() const { return dataSet_; }
    void SetDataSet(TDataSet* dataSet)
    {
        dataSet_ = dataSet;
        emit DataSetChanged();
    }

signals:
    void DataSetChanged();

private:
    TDataSet* dataSet_ = nullptr;
};
