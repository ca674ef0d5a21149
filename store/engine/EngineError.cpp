// Qt SQL's failures as the engine's errors.
#include <QSqlError>

#include "store/engine/Engine.h"

namespace {

// SQLite's extended codes for a unique or primary key refused (with the plain constraint code
// where extended codes are off), PostgreSQL's SQLSTATE unique_violation.
bool IsKeyViolation(const QSqlError& error)
{
    const QString native = error.nativeErrorCode();
    return native == QLatin1String("2067") || native == QLatin1String("1555") ||
           native == QLatin1String("23505") ||
           (native == QLatin1String("19") &&
            error.databaseText().startsWith(QLatin1String("UNIQUE constraint failed")));
}

}  // namespace

EDBEngineError TEngine::Error(int code, const QSqlError& error, const TPhrase& hint)
{
    if (IsKeyViolation(error)) {
        code = kErrKeyViolation;
    }
    TDBError entry;
    entry.errorCode = code;
    entry.nativeError = error.nativeErrorCode().toStdString();
    QString text = error.databaseText().isEmpty() ? error.driverText() : error.databaseText();
    // The PostgreSQL driver appends the SQLSTATE in brackets, empty where the server said none
    // (a lost connection): the code is kept apart, the message is the server's own words.
    const QString state = QLatin1Char('(') + error.nativeErrorCode() + QLatin1Char(')');
    if (text.endsWith(state)) {
        text.chop(state.size());
    }
    entry.message = text.toStdString();
    if (hint.Empty()) {
        return EDBEngineError(code, {entry});
    }
    return EDBEngineError(code, {entry, TDBError{code, {}, hint}});
}

EDBEngineError TEngine::Error(int code, TPhrase message)
{
    return EDBEngineError(code, {TDBError{code, {}, std::move(message)}});
}
