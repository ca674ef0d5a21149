#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <chrono>

#include "store/aliases/AliasFile.h"
#include "store/errors/EngineErrors.h"

class TSession;

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
    // How long a posting waits for a lost connection to come back: longer than an action, as
    // its rows wait to go in.
    std::chrono::milliseconds postingPatience{std::chrono::seconds(30)};

    bool Connected() const { return !connection_.isEmpty(); }
    // Connects, asking for a login where the alias carries a user name; nothing when connected.
    void Open();
    // Connects where needed and, before the first statement of each user action (each turn of
    // the event loop), makes sure that a database server still answers: a connection lost to a
    // server restart is made again, with the login where the alias asks for one, before anything
    // of the action has been sent. A connection lost midway fails its statement; the next
    // action connects again.
    void Use();
    // A transaction, for work that is stored or removed whole or not at all (the batch import,
    // taking a posting back); the posting never starts one. What it reads of the table stays
    // true until it ends: others may read the table meanwhile, but none write it.
    void StartTransaction(const QString& writtenTable);
    // After a statement failed: whether the server no longer answers on this connection (its
    // pooler or itself restarted, a standby took over). Never on SQLite.
    bool Lost() const;
    // Makes a lost connection again with the login it was made with (nobody is asked twice),
    // trying every kReconnectStep until `patience` has passed; false when the server did not
    // come back by then, and the lost connection stays.
    bool Reconnect(std::chrono::milliseconds patience);
    // Runs the work; where the connection was lost under it, makes the connection again once
    // and runs the work again. For work that stores nothing, so that running it twice is safe.
    template <typename Work>
    auto AgainIfLost(Work work) -> decltype(work())
    {
        try {
            return work();
        } catch (const EDBEngineError&) {
            if (!Lost() || !Reconnect(kActionPatience)) {
                throw;
            }
        }
        return work();
    }
    // How long an action waits for a lost connection to come back, and how often it tries.
    static constexpr std::chrono::seconds kActionPatience{10};
    static constexpr std::chrono::milliseconds kReconnectStep{500};
    void Commit();
    void Rollback();
    bool InTransaction() const { return inTransaction_; }
    // Counts the connections made; a statement made on an earlier one is made again on this one.
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
    void Replace(const QString& fresh);
    void CheckedThisTurn();

    TSession& session_;
    QString databaseName_;
    QString aliasName_;
    QString connection_;
    Credentials login_;  // the connection's, to make it again after a loss
    int generation_ = 0;
    bool inTransaction_ = false;
    bool checkedThisTurn_ = false;
    QObject turn_;  // the context of the end-of-turn notice
};
