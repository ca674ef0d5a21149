#include "import/StudentLine.h"

#include <cstdint>

StudentFields SplitStudentLine(const std::string& line)
{
    StudentFields fields;
    std::string rest = line;
    if (const auto comma = rest.find(','); comma != std::string::npos) {
        fields.idNum = rest.substr(0, comma);
        rest.erase(0, comma + 1);
    }
    if (const auto comma = rest.find(','); comma != std::string::npos) {
        fields.firstName = rest.substr(0, comma);
        rest.erase(0, comma + 1);
    }
    fields.lastName = std::move(rest);
    return fields;
}

bool IsValidUtf8(const std::string& bytes)
{
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
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
            return false;
        }
        if (n - i < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) {
                return false;
            }
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
        if (overlong || (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            return false;
        }
        i += length;
    }
    return true;
}

namespace {

// Windows-1252 at 0x80 to 0x9F; its five unassigned bytes keep their C1 control character, as
// Windows itself maps them, so that no byte is lost.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

}  // namespace

std::string DecodeCellText(const std::string& bytes)
{
    if (IsValidUtf8(bytes)) {
        return bytes;
    }
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        AppendUtf8(out, c >= 0x80 && c <= 0x9F ? kCp1252High[c - 0x80] : c);
    }
    return out;
}

std::string WithoutByteOrderMark(std::string firstLine)
{
    if (firstLine.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        firstLine.erase(0, 3);
    }
    return firstLine;
}
