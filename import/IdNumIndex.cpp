#include "import/IdNumIndex.h"

#include <algorithm>

namespace {

// Sorts the keys by their top 32 bits, a byte at a time.
void SortByHash(std::vector<std::uint64_t>& keys)
{
    std::vector<std::uint64_t> sorted(keys.size());
    for (int shift = 32; shift < 64; shift += 8) {
        std::size_t start[257] = {};
        for (const std::uint64_t key : keys) {
            ++start[((key >> shift) & 0xFF) + 1];
        }
        for (int b = 0; b < 256; ++b) {
            start[b + 1] += start[b];
        }
        for (const std::uint64_t key : keys) {
            sorted[start[(key >> shift) & 0xFF]++] = key;
        }
        keys.swap(sorted);
    }
}

}  // namespace

std::uint32_t TIdNumIndex::Hash(std::string_view id)
{
    // FNV-1a, as IDNums are short, then mixed (MurmurHash3's finish): FNV's low bits alone,
    // which pick the slot, would crowd numbered IDNums into runs.
    std::uint32_t hash = 2166136261u;
    for (const char c : id) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    hash *= 0xC2B2AE35u;
    hash ^= hash >> 16;
    return hash;
}

void TIdNumIndex::MakeSlots(std::size_t entries)
{
    // At most half full.
    int bits = 4;
    while ((std::size_t(1) << bits) < entries * 2) {
        ++bits;
    }
    slots_.assign(std::size_t(1) << bits, 0);
    shift_ = 32 - bits;
}

void TIdNumIndex::Clear(std::size_t expected)
{
    text_.clear();
    entries_.clear();
    repeats_.clear();
    entries_.reserve(expected);
    MakeSlots(expected);
}

void TIdNumIndex::MakeSlotsOfEntries() const
{
    std::vector<std::uint64_t> keys;  // hash, then entry
    keys.reserve(entries_.size());
    for (std::size_t e = 0; e < entries_.size(); ++e) {
        keys.push_back((std::uint64_t(Hash(Id(int(e)))) << 32) | std::uint32_t(e));
    }
    SortByHash(keys);
    // Filled in the order of their hashes: one pass along the table.
    const_cast<TIdNumIndex*>(this)->MakeSlots(entries_.size());
    const std::size_t mask = slots_.size() - 1;
    for (const std::uint64_t key : keys) {
        std::size_t at = Home(std::uint32_t(key >> 32));
        while (slots_[at] != 0) {
            at = (at + 1) & mask;
        }
        slots_[at] = (key & 0xFFFFFFFF00000000u) | (std::uint32_t(key) + 1);
    }
}

// Each row's first row with its IDNum (0 for a row without one), and the bytes of the IDNums.
std::vector<int> TIdNumIndex::FirstRows(int rows, const std::function<std::string_view(int)>& idOf,
                                        std::size_t& bytes)
{
    std::vector<std::uint64_t> keys;  // hash, then row
    keys.reserve(std::size_t(std::max(rows, 1)));
    bytes = 0;
    for (int r = 1; r < rows; ++r) {
        const std::string_view id = idOf(r);
        if (!id.empty()) {
            keys.push_back((std::uint64_t(Hash(id)) << 32) | std::uint32_t(r));
            bytes += id.size();
        }
    }
    SortByHash(keys);
    // Rows of one IDNum lie within a run of one hash, from the first row on: each row's first
    // is found among the first rows of the run's IDNums, however many rows repeat one.
    std::vector<int> firstOf(std::size_t(std::max(rows, 1)), 0);
    std::vector<int> runFirsts;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i == 0 || (keys[i] >> 32) != (keys[i - 1] >> 32)) {
            runFirsts.clear();
        }
        const int row = int(std::uint32_t(keys[i]));
        int first = row;
        for (const int earlier : runFirsts) {
            if (idOf(earlier) == idOf(row)) {
                first = earlier;
                break;
            }
        }
        if (first == row) {
            runFirsts.push_back(row);
        }
        firstOf[std::size_t(row)] = first;
    }
    return firstOf;
}

std::vector<int> TIdNumIndex::Build(int rows, const std::function<std::string_view(int)>& idOf)
{
    std::vector<int> entryOf(std::size_t(std::max(rows, 1)), kNone);
    std::size_t bytes = 0;
    const std::vector<int> firstOf = FirstRows(rows, idOf, bytes);
    text_.clear();
    entries_.clear();
    repeats_.clear();
    entries_.reserve(std::size_t(std::max(rows, 1)));
    text_.reserve(bytes);
    // The slots are made when an IDNum is first looked for: a list checked whole, again and
    // again as it is fixed, needs none.
    slots_.clear();
    for (int r = 1; r < rows; ++r) {
        const int first = firstOf[std::size_t(r)];
        if (first == r) {
            const std::string_view id = idOf(r);
            entryOf[std::size_t(r)] = int(entries_.size());
            entries_.push_back({std::uint32_t(text_.size()), std::uint32_t(id.size()), r});
            text_.append(id);
        } else if (first != 0) {
            const int entry = entryOf[std::size_t(first)];
            entryOf[std::size_t(r)] = entry;
            Entry& e = entries_[std::size_t(entry)];
            if (e.more < 0) {
                e.more = int(repeats_.size());
                repeats_.emplace_back();
            }
            repeats_[std::size_t(e.more)].push_back(r);
        }
    }
    return entryOf;
}

std::size_t TIdNumIndex::Slot(std::string_view id, std::uint32_t hash) const
{
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = Home(hash);; at = (at + 1) & mask) {
        const std::uint64_t slot = slots_[at];
        if (slot == 0) {
            return at;
        }
        if (std::uint32_t(slot >> 32) == hash && Id(int(std::uint32_t(slot)) - 1) == id) {
            return at;
        }
    }
}

int TIdNumIndex::Find(std::string_view id) const
{
    if (slots_.empty()) {
        MakeSlotsOfEntries();
    }
    const std::uint64_t slot = slots_[Slot(id, Hash(id))];
    return slot == 0 ? kNone : int(std::uint32_t(slot)) - 1;
}

void TIdNumIndex::Grow()
{
    std::vector<std::uint64_t> old = std::move(slots_);
    MakeSlots(entries_.size() + 1);
    for (const std::uint64_t slot : old) {
        if (slot != 0) {
            const std::size_t mask = slots_.size() - 1;
            std::size_t at = Home(std::uint32_t(slot >> 32));
            while (slots_[at] != 0) {
                at = (at + 1) & mask;
            }
            slots_[at] = slot;
        }
    }
}

int TIdNumIndex::Add(std::string_view id, int row)
{
    if (slots_.empty()) {
        MakeSlotsOfEntries();
    }
    if ((entries_.size() + 1) * 2 > slots_.size()) {
        Grow();
    }
    const std::uint32_t hash = Hash(id);
    const std::size_t at = Slot(id, hash);
    int entry = 0;
    if (slots_[at] != 0) {
        entry = int(std::uint32_t(slots_[at])) - 1;
    } else {
        entry = int(entries_.size());
        entries_.push_back({std::uint32_t(text_.size()), std::uint32_t(id.size())});
        text_.append(id);
        slots_[at] = (std::uint64_t(hash) << 32) | std::uint32_t(entry + 1);
    }
    Entry& e = entries_[std::size_t(entry)];
    if (e.first == 0) {
        e.first = row;
        return entry;
    }
    if (e.more < 0) {
        e.more = int(repeats_.size());
        repeats_.emplace_back();
    }
    std::vector<int>& more = repeats_[std::size_t(e.more)];
    if (row < e.first) {
        more.insert(more.begin(), e.first);
        e.first = row;
    } else {
        more.insert(std::lower_bound(more.begin(), more.end(), row), row);
    }
    return entry;
}

void TIdNumIndex::Remove(int entry, int row)
{
    Entry& e = entries_[std::size_t(entry)];
    std::vector<int>* more = e.more < 0 ? nullptr : &repeats_[std::size_t(e.more)];
    if (row == e.first) {
        e.first = more && !more->empty() ? more->front() : 0;
        if (more && !more->empty()) {
            more->erase(more->begin());
        }
    } else if (more) {
        more->erase(std::remove(more->begin(), more->end(), row), more->end());
    }
}

std::string_view TIdNumIndex::Id(int entry) const
{
    const Entry& e = entries_[std::size_t(entry)];
    return std::string_view(text_).substr(e.offset, e.length);
}

std::size_t TIdNumIndex::Count(int entry) const
{
    const Entry& e = entries_[std::size_t(entry)];
    return e.first == 0 ? 0 : 1 + (e.more < 0 ? 0 : repeats_[std::size_t(e.more)].size());
}

std::vector<int> TIdNumIndex::Rows(int entry) const
{
    const Entry& e = entries_[std::size_t(entry)];
    std::vector<int> rows;
    if (e.first != 0) {
        rows.push_back(e.first);
        if (e.more >= 0) {
            const std::vector<int>& more = repeats_[std::size_t(e.more)];
            rows.insert(rows.end(), more.begin(), more.end());
        }
    }
    return rows;
}
