// The engine's connections over Qt SQL: by alias, to a SQLite file or a PostgreSQL server.
#include <QFileInfo>
#include <QSqlError>

#include "store/engine/Engine.h"

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

QString TEngine::Connect(const QString& aliasName, const QString& userName, const QString& password)
{
    CheckInitialized();
    const TAlias* alias = FindAlias(aliasName);
    if (!alias) {
        throw Error(kErrUnknownDatabase,
                    TPhrase("EngineErrors", QT_TRANSLATE_NOOP("EngineErrors", "Alias: %1"),
                            {aliasName.toStdString()}));
    }
    return ConnectTo(*alias, userName, password);
}

QString TEngine::ConnectTo(const TAlias& definition, const QString& userName,
                           const QString& password)
{
    const TAlias* alias = &definition;
    if (!alias->fault.Empty()) {
        throw EDBEngineError(
            kErrAliasUnusable,
            {TDBError{kErrAliasUnusable, {}, alias->fault},
             TDBError{
                 kErrAliasUnusable,
                 {},
                 TPhrase("EngineErrors",
                         QT_TRANSLATE_NOOP(
                             "EngineErrors",
                             "Correct it in %1, or define the alias again with cardovane-dbadmin."),
                         {TAliasFile::DefaultPath().toStdString()})}});
    }
    const QString name = QStringLiteral("cardovane-%1").arg(++connectionCount_);
    {
        QSqlDatabase db;
        if (alias->IsSqlite()) {
            // Opening would create a missing file: an empty database is not the student list.
            if (!QFileInfo(alias->path).isFile()) {
                throw Error(
                    kErrCannotOpenDatabase,
                    TPhrase("EngineErrors",
                            QT_TRANSLATE_NOOP("EngineErrors", "Database file not found: %1"),
                            {alias->path.toStdString()}));
            }
            db = QSqlDatabase::addDatabase(kSqliteDriver, name);
            db.setDatabaseName(alias->path);
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_));
        } else {
            if (!QSqlDatabase::isDriverAvailable(kServerDriver)) {
                throw Error(
                    kErrDriverMissing,
                    TPhrase("EngineErrors", QT_TRANSLATE_NOOP("EngineErrors", "Driver: QPSQL")));
            }
            db = QSqlDatabase::addDatabase(kServerDriver, name);
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
                    untrusted ? TPhrase("EngineErrors",
                                        QT_TRANSLATE_NOOP(
                                            "EngineErrors",
                                            "The server's certificate is not trusted: it is not "
                                            "signed by the authority that SSLRootCert names."))
                              : TPhrase());
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
