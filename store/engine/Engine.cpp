#include "store/engine/Engine.h"

#include <QFileInfo>
#include <QSqlError>

#include "store/engine/StatementText.h"

namespace {

// libpq's quoting of a value in a connection string.
QString Quoted(QString value)
{
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

}  // namespace

QString ServerConnectOptions(const TAlias& alias)
{
    QString options = QStringLiteral("connect_timeout=10");
    for (auto it = alias.libpqSettings.cbegin(); it != alias.libpqSettings.cend(); ++it) {
        options += QLatin1Char(' ') + it.key() + QLatin1Char('=') + Quoted(it.value());
    }
    return options;
}

void TEngine::CheckInitialized() const
{
    if (!initialized_) {
        throw EDBEngineError::InitFailure(kErrNotInitialized);
    }
}

void TEngine::Initialize(const QString& languageId)
{
    if (initialized_) {
        return;
    }
    std::vector<TAlias> aliases = TAliasFile().Read();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        throw EDBEngineError::InitFailure(kErrDriverMissing);
    }
    aliases_ = std::move(aliases);
    languageId_ = languageId;
    initialized_ = true;
}

const TAlias* TEngine::FindAlias(const QString& name) const
{
    for (const TAlias& alias : aliases_) {
        if (alias.name.compare(name, Qt::CaseInsensitive) == 0) {
            return &alias;
        }
    }
    return nullptr;
}

QString TEngine::Connect(const QString& aliasName, const QString& userName, const QString& password)
{
    CheckInitialized();
    const TAlias* alias = FindAlias(aliasName);
    if (!alias) {
        throw Error(kErrUnknownDatabase, QStringLiteral("Alias: %1").arg(aliasName));
    }
    return ConnectTo(*alias, userName, password);
}

QString TEngine::ConnectTo(const TAlias& definition, const QString& userName,
                           const QString& password)
{
    const TAlias* alias = &definition;
    if (!alias->fault.isEmpty()) {
        throw Error(kErrAliasUnusable,
                    alias->fault +
                        QStringLiteral(
                            "\nCorrect it in %1, or define the alias again with cardovane-dbadmin.")
                            .arg(TAliasFile::DefaultPath()));
    }
    const QString name = QStringLiteral("cardovane-%1").arg(++connectionCount_);
    {
        QSqlDatabase db;
        if (alias->driver == TAlias::Driver::SQLite) {
            // Opening would create a missing file: an empty database is not the student list.
            if (!QFileInfo(alias->path).isFile()) {
                throw Error(kErrCannotOpenDatabase,
                            QStringLiteral("Database file not found: %1").arg(alias->path));
            }
            db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(alias->path);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_));
        } else {
            if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
                throw Error(kErrDriverMissing, QStringLiteral("Driver: QPSQL"));
            }
            db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            db.setHostName(alias->server);
            if (alias->port > 0) {
                db.setPort(alias->port);
            }
            db.setDatabaseName(alias->database);
            db.setUserName(userName);
            db.setPassword(password);
            db.setConnectOptions(ServerConnectOptions(*alias));
        }
        if (db.open()) {
            return name;
        }
        const QSqlError error = db.lastError();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        // libpq's words for an authority that signed nothing of the server's say little to an
        // office.
        const bool untrusted = error.databaseText().contains(QLatin1String("certificate verify"));
        throw Error(kErrCannotOpenDatabase, error,
                    untrusted ? QStringLiteral("The server's certificate is not trusted: it is not "
                                               "signed by the authority that SSLRootCert names.")
                              : QString());
    }
}

void TEngine::Disconnect(const QString& connectionName)
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

void TEngine::AddPassword(const QString& password)
{
    if (!passwords_.contains(password)) {
        passwords_.append(password);
    }
}

void TEngine::RemovePassword(const QString& password)
{
    passwords_.removeAll(password);
}

QString TEngine::TableLackingPassword(const TAlias& alias, const QString& sql) const
{
    const std::string text = sql.toStdString();
    for (auto it = alias.tablePasswords.cbegin(); it != alias.tablePasswords.cend(); ++it) {
        if (!passwords_.contains(it.value()) && StatementNamesTable(text, it.key().toStdString())) {
            return it.key();
        }
    }
    return {};
}

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

EDBEngineError TEngine::Error(int code, const QSqlError& error, const QString& hint)
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
    if (hint.isEmpty()) {
        return EDBEngineError(code, {entry});
    }
    return EDBEngineError(code, {entry, TDBError{code, {}, hint.toStdString()}});
}

EDBEngineError TEngine::Error(int code, const QString& message)
{
    return EDBEngineError(code, {TDBError{code, {}, message.toStdString()}});
}
