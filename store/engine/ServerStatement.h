#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/engine/PgConnection.h"
#include "store/engine/RecordWindow.h"

// The result of a statement run on a server, cleared when it goes.
class TServerResult {
public:
    TServerResult(const TLibpq& pq, PGresult* result) : result_(pq, result), pq_(&pq) {}

    bool ReturnsRows() const;
    int RowsAffected() const;
    int Rows() const;
    int Fields() const;
    QString FieldName(int field) const;
    // The server's type number of the field.
    unsigned FieldType(int field) const;
    // The fields of a row from `firstField` on, as Qt's driver renders them.
    void AppendRecord(TRecordWindow& window, int row, int firstField = 0) const;
    // A field in the server's own words, to send back as a parameter; none for null.
    std::optional<std::string> ServerText(int row, int field) const;

private:
    TPgResult result_;
    const TLibpq* pq_;
};

// A parameter's value as the server reads it; none for null.
using TServerValue = std::optional<std::string>;

// Runs a statement on the server by libpq's extended protocol, unnamed, its parameters ("$1",
// "$2", ...) sent apart from its text: nothing of it stays on the connection once it has run, so
// that a pooler may give the next statement any server connection. The result, or the failure
// in the words Qt's driver gives.
struct TServerOutcome {
    std::optional<TServerResult> result;
    std::optional<EDBEngineError> failure;
};
TServerOutcome TryServerStatement(const TPgConnection& pg, const std::string& text,
                                  const std::vector<TServerValue>& values);
// Has the server read the statement, as preparing it did, so that a statement it cannot run
// (a table that is not there, a word it does not know) is refused before anything runs; raises
// the failure. What it read is the connection's unnamed statement, which the next statement
// sent by anyone replaces: nothing of it is used again.
void CheckServerStatement(const TPgConnection& pg, const std::string& text);
// Runs it, raising the failure.
TServerResult RunServerStatement(const TPgConnection& pg, const std::string& text,
                                 const std::vector<TServerValue>& values = {});

// Runs a "copy ... to stdout" and hands each of its data messages (one row of the text format)
// to `data`. Every message is taken even after `data` raised, so that the connection is ready
// for the next statement; then the server's failure is raised as `failure` words it, or else
// what `data` raised.
using TServerFailureWords = std::function<EDBEngineError(const PGresult*)>;
void RunServerCopyOut(const TPgConnection& pg, const std::string& text,
                      const std::function<void(std::string_view)>& data,
                      const TServerFailureWords& failure);
