#include "import/ListFindings.h"

#include <algorithm>

#include "toolkit/GridCells.h"

namespace {

// "4", "4 and 9", "4, 9 and 12", "4, 9, 12 and 3 more".
std::string RowList(const std::vector<int>& rows)
{
    constexpr std::size_t kNamed = 3;
    std::string out;
    const std::size_t named = std::min(rows.size(), kNamed);
    for (std::size_t i = 0; i < named; ++i) {
        const bool last = i + 1 == named && rows.size() <= kNamed;
        out += i == 0 ? "" : (last ? " and " : ", ");
        out += std::to_string(rows[i]);
    }
    if (rows.size() > kNamed) {
        out += " and " + std::to_string(rows.size() - kNamed) + " more";
    }
    return out;
}

struct KindLabel {
    const char* one;
    const char* many;
};
constexpr KindLabel kKindLabels[kFindingKinds] = {
    {"heading", "headings"},
    {"other separator", "other separators"},
    {"empty line", "empty lines"},
    {"fourth column", "fourth columns"},
    {"field in quotes", "fields in quotes"},
    {"without IDNum", "without IDNum"},
    {"missing name", "missing names"},
    {"stray blanks", "stray blanks"},
    {"digit in a name", "digits in names"},
    {"name without letters", "names without letters"},
    {"lost letter", "lost letters"},
    {"repeated IDNum", "repeated IDNums"},
    {"already stored", "already stored"},
    {"stored for another name", "stored for another name"},
};

StudentFields FieldsOf(const TGridCells& cells, int row)
{
    return {std::string(cells.Cell(0, row)), std::string(cells.Cell(1, row)),
            std::string(cells.Cell(2, row))};
}

}  // namespace

void TListFindings::Check(const TGridCells& cells)
{
    cells_ = &cells;
    const int rows = std::max(cells.RowCount(), 1);
    own_.assign(std::size_t(rows), 0);
    rowIds_.assign(std::size_t(rows), nullptr);
    // What was looked up stays known for the IDNums the list still holds.
    std::unordered_map<std::string, int> known;
    for (const auto& [id, entry] : byId_) {
        if (entry.stored != kUnknown) {
            known.emplace(id, entry.stored);
        }
    }
    byId_.clear();
    byId_.reserve(std::size_t(rows));
    for (int r = 1; r < rows; ++r) {
        CheckRow(cells, r);
    }
    for (auto& [id, entry] : byId_) {
        const auto found = known.find(id);
        entry.stored = found == known.end() ? kUnknown : found->second;
    }
}

void TListFindings::CheckRow(const TGridCells& cells, int row)
{
    if (row < 1 || row >= int(own_.size())) {
        return;
    }
    cells_ = &cells;
    const StudentFieldViews fields{cells.Cell(0, row), cells.Cell(1, row), cells.Cell(2, row)};
    const IdRow* was = rowIds_[std::size_t(row)];
    const bool sameId = was ? was->first == fields.idNum : fields.idNum.empty();
    if (!sameId) {
        Unindex(row);  // a name corrected keeps what is known of its IDNum
    }
    // Only the kinds are kept: the texts are made again when they are shown.
    own_[std::size_t(row)] = static_cast<std::uint16_t>(RowFindingKinds(fields));
    if (!sameId && !fields.idNum.empty()) {
        const auto [at, added] = byId_.try_emplace(std::string(fields.idNum));
        std::vector<int>& rows = at->second.rows;
        rows.insert(std::lower_bound(rows.begin(), rows.end(), row), row);
        rowIds_[std::size_t(row)] = &*at;
    }
}

void TListFindings::Unindex(int row)
{
    IdRow* id = rowIds_[std::size_t(row)];
    if (!id) {
        return;
    }
    std::vector<int>& rows = id->second.rows;
    rows.erase(std::remove(rows.begin(), rows.end(), row), rows.end());
    rowIds_[std::size_t(row)] = nullptr;
    if (rows.empty()) {
        byId_.erase(id->first);
    }
}

const TStoredStudent* TListFindings::Stored(int row) const
{
    const IdRow* id = rowIds_[std::size_t(row)];
    return id && id->second.stored >= 0 ? &stored_[std::size_t(id->second.stored)] : nullptr;
}

bool TListFindings::SameName(int row, const TStoredStudent& stored) const
{
    return cells_->Cell(1, row) == stored.firstName && cells_->Cell(2, row) == stored.lastName;
}

std::vector<std::string> TListFindings::IdNumsToLookUp(int row) const
{
    const IdRow* id = row >= 1 && row < int(rowIds_.size()) ? rowIds_[std::size_t(row)] : nullptr;
    return id && id->second.stored == kUnknown ? std::vector<std::string>{id->first}
                                               : std::vector<std::string>{};
}

std::vector<std::string> TListFindings::IdNumsToLookUp() const
{
    std::vector<std::string> ids;
    for (const auto& [id, entry] : byId_) {
        if (entry.stored == kUnknown) {
            ids.push_back(id);
        }
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

void TListFindings::Learn(const std::vector<std::string>& asked,
                          const std::unordered_map<std::string, TStoredStudent>& stored)
{
    for (const std::string& id : asked) {
        const auto entry = byId_.find(id);
        if (entry == byId_.end()) {
            continue;
        }
        const auto found = stored.find(id);
        if (found == stored.end()) {
            entry->second.stored = kNotStored;
        } else {
            entry->second.stored = int(stored_.size());
            stored_.push_back(found->second);
        }
    }
}

void TListFindings::ForgetStored()
{
    stored_.clear();
    for (auto& [id, entry] : byId_) {
        entry.stored = kUnknown;
    }
}

std::vector<TFinding> TListFindings::Of(int row, std::string_view rowWord) const
{
    if (row < 1 || row >= int(own_.size())) {
        return {};
    }
    std::vector<TFinding> found =
        own_[std::size_t(row)] == 0 ? std::vector<TFinding>{} : RowFindings(FieldsOf(*cells_, row));
    const IdRow* idRow = rowIds_[std::size_t(row)];
    const std::string id = idRow ? idRow->first : std::string();
    if (const std::vector<int>* rows = idRow ? &idRow->second.rows : nullptr;
        rows && rows->size() > 1) {
        std::vector<int> others;
        std::copy_if(rows->begin(), rows->end(), std::back_inserter(others),
                     [row](int r) { return r != row; });
        found.push_back({FindingKind::RepeatedIdNum, 0,
                         "IDNum " + id + " is also on " + std::string(rowWord) +
                             (others.size() > 1 ? "s " : " ") + RowList(others)});
    }
    if (const TStoredStudent* stored = Stored(row)) {
        const std::string storedName = stored->firstName + ' ' + stored->lastName;
        if (SameName(row, *stored)) {
            found.push_back({FindingKind::AlreadyStored, 0,
                             "IDNum " + id + " is already stored, for " + storedName});
        } else {
            found.push_back({FindingKind::StoredForAnotherName, 0,
                             "IDNum " + id + " is already stored for another name: " + storedName});
        }
    }
    return found;
}

unsigned TListFindings::Kinds(int row) const
{
    if (row < 1 || row >= int(own_.size())) {
        return 0;
    }
    unsigned kinds = own_[std::size_t(row)];
    const IdRow* id = rowIds_[std::size_t(row)];
    if (!id) {
        return kinds;
    }
    if (id->second.rows.size() > 1) {
        kinds |= 1u << int(FindingKind::RepeatedIdNum);
    }
    if (const TStoredStudent* stored = Stored(row)) {
        kinds |= 1u << int(SameName(row, *stored) ? FindingKind::AlreadyStored
                                                  : FindingKind::StoredForAnotherName);
    }
    return kinds;
}

int TListFindings::NextMarked(int row, int direction) const
{
    for (int r = row + direction; r >= 1 && r < int(own_.size()); r += direction) {
        if (Kinds(r) != 0) {
            return r;
        }
    }
    return 0;
}

std::vector<int> TListFindings::StoredRows() const
{
    std::vector<int> rows;
    for (int r = 1; r < int(own_.size()); ++r) {
        if (Stored(r)) {
            rows.push_back(r);
        }
    }
    return rows;
}

std::string TListFindings::Summary(std::string_view rowWord) const
{
    int marked = 0;
    int byKind[kFindingKinds] = {};
    for (int r = 1; r < int(own_.size()); ++r) {
        const unsigned kinds = Kinds(r);
        if (kinds == 0) {
            continue;
        }
        ++marked;
        for (int k = 0; k < kFindingKinds; ++k) {
            byKind[k] += (kinds >> k) & 1u;
        }
    }
    const std::string word(rowWord);
    if (marked == 0) {
        return "No " + word + " needs a look";
    }
    std::string out =
        std::to_string(marked) + ' ' + word + (marked == 1 ? " needs" : "s need") + " a look:";
    const char* separator = " ";
    for (int k = 0; k < kFindingKinds; ++k) {
        if (byKind[k] > 0) {
            out += separator + std::to_string(byKind[k]) + ' ' +
                   (byKind[k] == 1 ? kKindLabels[k].one : kKindLabels[k].many);
            separator = ", ";
        }
    }
    return out;
}
