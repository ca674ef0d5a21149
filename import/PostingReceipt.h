#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/table/StudentRecord.h"

// A receipt of what a job's import stored: a header line, then a record a line, comma-separated,
// a field in double quotes where it holds a comma, a quote or a line end; every line ends in
// CR LF.
inline constexpr const char* kReceiptHeader = "psid,psidsequence,studentid,fname,lname";
std::string ReceiptLine(const TStudentRecord& record);

// The records of a receipt; raises Exception naming the line of anything that is not one (a
// student list, a workbook, a file cut short).
std::vector<TStudentRecord> ParseReceipt(std::string_view text);

// A posting as the history of postings keeps it: when (UTC, ISO 8601), from which list file (its
// name and the SHA-256 of its bytes, in hex), into which alias and database, when it was undone
// (empty while it was not), and what it stored. Written as "name,value" lines after a first
// line of its own, then its receipt.
struct TPostingEntry {
    std::string when;
    std::string file;
    std::string fileHash;
    std::string alias;
    std::string database;
    std::string undone;
    std::vector<TStudentRecord> records;
    bool operator==(const TPostingEntry&) const = default;
};
std::string PostingEntryText(const TPostingEntry& entry);
// The line of an entry's first record: after its first line, six of its own and the receipt's
// header.
inline constexpr int kPostingEntryFirstRecordLine = 9;
// Raises Exception naming the line of anything that is not an entry.
TPostingEntry ParsePostingEntry(std::string_view text);
// The entry without its records, which are counted into `students`: what a listing of the
// history shows, read without reading every record. Refuses as above what its own lines hold.
TPostingEntry ParsePostingEntryHeading(std::string_view text, std::size_t& students);
