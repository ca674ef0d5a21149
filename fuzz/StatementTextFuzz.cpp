// The statement parameter parser against a second, independent one: a character-by-character
// state machine over quotes and comments. Both must agree on the text and the parameters.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "store/engine/StatementText.h"

namespace {

bool NameStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool NameChar(char c)
{
    return NameStart(c) || (c >= '0' && c <= '9');
}

ParsedStatement ModelParse(const std::string& sql)
{
    enum class In { Text, Single, Double, LineComment, BlockComment };
    ParsedStatement out;
    In state = In::Text;
    const std::size_t n = sql.size();
    for (std::size_t i = 0; i < n; ++i) {
        const char c = sql[i];
        const char next = i + 1 < n ? sql[i + 1] : '\0';
        switch (state) {
            case In::Text:
                if (c == '\'') {
                    state = In::Single;
                } else if (c == '"') {
                    state = In::Double;
                } else if (c == '-' && next == '-') {
                    state = In::LineComment;
                } else if (c == '/' && next == '*') {
                    out.text += "/*";
                    ++i;
                    state = In::BlockComment;
                    continue;
                } else if (c == ':' && next == ':') {
                    out.text += "::";
                    ++i;
                    continue;
                } else if (c == ':' && NameStart(next)) {
                    std::string name;
                    while (i + 1 < n && NameChar(sql[i + 1])) {
                        name += sql[++i];
                    }
                    out.parameters.push_back(name);
                    out.text += '?';
                    continue;
                }
                break;
            case In::Single:
                state = c == '\'' ? In::Text : state;
                break;
            case In::Double:
                state = c == '"' ? In::Text : state;
                break;
            case In::LineComment:
                state = next == '\n' ? In::Text : state;
                break;
            case In::BlockComment:
                if (c == '*' && next == '/') {
                    out.text += "*/";
                    ++i;
                    state = In::Text;
                    continue;
                }
                break;
        }
        out.text += c;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string sql(reinterpret_cast<const char*>(data), size);
    const ParsedStatement parsed = ParseStatementParameters(sql);
    const ParsedStatement model = ModelParse(sql);
    FUZZ_CHECK(parsed.text == model.text);
    FUZZ_CHECK(parsed.parameters == model.parameters);
    return 0;
}
