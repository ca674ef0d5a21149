// A statement on a named connection: preparing, binding its parameters, executing it, and the
// table passwords it asks for.
#include "store/list/Query.h"

#include "store/engine/BusyPointer.h"
#include "store/engine/Session.h"

TQuery::TQuery(TSession& session, QObject* parent) : TDataSet(parent), session_(session)
{
}

TQuery::~TQuery()
{
    ReleaseWindows();
}

QString TQuery::DatabaseFile()
{
    session_.Start();
    const TDatabase* database = session_.FindDatabase(databaseName);
    const TAlias* alias =
        session_.Engine().FindAlias(database ? database->AliasName() : databaseName);
    return alias && alias->driver == TAlias::Driver::SQLite ? alias->path : QString();
}

TDatabase& TQuery::AllowedDatabase()
{
    TDatabase& database = session_.OpenDatabase(databaseName);
    database.Use();  // preparing already talks to a database server
    const QString text = Text();
    // A protected table asks for its password until the user gives it or cancels.
    for (QString table = session_.Engine().TableLackingPassword(database.Alias(), text);
         !table.isEmpty(); table = session_.Engine().TableLackingPassword(database.Alias(), text)) {
        if (!session_.onPassword || !session_.onPassword()) {
            session_.BusyPointer().Restore();
            throw TEngine::Error(kErrTablePassword, QStringLiteral("Table: %1").arg(table));
        }
    }
    return database;
}

void TQuery::Prepare()
{
    if (statement_) {
        return;
    }
    TDatabase& database = AllowedDatabase();
    TBusyPointer::WorkScope working(session_.BusyPointer());
    statement_.emplace(database.Handle(), Text().toStdString());
    database_ = &database;
    preparedGeneration_ = database.Generation();
    if (params_.size() != std::size_t(statement_->ParamCount())) {
        params_.assign(std::size_t(statement_->ParamCount()), QVariant());
    }
}

void TQuery::Ready()
{
    Prepare();
    database_->Use();
    if (database_->Generation() != preparedGeneration_) {
        statement_.reset();
        Prepare();
    }
}

void TQuery::UnPrepare()
{
    Close();
    statement_.reset();
    params_.clear();
    database_ = nullptr;
}

void TQuery::SetParamText(int index, const std::string& text)
{
    if (index < 0 || index >= ParamCount()) {
        session_.BusyPointer().Restore();
        throw TEngine::Error(kErrParameterIndex, QStringLiteral("Index: %1").arg(index));
    }
    QString value = QString::fromStdString(text);
    // An empty text is stored as empty text, not as null.
    params_[std::size_t(index)] = value.isNull() ? QStringLiteral("") : value;
}

void TQuery::SetParamInteger(int index, int value)
{
    if (index < 0 || index >= ParamCount()) {
        session_.BusyPointer().Restore();
        throw TEngine::Error(kErrParameterIndex, QStringLiteral("Index: %1").arg(index));
    }
    params_[std::size_t(index)] = value;
}

void TQuery::ExecSQL()
{
    if (std::optional<EDBEngineError> refused = ExecSQLOrKeyViolation()) {
        throw *refused;
    }
}

std::optional<EDBEngineError> TQuery::ExecSQLOrKeyViolation()
{
    std::optional<EDBEngineError> failure = TryExecSQL();
    if (failure && failure->ErrorCode() != kErrKeyViolation) {
        throw *failure;
    }
    return failure;
}

std::optional<EDBEngineError> TQuery::TryExecSQL()
{
    Ready();
    TBusyPointer::WorkScope working(session_.BusyPointer());
    if (std::optional<EDBEngineError> failure = statement_->Run(params_)) {
        session_.BusyPointer().Restore();  // an engine error, even one handed back
        return failure;
    }
    rowsAffected_ = statement_->RowsAffected();
    statement_->Finish();
    return std::nullopt;
}

#include "moc_Query.cpp"
