#pragma once

#include <sqlite3.h>

#include <QSqlDatabase>
#include <QString>
#include <string>

#include "store/engine/RecordWindow.h"
#include "store/errors/EngineErrors.h"

// A value as SQLite keeps it, so that a window's last key is bound again exactly as read.
struct TSqliteValue {
    int type = SQLITE_NULL;
    sqlite3_int64 integer = 0;
    double real = 0;
    std::string bytes;

    bool IsNull() const { return type == SQLITE_NULL; }
};

// SQLite's last failure on the handle as the engine's error, with SQLite's extended code.
EDBEngineError SqliteError(sqlite3* db);

// The SQLite handle of a Qt SQL connection; raises the engine's error for another driver's.
sqlite3* SqliteHandle(const QSqlDatabase& db);

// A prepared statement on the connection's own SQLite handle, finalized when it goes. Every
// failure raises the engine's error with SQLite's message.
class TSqliteStatement {
public:
    TSqliteStatement(sqlite3* db, const QString& text);
    ~TSqliteStatement();
    TSqliteStatement(const TSqliteStatement&) = delete;
    TSqliteStatement& operator=(const TSqliteStatement&) = delete;

    // Binds parameter `index`, counted from 1.
    void Bind(int index, const TSqliteValue& value);
    // The next row; false at the end.
    bool Step();

    int Columns() const;
    QString Name(int column) const;
    TSqliteValue Value(int column) const;
    // Appends the column's field text to the window.
    void AppendText(TRecordWindow& window, int column) const;

private:
    std::string_view Bytes(int column, int type) const;
    [[noreturn]] void Fail() const;

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};
