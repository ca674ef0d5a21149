#include "import/BatchImport.h"

#include <QString>
#include <algorithm>
#include <optional>

#include "import/StudentKey.h"
#include "store/bulk/BulkInsert.h"
#include "store/engine/Database.h"
#include "store/engine/Transaction.h"
#include "store/list/Query.h"
#include "store/table/StudentListTable.h"
#include "textio/Exception.h"
#include "toolkit/GridCells.h"

namespace {

Exception RowFailure(const NumberedRow& row, const EDBEngineError& error)
{
    return Exception("line " + std::to_string(row.line) + " (" + row.idNum + "," + row.firstName +
                     "," + row.lastName + "): " + error.Message());
}

// Inserts the numbered rows in the open transaction; answers the refused row, if any.
std::optional<TBulkFailure> InsertAll(TDatabase& database, const std::vector<NumberedRow>& rows,
                                      const std::function<void(int, int)>& progress)
{
    return BulkInsertStudentRows(
        database, rows.size(),
        [&rows](std::size_t i) {
            const NumberedRow& row = rows[i];
            return TBulkRow{row.psid, row.sequence, row.idNum, row.firstName, row.lastName};
        },
        [&](std::size_t done) { progress(int(done), int(rows.size())); });
}

}  // namespace

std::vector<NumberedRow> NumberRows(const TGridCells& cells,
                                    const std::map<std::string, std::string>& storedMaxima,
                                    const std::vector<int>& lines)
{
    std::map<std::string, std::string> maxima = storedMaxima;
    std::vector<NumberedRow> rows;
    rows.reserve(std::size_t(std::max(cells.RowCount() - 1, 0)));
    for (int r = 1; r <= cells.RowCount() - 1; ++r) {
        NumberedRow row;
        row.line = std::size_t(r) <= lines.size() ? lines[std::size_t(r) - 1] : r;
        row.idNum = std::string(cells.Cell(0, r));
        row.firstName = std::string(cells.Cell(1, r));
        row.lastName = std::string(cells.Cell(2, r));
        row.psid = MakePSID(row.firstName, row.lastName);
        std::string& maximum = maxima[row.psid];
        row.sequence = NextPSIDSequence(maximum);
        maximum = std::to_string(row.sequence);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::map<std::string, std::string> StoredMaxima(TSession& session, const QString& databaseName)
{
    TQuery query(session);
    query.databaseName = databaseName;
    for (const std::string& line : StoredMaximaLines()) {
        query.sql << QString::fromStdString(line);
    }
    query.Open();
    std::map<std::string, std::string> maxima;
    for (query.First(); !query.Eof(); query.Next()) {
        maxima[query.FieldByName(QStringLiteral("psid")).AsString()] =
            query.FieldByName(QStringLiteral("PSIDSequence")).AsString();
    }
    return maxima;
}

int StoreStudentList(TSession& session, const QString& databaseName, const TGridCells& cells,
                     const std::function<void(int done, int total)>& progress,
                     const std::vector<int>& lines, std::vector<TPostedRecord>* stored)
{
    TDatabase& database = session.OpenDatabase(databaseName);
    // The maxima are read inside the transaction that keeps other offices from posting, so the
    // numbers given here stay free until the rows are in.
    TTransaction transaction(database, QString::fromUtf8(kStudentListTable));
    const std::vector<NumberedRow> rows =
        NumberRows(cells, StoredMaxima(session, databaseName), lines);
    if (const std::optional<TBulkFailure> failure = InsertAll(database, rows, progress)) {
        if (failure->row >= rows.size()) {
            throw failure->error;
        }
        throw RowFailure(rows[failure->row], failure->error);
    }
    transaction.Commit();
    if (stored) {
        for (const NumberedRow& row : rows) {
            stored->push_back({row.psid, row.sequence, row.idNum, row.firstName, row.lastName});
        }
    }
    return int(rows.size());
}
