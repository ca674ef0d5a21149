#include "store/bulk/CopyText.h"

#include <charconv>

#include "store/errors/EngineErrors.h"

void AppendCopyTextField(std::string& out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
}

std::size_t CopyLineOfContext(std::string_view context)
{
    constexpr std::string_view kLine = ", line ";
    const std::size_t at = context.find(kLine);
    if (at == std::string_view::npos) {
        return 0;
    }
    std::size_t line = 0;
    const char* digits = context.data() + at + kLine.size();
    std::from_chars(digits, context.data() + context.size(), line);
    return line;
}

void SplitCopyTextRow(std::string_view row, std::vector<TCopyField>& fields, std::string& storage)
{
    if (row.empty() || row.back() != '\n') {
        RaiseUnreadableCopy();
    }
    row.remove_suffix(1);
    storage.clear();
    storage.reserve(row.size());
    // Where each field ends in `storage`, or npos for null, until the views can be made.
    thread_local std::vector<std::size_t> ends;
    ends.clear();
    for (std::size_t at = 0;; ++at) {
        if (row.substr(at, 2) == "\\N" && (at + 2 == row.size() || row[at + 2] == '\t') &&
            (at == 0 || row[at - 1] == '\t')) {
            ends.push_back(std::string::npos);
            at += 2;
        } else {
            for (; at < row.size() && row[at] != '\t'; ++at) {
                if (row[at] != '\\') {
                    storage += row[at];
                    continue;
                }
                if (++at == row.size()) {
                    RaiseUnreadableCopy();
                }
                static constexpr std::string_view kEscaped = "bfnrtv\\";
                static constexpr std::string_view kMeant = "\b\f\n\r\t\v\\";
                const std::size_t which = kEscaped.find(row[at]);
                if (which == std::string_view::npos) {
                    RaiseUnreadableCopy();
                }
                storage += kMeant[which];
            }
            ends.push_back(storage.size());
            storage += '\0';
        }
        if (at >= row.size()) {
            break;
        }
    }
    fields.clear();
    std::size_t start = 0;
    for (const std::size_t end : ends) {
        if (end == std::string::npos) {
            fields.push_back({{}, true});
        } else {
            fields.push_back({std::string_view(storage).substr(start, end - start), false});
            start = end + 1;
        }
    }
}

void RaiseUnreadableCopy()
{
    throw EDBEngineError(
        kErrGeneralSql,
        {TDBError{kErrGeneralSql,
                  {},
                  TPhrase("EngineErrors", QT_TRANSLATE_NOOP("EngineErrors",
                                                            "The server's copy of the list is not "
                                                            "in PostgreSQL's COPY format."))}});
}
