#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "store/engine/SqliteStatement.h"
#include "store/list/WindowSource.h"

// A list on SQLite: each window is a statement of its own that starts after the last record of
// the window before (by the list's order, the row number breaking ties) and leaves out the rows
// numbered above the highest one at the opening. No read outlasts one window, so the posting
// never waits on the list and the journal never has to be kept for it.
std::unique_ptr<TWindowSource> OpenSqliteList(const QSqlDatabase& db, const TListOrder& order);

// One part of a window: the rows that meet the condition, by the list's order. A window reads
// its parts in turn until it is full.
struct TListPart {
    QString condition;  // empty: every row
    std::vector<TSqliteValue> values;
};

// Where the window after the anchor (the key of the last record read, one value per column of
// the reading order) starts. `uniqueFirstKeys`: the first two columns alone order the list.
// SQLite sorts null first; "after" a null is "is not null", and "is" takes two nulls as equal.
// A part that starts in the anchor's first two keys names them as a search range, so that the
// index finds where they begin instead of reading the rows before them.
std::vector<TListPart> WindowStart(const QStringList& columns,
                                   const std::vector<TSqliteValue>& anchor, bool uniqueFirstKeys);
