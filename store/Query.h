#pragma once

#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <string>
#include <vector>

#include "store/Session.h"
#include "toolkit/DataSet.h"

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
    // Executes like ExecSQL, but answers the refusal of a key that is taken already instead of
    // raising it, so that the caller may number the row again.
    std::optional<EDBEngineError> ExecSQLOrKeyViolation();
    // Executes like ExecSQL, but answers any engine failure instead of raising it, for a caller
    // that raises it with more to say (which row of a list failed).
    std::optional<EDBEngineError> TryExecSQL();

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
    // Prepared on a connection that the action may use: one lost and made again since the last
    // preparing makes the statement be prepared anew, with its parameter values kept.
    void Ready();
    void Bind();
    void SetRecNo(int record);

    TSession& session_;
    TDatabase* database_ = nullptr;
    std::optional<QSqlQuery> statement_;
    int preparedGeneration_ = 0;
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
