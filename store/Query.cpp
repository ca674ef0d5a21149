#include "store/Query.h"
#include "store/BusyPointer.h"
#include "store/Session.h"

#include <QSqlError>
#include <QSqlRecord>

#include "store/StatementText.h"

namespace {

QString FieldTextOf(const QVariant& value)
{
    if (value.isNull()) {
        return {};
    }
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Short:
            return QString::number(value.toLongLong());
        default:
            return value.toString();
    }
}

}  // namespace

double TField::AsFloat() const
{
    if (isNull_) {
        return 0;
    }
    bool ok = false;
    const double number = QByteArray::fromStdString(text_).toDouble(&ok);
    if (!ok) {
        throw EDatabaseError("'" + AsString() +
                             "' is not a valid floating point value for field '" +
                             name_.toStdString() + "'");
    }
    return number;
}

TQuery::TQuery(TSession& session, QObject* parent) : TDataSet(parent), session_(session)
{
}

TQuery::~TQuery() = default;

void TQuery::Prepare()
{
    if (statement_) {
        return;
    }
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
    Bind();
    TBusyPointer::WorkScope working(session_.BusyPointer());
    if (!statement_->exec()) {
        throw TEngine::Error(kErrGeneralSql, statement_->lastError());
    }
    if (!statement_->isSelect()) {
        statement_->finish();
        throw TEngine::Error(kErrNoResult, QString());
    }
    const QSqlRecord record = statement_->record();
    QStringList names;
    for (int i = 0; i < record.count(); ++i) {
        names.append(record.fieldName(i));
    }
    std::vector<std::string> texts;
    std::vector<bool> nulls;
    int records = 0;
    while (statement_->next()) {
        for (int i = 0; i < record.count(); ++i) {
            const QVariant value = statement_->value(i);
            texts.push_back(FieldTextOf(value).toStdString());
            nulls.push_back(value.isNull());
        }
        ++records;
    }
    if (statement_->lastError().isValid()) {
        const QSqlError error = statement_->lastError();
        statement_->finish();
        throw TEngine::Error(kErrGeneralSql, error);
    }
    statement_->finish();
    fieldNames_ = std::move(names);
    texts_ = std::move(texts);
    nulls_ = std::move(nulls);
    recordCount_ = records;
    active_ = true;
    recNo_ = records == 0 ? -1 : 0;
    eof_ = records == 0;
    emit ActiveChanged();
}

void TQuery::Close()
{
    if (!active_) {
        return;
    }
    active_ = false;
    texts_.clear();
    nulls_.clear();
    recordCount_ = 0;
    fieldNames_.clear();
    recNo_ = -1;
    eof_ = true;
    emit ActiveChanged();
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
    eof_ = recordCount_ == 0;
    SetRecNo(recordCount_ == 0 ? -1 : 0);
}

void TQuery::Next()
{
    if (recNo_ + 1 < RecordCount()) {
        SetRecNo(recNo_ + 1);
    } else {
        eof_ = true;
    }
}

void TQuery::MoveTo(int record)
{
    if (record < 0 || record >= RecordCount()) {
        return;
    }
    eof_ = false;
    SetRecNo(record);
}

TField TQuery::FieldByName(const QString& name) const
{
    for (int i = 0; i < fieldNames_.size(); ++i) {
        if (fieldNames_[i].compare(name, Qt::CaseInsensitive) == 0) {
            static const std::string kNoRecord;
            if (recNo_ < 0) {
                return TField(fieldNames_[i], kNoRecord, true);
            }
            const std::size_t at = std::size_t(recNo_) * std::size_t(FieldCount()) + std::size_t(i);
            return TField(fieldNames_[i], texts_[at], nulls_[at]);
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
    return QString::fromStdString(
        texts_[std::size_t(record) * std::size_t(FieldCount()) + std::size_t(field)]);
}
