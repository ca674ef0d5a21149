#include "import/ListFindings.h"

#include <algorithm>

#include "toolkit/GridCells.h"

namespace {

TPhrase Finding(const char* source, std::vector<TPhrase> args = {},
                std::optional<long long> count = std::nullopt)
{
    return TPhrase("Findings", source, std::move(args), count);
}

// "4", "4 and 9", "4, 9 and 12", "4, 9, 12 and 3 more".
TPhrase RowList(const std::vector<int>& rows)
{
    constexpr std::size_t kNamed = 3;
    const std::size_t named = std::min(rows.size(), kNamed);
    TPhrase out = std::to_string(rows[0]);
    for (std::size_t i = 1; i < named; ++i) {
        const bool last = i + 1 == named && rows.size() <= kNamed;
        out =
            last ? Finding(QT_TRANSLATE_NOOP("Findings", "%1 and %2"),
                           {out, std::to_string(rows[i])})
                 : Finding(QT_TRANSLATE_NOOP("Findings", "%1, %2"), {out, std::to_string(rows[i])});
    }
    if (rows.size() > kNamed) {
        out = Finding(QT_TRANSLATE_N_NOOP("Findings", "%1 and %n more"), {out},
                      (long long)(rows.size() - kNamed));
    }
    return out;
}

// How many of a kind a summary counts, as a row of the grid or a line of the file.
constexpr const char* kKindCounts[kFindingKinds] = {
    QT_TRANSLATE_N_NOOP("Findings", "%n heading(s)"),
    QT_TRANSLATE_N_NOOP("Findings", "%n other separator(s)"),
    QT_TRANSLATE_N_NOOP("Findings", "%n empty line(s)"),
    QT_TRANSLATE_N_NOOP("Findings", "%n fourth column(s)"),
    QT_TRANSLATE_N_NOOP("Findings", "%n {field|fields} in quotes"),
    QT_TRANSLATE_N_NOOP("Findings", "%n without IDNum"),
    QT_TRANSLATE_N_NOOP("Findings", "%n missing name(s)"),
    QT_TRANSLATE_N_NOOP("Findings", "%n stray blanks"),
    QT_TRANSLATE_N_NOOP("Findings", "%n {digit in a name|digits in names}"),
    QT_TRANSLATE_N_NOOP("Findings", "%n name(s) without letters"),
    QT_TRANSLATE_N_NOOP("Findings", "%n lost letter(s)"),
    QT_TRANSLATE_N_NOOP("Findings", "%n repeated IDNum(s)"),
    QT_TRANSLATE_N_NOOP("Findings", "%n already stored"),
    QT_TRANSLATE_N_NOOP("Findings", "%n stored for another name"),
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
    rowIds_.assign(std::size_t(rows), TIdNumIndex::kNone);
    // What was looked up stays known for the IDNums the list still holds.
    TIdNumIndex known = std::move(ids_);
    for (int r = 1; r < rows; ++r) {
        own_[std::size_t(r)] = static_cast<std::uint16_t>(
            RowFindingKinds({cells.Cell(0, r), cells.Cell(1, r), cells.Cell(2, r)}));
    }
    rowIds_ = ids_.Build(rows, [&cells](int r) { return cells.Cell(0, r); });
    if (known.Entries() > 0) {
        for (int e = 0; e < ids_.Entries(); ++e) {
            const int was = known.Find(ids_.Id(e));
            ids_.SetMark(e, was == TIdNumIndex::kNone ? kUnknown : known.Mark(was));
        }
    }
}

void TListFindings::CheckRow(const TGridCells& cells, int row)
{
    if (row < 1 || row >= int(own_.size())) {
        return;
    }
    cells_ = &cells;
    const StudentFieldViews fields{cells.Cell(0, row), cells.Cell(1, row), cells.Cell(2, row)};
    // Only the kinds are kept: the texts are made again when they are shown.
    own_[std::size_t(row)] = static_cast<std::uint16_t>(RowFindingKinds(fields));
    const int was = EntryOf(row);
    if (was != TIdNumIndex::kNone && ids_.Id(was) == fields.idNum) {
        return;  // a name corrected keeps what is known of its IDNum
    }
    if (was != TIdNumIndex::kNone) {
        ids_.Remove(was, row);
    }
    rowIds_[std::size_t(row)] =
        fields.idNum.empty() ? TIdNumIndex::kNone : ids_.Add(fields.idNum, row);
}

const TStudentRecord* TListFindings::Stored(int row) const
{
    const int entry = EntryOf(row);
    const int mark = entry == TIdNumIndex::kNone ? kUnknown : ids_.Mark(entry);
    return mark >= kStoredFrom ? &stored_[std::size_t(mark - kStoredFrom)] : nullptr;
}

bool TListFindings::SameName(int row, const TStudentRecord& stored) const
{
    return cells_->Cell(1, row) == stored.firstName && cells_->Cell(2, row) == stored.lastName;
}

std::vector<std::string_view> TListFindings::IdNumsToLookUp(int row) const
{
    const int entry = row >= 1 && row < int(rowIds_.size()) ? EntryOf(row) : TIdNumIndex::kNone;
    return entry != TIdNumIndex::kNone && ids_.Mark(entry) == kUnknown
               ? std::vector<std::string_view>{ids_.Id(entry)}
               : std::vector<std::string_view>{};
}

std::vector<std::string_view> TListFindings::IdNumsToLookUp() const
{
    std::vector<std::string_view> ids;
    ids.reserve(std::size_t(ids_.Entries()));
    for (int r = 1; r < int(rowIds_.size()); ++r) {
        const int entry = EntryOf(r);
        if (entry != TIdNumIndex::kNone && ids_.First(entry) == r && ids_.Mark(entry) == kUnknown) {
            ids.push_back(ids_.Id(entry));
        }
    }
    return ids;
}

void TListFindings::Learn(const std::unordered_map<std::string, TStudentRecord>& stored, int row)
{
    const auto learn = [&](int entry) {
        if (ids_.Mark(entry) != kUnknown) {
            return;
        }
        const auto found = stored.empty() ? stored.end() : stored.find(std::string(ids_.Id(entry)));
        if (found == stored.end()) {
            ids_.SetMark(entry, kNotStored);
        } else {
            ids_.SetMark(entry, kStoredFrom + int(stored_.size()));
            stored_.push_back(found->second);
        }
    };
    if (row > 0) {
        if (row < int(rowIds_.size()) && EntryOf(row) != TIdNumIndex::kNone) {
            learn(EntryOf(row));
        }
        return;
    }
    for (int e = 0; e < ids_.Entries(); ++e) {
        learn(e);
    }
}

void TListFindings::ForgetStored()
{
    stored_.clear();
    for (int e = 0; e < ids_.Entries(); ++e) {
        ids_.SetMark(e, kUnknown);
    }
}

std::vector<TFinding> TListFindings::Of(int row, std::string_view rowWord) const
{
    if (row < 1 || row >= int(own_.size())) {
        return {};
    }
    std::vector<TFinding> found =
        own_[std::size_t(row)] == 0 ? std::vector<TFinding>{} : RowFindings(FieldsOf(*cells_, row));
    const int entry = EntryOf(row);
    const std::string id(entry == TIdNumIndex::kNone ? std::string_view() : ids_.Id(entry));
    if (entry != TIdNumIndex::kNone && ids_.Count(entry) > 1) {
        const std::vector<int> rows = ids_.Rows(entry);
        std::vector<int> others;
        std::copy_if(rows.begin(), rows.end(), std::back_inserter(others),
                     [row](int r) { return r != row; });
        const auto count = (long long)others.size();
        found.push_back(
            {FindingKind::RepeatedIdNum, 0,
             rowWord == "line"
                 ? Finding(QT_TRANSLATE_N_NOOP("Findings", "IDNum %1 is also on line(s) %2"),
                           {id, RowList(others)}, count)
                 : Finding(QT_TRANSLATE_N_NOOP("Findings", "IDNum %1 is also on row(s) %2"),
                           {id, RowList(others)}, count)});
    }
    if (const TStudentRecord* stored = Stored(row)) {
        const std::string storedName = stored->firstName + ' ' + stored->lastName;
        if (SameName(row, *stored)) {
            found.push_back(
                {FindingKind::AlreadyStored, 0,
                 Finding(QT_TRANSLATE_NOOP("Findings", "IDNum %1 is already stored, for %2"),
                         {id, storedName})});
        } else {
            found.push_back(
                {FindingKind::StoredForAnotherName, 0,
                 Finding(QT_TRANSLATE_NOOP("Findings",
                                           "IDNum %1 is already stored for another name: %2"),
                         {id, storedName})});
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
    const int entry = EntryOf(row);
    if (entry == TIdNumIndex::kNone) {
        return kinds;
    }
    if (ids_.Count(entry) > 1) {
        kinds |= 1u << int(FindingKind::RepeatedIdNum);
    }
    if (const TStudentRecord* stored = Stored(row)) {
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

TPhrase TListFindings::Summary(std::string_view rowWord) const
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
    const bool lines = rowWord == "line";
    if (marked == 0) {
        return lines ? Finding(QT_TRANSLATE_NOOP("Findings", "No line needs a look"))
                     : Finding(QT_TRANSLATE_NOOP("Findings", "No row needs a look"));
    }
    std::vector<TPhrase> counts;
    for (int k = 0; k < kFindingKinds; ++k) {
        if (byKind[k] > 0) {
            counts.push_back(Finding(kKindCounts[k], {}, byKind[k]));
        }
    }
    TPhrase listed = counts[0];
    for (std::size_t i = 1; i < counts.size(); ++i) {
        listed = Finding(QT_TRANSLATE_NOOP("Findings", "%1, %2"), {listed, counts[i]});
    }
    return lines ? Finding(QT_TRANSLATE_N_NOOP("Findings", "%n line(s) {needs|need} a look: %1"),
                           {listed}, marked)
                 : Finding(QT_TRANSLATE_N_NOOP("Findings", "%n row(s) {needs|need} a look: %1"),
                           {listed}, marked);
}
