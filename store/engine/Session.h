#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "store/engine/BusyPointer.h"
#include "store/engine/Engine.h"

class TDatabase;

// The program's one database session: it starts the engine, finds connections by name (making
// and keeping a temporary one for a name that no connection bears), hands table passwords to
// the engine, which keeps them for the run, and asks for logins and passwords through the
// handlers its owner sets.
class TSession {
public:
    explicit TSession(QString name = QStringLiteral("Default"));
    ~TSession();
    TSession(const TSession&) = delete;
    TSession& operator=(const TSession&) = delete;

    const QString& Name() const { return name_; }
    TEngine& Engine() { return engine_; }
    TBusyPointer& BusyPointer() { return busy_; }

    // Loads and initialises the engine, once.
    void Start();
    // The connected database that bears this name.
    TDatabase& OpenDatabase(const QString& name);
    TDatabase* FindDatabase(const QString& name) const;

    void AddPassword(const QString& password) { engine_.AddPassword(password); }
    void RemovePassword(const QString& password) { engine_.RemovePassword(password); }
    void RemoveAllPasswords() { engine_.RemoveAllPasswords(); }

    // Asked for a login: may change the user name; false when the user cancelled.
    std::function<bool(const QString& databaseName, QString& userName, QString& password)> onLogin;
    // Asked for table passwords: true when the user confirmed, false when cancelled.
    std::function<bool()> onPassword;

private:
    friend class TDatabase;
    void Register(TDatabase* database) { databases_.append(database); }
    void Unregister(TDatabase* database) { databases_.removeAll(database); }

    QString name_;
    TEngine engine_;
    TBusyPointer busy_;
    QList<TDatabase*> databases_;
    std::vector<std::unique_ptr<TDatabase>> temporary_;
};
