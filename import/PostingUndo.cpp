#include "import/PostingUndo.h"

#include <charconv>

#include "import/PostedRow.h"
#include "store/engine/Database.h"
#include "store/engine/Session.h"
#include "store/engine/Transaction.h"
#include "store/table/StudentListTable.h"

TUndoOutcome UndoPosting(TSession& session, const QString& databaseName,
                         const std::vector<TStudentRecord>& records, bool dryRun)
{
    TUndoOutcome outcome;
    TSqlStatement remove(session, databaseName, DeletePostedRowLines());
    TSqlStatement underKey(session, databaseName, StoredUnderKeyLines());
    TTransaction transaction(session.OpenDatabase(databaseName),
                             QString::fromUtf8(kStudentListTable));
    for (std::size_t i = 0; i < records.size(); ++i) {
        const TStudentRecord& record = records[i];
        if (const int removed = remove.Execute(PostedRowValues(record)); removed > 0) {
            outcome.removed += removed;
            continue;
        }
        outcome.left.emplace_back(
            i, underKey.Read(PostedRowKey(record)).Empty()
                   ? TPhrase("Undo", QT_TRANSLATE_NOOP("Undo", "no longer stored"))
                   : TPhrase("Undo", QT_TRANSLATE_NOOP("Undo", "changed since")));
    }
    if (!dryRun) {
        transaction.Commit();
    }
    return outcome;
}

long long StillAsStored(TSession& session, const QString& databaseName,
                        const std::vector<TStudentRecord>& records)
{
    if (records.empty()) {
        return 0;
    }
    const bool sqlite = session.OpenDatabase(databaseName).Alias().IsSqlite();
    TSqlStatement intact(session, databaseName, IntactPostedRowsLines(sqlite));
    const TRows counted = intact.Read({PostedRowsParameter(records)});
    const std::string& text = counted.Field(0, kPostedRowCountField).AsString();
    long long matching = 0;
    std::from_chars(text.data(), text.data() + text.size(), matching);
    return matching;
}

TPhrase UndoOutcomeText(const TUndoOutcome& outcome)
{
    const TPhrase removed =
        outcome.removed == 0 ? TPhrase("Undo", QT_TRANSLATE_NOOP("Undo", "Removed no student"))
                             : TPhrase("Undo", QT_TRANSLATE_N_NOOP("Undo", "Removed %n student(s)"),
                                       {}, outcome.removed);
    if (outcome.left.empty()) {
        return TPhrase("Undo", QT_TRANSLATE_NOOP("Undo", "%1."), {removed});
    }
    return TPhrase(
        "Undo",
        QT_TRANSLATE_N_NOOP("Undo", "%1; %n left as they had changed or were removed since."),
        {removed}, (long long)outcome.left.size());
}
