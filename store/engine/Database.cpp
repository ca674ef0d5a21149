#include "store/engine/Database.h"

#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <thread>

#include "store/engine/Session.h"

TDatabase::TDatabase(TSession& session, QString databaseName, QString aliasName)
    : session_(session), databaseName_(std::move(databaseName)), aliasName_(std::move(aliasName))
{
    session_.Register(this);
}

TDatabase::~TDatabase()
{
    session_.Unregister(this);
    if (Connected()) {
        TEngine::Disconnect(connection_);
    }
}

const TAlias& TDatabase::Alias() const
{
    return *session_.Engine().FindAlias(aliasName_);
}

QSqlDatabase TDatabase::Handle() const
{
    return QSqlDatabase::database(connection_, false);
}

TDatabase::Credentials TDatabase::AskLogin()
{
    Credentials login;
    const TAlias* alias = session_.Engine().FindAlias(aliasName_);
    if (alias && alias->hasUserName && loginPrompt) {
        login.user = userName.isEmpty() ? alias->userName : userName;
        if (!session_.onLogin || !session_.onLogin(databaseName_, login.user, login.password)) {
            throw EDatabaseError(
                TPhrase("EngineErrors",
                        QT_TRANSLATE_NOOP("EngineErrors", "Cannot connect to database '%1'"),
                        {databaseName_.toStdString()}));
        }
        userName = login.user;
    }
    return login;
}

void TDatabase::Open()
{
    if (Connected()) {
        return;
    }
    session_.Start();
    const Credentials login = AskLogin();
    TBusyPointer::WorkScope working(session_.BusyPointer());
    connection_ = session_.Engine().Connect(aliasName_, login.user, login.password);
    login_ = login;
    ++generation_;
    CheckedThisTurn();
}

void TDatabase::Use()
{
    Open();
    if (checkedThisTurn_ || Alias().IsSqlite()) {
        return;
    }
    CheckedThisTurn();
    if (Answers()) {
        return;
    }
    // A fresh connection replaces the lost one. Nothing of a statement stays on a server between
    // runs, so nothing is left to release there; each statement is made again on its next run.
    const Credentials login = AskLogin();
    TBusyPointer::WorkScope working(session_.BusyPointer());
    Replace(session_.Engine().Connect(aliasName_, login.user, login.password));
    login_ = login;
}

void TDatabase::Replace(const QString& fresh)
{
    TEngine::Disconnect(connection_);
    connection_ = fresh;
    ++generation_;
}

bool TDatabase::Lost() const
{
    return Connected() && !Alias().IsSqlite() && !Answers();
}

bool TDatabase::Reconnect(std::chrono::milliseconds patience)
{
    TBusyPointer::WorkScope working(session_.BusyPointer());
    QElapsedTimer waited;
    waited.start();
    while (true) {
        try {
            Replace(session_.Engine().Connect(aliasName_, login_.user, login_.password));
            inTransaction_ = false;  // a lost connection ended it
            CheckedThisTurn();
            return true;
        } catch (const EDatabaseError&) {
            if (waited.elapsed() + kReconnectStep.count() > patience.count()) {
                return false;
            }
        }
        std::this_thread::sleep_for(kReconnectStep);
    }
}

void TDatabase::StartTransaction(const QString& writtenTable)
{
    Use();
    // SQLite takes the file's write lock at the start; a server locks the one table against
    // writers, so that numbers read from it cannot be taken by another office meanwhile.
    const bool sqlite = Alias().IsSqlite();
    QSqlQuery begin(Handle());
    if (!begin.exec(sqlite ? QStringLiteral("begin immediate") : QStringLiteral("begin"))) {
        throw TEngine::Error(kErrGeneralSql, begin.lastError());
    }
    inTransaction_ = true;
    if (!sqlite &&
        !begin.exec(QStringLiteral("lock table %1 in exclusive mode").arg(writtenTable))) {
        const EDBEngineError error = TEngine::Error(kErrGeneralSql, begin.lastError());
        Rollback();
        throw error;
    }
}

void TDatabase::Commit()
{
    inTransaction_ = false;
    QSqlQuery commit(Handle());
    if (!commit.exec(QStringLiteral("commit"))) {
        throw TEngine::Error(kErrGeneralSql, commit.lastError());
    }
}

void TDatabase::Rollback()
{
    inTransaction_ = false;
    QSqlQuery(Handle()).exec(QStringLiteral("rollback"));  // a lost connection undoes it anyway
}

bool TDatabase::Answers() const
{
    const QSqlDatabase db = Handle();
    if (!db.isOpen()) {
        return false;
    }
    TBusyPointer::WorkScope working(session_.BusyPointer());
    QSqlQuery ping(db);
    return ping.exec(QStringLiteral("select 1"));
}

void TDatabase::CheckedThisTurn()
{
    if (checkedThisTurn_) {
        return;
    }
    checkedThisTurn_ = true;
    QTimer::singleShot(0, &turn_, [this] { checkedThisTurn_ = false; });
}
