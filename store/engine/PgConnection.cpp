#include "store/engine/PgConnection.h"

#include "store/engine/LibpqCalls.h"

#include <dlfcn.h>

#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>
#include <string>

#include "store/engine/Engine.h"

const TLibpq& Libpq()
{
    static const TLibpq pq = [] {
        void* library = ::dlopen("libpq.so.5", RTLD_NOW | RTLD_LOCAL);
        std::string missing;
        const auto find = [&](auto& function, const char* name) {
            void* symbol = library ? ::dlsym(library, name) : nullptr;
            if (!symbol && missing.empty()) {
                const char* why = ::dlerror();
                missing = why ? why : name;
            }
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(symbol);
        };
        TLibpq loaded{};
#define CARDOVANE_LIBPQ_FIND(name) find(loaded.name, #name);
        CARDOVANE_LIBPQ_FUNCTIONS(CARDOVANE_LIBPQ_FIND)
#undef CARDOVANE_LIBPQ_FIND
        if (!missing.empty()) {
            throw EDBEngineError::InitFailure(kErrDriverMissing, "libpq: " + missing);
        }
        return loaded;
    }();
    return pq;
}

TPgResult::~TPgResult()
{
    if (result_) {
        pq_->PQclear(result_);
    }
}

TPgConnection PgConnection(const QSqlDatabase& handle)
{
    if (handle.driverName() != kServerDriver) {
        return {};
    }
    // The driver registers the connection under its struct's name.
    const QVariant driver = handle.driver()->handle();
    if (!driver.isValid() || (qstrcmp(driver.typeName(), "PGconn*") != 0 &&
                              qstrcmp(driver.typeName(), "pg_conn*") != 0)) {
        return {};
    }
    return {*static_cast<PGconn* const*>(driver.constData()), &Libpq()};
}

namespace {

QString ErrorField(const TPgConnection& pg, const PGresult* result, int code)
{
    const char* text = result ? pg.pq->PQresultErrorField(result, code) : nullptr;
    return text ? QString::fromUtf8(text) : QString();
}

}  // namespace

EDBEngineError PgStatementError(const TPgConnection& pg, const PGresult* result, const char* doing)
{
    QString message = QString::fromUtf8(pg.pq->PQerrorMessage(pg.conn));
    const QString state = ErrorField(pg, result, PG_DIAG_SQLSTATE);
    if (result) {
        message += QStringLiteral("(%1)").arg(state);
    }
    return TEngine::Error(
        kErrGeneralSql, QSqlError(QStringLiteral("QPSQL: ") +
                                      QString::fromLatin1(result ? doing : "Unable to send query"),
                                  message, QSqlError::StatementError, state));
}

EDBEngineError PgError(const TPgConnection& pg, const PGresult* result)
{
    const auto field = [&](int code) { return ErrorField(pg, result, code); };
    QString message = field(PG_DIAG_MESSAGE_PRIMARY);
    if (message.isEmpty()) {
        message = QString::fromUtf8(pg.pq->PQerrorMessage(pg.conn)).trimmed();
    } else {
        message = QStringLiteral("ERROR:  ") + message;
        if (const QString detail = field(PG_DIAG_MESSAGE_DETAIL); !detail.isEmpty()) {
            message += QStringLiteral("\nDETAIL:  ") + detail;
        }
    }
    return TEngine::Error(kErrGeneralSql,
                          QSqlError(QStringLiteral("Unable to copy"), message,
                                    QSqlError::StatementError, field(PG_DIAG_SQLSTATE)));
}

void ReadResultsToEnd(const TPgConnection& pg, const std::function<void(const PGresult*)>& failed)
{
    bool told = false;
    while (PGresult* next = pg.pq->PQgetResult(pg.conn)) {
        const TPgResult result(*pg.pq, next);
        if (pg.pq->PQresultStatus(next) != PGRES_COMMAND_OK && !told) {
            told = true;
            failed(next);
        }
        if (pg.pq->PQstatus(pg.conn) == CONNECTION_BAD) {
            break;
        }
    }
}
