#include "store/engine/Statement.h"

#include <QSqlError>
#include <QSqlRecord>
#include <algorithm>

#include "store/engine/Engine.h"
#include "store/engine/FieldText.h"
#include "store/engine/StatementText.h"

namespace {

// A value by the server's text rule: an integer its digits, a text its UTF-8; none for null.
TServerValue ServerValue(const QVariant& value)
{
    if (value.isNull()) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

}  // namespace

TStatement::TStatement(const QSqlDatabase& db, const std::string& text) : server_(PgConnection(db))
{
    if (server_) {
        const ParsedStatement parsed = ParseStatementParameters(text, ParameterMarks::Numbered);
        serverText_ = parsed.text;
        params_ = int(parsed.parameters.size());
        CheckServerStatement(server_, serverText_);
        return;
    }
    const ParsedStatement parsed = ParseStatementParameters(text);
    QSqlQuery statement(db);
    statement.setForwardOnly(true);
    if (!statement.prepare(QString::fromStdString(parsed.text))) {
        throw TEngine::Error(kErrGeneralSql, statement.lastError());
    }
    qt_.emplace(std::move(statement));
    params_ = int(parsed.parameters.size());
}

std::optional<EDBEngineError> TStatement::Run(const std::vector<QVariant>& values)
{
    if (server_) {
        result_.reset();
        std::vector<TServerValue> serverValues;
        serverValues.reserve(values.size());
        std::transform(values.begin(), values.end(), std::back_inserter(serverValues), ServerValue);
        TServerOutcome outcome = TryServerStatement(server_, serverText_, serverValues);
        if (outcome.failure) {
            return outcome.failure;
        }
        result_.emplace(std::move(*outcome.result));
        return std::nullopt;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        qt_->bindValue(int(i), values[i]);
    }
    if (!qt_->exec()) {
        EDBEngineError error = TEngine::Error(kErrGeneralSql, qt_->lastError());
        qt_->finish();
        return error;
    }
    return std::nullopt;
}

bool TStatement::ReturnsRows() const
{
    return server_ ? result_ && result_->ReturnsRows() : qt_->isSelect();
}

int TStatement::RowsAffected() const
{
    return server_ ? (result_ ? result_->RowsAffected() : 0) : qt_->numRowsAffected();
}

QStringList TStatement::ReadAll(std::vector<TRecordWindow>& windows, int windowRecords)
{
    QStringList names;
    if (server_) {
        for (int field = 0; field < result_->Fields(); ++field) {
            names.append(result_->FieldName(field));
        }
        for (int row = 0, rows = result_->Rows(); row <= rows; row += windowRecords) {
            TRecordWindow& window = windows.emplace_back();
            for (int in = row; in < std::min(rows, row + windowRecords); ++in) {
                result_->AppendRecord(window, in);
            }
        }
        return names;
    }
    const QSqlRecord record = qt_->record();
    for (int i = 0; i < record.count(); ++i) {
        names.append(record.fieldName(i));
    }
    for (bool full = true; full;) {
        TRecordWindow& window = windows.emplace_back();
        while (window.records < windowRecords && qt_->next()) {
            for (int i = 0; i < int(names.size()); ++i) {
                AppendFieldText(window, qt_->value(i));
            }
            ++window.records;
        }
        if (qt_->lastError().isValid()) {
            throw TEngine::Error(kErrGeneralSql, qt_->lastError());
        }
        full = window.records == windowRecords;
    }
    return names;
}

void TStatement::Finish()
{
    if (server_) {
        result_.reset();
    } else {
        qt_->finish();
    }
}
