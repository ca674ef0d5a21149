// The name key and the sequence number. The key is at most two characters of each name, with
// only "A" to "Z" lower-cased, and valid text when the names are; the next sequence number is
// the stored one plus one whenever that fits a signed 32-bit integer, and an error otherwise.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "import/StudentKey.h"
#include "import/StudentLine.h"
#include "textio/Exception.h"
#include "textio/Utf8Text.h"

namespace {

// The first count characters, a character being a lead byte with its continuation bytes.
std::string Prefix(const std::string& text, int count)
{
    std::size_t end = 0;
    for (int taken = 0; taken < count && end < text.size(); ++taken) {
        do {
            ++end;
        } while (end < text.size() && (static_cast<unsigned char>(text[end]) >> 6) == 2);
    }
    return text.substr(0, end);
}

std::string AsciiLower(std::string text)
{
    for (char& c : text) {
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c | 0x20) : c;
    }
    return text;
}

void CheckSequence(const std::string& stored)
{
    // An integer is an optional minus and decimal digits; its value is clamped far outside the
    // 32-bit range, so that leading zeros and long numbers need no special case.
    bool integer = !stored.empty() && stored != "-";
    long double value = 0;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        if (c >= '0' && c <= '9') {
            value = std::min<long double>(value * 10 + (c - '0'), 1e12L);
        } else {
            integer = integer && i == 0 && c == '-';
        }
    }
    value = !stored.empty() && stored[0] == '-' ? -value : value;
    const bool fits = integer && value + 1 <= std::numeric_limits<std::int32_t>::max() &&
                      value + 1 >= std::numeric_limits<std::int32_t>::min();
    try {
        const int next = NextPSIDSequence(stored);
        FUZZ_CHECK(stored.empty() ? next == 1 : fits && (long double)next == value + 1);
    } catch (const Exception&) {
        FUZZ_CHECK(!stored.empty() && !fits);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string first = input.ConsumeRandomLengthString(16);
    const std::string last = input.ConsumeRandomLengthString(16);
    const std::string key = MakePSID(first, last);
    FUZZ_CHECK(key == AsciiLower(Prefix(first, 2)) + AsciiLower(Prefix(last, 2)));
    FUZZ_CHECK(Prefix(key, 4) == key);
    FUZZ_CHECK(!IsValidUtf8(first) || !IsValidUtf8(last) || IsValidUtf8(key));
    for (const char c : key) {
        FUZZ_CHECK(c < 'A' || c > 'Z');
    }
    CheckSequence(input.ConsumeRemainingBytesAsString());
    return 0;
}
