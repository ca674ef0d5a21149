#pragma once

#include <QSqlDatabase>
#include <QString>
#include <memory>

#include "store/list/WindowSource.h"

// A list on a PostgreSQL server: a scrollable cursor that the server keeps beyond the
// transaction that declared it, holding the result as of the opening. No transaction and no
// lock outlive the opening, so neither the posting nor a change to the table waits on the list.
std::unique_ptr<TWindowSource> OpenServerList(const QSqlDatabase& db, const QString& statement);
