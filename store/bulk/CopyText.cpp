#include "store/bulk/CopyText.h"

#include <charconv>

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
