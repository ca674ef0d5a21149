#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "import/PostingReceipt.h"

class QString;
class TDatabase;
class TGridCells;
class TSession;

// One row of a list with the name key and sequence number that posting it would give it.
struct NumberedRow {
    int line = 0;  // the row's line in the file, from 1
    std::string psid;
    int sequence = 0;
    std::string idNum;
    std::string firstName;
    std::string lastName;
};

// Numbers rows 1 to row count less one of the cells as "Add List To Database" numbers them, one
// after the other: each row's number follows the largest stored for its key (the field text
// storedMaxima gives; a key it lacks has none) or the row before it in the list with that key.
// Raises as NextPSIDSequence does.
// `lines` gives each row's line in the file where rows were left out (row r: lines[r - 1]).
std::vector<NumberedRow> NumberRows(const TGridCells& cells,
                                    const std::map<std::string, std::string>& storedMaxima,
                                    const std::vector<int>& lines = {});

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
                     std::vector<TPostedRecord>* stored = nullptr);
