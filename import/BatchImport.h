#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "import/ListNumbering.h"
#include "import/PostingReceipt.h"

class QString;
class TDatabase;
class TGridCells;
class TSession;

// The largest sequence number stored for each key, as field texts.
std::map<std::string, std::string> StoredMaxima(TSession& session, const QString& databaseName);

// Stores a list read into cells in StudentList over the named connection, whole or not at
// all: one transaction that keeps other writers out of the table, in which the rows are
// numbered in memory from the stored maxima and stored by the bulk paths. A failure leaves the
// table as it was and raises an Exception that names the row (its line and fields) and the
// database's message.
// progress(done, total) is told as rows go in. Answers the number of rows stored.
// Once committed, what was stored is added to `stored`, where given.
int StoreStudentList(TSession& session, const QString& databaseName, const TGridCells& cells,
                     const std::function<void(int done, int total)>& progress,
                     const std::vector<int>& lines = {},
                     std::vector<TStudentRecord>* stored = nullptr);
