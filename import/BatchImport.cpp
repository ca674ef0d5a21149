#include "import/BatchImport.h"

#include <QString>
#include <optional>

#include "store/bulk/BulkInsert.h"
#include "store/engine/Database.h"
#include "store/engine/Session.h"
#include "store/engine/SqlStatement.h"
#include "store/engine/Transaction.h"
#include "store/table/StudentListTable.h"
#include "textio/Exception.h"

namespace {

Exception RowFailure(const TStudentRecord& row, int line, const EDBEngineError& error)
{
    return Exception(
        TPhrase("BatchImport", QT_TRANSLATE_NOOP("BatchImport", "line %1 (%2): %3"),
                {std::to_string(line), row.studentId + "," + row.firstName + "," + row.lastName,
                 error.Phrase()}));
}

}  // namespace

std::map<std::string, std::string> StoredMaxima(TSession& session, const QString& databaseName)
{
    const TRows rows = TSqlStatement(session, databaseName, StoredMaximaLines()).Read();
    std::map<std::string, std::string> maxima;
    for (int r = 0; r < rows.Count(); ++r) {
        maxima[rows.Field(r, kPsidColumn).AsString()] =
            rows.Field(r, kPsidSequenceColumn).AsString();
    }
    return maxima;
}

int StoreStudentList(TSession& session, const QString& databaseName, const TGridCells& cells,
                     const std::function<void(int done, int total)>& progress,
                     const std::vector<int>& lines, std::vector<TStudentRecord>* stored)
{
    TDatabase& database = session.OpenDatabase(databaseName);
    // The maxima are read inside the transaction that keeps other offices from posting, so the
    // numbers given here stay free until the rows are in.
    TTransaction transaction(database, QString::fromUtf8(kStudentListTable));
    std::vector<TStudentRecord> rows = NumberRows(cells, StoredMaxima(session, databaseName));
    const std::optional<TBulkFailure> failure = BulkInsertStudentRows(
        database, rows, [&](std::size_t done) { progress(int(done), int(rows.size())); });
    if (failure) {
        if (failure->row >= rows.size()) {
            throw failure->error;
        }
        const std::size_t r = failure->row;
        throw RowFailure(rows[r], LineOfRow(lines, r), failure->error);
    }
    transaction.Commit();
    const int count = int(rows.size());
    if (stored) {
        stored->insert(stored->end(), std::make_move_iterator(rows.begin()),
                       std::make_move_iterator(rows.end()));
    }
    return count;
}
