#include "import/StudentLine.h"

#include "textio/Utf8Text.h"

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

namespace {

// Windows-1252 at 0x80 to 0x9F; its five unassigned bytes keep their C1 control character, as
// Windows itself maps them, so that no byte is lost.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

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
