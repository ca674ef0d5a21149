#include "import/PostingUndo.h"

#include "store/engine/Session.h"
#include "store/engine/Transaction.h"
#include "store/list/Query.h"
#include "store/table/StudentListTable.h"

namespace {

// A statement of the table's over the named connection, prepared.
void SetUp(TQuery& query, const QString& databaseName, const std::vector<std::string>& lines)
{
    query.databaseName = databaseName;
    for (const std::string& line : lines) {
        query.sql << QString::fromStdString(line);
    }
    query.Prepare();
}

// Binds the record's key: the name key twice (as it stands, and for a key stored as null), then
// its sequence number.
void BindKey(TQuery& query, const TPostedRecord& record)
{
    query.SetParamText(0, record.psid);
    query.SetParamText(1, record.psid);
    query.SetParamInteger(2, record.sequence);
}

}  // namespace

TUndoOutcome UndoPosting(TSession& session, const QString& databaseName,
                         const std::vector<TPostedRecord>& records, bool dryRun)
{
    TUndoOutcome outcome;
    TQuery remove(session);
    SetUp(remove, databaseName, DeletePostedRowLines());
    TQuery underKey(session);
    SetUp(underKey, databaseName, StoredUnderKeyLines());
    TTransaction transaction(session.OpenDatabase(databaseName),
                             QString::fromUtf8(kStudentListTable));
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TPostedRecord& record = records[i];
        BindKey(remove, record);
        remove.SetParamText(3, record.studentId);
        remove.SetParamText(4, record.firstName);
        remove.SetParamText(5, record.lastName);
        remove.ExecSQL();
        if (remove.RowsAffected() > 0) {
            outcome.removed += remove.RowsAffected();
            continue;
        }
        BindKey(underKey, record);
        underKey.Open();
        outcome.left.emplace_back(i, underKey.Eof() ? "no longer stored" : "changed since");
        underKey.Close();
    }
    if (!dryRun) {
        transaction.Commit();
    }
    return outcome;
}

std::string StudentCount(std::size_t n)
{
    return std::to_string(n) + (n == 1 ? " student" : " students");
}

std::string UndoOutcomeText(const TUndoOutcome& outcome)
{
    std::string text = outcome.removed == 0
                           ? std::string("Removed no student")
                           : "Removed " + StudentCount(std::size_t(outcome.removed));
    if (!outcome.left.empty()) {
        text += "; " + std::to_string(outcome.left.size()) +
                " left as they had changed or were removed since";
    }
    return text + ".";
}
