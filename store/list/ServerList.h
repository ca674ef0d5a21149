#pragma once

#include <QSqlDatabase>
#include <memory>
#include <string>
#include <vector>

#include "store/engine/ServerStatement.h"
#include "store/list/WindowSource.h"

// A list on a PostgreSQL server: each window is one statement of its own that starts after the
// last record of the window before (by the list's order, the row's place breaking ties) and
// leaves out the rows that the snapshot taken at the opening did not see. Nothing is kept on the
// server between windows (no cursor, no transaction, no prepared statement), so that a pooler
// may give each window any server connection, and neither the posting nor a change to the
// table waits on the list.
std::unique_ptr<TWindowSource> OpenServerList(const QSqlDatabase& db, const TListOrder& order);

// The statement that reads the window after `anchor`: the key of the last record read (a value
// per column of the order, then the row's place, each in the server's words; empty for the
// first window). Its first parameter is the snapshot of the opening; its fields the part it
// came from, the row's place, then the table's columns. The server sorts null last, so "after"
// a value is a greater value and then null, and nothing is after a null but the columns after
// it; each such range is a part of its own that an index finds where it starts.
struct TServerWindow {
    std::string text;
    std::vector<TServerValue> values;
};
TServerWindow ServerWindowStatement(const std::string& table,
                                    const std::vector<std::string>& columns,
                                    const std::vector<TServerValue>& anchor, int limit);

// The statement that reads the whole list in one COPY, in the server's text format, with the
// fields of a window (the first one true): COPY takes no parameters, so the snapshot of the
// opening is written into it. Empty where the snapshot is not in the server's words (digits, colons
// and commas). `uniqueFirstKeys`: no two records share the first two columns, which then order it
// alone.
std::string ServerListCopyStatement(const std::string& table,
                                    const std::vector<std::string>& columns,
                                    const std::string& snapshot, bool uniqueFirstKeys = false);
// Whether a plain unique index holds exactly the first two columns of the order, comparing as
// the order compares, and no record has either of them null: "t" or "f".
std::string UniqueFirstKeysStatement(const std::string& table,
                                     const std::vector<std::string>& columns);
