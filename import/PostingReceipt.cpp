#include "import/PostingReceipt.h"

#include <charconv>

#include "textio/Exception.h"

namespace {

void AppendField(std::string& line, std::string_view field)
{
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        line += field;
        return;
    }
    line += '"';
    for (const char c : field) {
        line += c;
        if (c == '"') {
            line += '"';
        }
    }
    line += '"';
}

constexpr const char* kNotAReceipt = QT_TRANSLATE_NOOP(
    "Receipts", "; this is not a receipt that cardovane-dbadmin import --receipt wrote");
constexpr const char* kNotAnEntry =
    QT_TRANSLATE_NOOP("Receipts", "; this is not a posting that the history of postings holds");

TPhrase Said(const char* source, std::vector<TPhrase> args = {})
{
    return TPhrase("Receipts", source, std::move(args));
}

// `as`: what the text is not (a receipt, an entry of the history).
[[noreturn]] void Refuse(int line, const TPhrase& what, const char* as)
{
    throw Exception(Said(QT_TRANSLATE_NOOP("Receipts", "line %1: %2%3"),
                         {std::to_string(line), what, Said(as)}));
}

}  // namespace

std::string ReceiptLine(const TStudentRecord& record)
{
    std::string line;
    AppendField(line, record.psid);
    line += ',' + std::to_string(record.sequence) + ',';
    AppendField(line, record.studentId);
    line += ',';
    AppendField(line, record.firstName);
    line += ',';
    AppendField(line, record.lastName);
    return line;
}

namespace {

// A receipt's lines in turn, each line's fields with their quotes undone.
class TReceiptLines {
public:
    TReceiptLines(std::string_view text, const char* as) : text_(text), as_(as) {}
    int Line() const { return line_; }
    [[noreturn]] void Refuse(const TPhrase& what) const { ::Refuse(line_, what, as_); }
    // False at the end of the text.
    bool Read(std::vector<std::string>& fields)
    {
        ++line_;
        fields.assign(1, {});
        bool quoted = false;
        bool wasQuoted = false;
        while (true) {
            if (at_ >= text_.size()) {
                if (quoted || fields.size() > 1 || !fields[0].empty() || wasQuoted) {
                    Refuse(Said(QT_TRANSLATE_NOOP("Receipts", "the line is cut short")));
                }
                return false;
            }
            const char c = text_[at_++];
            if (quoted) {
                if (c == '"' && at_ < text_.size() && text_[at_] == '"') {
                    fields.back() += '"';
                    ++at_;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    fields.back() += c;
                }
            } else if (c == '"' && fields.back().empty() && !wasQuoted) {
                quoted = wasQuoted = true;
            } else if (c == ',') {
                fields.emplace_back();
                wasQuoted = false;
            } else if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') {
                ++at_;
                return true;
            } else if (c == '\n') {
                return true;
            } else if (wasQuoted || c == '\0') {
                Refuse(Said(QT_TRANSLATE_NOOP("Receipts", "a field holds what no receipt holds")));
            } else {
                fields.back() += c;
            }
        }
    }

    // Where the next line starts.
    std::size_t At() const { return at_; }

private:
    std::string_view text_;
    const char* as_;
    std::size_t at_ = 0;
    int line_ = 0;
};

}  // namespace

namespace {

std::vector<TStudentRecord> ReceiptRecords(TReceiptLines& lines)
{
    std::vector<TStudentRecord> records;
    std::vector<std::string> fields;
    if (!lines.Read(fields) || fields.size() != 5 ||
        fields[0] + "," + fields[1] + "," + fields[2] + "," + fields[3] + "," + fields[4] !=
            kReceiptHeader) {
        lines.Refuse(Said(QT_TRANSLATE_NOOP("Receipts", "the first line is not \"%1\""),
                          {std::string(kReceiptHeader)}));
    }
    while (lines.Read(fields)) {
        if (fields.size() != 5) {
            lines.Refuse(Said(QT_TRANSLATE_NOOP("Receipts", "the line has %1 fields instead of 5"),
                              {std::to_string(fields.size())}));
        }
        TStudentRecord record{fields[0], 0, fields[2], fields[3], fields[4]};
        const std::string& number = fields[1];
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), record.sequence);
        if (number.empty() || error != std::errc() || end != number.data() + number.size()) {
            lines.Refuse(
                Said(QT_TRANSLATE_NOOP("Receipts", "psidsequence \"%1\" is not a whole number"),
                     {number}));
        }
        records.push_back(std::move(record));
    }
    return records;
}

// What an entry holds before its receipt, one "name,value" line each, in this order.
constexpr const char* kEntryHead = "cardovane posting";
constexpr const char* kEntryNames[] = {"when", "file", "sha256", "alias", "database", "undone"};

std::string* EntryValue(TPostingEntry& entry, int at)
{
    std::string* values[] = {&entry.when,  &entry.file,     &entry.fileHash,
                             &entry.alias, &entry.database, &entry.undone};
    return values[at];
}

}  // namespace

std::vector<TStudentRecord> ParseReceipt(std::string_view text)
{
    TReceiptLines lines(text, kNotAReceipt);
    return ReceiptRecords(lines);
}

std::string PostingEntryText(const TPostingEntry& entry)
{
    std::string text = std::string(kEntryHead) + "\r\n";
    TPostingEntry copy = entry;
    for (int at = 0; at < int(std::size(kEntryNames)); ++at) {
        text += kEntryNames[at];
        text += ',';
        AppendField(text, *EntryValue(copy, at));
        text += "\r\n";
    }
    text += std::string(kReceiptHeader) + "\r\n";
    for (const TStudentRecord& record : entry.records) {
        text += ReceiptLine(record) + "\r\n";
    }
    return text;
}

namespace {

// The entry's own lines, before its receipt.
TPostingEntry EntryHeading(TReceiptLines& lines)
{
    std::vector<std::string> fields;
    if (!lines.Read(fields) || fields.size() != 1 || fields[0] != kEntryHead) {
        lines.Refuse(Said(QT_TRANSLATE_NOOP("Receipts", "the first line is not \"%1\""),
                          {std::string(kEntryHead)}));
    }
    TPostingEntry entry;
    for (int at = 0; at < int(std::size(kEntryNames)); ++at) {
        if (!lines.Read(fields) || fields.size() != 2 || fields[0] != kEntryNames[at]) {
            lines.Refuse(Said(QT_TRANSLATE_NOOP("Receipts", "the line is not \"%1,...\""),
                              {std::string(kEntryNames[at])}));
        }
        *EntryValue(entry, at) = fields[1];
    }
    return entry;
}

}  // namespace

TPostingEntry ParsePostingEntry(std::string_view text)
{
    TReceiptLines lines(text, kNotAnEntry);
    TPostingEntry entry = EntryHeading(lines);
    entry.records = ReceiptRecords(lines);
    return entry;
}

TPostingEntry ParsePostingEntryHeading(std::string_view text, std::size_t& students)
{
    TReceiptLines lines(text, kNotAnEntry);
    TPostingEntry entry = EntryHeading(lines);
    // The receipt's lines counted, not read: a line end within quotes is a name's own.
    students = 0;
    bool quoted = false;
    bool ended = true;
    for (std::size_t at = lines.At(); at < text.size(); ++at) {
        const char c = text[at];
        quoted = c == '"' ? !quoted : quoted;
        if (c == '\n' && !quoted) {
            ++students;
            ended = true;
        } else {
            ended = false;
        }
    }
    // The receipt's header is a line of its own; a last line without its end is one too.
    students = (ended ? students : students + 1);
    students = students > 0 ? students - 1 : 0;
    return entry;
}
