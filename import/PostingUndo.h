#pragma once

#include <QString>
#include <string>
#include <vector>

#include "import/PostingReceipt.h"
#include "textio/Phrase.h"

class TSession;

// What taking a posting back did, or would do.
struct TUndoOutcome {
    int removed = 0;
    // The records left, by their place in the posting, with why: changed since, or no longer
    // stored.
    std::vector<std::pair<std::size_t, TPhrase>> left;
};

// Removes exactly the records a posting stored, each matched on all five columns as inserted, in
// one transaction over the named connection: all of them or, on any failure, none. A record
// changed or removed since is left and told. A dry run rolls back what it did.
TUndoOutcome UndoPosting(TSession& session, const QString& databaseName,
                         const std::vector<TStudentRecord>& records, bool dryRun = false);

// How many of a posting's records are still stored as it stored them: what taking it back now
// would remove. One reading statement, which changes nothing and locks nothing.
long long StillAsStored(TSession& session, const QString& databaseName,
                        const std::vector<TStudentRecord>& records);

// "Removed 412 students; 3 left as they had changed or were removed since.", or that nothing was.
TPhrase UndoOutcomeText(const TUndoOutcome& outcome);
