#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <string>
#include <vector>

// How many records one read brings: enough for many screens of the grid, few enough that a
// read takes a millisecond or two.
inline constexpr int kWindowRecords = 1024;

// Records of a result as field texts, record by record; null is told apart from the empty text.
struct TRecordWindow {
    std::vector<std::string> texts;
    std::vector<char> nulls;
    int records = 0;
};

// The rows of a list as it stood when the list was opened, read a window at a time, so that
// opening costs the same whatever the size of the table.
struct TListOrder {
    QString table;
    // The columns that order the list, in order, all ascending.
    QStringList columns;
};

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
    // Ends what the opening started on the connection; never fails.
    virtual void Release(const QSqlDatabase&) noexcept {}
};

// The whole result of a statement, read at once into windows that all stay in memory, so that
// no read lock outlives the opening and keeps other connections from writing.
std::unique_ptr<TWindowSource> ReadWholeResult(QSqlQuery& statement,
                                               std::vector<TRecordWindow>& windows);

// A list on SQLite: each window is a statement of its own that starts after the last record of
// the window before (by the list's order, the row number breaking ties) and leaves out the rows
// numbered above the highest one at the opening. No read outlasts one window, so the posting
// never waits on the list and the journal never has to be kept for it.
std::unique_ptr<TWindowSource> OpenSqliteList(const QSqlDatabase& db, const TListOrder& order);

// A list on a PostgreSQL server: a scrollable cursor that the server keeps beyond the
// transaction that declared it, holding the result as of the opening. No transaction and no
// lock outlive the opening, so neither the posting nor a change to the table waits on the list.
std::unique_ptr<TWindowSource> OpenServerList(const QSqlDatabase& db, const QString& statement);
