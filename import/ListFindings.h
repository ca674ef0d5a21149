#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "import/IdNumIndex.h"
#include "import/StudentFindings.h"
#include "store/table/StudentRecord.h"

class TGridCells;

// The findings of a whole list held in the cells (rows 1 to the row count less one), kept up to
// date row by row as the user corrects it: each row's own findings, the IDNums that appear more
// than once, and those already stored, as far as they have been looked up. The cells must stay
// while the findings are read; only the kinds are held, the texts are made when asked for.
class TListFindings {
public:
    // Checks every row afresh; what is known of stored IDNums stays known.
    void Check(const TGridCells& cells);
    // Checks the row again after its cells changed.
    void CheckRow(const TGridCells& cells, int row);
    // The list's IDNums not yet looked up, each once, in the order of their first rows; the
    // row's, if it is not. The texts stay valid until the list is checked again.
    std::vector<std::string_view> IdNumsToLookUp() const;
    std::vector<std::string_view> IdNumsToLookUp(int row) const;
    // What a look-up of the IDNums to look up (all, or the row's) found: the students stored,
    // by IDNum (others may be among them); the IDNums it does not hold are not stored.
    void Learn(const std::unordered_map<std::string, TStudentRecord>& stored, int row = 0);
    // Forgets what was looked up, as a posting stores more.
    void ForgetStored();

    // The findings of a row, naming other rows with `rowWord` ("row" in the window, "line" in
    // a job's report).
    std::vector<TFinding> Of(int row, std::string_view rowWord = "row") const;
    bool Marked(int row) const { return Kinds(row) != 0; }
    // The kinds of the row's findings, a bit each (KindBit).
    unsigned Kinds(int row) const;
    bool Has(int row, FindingKind kind) const { return (Kinds(row) & KindBit(kind)) != 0; }
    // The next marked row after `row` (direction 1) or before it (-1); 0 when there is none.
    int NextMarked(int row, int direction) const;
    // The rows whose IDNum is stored, from the first.
    std::vector<int> StoredRows() const;
    // "3 rows need a look: 1 heading, 1 already stored, 1 repeated IDNum", or that none does.
    TPhrase Summary(std::string_view rowWord = "row") const;
    int Rows() const { return int(own_.size()) - 1; }

private:
    const TStudentRecord* Stored(int row) const;
    bool SameName(int row, const TStudentRecord& stored) const;
    int EntryOf(int row) const { return rowIds_[std::size_t(row)]; }

    const TGridCells* cells_ = nullptr;
    std::vector<std::uint16_t> own_;  // the kinds of each row's own findings; row 0 unused
    // Each IDNum of the list with its rows, marked with whether it is stored as far as it was
    // looked up: unknown, not stored, or stored_[mark - kStoredFrom].
    static constexpr int kUnknown = 0;
    static constexpr int kNotStored = 1;
    static constexpr int kStoredFrom = 2;
    TIdNumIndex ids_;
    std::vector<int> rowIds_;  // each row's entry, as last checked; none for an empty IDNum
    std::vector<TStudentRecord> stored_;
};
