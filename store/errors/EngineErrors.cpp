#include "store/errors/EngineErrors.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "textio/Utf8Text.h"

namespace {

struct CodeDescription {
    int code;
    const char* description;
};

constexpr const char* kContext = "EngineErrors";

constexpr CodeDescription kDescriptions[] = {
    {kErrUnknownDatabase, QT_TRANSLATE_NOOP("EngineErrors", "Unknown database.")},
    {kErrConfigUnreadable,
     QT_TRANSLATE_NOOP("EngineErrors", "Cannot read the alias configuration.")},
    {kErrDriverMissing, QT_TRANSLATE_NOOP("EngineErrors", "Database driver not available.")},
    {kErrNotInitialized, QT_TRANSLATE_NOOP("EngineErrors", "Database engine not initialized.")},
    {kErrAliasUnusable,
     QT_TRANSLATE_NOOP("EngineErrors", "The alias cannot be used as it is defined.")},
    {kErrKeyViolation, QT_TRANSLATE_NOOP("EngineErrors", "Key violation.")},
    {kErrTablePassword, QT_TRANSLATE_NOOP("EngineErrors", "Table password required.")},
    {kErrCannotOpenDatabase, QT_TRANSLATE_NOOP("EngineErrors", "Cannot open database.")},
    {kErrParameterIndex, QT_TRANSLATE_NOOP("EngineErrors", "Parameter index out of range.")},
    {kErrNoResult, QT_TRANSLATE_NOOP("EngineErrors", "Statement returns no result.")},
    {kErrGeneralSql, QT_TRANSLATE_NOOP("EngineErrors", "General SQL error.")},
};

std::string Trimmed(const std::string& text)
{
    const auto isBlank = [](unsigned char c) { return std::isspace(c) != 0; };
    auto begin = std::find_if_not(text.begin(), text.end(), isBlank);
    auto end = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return begin < end ? std::string(begin, end) : std::string();
}

std::string Hex4(int code)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.4X", static_cast<unsigned>(code) & 0xFFFFu);
    return text;
}

}  // namespace

TPhrase EngineErrorDescription(int code)
{
    for (const auto& entry : kDescriptions) {
        if (entry.code == code) {
            return TPhrase(kContext, entry.description);
        }
    }
    return {};
}

TPhrase ComposeEnginePhrase(int errorCode, const std::vector<TDBError>& errors)
{
    std::vector<TPhrase> lines;
    std::vector<std::string> seen;
    auto add = [&](const TPhrase& line) {
        const std::string english = line.English();
        if (english.empty()) {
            return;
        }
        const std::string key = LowerCaseUtf8(english);
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) {
            return;
        }
        seen.push_back(key);
        lines.push_back(line);
    };
    add(EngineErrorDescription(errorCode));
    for (const TDBError& error : errors) {
        if (error.nativeError.empty()) {
            add(EngineErrorDescription(error.errorCode));
        }
        if (!error.message.Verbatim()) {
            add(error.message);
            continue;
        }
        // A message of several lines (a server's detail, what to do) is that many lines, each
        // ended as the others are.
        const std::string message = Trimmed(error.message.Text());
        std::size_t start = 0;
        while (start <= message.size()) {
            std::size_t end = message.find('\n', start);
            end = end == std::string::npos ? message.size() : end;
            std::string line = message.substr(start, end - start);
            while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) {
                line.pop_back();
            }
            add(line);
            start = end + 1;
        }
    }
    if (lines.empty()) {
        return TPhrase(kContext, QT_TRANSLATE_NOOP("EngineErrors", "BDE error $%1"),
                       {Hex4(errorCode)});
    }
    return Joined(lines, "%1\r\n%2");
}

std::string ComposeEngineMessage(int errorCode, const std::vector<TDBError>& errors)
{
    return ComposeEnginePhrase(errorCode, errors).English();
}

TPhrase EngineInitFailurePhrase(int errorCode)
{
    return TPhrase(kContext,
                   QT_TRANSLATE_NOOP("EngineErrors",
                                     "An error occurred while attempting to initialize the "
                                     "database engine (error $%1)"),
                   {Hex4(errorCode)});
}

EDBEngineError::EDBEngineError(int errorCode, std::vector<TDBError> errors)
    : EDatabaseError(ComposeEnginePhrase(errorCode, errors)),
      errorCode_(errorCode),
      errors_(std::move(errors))
{
}

EDBEngineError::EDBEngineError(int errorCode, TPhrase message)
    : EDatabaseError(std::move(message)), errorCode_(errorCode)
{
}

EDBEngineError EDBEngineError::InitFailure(int errorCode, const TPhrase& cause)
{
    if (cause.Empty()) {
        return EDBEngineError(errorCode, EngineInitFailurePhrase(errorCode));
    }
    return EDBEngineError(errorCode,
                          Joined({EngineInitFailurePhrase(errorCode), cause}, "%1\r\n%2"));
}
