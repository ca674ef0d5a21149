#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The IDNums of a list, each once, with the rows that hold it and a mark of the caller's; kept
// flat (the IDNums end to end, the entries side by side, an open-addressed table over them) so
// that a list of a million rows is indexed without a single allocation of its own a row. An
// entry stays while the index lives, even once no row holds its IDNum.
class TIdNumIndex {
public:
    static constexpr int kNone = -1;

    // Forgets every IDNum, making room for about `expected`.
    void Clear(std::size_t expected);
    // Indexes a whole list afresh: the IDNum of each row from 1 to `rows` less one (empty for
    // none). Answers each row's entry (kNone for none); entries are numbered in the order of
    // their first rows. The list is sorted by hash once instead of probed row by row, so that
    // a million rows take no wait on memory for each.
    std::vector<int> Build(int rows, const std::function<std::string_view(int row)>& idOf);
    int Find(std::string_view id) const;
    // The IDNum's entry, made if it has none, with the row added to its rows.
    int Add(std::string_view id, int row);
    void Remove(int entry, int row);

    std::string_view Id(int entry) const;
    int First(int entry) const { return entries_[std::size_t(entry)].first; }
    std::size_t Count(int entry) const;
    // The entry's rows, ascending.
    std::vector<int> Rows(int entry) const;
    int Mark(int entry) const { return entries_[std::size_t(entry)].mark; }
    void SetMark(int entry, int mark) { entries_[std::size_t(entry)].mark = mark; }
    int Entries() const { return int(entries_.size()); }

private:
    struct Entry {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
        int first = 0;  // the first row; 0 while no row holds the IDNum
        int more = -1;  // in repeats_, the rows after the first, ascending
        int mark = 0;
    };
    static std::uint32_t Hash(std::string_view id);
    static std::vector<int> FirstRows(int rows, const std::function<std::string_view(int)>& idOf,
                                      std::size_t& bytes);
    // The slot that holds the IDNum, or the empty one where it would go; an IDNum's first slot
    // is its hash's top bits, so that slots follow the order of hashes.
    std::size_t Slot(std::string_view id, std::uint32_t hash) const;
    std::size_t Home(std::uint32_t hash) const { return hash >> shift_; }
    void MakeSlots(std::size_t entries);
    void MakeSlotsOfEntries() const;
    void Grow();

    std::string text_;
    std::vector<Entry> entries_;
    // The entry's number plus one in the low half, its IDNum's hash in the high; 0 is empty.
    // Made on the first look-up after a whole list was indexed.
    mutable std::vector<std::uint64_t> slots_;
    mutable int shift_ = 32;
    std::vector<std::vector<int>> repeats_;
};
