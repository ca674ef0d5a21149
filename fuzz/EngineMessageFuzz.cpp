// The composition of an engine error's message: never empty; and where no entry's message holds
// a line break of its own, its lines are none empty, none blank at either end, and no two alike
// whatever their letter case.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "store/errors/EngineErrors.h"
#include "textio/Utf8Text.h"

namespace {

const int kCodes[] = {
    kErrUnknownDatabase, kErrCannotOpenDatabase, kErrGeneralSql, kErrTablePassword, 0, 0x1234};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos;
         at = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
}

bool Blank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int code = input.PickValueInArray(kCodes);
    std::vector<TDBError> errors(input.ConsumeIntegralInRange<std::size_t>(0, 5));
    bool breaks = false;
    for (TDBError& error : errors) {
        error.errorCode = input.PickValueInArray(kCodes);
        error.nativeError = input.ConsumeBool() ? input.ConsumeRandomLengthString(6) : "";
        error.message = input.ConsumeRandomLengthString(40);
        breaks = breaks || error.message.Text().find_first_of("\r\n") != std::string::npos;
    }
    const std::string message = ComposeEngineMessage(code, errors);
    FUZZ_CHECK(!message.empty());
    if (breaks || message.rfind("BDE error $", 0) == 0) {
        return 0;
    }
    const std::vector<std::string> lines = Lines(message);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        FUZZ_CHECK(!lines[i].empty());
        FUZZ_CHECK(!Blank(lines[i].front()) && !Blank(lines[i].back()));
        for (std::size_t j = 0; j < i; ++j) {
            FUZZ_CHECK(LowerCaseUtf8(lines[i]) != LowerCaseUtf8(lines[j]));
        }
    }
    return 0;
}
