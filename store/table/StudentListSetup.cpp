#include "store/table/StudentListSetup.h"

#include <QSqlError>
#include <QSqlQuery>

#include "store/engine/Engine.h"
#include "store/table/StudentListTable.h"

namespace {

void Run(QSqlQuery& query, const char* statement)
{
    if (!query.exec(QString::fromUtf8(statement))) {
        throw TEngine::Error(kErrGeneralSql, query.lastError());
    }
}

// Runs the statements in one transaction: a server's notices are quiet there, and a refusal
// leaves the table as it was.
template <typename Work>
void InTransaction(QSqlDatabase db, QSqlQuery& query, Work work)
{
    // SQLite changes its journal only outside a transaction.
    if (IsSqlite(db)) {
        Run(query, kSqliteJournalStatement);
    }
    if (!db.transaction()) {
        throw TEngine::Error(kErrGeneralSql, db.lastError());
    }
    try {
        if (!IsSqlite(db)) {
            Run(query, kServerQuietStatement);
        }
        work();
    } catch (...) {
        query.finish();
        db.rollback();
        throw;
    }
    query.finish();
    if (!db.commit()) {
        throw TEngine::Error(kErrGeneralSql, db.lastError());
    }
}

std::vector<TRepeatedSequence> RepeatedSequences(QSqlQuery& query)
{
    Run(query, kFindRepeatedSequences);
    std::vector<TRepeatedSequence> repeated;
    while (query.next()) {
        repeated.push_back(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toString()});
    }
    return repeated;
}

}  // namespace

std::vector<TRepeatedSequence> SetUpStudentListTable(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    std::vector<TRepeatedSequence> repeated;
    InTransaction(db, query, [&] {
        Run(query, kCreateStudentListTable);
        Run(query, kCreateStudentIdIndex);
        // An older table's numbers are looked at before its key is made: a refused key would end
        // a server's transaction before the numbers could be named.
        repeated = RepeatedSequences(query);
        if (repeated.empty()) {
            Run(query, kCreateStudentListKey);
            Run(query, kDropPlainStudentListIndex);
        }
    });
    return repeated;
}
