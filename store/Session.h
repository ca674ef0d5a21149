#pragma once

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "store/BusyPointer.h"
#include "store/Engine.h"

class TDatabase;

// The program's one database session: it starts the engine, finds connections by name (making
// and keeping a temporary one for a name that no connection bears), holds the run's table
// passwords and asks for logins and passwords through the handlers its owner sets.
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

// A named connection to the database of an alias.
class TDatabase {
public:
    TDatabase(TSession& session, QString databaseName, QString aliasName);
    ~TDatabase();
    TDatabase(const TDatabase&) = delete;
    TDatabase& operator=(const TDatabase&) = delete;

    const QString& DatabaseName() const { return databaseName_; }
    const QString& AliasName() const { return aliasName_; }
    TSession& Session() { return session_; }

    bool loginPrompt = true;
    QString userName;  // the connection's own user-name setting

    bool Connected() const { return !connection_.isEmpty(); }
    // Connects, asking for a login where the alias carries a user name; nothing when connected.
    void Open();
    // Connects where needed and, before the first statement of each user action (each turn of
    // the event loop), makes sure that a database server still answers: a connection lost to a
    // server restart is made again, with the login where the alias asks for one, before anything
    // of the action has been sent. A connection lost midway fails its statement; the next
    // action connects again.
    void Use();
    // A transaction, for work that is stored whole or not at all (the batch import); the
    // window's work never starts one.
    void StartTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const { return inTransaction_; }
    // Counts the connections made; statements prepared on an earlier one are prepared again.
    int Generation() const { return generation_; }
    QSqlDatabase Handle() const;
    const TAlias& Alias() const;

private:
    struct Credentials {
        QString user;
        QString password;
    };
    Credentials AskLogin();
    bool Answers() const;
    void CheckedThisTurn();

    TSession& session_;
    QString databaseName_;
    QString aliasName_;
    QString connection_;
    int generation_ = 0;
    bool inTransaction_ = false;
    bool checkedThisTurn_ = false;
    QObject turn_;  // the context of the end-of-turn notice
};
