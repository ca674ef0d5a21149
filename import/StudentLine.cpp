#include "import/StudentLine.h"

#include "textio/Utf8Text.h"

#include <cstdint>

StudentFieldViews SplitStudentLineViews(std::string_view line)
{
    StudentFieldViews fields;
    if (const auto comma = line.find(','); comma != std::string_view::npos) {
        fields.idNum = line.substr(0, comma);
        line.remove_prefix(comma + 1);
    }
    if (const auto comma = line.find(','); comma != std::string_view::npos) {
        fields.firstName = line.substr(0, comma);
        line.remove_prefix(comma + 1);
    }
    fields.lastName = line;
    return fields;
}

StudentFields SplitStudentLine(const std::string& line)
{
    const StudentFieldViews views = SplitStudentLineViews(line);
    return {std::string(views.idNum), std::string(views.firstName), std::string(views.lastName)};
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

std::string DecodeCellText(std::string_view bytes)
{
    if (IsValidUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        AppendUtf8(out, c >= 0x80 && c <= 0x9F ? kCp1252High[c - 0x80] : c);
    }
    return out;
}

std::string_view WithoutByteOrderMark(std::string_view firstLine)
{
    if (firstLine.substr(0, 3) == "\xEF\xBB\xBF") {
        firstLine.remove_prefix(3);
    }
    return firstLine;
}
