#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

#include "store/aliases/AliasFile.h"

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
