#pragma once

#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "store/engine/Database.h"
#include "store/engine/Session.h"
#include "store/engine/Statement.h"
#include "store/list/WindowCache.h"
#include "store/list/WindowSource.h"
#include "toolkit/DataSet.h"

// A field of the current record, read where the record lies: valid until the query moves.
class TField {
public:
    TField(const QString& name, const std::string& text, bool isNull)
        : name_(&name), text_(&text), isNull_(isNull)
    {
    }
    // The field text: a text column's characters, an integer's decimal digits, null empty.
    const std::string& AsString() const { return *text_; }
    double AsFloat() const;

private:
    const QString* name_;
    const std::string* text_;
    bool isNull_;
};

// A statement on a connection found by name. Its text is lines joined by CR LF; its parameters
// are ":name" markers bound by position. A statement that returns rows opens as a read-only
// result held in memory, so that no read lock outlives the open and keeps other connections
// from writing; a list whose order is given is instead read a window at a time as its records
// are needed, keeping a bounded number of windows in memory.
class TQuery : public TDataSet {
    Q_OBJECT
public:
    explicit TQuery(TSession& session, QObject* parent = nullptr);
    ~TQuery() override;

    QString databaseName;
    QStringList sql;

    QString Text() const { return sql.join(QStringLiteral("\r\n")); }
    // The database file of the alias the statement runs on; empty for a database server.
    QString DatabaseFile();
    void Prepare();
    void UnPrepare();
    // The database the statement runs on, connected, for a reading that goes around the
    // records: a protected table's password is asked for as opening asks; nothing is prepared.
    TDatabase& AllowedDatabase();
    bool Prepared() const { return statement_.has_value(); }
    int ParamCount() const { return int(params_.size()); }
    void SetParamText(int index, const std::string& text);
    void SetParamInteger(int index, int value);

    // Reads the result a window at a time: the statement is the whole table in this order.
    void ReadInWindows(TListOrder order) { listOrder_ = std::move(order); }

    void Open();
    void Close();
    void ExecSQL();
    // Executes like ExecSQL, but answers the refusal of a key that is taken already instead of
    // raising it, so that the caller may number the row again.
    std::optional<EDBEngineError> ExecSQLOrKeyViolation();
    // Executes like ExecSQL, but answers any engine failure instead of raising it, for a caller
    // that raises it with more to say (which row of a list failed).
    std::optional<EDBEngineError> TryExecSQL();
    // How many records the last statement executed changed.
    int RowsAffected() const { return rowsAffected_; }

    void First();
    void Next();
    bool Eof() const { return eof_; }
    TField FieldByName(const QString& name) const;

    bool Active() const override { return active_; }
    int FieldCount() const override { return int(fieldNames_.size()); }
    QString FieldName(int field) const override { return fieldNames_.value(field); }
    int RecordCount() const override { return readRecords_; }
    bool AllRead() const override { return allRead_; }
    void ReadMore() override;
    bool Resident(int first, int last) const override;
    void MakeResident(int first, int last) override;
    QString DisplayText(int record, int field) const override;
    int RecNo() const override { return recNo_; }
    void MoveTo(int record) override;

private:
    // Prepared on a connection that the action may use: one lost and made again since the last
    // preparing makes the statement be prepared anew, with its parameter values kept.
    void Ready();
    void SetRecNo(int record);
    void OpenWindows();
    void OpenWhole();
    // The window holding the record, read again when it has left memory; false when the list
    // had to be opened anew because its connection was made again.
    bool Need(int record);
    void Keep(int window, TRecordWindow records);
    void ReleaseWindows() noexcept;

    TSession& session_;
    TDatabase* database_ = nullptr;
    std::optional<TStatement> statement_;
    int preparedGeneration_ = 0;
    std::vector<QVariant> params_;
    bool active_ = false;
    bool eof_ = true;
    int rowsAffected_ = 0;
    int recNo_ = -1;
    QStringList fieldNames_;
    std::optional<TListOrder> listOrder_;
    std::unique_ptr<TWindowSource> source_;
    int sourceGeneration_ = 0;
    TWindowCache windows_;
    int readRecords_ = 0;
    bool allRead_ = true;
};
