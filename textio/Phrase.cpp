#include "textio/Phrase.h"

std::string EnglishForm(std::string_view source, std::optional<long long> count)
{
    const bool one = count && *count == 1;
    std::string out;
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source.substr(i, 3) == "(s)") {
            out += one ? "" : "s";
            i += 2;
        } else if (source[i] == '{') {
            const std::size_t bar = source.find('|', i);
            const std::size_t end = source.find('}', i);
            if (bar == std::string_view::npos || end == std::string_view::npos || end < bar) {
                out += source[i];
                continue;
            }
            out += one ? source.substr(i + 1, bar - i - 1) : source.substr(bar + 1, end - bar - 1);
            i = end;
        } else if (count && source.substr(i, 2) == "%n") {
            out += std::to_string(*count);
            ++i;
        } else {
            out += source[i];
        }
    }
    return out;
}

std::string FillPlaceholders(std::string_view text, const std::vector<std::string>& args)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : 9;
        if (text[i] == '%' && n < 9 && n < args.size()) {
            out += args[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string TPhrase::English() const
{
    if (Verbatim()) {
        return verbatim_;
    }
    std::vector<std::string> args;
    for (const TPhrase& arg : args_) {
        args.push_back(arg.English());
    }
    return FillPlaceholders(EnglishForm(source_, count_), args);
}

std::ostream& operator<<(std::ostream& out, const TPhrase& phrase)
{
    return out << phrase.English();
}

TPhrase Joined(const std::vector<TPhrase>& parts, const char* pairTemplate)
{
    if (parts.empty()) {
        return {};
    }
    TPhrase joined = parts.back();
    for (std::size_t i = parts.size() - 1; i-- > 0;) {
        // No context: no catalogue holds the join, and it is shown as it is written.
        joined = TPhrase("", pairTemplate, {parts[i], joined});
    }
    return joined;
}
