#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "store/errors/EngineErrors.h"

class TDatabase;

// One StudentList row as it is stored: its name key, sequence number and the three fields.
struct TBulkRow {
    std::string_view psid;
    int sequence = 0;
    std::string_view studentId;
    std::string_view firstName;
    std::string_view lastName;
};

// The row the database refused, by its index among the rows (the count of rows where the
// database named none), with the database's words.
struct TBulkFailure {
    std::size_t row;
    EDBEngineError error;
};

// Inserts rows 0 to count - 1 of StudentList into the database's open transaction at the bulk
// loaders' speed: on SQLite one prepared statement on the connection's own handle, bound with
// each row's bytes and reused; on PostgreSQL libpq's COPY, streamed in blocks. Answers the
// refused row, if any; the transaction is the caller's to roll back then. Text that is no valid
// UTF-8 is stored as the rest of the program stores it, each stray byte as U+FFFD.
std::optional<TBulkFailure> BulkInsertStudentRows(
    TDatabase& database, std::size_t count, const std::function<TBulkRow(std::size_t)>& row,
    const std::function<void(std::size_t done)>& progress);
