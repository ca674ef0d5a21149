#pragma once

#include <QSqlDatabase>
#include <QStringList>
#include <functional>

#include "store/engine/RecordWindow.h"

// How many records one read brings: enough for many screens of the grid, few enough that a
// read takes a millisecond or two.
inline constexpr int kWindowRecords = 1024;

// The rows of a list as it stood when the list was opened, read a window at a time, so that
// opening costs the same whatever the size of the table.
struct TListOrder {
    QString table;
    // The columns that order the list, in order, all ascending.
    QStringList columns;
};

// A record handed on as a list is read through: a window of that one record.
using TRecordSink = std::function<void(const TRecordWindow& record)>;

// Reads the windows of one opened result. Window n holds the records from n * kWindowRecords
// on; a window with fewer records is the result's last.
class TWindowSource {
public:
    virtual ~TWindowSource() = default;
    virtual QStringList FieldNames() const = 0;
    // Reads window n over the connection the result was opened on; every window before it has
    // been read once already.
    virtual TRecordWindow Read(const QSqlDatabase& db, int window) = 0;
    // Whether a window read once can be read again, and so need not stay in memory.
    virtual bool Rereads() const = 0;
    // Reads the whole result in one statement, in its order and with the rows of its opening,
    // handing each record on as it comes, and learns where each window starts, so that any
    // window can be read next without those before it. Answers the number of records; or -1,
    // having read nothing, where the source cannot.
    virtual long long ReadThrough(const QSqlDatabase& db, const TRecordSink& record) = 0;
};
