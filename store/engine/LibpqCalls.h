#pragma once

#include <libpq-fe.h>

#include "store/engine/PgConnection.h"

// libpq's functions that the engine calls, named once here. libpq is loaded with the
// PostgreSQL driver, once a server is used: a program on SQLite never loads it, nor the
// libraries it needs, at start.
#define CARDOVANE_LIBPQ_FUNCTIONS(F) \
    F(PQexec)                        \
    F(PQexecParams)                  \
    F(PQprepare)                     \
    F(PQntuples)                     \
    F(PQfname)                       \
    F(PQgetvalue)                    \
    F(PQgetlength)                   \
    F(PQgetisnull)                   \
    F(PQcmdTuples)                   \
    F(PQunescapeBytea)               \
    F(PQresultStatus)                \
    F(PQclear)                       \
    F(PQnfields)                     \
    F(PQftype)                       \
    F(PQgetCopyData)                 \
    F(PQputCopyData)                 \
    F(PQputCopyEnd)                  \
    F(PQgetResult)                   \
    F(PQfreemem)                     \
    F(PQstatus)                      \
    F(PQerrorMessage)                \
    F(PQresultErrorField)

struct TLibpq {
#define CARDOVANE_LIBPQ_MEMBER(name) decltype(&::name) name;
    CARDOVANE_LIBPQ_FUNCTIONS(CARDOVANE_LIBPQ_MEMBER)
#undef CARDOVANE_LIBPQ_MEMBER
};

// libpq as the driver loaded it; raises where it cannot be had.
const TLibpq& Libpq();
