#include "store/bulk/BulkInsert.h"

#include "store/engine/LibpqCalls.h"

#include <sqlite3.h>

#include <memory>

#include "store/bulk/CopyText.h"
#include "store/engine/Database.h"
#include "store/engine/FieldText.h"
#include "store/engine/PgConnection.h"
#include "store/engine/SqliteStatement.h"
#include "store/table/StudentListTable.h"

namespace {

// How often progress is told, in rows; and how much COPY text is sent at a time.
constexpr std::size_t kProgressRows = 4096;
constexpr std::size_t kCopyBlock = std::size_t(1) << 18;

std::optional<TBulkFailure> SqliteInsert(sqlite3* db, std::span<const TStudentRecord> rows,
                                         const std::function<void(std::size_t)>& progress)
{
    const std::string sql = InsertStudentRowStatement();
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), int(sql.size()), &prepared, nullptr) != SQLITE_OK) {
        throw SqliteError(db);
    }
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(prepared,
                                                                          sqlite3_finalize);
    std::string scratch[4];
    const auto bindText = [&](int index, std::string_view text) {
        return sqlite3_bind_text(prepared, index, text.data(), int(text.size()), SQLITE_STATIC);
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TStudentRecord& r = rows[i];
        int code = bindText(1, AsQtConverts(r.psid, scratch[3]));
        code = code == SQLITE_OK ? sqlite3_bind_int(prepared, 2, r.sequence) : code;
        code = code == SQLITE_OK ? bindText(3, AsQtConverts(r.studentId, scratch[0])) : code;
        code = code == SQLITE_OK ? bindText(4, AsQtConverts(r.firstName, scratch[1])) : code;
        code = code == SQLITE_OK ? bindText(5, AsQtConverts(r.lastName, scratch[2])) : code;
        code = code == SQLITE_OK ? sqlite3_step(prepared) : code;
        if (code != SQLITE_DONE) {
            TBulkFailure failure{i, SqliteError(db)};
            sqlite3_reset(prepared);
            return failure;
        }
        sqlite3_reset(prepared);
        if ((i + 1) % kProgressRows == 0) {
            progress(i + 1);
        }
    }
    progress(rows.size());
    return std::nullopt;
}

// COPY's own line number of the failure, from 1; 0 where the server names none.
std::size_t CopyLine(const TPgConnection& pg, const PGresult* result)
{
    const char* context = result ? pg.pq->PQresultErrorField(result, PG_DIAG_CONTEXT) : nullptr;
    return CopyLineOfContext(context ? context : "");
}

std::optional<TBulkFailure> ServerCopy(const TPgConnection& pg,
                                       std::span<const TStudentRecord> rows,
                                       const std::function<void(std::size_t)>& progress)
{
    {
        const TPgResult started(*pg.pq,
                                pg.pq->PQexec(pg.conn, CopyStudentRowsInStatement().c_str()));
        if (pg.pq->PQresultStatus(started.get()) != PGRES_COPY_IN) {
            throw PgError(pg, started.get());
        }
    }
    std::string block;
    block.reserve(kCopyBlock + 4096);
    std::string scratch[4];
    bool sent = true;
    for (std::size_t i = 0; i < rows.size() && sent; ++i) {
        const TStudentRecord& r = rows[i];
        AppendCopyTextField(block, AsQtConverts(r.psid, scratch[3]));
        block += '\t';
        block += std::to_string(r.sequence);
        block += '\t';
        AppendCopyTextField(block, AsQtConverts(r.studentId, scratch[0]));
        block += '\t';
        AppendCopyTextField(block, AsQtConverts(r.firstName, scratch[1]));
        block += '\t';
        AppendCopyTextField(block, AsQtConverts(r.lastName, scratch[2]));
        block += '\n';
        if (block.size() >= kCopyBlock) {
            sent = pg.pq->PQputCopyData(pg.conn, block.data(), int(block.size())) == 1;
            block.clear();
            progress(i + 1);
        }
    }
    if (sent && !block.empty()) {
        sent = pg.pq->PQputCopyData(pg.conn, block.data(), int(block.size())) == 1;
    }
    if (sent) {
        sent = pg.pq->PQputCopyEnd(pg.conn, nullptr) == 1;
    }
    std::optional<TBulkFailure> failure;
    ReadResultsToEnd(pg, [&](const PGresult* failed) {
        const std::size_t line = CopyLine(pg, failed);
        failure = TBulkFailure{line > 0 ? line - 1 : rows.size(), PgError(pg, failed)};
    });
    if (!failure && !sent) {
        throw PgError(pg, nullptr);
    }
    if (!failure) {
        progress(rows.size());
    }
    return failure;
}

}  // namespace

std::optional<TBulkFailure> BulkInsertStudentRows(TDatabase& database,
                                                  std::span<const TStudentRecord> rows,
                                                  const std::function<void(std::size_t)>& progress)
{
    const QSqlDatabase handle = database.Handle();
    if (const TPgConnection pg = PgConnection(handle)) {
        return ServerCopy(pg, rows, progress);
    }
    return SqliteInsert(SqliteHandle(handle), rows, progress);
}
