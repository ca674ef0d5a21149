#include "import/StudentKey.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "textio/Exception.h"

namespace {

// The bytes of the first `count` UTF-8 characters of text (a stray byte counts as one).
std::string FirstCharacters(const std::string& text, int count)
{
    std::size_t end = 0;
    for (int taken = 0; taken < count && end < text.size(); ++taken) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
            ++end;
        }
    }
    return text.substr(0, end);
}

std::string LowerAsciiLetters(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        }
    }
    return text;
}

}  // namespace

std::string MakePSID(const std::string& firstName, const std::string& lastName)
{
    return LowerAsciiLetters(FirstCharacters(firstName, 2)) +
           LowerAsciiLetters(FirstCharacters(lastName, 2));
}

int NextPSIDSequence(const std::string& storedMaximum)
{
    if (storedMaximum.empty()) {
        return 1;
    }
    std::int64_t value = 0;
    const char* begin = storedMaximum.data();
    const char* end = begin + storedMaximum.size();
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || stop != end) {
        throw Exception(TPhrase(
            "StudentKey", QT_TRANSLATE_NOOP("StudentKey", "'%1' is not a valid integer value"),
            {storedMaximum}));
    }
    // A wrapped-around number would file the student under a negative sequence.
    // The next number must fit: the stored one may be one below the smallest.
    constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kSmallest = std::int64_t(std::numeric_limits<std::int32_t>::min()) - 1;
    if (value >= kLargest || value < kSmallest) {
        throw Exception(TPhrase("StudentKey", QT_TRANSLATE_NOOP("StudentKey", "Integer overflow")));
    }
    return static_cast<int>(value + 1);
}
