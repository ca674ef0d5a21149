#pragma once

#include <libpq-fe.h>

#include <QSqlDatabase>
#include <memory>

#include "store/EngineErrors.h"

// libpq's connection under a QPSQL connection, for what Qt SQL does not offer (COPY); null for
// any other driver.
PGconn* PgConnection(const QSqlDatabase& handle);

using PgResult = std::unique_ptr<PGresult, void (*)(PGresult*)>;
inline PgResult OwnedResult(PGresult* result)
{
    return PgResult(result, PQclear);
}

// The server's failure in the words the driver gives elsewhere: its message and detail, with
// the SQLSTATE kept apart. Without a result, the connection's last message.
EDBEngineError PgError(PGconn* conn, const PGresult* result);
