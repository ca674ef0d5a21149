#include "import/PostStudentList.h"

#include <QCoreApplication>
#include <QString>
#include <exception>
#include <functional>
#include <optional>
#include <random>
#include <thread>

#include "import/PostedRow.h"
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

// The server's own code for a failed connection, which lets the office's words stand alone.
constexpr const char* kConnectionFailureState = "08006";
// A connection that keeps coming back and going again stops the posting after this many.
constexpr int kReconnectsPerRow = 5;

// The posting's statements, run so that a connection lost under one of them (the district's
// pooler or server restarting, a standby taking over) is made again and the statement's work
// found out, instead of the posting stopping.
class TRidingStatements {
public:
    TRidingStatements(TfDM1& dm, const std::vector<TStudentRecord>& posted, int rows)
        : database_(dm.Session.OpenDatabase(kDatabase1)), posted_(posted), rows_(rows)
    {
        // Made before anything is stored, so that a statement the database refuses stops the
        // posting first.
        Repeat([&] {
            maximum_.emplace(dm.Session, kDatabase1, MaximumSequenceLines());
            insert_.emplace(dm.Session, kDatabase1, InsertStudentLines());
            stored_.emplace(dm.Session, kDatabase1, CountPostedRowLines());
        });
    }

    // The row's next sequence number, read from the table.
    int NextSequence(const std::string& psid)
    {
        std::string largest;
        Repeat([&] { largest = maximum_->Read({psid}).Field(0, kPsidSequenceColumn).AsString(); });
        return NextPSIDSequence(largest);
    }

    // Stores the record: none when it went in, the table's refusal of its number otherwise. An
    // insert that a lost connection left in doubt is looked for in the table on all five
    // columns, and sent again only when it is not there.
    std::optional<EDBEngineError> Insert(const TStudentRecord& record)
    {
        const TParams values{record.psid, record.sequence, record.studentId, record.firstName,
                             record.lastName};
        for (int inDoubt = 0;; ++inDoubt) {
            std::optional<EDBEngineError> refused;
            if (RunOnce([&] { refused = insert_->ExecuteOrKeyViolation(values); }, inDoubt)) {
                return refused;
            }
            bool found = false;
            Repeat([&] {
                found = stored_->Read(PostedRowValues(record))
                            .Field(0, kPostedRowCountField)
                            .AsString() != "0";
            });
            if (found) {
                return std::nullopt;
            }
        }
    }

private:
    // Runs the step; where the connection was lost under it, makes the connection again and
    // answers false: what the step did is not known. Raises the step's own error when the
    // database still answers, and the loss when it does not come back or keeps going.
    bool RunOnce(const std::function<void()>& step, int reconnects)
    {
        try {
            step();
            return true;
        } catch (const EDBEngineError& e) {
            if (reconnects == kReconnectsPerRow || !database_.Lost()) {
                throw;
            }
            if (!database_.Reconnect(database_.postingPatience)) {
                throw ConnectionLost(e);
            }
            return false;
        }
    }

    // A step that only reads, run again until it runs on a connection that stays.
    void Repeat(const std::function<void()>& step)
    {
        for (int reconnects = 0; !RunOnce(step, reconnects); ++reconnects) {
        }
    }

    // In the office's words first: what went in and what did not, then the engine's own.
    EDBEngineError ConnectionLost(const EDBEngineError& lost) const
    {
        const int stored = int(posted_.size());
        const auto waited =
            std::chrono::duration_cast<std::chrono::seconds>(database_.postingPatience).count();
        std::vector<TDBError> errors{
            {kErrGeneralSql, kConnectionFailureState,
             TPhrase("PostStudentList",
                     QT_TRANSLATE_NOOP("PostStudentList",
                                       "The connection to the database was lost and did not "
                                       "come back within %1 seconds. %2 of the %3 rows were "
                                       "stored, the other %4 were not; Undo Last Posting takes "
                                       "the stored rows back."),
                     {std::to_string(waited), std::to_string(stored), std::to_string(rows_),
                      std::to_string(rows_ - stored)})}};
        errors.insert(errors.end(), lost.Errors().begin(), lost.Errors().end());
        return EDBEngineError(lost.ErrorCode(), std::move(errors));
    }

    TDatabase& database_;
    const std::vector<TStudentRecord>& posted_;
    int rows_;
    std::optional<TSqlStatement> maximum_;
    std::optional<TSqlStatement> insert_;
    std::optional<TSqlStatement> stored_;
};

}  // namespace

void PostStudentList(const TGridCells& cells, TfDM1& dm, PostingView& view,
                     std::chrono::milliseconds pause, std::vector<TStudentRecord>& posted)
{
    // However the posting ends, the list beside the grid shows what the table holds now, where
    // the connection still serves; its own failure then is no news beside the posting's.
    struct ReopenList {
        TfDM1& dm;
        const int failures = std::uncaught_exceptions();
        ~ReopenList()
        {
            if (std::uncaught_exceptions() > failures && !dm.Database1.Lost()) {
                try {
                    dm.QNames.Close();
                    dm.QNames.Open();
                } catch (const Exception&) {
                }
            }
        }
    } reopen{dm};
    TRidingStatements statements(dm, posted, cells.RowCount() - 1);

    view.SetProgressLabel(QCoreApplication::translate("PostStudentList", "Importing Records:"));

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
            record.sequence = statements.NextSequence(record.psid);
            view.ShowRow(r);
            std::optional<EDBEngineError> refused = statements.Insert(record);
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

    view.SetProgressLabel(QCoreApplication::translate("PostStudentList", "Import Complete"));
}
