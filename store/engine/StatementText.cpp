#include "store/engine/StatementText.h"

#include <cctype>

namespace {

bool IsNameStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool IsNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

}  // namespace

ParsedStatement ParseStatementParameters(const std::string& sql, ParameterMarks marks)
{
    ParsedStatement parsed;
    std::string& out = parsed.text;
    out.reserve(sql.size());
    const std::size_t n = sql.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = sql[i];
        if (c == '\'' || c == '"') {
            const std::size_t close = sql.find(c, i + 1);
            const std::size_t end = close == std::string::npos ? n : close + 1;
            out.append(sql, i, end - i);
            i = end;
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            const std::size_t lf = sql.find('\n', i);
            const std::size_t end = lf == std::string::npos ? n : lf;
            out.append(sql, i, end - i);
            i = end;
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            const std::size_t close = sql.find("*/", i + 2);
            const std::size_t end = close == std::string::npos ? n : close + 2;
            out.append(sql, i, end - i);
            i = end;
        } else if (c == ':' && i + 1 < n && sql[i + 1] == ':') {
            out += "::";
            i += 2;
        } else if (c == ':' && i + 1 < n && IsNameStart(sql[i + 1])) {
            std::size_t end = i + 1;
            while (end < n && IsNameChar(sql[end])) {
                ++end;
            }
            parsed.parameters.push_back(sql.substr(i + 1, end - i - 1));
            if (marks == ParameterMarks::Numbered) {
                out += '$' + std::to_string(parsed.parameters.size());
            } else {
                out += '?';
            }
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    return parsed;
}

bool StatementNamesTable(const std::string& sql, const std::string& table)
{
    if (table.empty()) {
        return false;
    }
    auto lower = [](std::string s) {
        for (char& c : s) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        return s;
    };
    const std::string text = lower(sql);
    const std::string name = lower(table);
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) {
        const bool startsWord = at == 0 || !IsNameChar(text[at - 1]);
        const std::size_t after = at + name.size();
        const bool endsWord = after == text.size() || !IsNameChar(text[after]);
        if (startsWord && endsWord) {
            return true;
        }
    }
    return false;
}
