#include "textio/Utf8Text.h"

#include <locale.h>
#include <wctype.h>

#include <cstdint>

namespace {

// The decoded character at text[at] and its length; length 0 for a byte that starts no valid
// character.
struct Decoded {
    std::uint32_t cp = 0;
    std::size_t length = 0;
};

Decoded DecodeAt(std::string_view text, std::size_t at)
{
    const auto c = static_cast<unsigned char>(text[at]);
    if (c < 0x80) {
        return {c, 1};
    }
    std::size_t length;
    std::uint32_t cp;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        cp = c & 0x07;
    } else {
        return {};
    }
    if (text.size() - at < length) {
        return {};
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) {
            return {};
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    if (overlong || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
        return {};
    }
    return {cp, length};
}

// The C.UTF-8 locale carries the Unicode case tables without any language's own rules; glibc
// ships it with every installation. Without it only ASCII letters change case.
locale_t UnicodeCType()
{
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(nullptr));
    return locale;
}

std::uint32_t ToLower(std::uint32_t cp)
{
    if (const locale_t locale = UnicodeCType()) {
        return static_cast<std::uint32_t>(towlower_l(static_cast<wint_t>(cp), locale));
    }
    return cp >= 'A' && cp <= 'Z' ? cp + ('a' - 'A') : cp;
}

}  // namespace

std::string LowerCaseUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Decoded d = DecodeAt(text, i);
        if (d.length == 0) {
            out.push_back(text[i]);
            ++i;
            continue;
        }
        AppendUtf8(out, ToLower(d.cp));
        i += d.length;
    }
    return out;
}

std::size_t FirstCharacterLength(std::string_view text)
{
    if (text.empty()) {
        return 0;
    }
    const Decoded d = DecodeAt(text, 0);
    return d.length == 0 ? 1 : d.length;
}

void AppendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const Decoded d = DecodeAt(bytes, i);
        if (d.length == 0) {
            return false;
        }
        i += d.length;
    }
    return true;
}
