// A statement on a named connection: made ready with its text, run with its values, its
// result read whole; and the table passwords making it asks for.
#include "store/engine/SqlStatement.h"

#include <algorithm>

#include "store/engine/BusyPointer.h"
#include "store/engine/Database.h"
#include "store/engine/Session.h"

QString StatementText(const std::vector<std::string>& lines)
{
    QStringList joined;
    for (const std::string& line : lines) {
        joined << QString::fromStdString(line);
    }
    return joined.join(QStringLiteral("\r\n"));
}

int FieldIndex(const QStringList& names, const QString& name, const QString& owner)
{
    for (int i = 0; i < names.size(); ++i) {
        if (names[i].compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    const TPhrase missing =
        TPhrase("EngineErrors", QT_TRANSLATE_NOOP("EngineErrors", "Field '%1' not found"),
                {name.toStdString()});
    throw EDatabaseError(owner.isEmpty() ? missing
                                         : Joined({owner.toStdString(), missing}, "%1: %2"));
}

TRows::TRows(QStringList names, std::vector<TRecordWindow> windows, int windowRecords)
    : names_(std::move(names)), windows_(std::move(windows)), windowRecords_(windowRecords)
{
    for (const TRecordWindow& window : windows_) {
        count_ += window.records;
    }
}

TField TRows::Field(int record, const QString& name) const
{
    const int field = FieldIndex(names_, name);
    static const std::string kNoRecord;
    if (record < 0 || record >= count_) {
        return TField(kNoRecord, true);
    }
    const TRecordWindow& window = windows_[std::size_t(record / windowRecords_)];
    const std::size_t at =
        std::size_t(record % windowRecords_) * std::size_t(names_.size()) + std::size_t(field);
    return TField(window.texts[at], window.nulls[at] != 0);
}

TDatabase& AllowedDatabase(TSession& session, const QString& databaseName, const QString& text)
{
    TDatabase& database = session.OpenDatabase(databaseName);
    database.Use();  // making a statement already talks to a database server
    for (QString table = session.Engine().TableLackingPassword(database.Alias(), text);
         !table.isEmpty(); table = session.Engine().TableLackingPassword(database.Alias(), text)) {
        if (!session.onPassword || !session.onPassword()) {
            session.BusyPointer().Restore();
            throw TEngine::Error(
                kErrTablePassword,
                TPhrase("EngineErrors", QT_TRANSLATE_NOOP("EngineErrors", "Table: %1"),
                        {table.toStdString()}));
        }
    }
    return database;
}

TSqlStatement::TSqlStatement(TSession& session, const QString& databaseName,
                             const std::vector<std::string>& lines)
    : session_(session),
      database_(AllowedDatabase(session, databaseName, StatementText(lines))),
      text_(StatementText(lines).toStdString())
{
    Ready();
}

void TSqlStatement::Ready()
{
    database_.Use();
    if (statement_ && database_.Generation() == generation_) {
        return;
    }
    TBusyPointer::WorkScope working(session_.BusyPointer());
    statement_.reset();
    statement_.emplace(database_.Handle(), text_);
    generation_ = database_.Generation();
}

std::optional<EDBEngineError> TSqlStatement::Run(const TParams& values)
{
    Ready();
    if (values.size() != std::size_t(ParamCount())) {
        session_.BusyPointer().Restore();
        const std::size_t index = std::min(values.size(), std::size_t(ParamCount()));
        throw TEngine::Error(kErrParameterIndex,
                             TPhrase("EngineErrors", QT_TRANSLATE_NOOP("EngineErrors", "Index: %1"),
                                     {std::to_string(index)}));
    }
    std::vector<QVariant> bound;
    bound.reserve(values.size());
    for (const TParam& value : values) {
        bound.push_back(value.Value());
    }
    TBusyPointer::WorkScope working(session_.BusyPointer());
    if (std::optional<EDBEngineError> failure = statement_->Run(bound)) {
        session_.BusyPointer().Restore();  // an engine error, even one handed back
        return failure;
    }
    return std::nullopt;
}

std::optional<EDBEngineError> TSqlStatement::ExecuteOrKeyViolation(const TParams& values)
{
    if (std::optional<EDBEngineError> failure = Run(values)) {
        if (failure->ErrorCode() != kErrKeyViolation) {
            throw *failure;
        }
        return failure;
    }
    rowsAffected_ = statement_->RowsAffected();
    statement_->Finish();
    return std::nullopt;
}

int TSqlStatement::Execute(const TParams& values)
{
    if (std::optional<EDBEngineError> refused = ExecuteOrKeyViolation(values)) {
        throw *refused;
    }
    return rowsAffected_;
}

TRows TSqlStatement::Read(const TParams& values, int windowRecords)
{
    if (std::optional<EDBEngineError> failure = Run(values)) {
        throw *failure;
    }
    TBusyPointer::WorkScope working(session_.BusyPointer());
    if (!statement_->ReturnsRows()) {
        statement_->Finish();
        throw TEngine::Error(kErrNoResult, TPhrase());
    }
    std::vector<TRecordWindow> windows;
    QStringList names;
    try {
        names = statement_->ReadAll(windows, windowRecords);
    } catch (...) {
        statement_->Finish();
        throw;
    }
    statement_->Finish();
    return TRows(std::move(names), std::move(windows), windowRecords);
}
