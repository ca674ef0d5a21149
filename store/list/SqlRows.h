#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include "store/list/WindowSource.h"

// Rows of a statement run through Qt SQL, as field texts.

// Runs a statement that reads forward only; raises the engine's error when it fails.
QSqlQuery RunStatement(const QSqlDatabase& db, const QString& text);
// The names of the result's fields, in order.
QStringList FieldNamesOf(const QSqlRecord& record);
// Reads up to `limit` rows of an executed statement.
TRecordWindow ReadRows(QSqlQuery& statement, int fields, int limit);
