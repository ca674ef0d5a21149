#pragma once

#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <atomic>
#include <vector>

#include "store/aliases/AliasFile.h"
#include "store/errors/EngineErrors.h"

class QSqlError;

// Qt's drivers of the two engines.
inline const QString kSqliteDriver = QStringLiteral("QSQLITE");
inline const QString kServerDriver = QStringLiteral("QPSQL");
// Whether a connection is to a SQLite file rather than a database server.
inline bool IsSqlite(const QSqlDatabase& handle)
{
    return handle.driverName() == kSqliteDriver;
}

// The PostgreSQL driver's connect options for the alias: a time limit, and the alias's libpq
// settings, each value quoted as libpq reads it.
QString ServerConnectOptions(const TAlias& alias);

// The database engine: initialised once a run, it reads the aliases, opens connections over
// Qt SQL and keeps the run's table passwords.
class TEngine {
public:
    bool Initialized() const { return initialized_; }
    // Reads the aliases; a configuration that cannot be read is an initialisation failure.
    void Initialize();

    const TAlias* FindAlias(const QString& name) const;

    // Opens a connection by alias; returns the Qt connection name, released by Disconnect.
    QString Connect(const QString& aliasName, const QString& userName, const QString& password);
    // The same for a definition of the caller's, which needs no initialised engine.
    QString ConnectTo(const TAlias& alias, const QString& userName, const QString& password);
    // How long a statement on SQLite waits for another connection's write lock.
    void SetBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }
    static void Disconnect(const QString& connectionName);

    void AddPassword(const QString& password);
    void RemovePassword(const QString& password);
    void RemoveAllPasswords() { passwords_.clear(); }
    // The first table that the statement names whose password the run's list lacks.
    QString TableLackingPassword(const TAlias& alias, const QString& sql) const;

    // A failure reported by Qt SQL; a statement refused because its key is taken already is a
    // key violation, whatever code the caller names. A hint follows the database's words.
    static EDBEngineError Error(int code, const QSqlError& error, const TPhrase& hint = {});
    static EDBEngineError Error(int code, TPhrase message);

private:
    void CheckInitialized() const;

    bool initialized_ = false;
    std::vector<TAlias> aliases_;
    QStringList passwords_;
    // Qt SQL names connections for the whole process: two sessions never share a name.
    static inline std::atomic<int> connectionCount_{0};
    int busyTimeoutMs_ = 5000;
};
