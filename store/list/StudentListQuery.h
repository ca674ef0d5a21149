#pragma once

#include <QString>

class TQuery;

// Makes the query the student list in its list order over the named connection, read a window
// of records at a time: as QNames shows it beside the grid and as every export writes it.
void SetUpStudentListQuery(TQuery& query, const QString& databaseName);
