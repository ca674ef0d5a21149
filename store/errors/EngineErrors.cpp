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

constexpr CodeDescription kDescriptions[] = {
    {kErrUnknownDatabase, "Unknown database."},
    {kErrConfigUnreadable, "Cannot read the alias configuration."},
    {kErrDriverMissing, "Database driver not available."},
    {kErrNotInitialized, "Database engine not initialized."},
    {kErrAliasUnusable, "The alias cannot be used as it is defined."},
    {kErrKeyViolation, "Key violation."},
    {kErrTablePassword, "Table password required."},
    {kErrCannotOpenDatabase, "Cannot open database."},
    {kErrParameterIndex, "Parameter index out of range."},
    {kErrNoResult, "Statement returns no result."},
    {kErrGeneralSql, "General SQL error."},
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

std::string EngineErrorDescription(int code)
{
    for (const auto& entry : kDescriptions) {
        if (entry.code == code) {
            return entry.description;
        }
    }
    return {};
}

std::string ComposeEngineMessage(int errorCode, const std::vector<TDBError>& errors)
{
    std::vector<std::string> lines;
    std::vector<std::string> seen;
    auto add = [&](const std::string& line) {
        if (line.empty()) {
            return;
        }
        const std::string key = LowerCaseUtf8(line);
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
        // A message of several lines (a server's detail, what to do) is that many lines, each
        // ended as the others are.
        const std::string message = Trimmed(error.message);
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
        return "BDE error $" + Hex4(errorCode);
    }
    std::string message = lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) {
        message += "\r\n" + lines[i];
    }
    return message;
}

std::string EngineInitFailureMessage(int errorCode)
{
    return "An error occurred while attempting to initialize the database engine (error $" +
           Hex4(errorCode) + ")";
}

EDBEngineError::EDBEngineError(int errorCode, std::vector<TDBError> errors)
    : EDatabaseError(ComposeEngineMessage(errorCode, errors)),
      errorCode_(errorCode),
      errors_(std::move(errors))
{
}

EDBEngineError::EDBEngineError(int errorCode, std::string message)
    : EDatabaseError(std::move(message)), errorCode_(errorCode)
{
}

EDBEngineError EDBEngineError::InitFailure(int errorCode, const std::string& cause)
{
    return EDBEngineError(errorCode, cause.empty()
                                         ? EngineInitFailureMessage(errorCode)
                                         : EngineInitFailureMessage(errorCode) + "\r\n" + cause);
}
