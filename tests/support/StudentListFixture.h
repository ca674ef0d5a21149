#pragma once

#include <QSqlDatabase>

// An empty StudentList made anew, with its unique key, or with the plain index the tables made
// before the key was unique had: for the tests and the benchmarks.
void RecreateStudentListTable(const QSqlDatabase& db, bool uniqueKey = true);

// StudentList gone, as on a database that never had it.
void DropStudentListTable(const QSqlDatabase& db);
