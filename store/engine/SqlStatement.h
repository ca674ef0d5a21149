#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/engine/RecordWindow.h"
#include "store/engine/Statement.h"
#include "store/errors/EngineErrors.h"

class TDatabase;
class TSession;

// A value for a statement's parameter: a text, which stays an empty text when empty and is
// never stored as null, or an integer.
class TParam {
public:
    TParam(std::string_view text) : value_(QString::fromUtf8(text.data(), qsizetype(text.size())))
    {
        if (value_.toString().isNull()) {
            value_ = QStringLiteral("");
        }
    }
    TParam(const std::string& text) : TParam(std::string_view(text)) {}
    TParam(const char* text) : TParam(std::string_view(text)) {}
    TParam(int number) : value_(number) {}
    const QVariant& Value() const { return value_; }

private:
    QVariant value_;
};
using TParams = std::vector<TParam>;

// A field of one record, read where the record lies: valid while its result is.
class TField {
public:
    TField(const std::string& text, bool isNull) : text_(&text), isNull_(isNull) {}
    // The field text: a text column's characters, an integer's decimal digits, null empty.
    const std::string& AsString() const { return *text_; }
    bool IsNull() const { return isNull_; }

private:
    const std::string* text_;
    bool isNull_;
};

// A statement's text: its lines joined by CR LF.
QString StatementText(const std::vector<std::string>& lines);

// The field's place among the names, matched without regard to case; raises EDatabaseError
// "Field '...' not found", after the name of the result's owner and a colon where it has one.
int FieldIndex(const QStringList& names, const QString& name, const QString& owner = {});

// A statement's whole result, held in memory: its field names and records in windows of a
// fixed size.
class TRows {
public:
    TRows(QStringList names, std::vector<TRecordWindow> windows, int windowRecords);
    const QStringList& FieldNames() const { return names_; }
    int Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    TField Field(int record, const QString& name) const;
    TField Field(int record, const char* name) const
    {
        return Field(record, QString::fromUtf8(name));
    }
    // The windows themselves, handed on to a reader that keeps them.
    std::vector<TRecordWindow> TakeWindows() && { return std::move(windows_); }

private:
    QStringList names_;
    std::vector<TRecordWindow> windows_;
    int windowRecords_;
    int count_ = 0;
};

// A statement on a connection found by name, made ready in one call with its text and run any
// number of times with its values. Making it connects where needed and asks for a protected
// table's password until the user gives it or cancels. A connection made again since the
// statement was made (a server restarted between actions) has it made again before it runs.
class TSqlStatement {
public:
    // The text is the lines joined by CR LF; its parameters are ":name" markers, bound by
    // position.
    TSqlStatement(TSession& session, const QString& databaseName,
                  const std::vector<std::string>& lines);
    TSqlStatement(TSession& session, const QString& databaseName, const std::string& text)
        : TSqlStatement(session, databaseName, std::vector<std::string>{text})
    {
    }

    TDatabase& Database() { return database_; }
    int ParamCount() const { return statement_->ParamCount(); }

    // Runs a statement that returns no rows; answers how many records it changed.
    int Execute(const TParams& values = {});
    // Runs it like Execute, but answers the refusal of a key that is taken already instead of
    // raising it, so that the caller may number the row again.
    std::optional<EDBEngineError> ExecuteOrKeyViolation(const TParams& values);
    // Runs a statement that returns rows and reads its whole result, so that no read lock
    // outlives the reading and keeps other connections from writing.
    TRows Read(const TParams& values = {}, int windowRecords = 4096);

private:
    void Ready();
    std::optional<EDBEngineError> Run(const TParams& values);

    TSession& session_;
    TDatabase& database_;
    std::string text_;
    std::optional<TStatement> statement_;
    int generation_ = 0;
    int rowsAffected_ = 0;
};

// The database of the named connection, connected, for a reading that goes around statements
// (the bulk paths): a protected table named in `text` asks for its password as making a
// statement asks.
TDatabase& AllowedDatabase(TSession& session, const QString& databaseName, const QString& text);
