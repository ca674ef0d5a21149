#include "store/engine/ServerStatement.h"

#include "store/engine/LibpqCalls.h"

#include <exception>

#include "store/engine/ServerFieldText.h"

bool TServerResult::ReturnsRows() const
{
    return pq_->PQresultStatus(result_.get()) == PGRES_TUPLES_OK;
}

int TServerResult::RowsAffected() const
{
    return std::atoi(pq_->PQcmdTuples(result_.get()));
}

int TServerResult::Rows() const
{
    return pq_->PQntuples(result_.get());
}

int TServerResult::Fields() const
{
    return pq_->PQnfields(result_.get());
}

QString TServerResult::FieldName(int field) const
{
    return QString::fromUtf8(pq_->PQfname(result_.get(), field));
}

void TServerResult::AppendRecord(TRecordWindow& window, int row, int firstField) const
{
    PGresult* result = result_.get();
    for (int field = firstField, fields = Fields(); field < fields; ++field) {
        AppendServerFieldText(
            window, pq_->PQftype(result, field), pq_->PQgetvalue(result, row, field),
            pq_->PQgetlength(result, row, field), pq_->PQgetisnull(result, row, field) != 0);
    }
    ++window.records;
}

unsigned TServerResult::FieldType(int field) const
{
    return pq_->PQftype(result_.get(), field);
}

std::optional<std::string> TServerResult::ServerText(int row, int field) const
{
    if (pq_->PQgetisnull(result_.get(), row, field)) {
        return std::nullopt;
    }
    return std::string(pq_->PQgetvalue(result_.get(), row, field),
                       std::size_t(pq_->PQgetlength(result_.get(), row, field)));
}

TServerOutcome TryServerStatement(const TPgConnection& pg, const std::string& text,
                                  const std::vector<TServerValue>& values)
{
    std::vector<const char*> pointers;
    pointers.reserve(values.size());
    for (const TServerValue& value : values) {
        pointers.push_back(value ? value->c_str() : nullptr);
    }
    // Text format both ways, the types the server's own: as the driver's statements had them.
    PGresult* result = pg.pq->PQexecParams(pg.conn, text.c_str(), int(pointers.size()), nullptr,
                                           pointers.data(), nullptr, nullptr, 0);
    TServerOutcome outcome;
    const ExecStatusType status = result ? pg.pq->PQresultStatus(result) : PGRES_FATAL_ERROR;
    if (status == PGRES_TUPLES_OK || status == PGRES_COMMAND_OK) {
        outcome.result.emplace(*pg.pq, result);
    } else {
        outcome.failure = PgStatementError(pg, result);
        if (result) {
            pg.pq->PQclear(result);
        }
    }
    return outcome;
}

void CheckServerStatement(const TPgConnection& pg, const std::string& text)
{
    const TPgResult read(*pg.pq, pg.pq->PQprepare(pg.conn, "", text.c_str(), 0, nullptr));
    if (!read.get() || pg.pq->PQresultStatus(read.get()) != PGRES_COMMAND_OK) {
        throw PgStatementError(pg, read.get(), "Unable to prepare statement");
    }
}

TServerResult RunServerStatement(const TPgConnection& pg, const std::string& text,
                                 const std::vector<TServerValue>& values)
{
    TServerOutcome outcome = TryServerStatement(pg, text, values);
    if (outcome.failure) {
        throw *outcome.failure;
    }
    return std::move(*outcome.result);
}

void RunServerCopyOut(const TPgConnection& pg, const std::string& text,
                      const std::function<void(std::string_view)>& data,
                      const TServerFailureWords& failure)
{
    {
        const TPgResult started(*pg.pq, pg.pq->PQexec(pg.conn, text.c_str()));
        if (pg.pq->PQresultStatus(started.get()) != PGRES_COPY_OUT) {
            throw failure(started.get());
        }
    }
    std::exception_ptr taken;
    for (;;) {
        char* bytes = nullptr;
        const int size = pg.pq->PQgetCopyData(pg.conn, &bytes, 0);
        if (size < 0) {
            break;
        }
        const std::unique_ptr<char, void (*)(void*)> owned(bytes, pg.pq->PQfreemem);
        if (!taken) {
            try {
                data(std::string_view(bytes, std::size_t(size)));
            } catch (...) {
                taken = std::current_exception();
            }
        }
    }
    std::optional<EDBEngineError> serverFailure;
    ReadResultsToEnd(pg, [&](const PGresult* failed) { serverFailure = failure(failed); });
    if (serverFailure) {
        throw *serverFailure;
    }
    if (taken) {
        std::rethrow_exception(taken);
    }
}
