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

[[noreturn]] void Refuse(int line, const std::string& what)
{
    throw Exception("line " + std::to_string(line) + ": " + what +
                    "; this is not a receipt that cardovane-dbadmin import --receipt wrote");
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
    explicit TReceiptLines(std::string_view text) : text_(text) {}
    int Line() const { return line_; }
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
                    Refuse(line_, "the line is cut short");
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
                Refuse(line_, "a field holds what no receipt holds");
            } else {
                fields.back() += c;
            }
        }
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 0;
};

}  // namespace

std::vector<TStudentRecord> ParseReceipt(std::string_view text)
{
    std::vector<TStudentRecord> records;
    TReceiptLines lines(text);
    std::vector<std::string> fields;
    if (!lines.Read(fields) || fields.size() != 5 ||
        fields[0] + "," + fields[1] + "," + fields[2] + "," + fields[3] + "," + fields[4] !=
            kReceiptHeader) {
        Refuse(lines.Line(), std::string("the first line is not \"") + kReceiptHeader + "\"");
    }
    while (lines.Read(fields)) {
        if (fields.size() != 5) {
            Refuse(lines.Line(),
                   "the line has " + std::to_string(fields.size()) + " fields instead of 5");
        }
        TStudentRecord record{fields[0], 0, fields[2], fields[3], fields[4]};
        const std::string& number = fields[1];
        const auto [end, error] =
            std::from_chars(number.data(), number.data() + number.size(), record.sequence);
        if (number.empty() || error != std::errc() || end != number.data() + number.size()) {
            Refuse(lines.Line(), "psidsequence \"" + number + "\" is not a whole number");
        }
        records.push_back(std::move(record));
    }
    return records;
}
