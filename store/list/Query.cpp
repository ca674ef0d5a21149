#include "store/list/Query.h"
#include "store/engine/BusyPointer.h"
#include "store/engine/Session.h"

#include <QSqlError>
#include <QSqlRecord>
#include <algorithm>

#include "store/engine/StatementText.h"
#include "store/list/ServerList.h"
#include "store/list/SqliteList.h"
#include "store/list/WholeResult.h"

double TField::AsFloat() const
{
    if (isNull_) {
        return 0;
    }
    bool ok = false;
    const double number = QByteArray::fromStdString(*text_).toDouble(&ok);
    if (!ok) {
        throw EDatabaseError("'" + AsString() +
                             "' is not a valid floating point value for field '" +
                             name_->toStdString() + "'");
    }
    return number;
}

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
    const QString text = Text();
    const ParsedStatement parsed = ParseStatementParameters(text.toStdString());
    TBusyPointer::WorkScope working(session_.BusyPointer());
    QSqlQuery statement(database.Handle());
    statement.setForwardOnly(true);
    if (!statement.prepare(QString::fromStdString(parsed.text))) {
        throw TEngine::Error(kErrGeneralSql, statement.lastError());
    }
    database_ = &database;
    statement_.emplace(std::move(statement));
    preparedGeneration_ = database.Generation();
    if (params_.size() != parsed.parameters.size()) {
        params_.assign(parsed.parameters.size(), QVariant());
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

void TQuery::Bind()
{
    for (std::size_t i = 0; i < params_.size(); ++i) {
        statement_->bindValue(int(i), params_[i]);
    }
}

void TQuery::Open()
{
    if (active_) {
        return;
    }
    Ready();
    TBusyPointer::WorkScope working(session_.BusyPointer());
    if (listOrder_ && params_.empty()) {
        OpenWindows();
    } else {
        OpenWhole();
    }
    active_ = true;
    recNo_ = readRecords_ == 0 ? -1 : 0;
    eof_ = readRecords_ == 0;
    emit ActiveChanged();
}

void TQuery::OpenWhole()
{
    Bind();
    if (!statement_->exec()) {
        throw TEngine::Error(kErrGeneralSql, statement_->lastError());
    }
    if (!statement_->isSelect()) {
        statement_->finish();
        throw TEngine::Error(kErrNoResult, QString());
    }
    std::vector<TRecordWindow> windows;
    try {
        source_ = ReadWholeResult(*statement_, windows);
    } catch (...) {
        statement_->finish();
        throw;
    }
    statement_->finish();
    fieldNames_ = source_->FieldNames();
    for (std::size_t i = 0; i < windows.size(); ++i) {
        readRecords_ += windows[i].records;
        windows_.Keep(int(i), std::move(windows[i]), false, -1);
    }
    allRead_ = true;
}

void TQuery::OpenWindows()
{
    const QSqlDatabase db = database_->Handle();
    std::unique_ptr<TWindowSource> source =
        database_->Alias().driver == TAlias::Driver::SQLite
            ? OpenSqliteList(db, *listOrder_)
            : OpenServerList(
                  db, QString::fromStdString(ParseStatementParameters(Text().toStdString()).text));
    TRecordWindow first;
    try {
        first = source->Read(db, 0);
    } catch (...) {
        source->Release(db);
        throw;
    }
    source_ = std::move(source);
    sourceGeneration_ = database_->Generation();
    fieldNames_ = source_->FieldNames();
    readRecords_ = first.records;
    allRead_ = first.records < kWindowRecords;
    Keep(0, std::move(first));
}

void TQuery::ReleaseWindows() noexcept
{
    if (source_ && database_ && database_->Generation() == sourceGeneration_) {
        source_->Release(database_->Handle());
    }
    source_.reset();
    windows_.Clear();
    readRecords_ = 0;
    allRead_ = true;
}

void TQuery::Close()
{
    if (!active_) {
        return;
    }
    active_ = false;
    ReleaseWindows();
    fieldNames_.clear();
    recNo_ = -1;
    eof_ = true;
    emit ActiveChanged();
}

void TQuery::Keep(int window, TRecordWindow records)
{
    // The current record's window stays, for its fields are read by name.
    windows_.Keep(window, std::move(records), source_ && source_->Rereads(),
                  recNo_ < 0 ? -1 : recNo_ / kWindowRecords);
}

bool TQuery::Need(int record)
{
    const int window = record / kWindowRecords;
    if (windows_.Touch(window)) {
        return true;
    }
    database_->Use();
    if (database_->Generation() != sourceGeneration_) {
        // The list's snapshot went with the lost connection: it shows the table anew.
        Close();
        Open();
        return false;
    }
    TBusyPointer::WorkScope working(session_.BusyPointer());
    try {
        Keep(window, source_->Read(database_->Handle(), window));
    } catch (...) {
        // A list that cannot be read any further is closed, so that the grid does not ask
        // again at every painting; the next activation opens it anew.
        Close();
        throw;
    }
    return true;
}

void TQuery::ReadMore()
{
    if (!active_ || allRead_) {
        return;
    }
    const int window = readRecords_ / kWindowRecords;
    if (!Need(window * kWindowRecords)) {
        return;
    }
    const int records = windows_.Find(window)->records;
    readRecords_ += records;
    allRead_ = records < kWindowRecords;
    emit RecordsRead();
}

bool TQuery::Resident(int first, int last) const
{
    for (int window = std::max(first, 0) / kWindowRecords;
         window <= std::min(last, readRecords_ - 1) / kWindowRecords; ++window) {
        if (!windows_.Find(window)) {
            return false;
        }
    }
    return true;
}

void TQuery::MakeResident(int first, int last)
{
    if (!active_) {
        return;
    }
    for (int window = std::max(first, 0) / kWindowRecords;
         window <= std::min(last, readRecords_ - 1) / kWindowRecords; ++window) {
        if (!Need(window * kWindowRecords)) {
            return;
        }
    }
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
    Bind();
    TBusyPointer::WorkScope working(session_.BusyPointer());
    if (!statement_->exec()) {
        EDBEngineError error = TEngine::Error(kErrGeneralSql, statement_->lastError());
        statement_->finish();
        session_.BusyPointer().Restore();  // an engine error, even one handed back
        return error;
    }
    statement_->finish();
    return std::nullopt;
}

void TQuery::SetRecNo(int record)
{
    if (record != recNo_) {
        recNo_ = record;
        emit RecordMoved(recNo_);
    }
}

void TQuery::First()
{
    // A walk starts on the list as the connection now stands: where it was made again since
    // the opening, the list opens anew here, not midway through the walk.
    if (active_ && source_ && source_->Rereads()) {
        database_->Use();
        if (database_->Generation() != sourceGeneration_) {
            Close();
            Open();
        }
    }
    eof_ = readRecords_ == 0;
    if (readRecords_ > 0 && Need(0)) {
        SetRecNo(0);
    }
}

void TQuery::Next()
{
    if (recNo_ + 1 >= readRecords_) {
        ReadMore();
    }
    if (recNo_ + 1 < readRecords_) {
        if (Need(recNo_ + 1)) {
            SetRecNo(recNo_ + 1);
        }
    } else {
        eof_ = true;
    }
}

void TQuery::MoveTo(int record)
{
    if (!active_ || record < 0) {
        return;
    }
    while (record >= readRecords_ && !allRead_ && active_) {
        ReadMore();
    }
    if (readRecords_ == 0) {
        return;
    }
    record = std::min(record, readRecords_ - 1);
    if (Need(record)) {
        eof_ = false;
        SetRecNo(record);
    }
}

TField TQuery::FieldByName(const QString& name) const
{
    for (int i = 0; i < fieldNames_.size(); ++i) {
        if (fieldNames_[i].compare(name, Qt::CaseInsensitive) == 0) {
            static const std::string kNoRecord;
            const TRecordWindow* window =
                recNo_ < 0 ? nullptr : windows_.Find(recNo_ / kWindowRecords);
            if (!window) {
                return TField(fieldNames_[i], kNoRecord, true);
            }
            const std::size_t at =
                std::size_t(recNo_ % kWindowRecords) * std::size_t(FieldCount()) + std::size_t(i);
            return TField(fieldNames_[i], window->texts[at], window->nulls[at] != 0);
        }
    }
    const QString prefix = objectName().isEmpty() ? QString() : objectName() + QStringLiteral(": ");
    throw EDatabaseError((prefix + QStringLiteral("Field '%1' not found").arg(name)).toStdString());
}

QString TQuery::DisplayText(int record, int field) const
{
    if (record < 0 || record >= RecordCount() || field < 0 || field >= FieldCount()) {
        return {};
    }
    // Only what is in memory: the grid has the windows it shows read before it paints.
    const TRecordWindow* window = windows_.Find(record / kWindowRecords);
    if (!window) {
        return {};
    }
    return QString::fromStdString(
        window->texts[std::size_t(record % kWindowRecords) * std::size_t(FieldCount()) +
                      std::size_t(field)]);
}

#include "moc_Query.cpp"
