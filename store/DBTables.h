#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QSqlQuery>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/Engine.h"
#include "toolkit/DB.h"

class TDatabase;

// The mouse pointer while the database works: the SQL-wait shape from a server's report that it
// is working until 50 ms have passed since the last one; an engine error restores it at once.
class TBusyPointer : public QObject {
    Q_OBJECT
public:
    // Reports the server at work for the scope's life; an error leaving the scope restores the
    // pointer at once.
    class WorkScope {
    public:
        explicit WorkScope(TBusyPointer& pointer);
        ~WorkScope();
        WorkScope(const WorkScope&) = delete;
        WorkScope& operator=(const WorkScope&) = delete;

    private:
        TBusyPointer& pointer_;
        int exceptions_;
    };

    TBusyPointer();
    void ServerWorking();
    void Restore();
    bool Showing() const { return showing_; }

private:
    void Tick();

    QTimer timer_;
    QElapsedTimer sinceReport_;
    bool showing_ = false;
};

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
    QSqlDatabase Handle() const;
    const TAlias& Alias() const;

private:
    TSession& session_;
    QString databaseName_;
    QString aliasName_;
    QString connection_;
};

// A field of the current record.
class TField {
public:
    TField(QString name, std::string text, bool isNull)
        : name_(std::move(name)), text_(std::move(text)), isNull_(isNull)
    {
    }
    // The field text: a text column's characters, an integer's decimal digits, null empty.
    const std::string& AsString() const { return text_; }
    double AsFloat() const;

private:
    QString name_;
    std::string text_;
    bool isNull_;
};

// A statement on a connection found by name. Its text is lines joined by CR LF; its parameters
// are ":name" markers bound by position. A statement that returns rows opens as a read-only
// result held in memory, so that no read lock outlives the open and keeps other connections
// from writing.
class TQuery : public TDataSet {
    Q_OBJECT
public:
    explicit TQuery(TSession& session, QObject* parent = nullptr);
    ~TQuery() override;

    QString databaseName;
    QStringList sql;

    QString Text() const { return sql.join(QStringLiteral("\r\n")); }
    void Prepare();
    void UnPrepare();
    bool Prepared() const { return statement_.has_value(); }
    int ParamCount() const { return int(params_.size()); }
    void SetParamText(int index, const std::string& text);
    void SetParamInteger(int index, int value);

    void Open();
    void Close();
    void ExecSQL();

    void First();
    void Next();
    bool Eof() const { return eof_; }
    TField FieldByName(const QString& name) const;

    bool Active() const override { return active_; }
    int FieldCount() const override { return int(fieldNames_.size()); }
    QString FieldName(int field) const override { return fieldNames_.value(field); }
    int RecordCount() const override { return recordCount_; }
    QString DisplayText(int record, int field) const override;
    int RecNo() const override { return recNo_; }
    void MoveTo(int record) override;

private:
    void Bind();
    void SetRecNo(int record);

    TSession& session_;
    TDatabase* database_ = nullptr;
    std::optional<QSqlQuery> statement_;
    std::vector<QVariant> params_;
    bool active_ = false;
    bool eof_ = true;
    int recNo_ = -1;
    QStringList fieldNames_;
    // The result as field texts, record by record; null is told apart from the empty text.
    std::vector<std::string> texts_;
    std::vector<bool> nulls_;
    int recordCount_ = 0;
};
