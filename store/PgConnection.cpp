#include "store/PgConnection.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>

#include "store/Engine.h"

PGconn* PgConnection(const QSqlDatabase& handle)
{
    if (handle.driverName() != QLatin1String("QPSQL")) {
        return nullptr;
    }
    // The driver registers the connection under its struct's name.
    const QVariant driver = handle.driver()->handle();
    if (!driver.isValid() || (qstrcmp(driver.typeName(), "PGconn*") != 0 &&
                              qstrcmp(driver.typeName(), "pg_conn*") != 0)) {
        return nullptr;
    }
    return *static_cast<PGconn* const*>(driver.constData());
}

EDBEngineError PgError(PGconn* conn, const PGresult* result)
{
    const auto field = [result](int code) {
        const char* text = result ? PQresultErrorField(result, code) : nullptr;
        return text ? QString::fromUtf8(text) : QString();
    };
    QString message = field(PG_DIAG_MESSAGE_PRIMARY);
    if (message.isEmpty()) {
        message = QString::fromUtf8(PQerrorMessage(conn)).trimmed();
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
