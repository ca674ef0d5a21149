#include "import/PostStudentList.h"

#include <QString>
#include <optional>
#include <random>
#include <thread>

#include "import/StudentKey.h"
#include "store/datamodule/DataModule.h"
#include "store/table/StudentListTable.h"
#include "toolkit/StringGrid.h"

namespace {

// How often one row is numbered again when other offices keep taking its number.
constexpr int kNumberingTries = 50;

std::minstd_rand& RetryRandom()
{
    static std::minstd_rand random{std::random_device{}()};
    return random;
}

}  // namespace

void PostStudentList(TStringGrid& grid, TfDM1& dm, PostingView& view,
                     std::chrono::milliseconds pause, std::vector<TPostedRecord>& posted)
{
    TQuery maxQuery(dm.Session);
    maxQuery.databaseName = QStringLiteral("Database1");
    for (const char* line : kMaximumSequenceLines) {
        maxQuery.sql << QString::fromUtf8(line);
    }
    maxQuery.Prepare();

    TQuery insert(dm.Session);
    insert.databaseName = QStringLiteral("Database1");
    for (const char* line : kInsertStudentLines) {
        insert.sql << QString::fromUtf8(line);
    }
    insert.Prepare();

    view.SetProgressLabel(QStringLiteral("Importing Records:"));

    // Each row's maximum is read after the row before it went in, so rows sharing a key
    // receive consecutive numbers.
    const int rowCount = grid.RowCount();
    for (int r = 1; r <= rowCount - 1; ++r) {
        const std::string psid =
            MakePSID(std::string(grid.Cell(1, r)), std::string(grid.Cell(2, r)));
        // Another office posting to the same table may take the number between the maximum
        // query and the insert. Where the table keeps the numbers of a key unique, it refuses
        // the insert, and the row is numbered again from the new maximum. A refusal that leaves
        // the maximum where it was is not another office's doing, and stops the posting.
        int refusedSequence = 0;
        for (int tries = 1;; ++tries) {
            maxQuery.SetParamText(0, psid);
            maxQuery.Open();
            const int sequence = NextPSIDSequence(maxQuery.FieldByName("PSIDSequence").AsString());
            maxQuery.Close();
            grid.SetRow(r);
            grid.RepaintNow();
            insert.SetParamText(0, psid);
            insert.SetParamInteger(1, sequence);
            insert.SetParamText(2, std::string(grid.Cell(0, r)));
            insert.SetParamText(3, std::string(grid.Cell(1, r)));
            insert.SetParamText(4, std::string(grid.Cell(2, r)));
            std::optional<EDBEngineError> refused = insert.ExecSQLOrKeyViolation();
            if (!refused) {
                posted.push_back({psid, sequence, std::string(grid.Cell(0, r)),
                                  std::string(grid.Cell(1, r)), std::string(grid.Cell(2, r))});
                break;
            }
            if (tries == kNumberingTries || (tries > 1 && sequence == refusedSequence)) {
                throw *refused;
            }
            refusedSequence = sequence;
            // Two offices in step would take turns losing the same race for ever: a short wait
            // of a random length, longer after each refusal, puts them out of step.
            std::this_thread::sleep_for(std::chrono::microseconds(
                std::uniform_int_distribution<int>(0, 500 * tries)(RetryRandom())));
        }
        view.StepProgress();
        if (pause.count() > 0) {
            std::this_thread::sleep_for(pause);
        }
    }

    // Both statements are released as they go out of scope, here or at a failure.
    insert.UnPrepare();
    maxQuery.UnPrepare();

    dm.QNames.Close();
    dm.QNames.Open();

    view.SetProgressLabel(QStringLiteral("Import Complete"));
}
