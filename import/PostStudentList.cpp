#include "import/PostStudentList.h"

#include <QString>
#include <optional>
#include <random>
#include <thread>

#include "import/StudentKey.h"
#include "store/datamodule/DataModule.h"
#include "store/engine/SqlStatement.h"
#include "store/table/StudentListTable.h"
#include "toolkit/GridCells.h"

namespace {

// How often one row is numbered again when other offices keep taking its number.
constexpr int kNumberingTries = 50;

std::minstd_rand& RetryRandom()
{
    static std::minstd_rand random{std::random_device{}()};
    return random;
}

// Two offices in step would take turns losing the same race for ever: a short wait of a random
// length, longer after each refusal, puts them out of step.
void WaitOutOfStep(int tries)
{
    std::this_thread::sleep_for(std::chrono::microseconds(
        std::uniform_int_distribution<int>(0, 500 * tries)(RetryRandom())));
}

}  // namespace

void PostStudentList(const TGridCells& cells, TfDM1& dm, PostingView& view,
                     std::chrono::milliseconds pause, std::vector<TStudentRecord>& posted)
{
    TSqlStatement maximum(dm.Session, kDatabase1, MaximumSequenceLines());
    TSqlStatement insert(dm.Session, kDatabase1, InsertStudentLines());

    view.SetProgressLabel(QStringLiteral("Importing Records:"));

    // Each row's maximum is read after the row before it went in, so rows sharing a key
    // receive consecutive numbers.
    for (int r = 1; r <= cells.RowCount() - 1; ++r) {
        TStudentRecord record{{},
                              0,
                              std::string(cells.Cell(0, r)),
                              std::string(cells.Cell(1, r)),
                              std::string(cells.Cell(2, r))};
        record.psid = MakePSID(record.firstName, record.lastName);
        // Another office posting to the same table may take the number between the maximum
        // query and the insert. Where the table keeps the numbers of a key unique, it refuses
        // the insert, and the row is numbered again from the new maximum. A refusal that leaves
        // the maximum where it was is not another office's doing, and stops the posting.
        int refusedSequence = 0;
        for (int tries = 1;; ++tries) {
            record.sequence = NextPSIDSequence(
                maximum.Read({record.psid}).Field(0, kPsidSequenceColumn).AsString());
            view.ShowRow(r);
            std::optional<EDBEngineError> refused =
                insert.ExecuteOrKeyViolation({record.psid, record.sequence, record.studentId,
                                              record.firstName, record.lastName});
            if (!refused) {
                posted.push_back(record);
                break;
            }
            if (tries == kNumberingTries || (tries > 1 && record.sequence == refusedSequence)) {
                throw *refused;
            }
            refusedSequence = record.sequence;
            WaitOutOfStep(tries);
        }
        view.StepProgress();
        if (pause.count() > 0) {
            std::this_thread::sleep_for(pause);
        }
    }

    dm.QNames.Close();
    dm.QNames.Open();

    view.SetProgressLabel(QStringLiteral("Import Complete"));
}
