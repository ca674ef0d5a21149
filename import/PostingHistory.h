#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "import/PostingReceipt.h"

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

    // One entry as it was read: its number, and the entry or why its file is not one.
    struct TListed {
        int number = 0;
        std::optional<TPostingEntry> entry;
        std::string refusal;
    };
    // Every entry, oldest first; an entry that cannot be read is listed with its refusal.
    std::vector<TListed> List() const;
    // The entry of that number; raises Exception where there is none or it cannot be read.
    TPostingEntry Read(int number) const;
    // Records when the entry was undone; raises as Add does.
    void MarkUndone(int number, const std::string& when);
    // Removes the entries posted before `when` (UTC, ISO 8601); answers how many went.
    int Prune(const std::string& when);

private:
    QString PathOf(int number) const;

    QString folder_;
};
