#pragma once

#include <QSqlDatabase>
#include <functional>
#include <memory>
#include <utility>

#include "store/errors/EngineErrors.h"

// libpq's own types, as its header names them; its functions are called through TLibpq
// (LibpqCalls.h), which only the engine's and the bulk paths' own sources see.
typedef struct pg_conn PGconn;
typedef struct pg_result PGresult;
struct TLibpq;

// The PostgreSQL connection under a QPSQL connection, for what Qt SQL does not offer (COPY,
// statements whose parameters travel apart from their text), with libpq's functions; none for
// any other driver.
struct TPgConnection {
    PGconn* conn = nullptr;
    const TLibpq* pq = nullptr;
    explicit operator bool() const { return conn != nullptr; }
};
TPgConnection PgConnection(const QSqlDatabase& handle);

// A result, cleared when it goes.
class TPgResult {
public:
    TPgResult(const TLibpq& pq, PGresult* result) : pq_(&pq), result_(result) {}
    ~TPgResult();
    TPgResult(TPgResult&& other) noexcept
        : pq_(other.pq_), result_(std::exchange(other.result_, nullptr))
    {
    }
    TPgResult(const TPgResult&) = delete;
    TPgResult& operator=(const TPgResult&) = delete;
    TPgResult& operator=(TPgResult&&) = delete;
    PGresult* get() const { return result_; }

private:
    const TLibpq* pq_;
    PGresult* result_;
};

// The server's failures, both with the SQLSTATE kept apart. A statement's, as Qt's driver words
// it (the connection's whole message: detail, hint, the line of a syntax error); `doing` is what
// the driver says it was doing, and without a result it was sending. A COPY's, in the words a
// single insert's refusal has (its message and detail, not the COPY's context lines), so that a
// job and the window tell one refusal alike; without a result, the connection's last message.
EDBEngineError PgStatementError(const TPgConnection& pg, const PGresult* result,
                                const char* doing = "Unable to create query");
EDBEngineError PgError(const TPgConnection& pg, const PGresult* result);

// Reads the statement's results to their end, or to the connection's loss, so that the
// connection is ready for the next statement; the first result that is a failure goes to
// `failed`.
void ReadResultsToEnd(const TPgConnection& pg, const std::function<void(const PGresult*)>& failed);
