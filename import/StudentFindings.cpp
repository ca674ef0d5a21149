#include "import/StudentFindings.h"

#include <algorithm>
#include <array>

#include "import/StudentKey.h"
#include "toolkit/GridCells.h"

namespace {

constexpr const char* kColumnTitles[] = {"IDNum", "Firstname", "Lastname"};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Words a spreadsheet's heading row is made of, whatever their case.
bool HasHeadingWord(std::string_view field)
{
    static constexpr std::array<std::string_view, 17> kWords = {
        "id",      "idnum",   "idno",  "number",    "num",     "no",
        "name",    "names",   "first", "firstname", "last",    "lastname",
        "surname", "student", "given", "family",    "forename"};
    std::string word;
    for (std::size_t i = 0; i <= field.size(); ++i) {
        const char c = i < field.size() ? field[i] : ' ';
        if (IsAsciiLetter(c)) {
            word += char(c | 0x20);
        } else if (!word.empty()) {
            if (std::find(kWords.begin(), kWords.end(), word) != kWords.end()) {
                return true;
            }
            word.clear();
        }
    }
    return false;
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

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
    {"repeated IDNum", "repeated IDNums"},
    {"already stored", "already stored"},
    {"stored for another name", "stored for another name"},
};

}  // namespace

std::vector<TFinding> RowFindings(const StudentFields& row)
{
    const std::string* fields[] = {&row.idNum, &row.firstName, &row.lastName};
    std::vector<TFinding> found;
    if (row.idNum.empty() && row.firstName.empty() && row.lastName.empty()) {
        return {{FindingKind::EmptyLine, kWholeRow, "an empty line: no student"}};
    }
    const bool idHasDigit = std::any_of(row.idNum.begin(), row.idNum.end(), IsDigit);
    if (!idHasDigit && std::any_of(std::begin(fields), std::end(fields),
                                   [](const std::string* f) { return HasHeadingWord(*f); })) {
        return {{FindingKind::Heading, kWholeRow, "looks like column headings, not a student"}};
    }
    // A line without a comma went whole into the last name: what it holds instead says how it
    // was saved, and its empty IDNum and first name follow from that alone.
    if (row.idNum.empty() && row.firstName.empty()) {
        for (const auto& [separator, name] : {std::pair{';', "semicolons"}, {'\t', "tabs"}}) {
            if (row.lastName.find(separator) != std::string::npos) {
                return {{FindingKind::OtherSeparator, kWholeRow,
                         std::string("saved with another separator: ") + name +
                             " but no comma, so the whole line went into the Lastname"}};
            }
        }
    }
    if (row.lastName.find(',') != std::string::npos) {
        found.push_back({FindingKind::ExtraComma, 2,
                         "a fourth column or a quoted comma: the Lastname holds a comma"});
    }
    for (int c = 0; c < 3; ++c) {
        const std::string_view field = Trimmed(*fields[c]);
        if (!field.empty() && (field.front() == '"' || field.back() == '"')) {
            found.push_back({FindingKind::Quoted, c,
                             std::string("the ") + kColumnTitles[c] +
                                 " is in double quotes, which would be stored as part of it"});
        }
    }
    if (row.idNum.empty()) {
        found.push_back({FindingKind::NoIdNum, 0, "no IDNum"});
    }
    for (int c = 1; c < 3; ++c) {
        if (fields[c]->empty()) {
            found.push_back({FindingKind::NoName, c, std::string("no ") + kColumnTitles[c]});
        }
    }
    for (int c = 0; c < 3; ++c) {
        const std::string& field = *fields[c];
        if (!field.empty() && (IsBlank(field.front()) || IsBlank(field.back()))) {
            found.push_back({FindingKind::Blanks, c,
                             std::string("blanks at the start or end of the ") + kColumnTitles[c]});
        }
    }
    for (int c = 1; c < 3; ++c) {
        const std::string& field = *fields[c];
        if (std::any_of(field.begin(), field.end(), IsDigit)) {
            found.push_back({FindingKind::DigitInName, c,
                             std::string("the ") + kColumnTitles[c] + " holds a digit"});
        }
    }
    for (int c = 1; c < 3; ++c) {
        const std::string& field = *fields[c];
        if (!field.empty() && std::none_of(field.begin(), field.end(), IsAsciiLetter)) {
            found.push_back({FindingKind::NoLetterInName, c,
                             std::string("the ") + kColumnTitles[c] +
                                 " has no letter A to Z: the name key would be " +
                                 Quoted(MakePSID(row.firstName, row.lastName))});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const TFinding& a, const TFinding& b) { return a.kind < b.kind; });
    return found;
}

namespace {

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
    StudentFields fields = FieldsOf(cells, row);
    const IdRow* was = rowIds_[std::size_t(row)];
    const bool sameId = was ? was->first == fields.idNum : fields.idNum.empty();
    if (!sameId) {
        Unindex(row);  // a name corrected keeps what is known of its IDNum
    }
    // Only the kinds are kept: the texts are made again when they are shown.
    unsigned kinds = 0;
    for (const TFinding& finding : RowFindings(fields)) {
        kinds |= 1u << int(finding.kind);
    }
    own_[std::size_t(row)] = static_cast<std::uint16_t>(kinds);
    if (!sameId && !fields.idNum.empty()) {
        IdEntry& entry = byId_[fields.idNum];
        entry.rows.insert(std::lower_bound(entry.rows.begin(), entry.rows.end(), row), row);
        rowIds_[std::size_t(row)] = &*byId_.find(fields.idNum);
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
