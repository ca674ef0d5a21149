#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "store/errors/EngineErrors.h"
#include "store/table/StudentRecord.h"

class TDatabase;

// The row the database refused, by its index among the rows (the count of rows where the
// database named none), with the database's words.
struct TBulkFailure {
    std::size_t row;
    EDBEngineError error;
};

// Inserts the rows into StudentList in the database's open transaction at the bulk
// loaders' speed: on SQLite one prepared statement on the connection's own handle, bound with
// each row's bytes and reused; on PostgreSQL libpq's COPY, streamed in blocks. Answers the
// refused row, if any; the transaction is the caller's to roll back then. Text that is no valid
// UTF-8 is stored as the rest of the program stores it, each stray byte as U+FFFD.
std::optional<TBulkFailure> BulkInsertStudentRows(
    TDatabase& database, std::span<const TStudentRecord> rows,
    const std::function<void(std::size_t done)>& progress);
