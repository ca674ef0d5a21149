#include "import/BatchImport.h"

#include <QString>
#include <algorithm>
#include <optional>

#include "import/StudentKey.h"
#include "store/Query.h"
#include "store/StudentListTable.h"
#include "textio/Exception.h"
#include "toolkit/GridCells.h"

namespace {

// Rows to a statement: few round trips to a server, and far below PostgreSQL's limit of
// parameters to a statement.
constexpr int kRowsPerStatement = 250;
// How often a list is numbered again when other offices keep taking its numbers.
constexpr int kNumberingTries = 20;

QStringList InsertText(int rows)
{
    QStringList sql{QString::fromUtf8(kStudentListInsertHead[0]),
                    QString::fromUtf8(kStudentListInsertHead[1]), QStringLiteral("values")};
    for (int i = 0; i < rows; ++i) {
        sql << QStringLiteral("%1(:psid, :psidsequence, :studentid, :fname, :lname)")
                   .arg(i == 0 ? QString() : QStringLiteral(","));
    }
    return sql;
}

// The statement that inserts `rows` rows at a time, prepared on first use.
class Inserter {
public:
    Inserter(TSession& session, const QString& databaseName, int rows)
        : statement_(session), rows_(rows)
    {
        statement_.databaseName = databaseName;
        statement_.sql = InsertText(rows);
    }
    int Rows() const { return rows_; }
    // Inserts rows[first, first + Rows()); answers the engine's failure, if any.
    std::optional<EDBEngineError> Insert(const std::vector<NumberedRow>& rows, std::size_t first)
    {
        statement_.Prepare();
        int p = 0;
        for (std::size_t r = first; r < first + std::size_t(rows_); ++r) {
            const NumberedRow& row = rows[r];
            statement_.SetParamText(p++, row.psid);
            statement_.SetParamInteger(p++, row.sequence);
            statement_.SetParamText(p++, row.idNum);
            statement_.SetParamText(p++, row.firstName);
            statement_.SetParamText(p++, row.lastName);
        }
        return statement_.TryExecSQL();
    }

private:
    TQuery statement_;
    int rows_;
};

// Rolls back a transaction that did not reach its commit.
struct RollbackUnlessCommitted {
    TDatabase& database;
    ~RollbackUnlessCommitted()
    {
        if (database.InTransaction()) {
            database.Rollback();
        }
    }
};

Exception RowFailure(const NumberedRow& row, const EDBEngineError& error)
{
    return Exception("line " + std::to_string(row.line) + " (" + row.idNum + "," + row.firstName +
                     "," + row.lastName + "): " + error.Message());
}

// The statements that insert a list: many rows at a time, and the rest of the list in one. They
// outlive any transaction they serve, so that they are released after its rollback: a server
// refuses to release a statement inside a failed transaction.
class Inserters {
public:
    Inserters(TSession& session, const QString& databaseName)
        : session_(session),
          databaseName_(databaseName),
          many_(session, databaseName, kRowsPerStatement)
    {
    }
    // Inserts every row; answers the index of the first row of the statement that failed,
    // with its failure, or nothing when all went in.
    std::optional<std::pair<std::size_t, EDBEngineError>> InsertAll(
        const std::vector<NumberedRow>& rows, const std::function<void(int, int)>& progress)
    {
        for (std::size_t first = 0; first < rows.size();) {
            const std::size_t left = rows.size() - first;
            Inserter* inserter = &many_;
            if (left < std::size_t(kRowsPerStatement)) {
                if (!rest_ || rest_->Rows() != int(left)) {
                    rest_.emplace(session_, databaseName_, int(left));
                }
                inserter = &*rest_;
            }
            if (std::optional<EDBEngineError> failure = inserter->Insert(rows, first)) {
                return std::make_pair(first, std::move(*failure));
            }
            first += std::size_t(inserter->Rows());
            progress(int(first), int(rows.size()));
        }
        return std::nullopt;
    }

private:
    TSession& session_;
    QString databaseName_;
    Inserter many_;
    std::optional<Inserter> rest_;
};

// The row of a failed statement that the database refuses, with its own message: the rows are
// tried one at a time, after the rows before them, in a transaction that is rolled back. Where no
// row fails alone, the statement's first row and failure stand.
Exception FailingRow(TSession& session, TDatabase& database, const QString& databaseName,
                     const std::vector<NumberedRow>& rows, std::size_t first,
                     const EDBEngineError& failure)
{
    Inserters inserters(session, databaseName);
    Inserter one(session, databaseName, 1);
    database.StartTransaction();
    RollbackUnlessCommitted rollback{database};
    const std::vector<NumberedRow> before(rows.begin(), rows.begin() + std::ptrdiff_t(first));
    inserters.InsertAll(before, [](int, int) {});
    for (std::size_t r = first; r < rows.size(); ++r) {
        if (std::optional<EDBEngineError> refused = one.Insert(rows, r)) {
            return RowFailure(rows[r], *refused);
        }
    }
    return RowFailure(rows[first], failure);
}

}  // namespace

std::vector<NumberedRow> NumberRows(const TGridCells& cells,
                                    const std::map<std::string, std::string>& storedMaxima)
{
    std::map<std::string, std::string> maxima = storedMaxima;
    std::vector<NumberedRow> rows;
    rows.reserve(std::size_t(std::max(cells.RowCount() - 1, 0)));
    for (int r = 1; r <= cells.RowCount() - 1; ++r) {
        NumberedRow row;
        row.line = r;
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
    query.sql << QStringLiteral("select psid, max(psidsequence) as PSIDSequence from studentlist")
              << QStringLiteral("group by psid");
    query.Open();
    std::map<std::string, std::string> maxima;
    for (query.First(); !query.Eof(); query.Next()) {
        maxima[query.FieldByName(QStringLiteral("psid")).AsString()] =
            query.FieldByName(QStringLiteral("PSIDSequence")).AsString();
    }
    return maxima;
}

int StoreStudentList(TSession& session, const QString& databaseName, const TGridCells& cells,
                     const std::function<void(int done, int total)>& progress)
{
    TDatabase& database = session.OpenDatabase(databaseName);
    for (int tries = 1;; ++tries) {
        // The maxima are read inside the transaction, so that only what other offices commit
        // while the rows go in can take their numbers.
        std::map<std::string, std::string> maxima;
        std::vector<NumberedRow> rows;
        std::optional<std::pair<std::size_t, EDBEngineError>> failure;
        Inserters inserters(session, databaseName);
        {
            database.StartTransaction();
            RollbackUnlessCommitted rollback{database};
            maxima = StoredMaxima(session, databaseName);
            rows = NumberRows(cells, maxima);
            failure = inserters.InsertAll(rows, progress);
            if (!failure) {
                database.Commit();
                return int(rows.size());
            }
        }
        // Another office's posting took numbers meanwhile when the stored maxima have moved:
        // the list is numbered again from them.
        const bool taken = failure->second.ErrorCode() == kErrKeyViolation &&
                           StoredMaxima(session, databaseName) != maxima;
        if (!taken || tries == kNumberingTries) {
            throw FailingRow(session, database, databaseName, rows, failure->first,
                             failure->second);
        }
    }
}
