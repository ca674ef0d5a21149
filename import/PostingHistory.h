#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "import/PostingReceipt.h"

class TSession;

// The desktop user's history of postings: an entry a file, named by its number in turn, in a
// folder that is the user's alone (by default the user's data folder's "cardovane/postings").
// Each entry is written whole or not at all, and is never changed but to say it was undone.
class TPostingHistory {
public:
    explicit TPostingHistory(QString folder = DefaultFolder());
    static QString DefaultFolder();

    // Keeps the entry under the next number and answers it; raises Exception naming the file
    // where it cannot be written.
    int Add(const TPostingEntry& entry);

    // One entry as it was listed: its number, and the entry without its records (how many it
    // stored is `students`), or why its file is not one.
    struct TListed {
        int number = 0;
        std::optional<TPostingEntry> entry;
        std::size_t students = 0;
        std::string refusal;
    };
    // Every entry, oldest first, its records counted but not read (a posting of a million
    // students is a file of 40 MB); an entry that cannot be read is listed with its refusal.
    std::vector<TListed> List() const;
    // The entry of that number, with its records; raises Exception where there is none or it
    // cannot be read. Given `students`, its records are only counted there.
    TPostingEntry Read(int number, std::size_t* students = nullptr) const;
    // Records when the entry was undone; raises as Add does.
    void MarkUndone(int number, const std::string& when);
    // Removes the entries posted before `when` (UTC, ISO 8601); answers how many went.
    int Prune(const std::string& when);
    // The file of the entry of that number.
    QString PathOf(int number) const;

private:
    QString folder_;
};

// How long the history keeps an entry where no setting says otherwise, and the longest a setting
// may say (a hundred years).
inline constexpr int kHistoryDays = 180;
inline constexpr int kHistoryMostDays = 36500;

// The user's settings of the history: cardovane/postings.conf in the user's settings folder, an
// INI file whose group [History] may set KeepDays.
QString HistorySettingsFile();
// How many days the history keeps an entry: KeepDays, or kHistoryDays where the file or the key is
// missing. Raises Exception naming the file and the value where that is not a whole number of
// days from 1 to kHistoryMostDays.
int HistoryKeepDays(const QString& settingsFile = HistorySettingsFile());
// Removes the entries older than the days kept, as the window and the command start; answers how
// many went. Raises as HistoryKeepDays does, having removed none.
int PruneHistory(TPostingHistory& history, const QString& settingsFile = HistorySettingsFile());

// The time now, in UTC, as the history writes it (ISO 8601, to the second).
std::string HistoryTimeNow();

// The entry of a posting from the list file into the alias, stored as `records`: the file's
// name as given and the SHA-256 of its bytes (read from `bytesFrom` where they were kept
// elsewhere, as standard input is; none where they cannot be read), the alias's database (its
// file, or its server and database).
TPostingEntry MakePostingEntry(TSession& session, const QString& alias, const QString& listFile,
                               std::vector<TStudentRecord> records, const QString& bytesFrom = {});
