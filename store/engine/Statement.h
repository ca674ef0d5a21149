#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <string>
#include <vector>

#include "store/engine/RecordWindow.h"
#include "store/engine/ServerStatement.h"
#include "store/errors/EngineErrors.h"

// A statement made ready on one connection, run any number of times with its parameters'
// values by position. On SQLite Qt SQL prepares it once. On a server it is only checked; each
// run sends it unnamed by libpq with its values apart from its text, so that nothing of it stays
// on the server between runs: a pooler may give each run any server connection.
class TStatement {
public:
    // `text` names its parameters as ":name"; raises the engine's error where the database
    // refuses it.
    TStatement(const QSqlDatabase& db, const std::string& text);

    int ParamCount() const { return params_; }
    // Runs it; answers the engine's failure instead of raising it.
    std::optional<EDBEngineError> Run(const std::vector<QVariant>& values);
    bool ReturnsRows() const;
    int RowsAffected() const;
    // The field names and records of the run's result, in windows of `windowRecords` records.
    QStringList ReadAll(std::vector<TRecordWindow>& windows, int windowRecords);
    // Lets go of the run's result.
    void Finish();

private:
    std::optional<QSqlQuery> qt_;
    TPgConnection server_;
    std::string serverText_;
    std::optional<TServerResult> result_;
    int params_ = 0;
};
