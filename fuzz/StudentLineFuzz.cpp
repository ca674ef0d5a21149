// The student line splitter and the cell decoding: the fields give back the line, the first two
// never hold a comma, and decoding keeps valid UTF-8 as it is and makes everything else valid;
// the findings of the line's row point at its own cells, each with a text, in order of kind,
// and their kinds are those the list is checked by.
#include <algorithm>
#include <cstdint>
#include <string>

#include "export/StudentLineFormat.h"
#include "fuzz/FuzzCheck.h"
#include "import/StudentFindings.h"
#include "import/StudentLine.h"
#include "textio/Utf8Text.h"

namespace {

void CheckSplit(const std::string& line)
{
    const StudentFields f = SplitStudentLine(line);
    FUZZ_CHECK(f.idNum.find(',') == std::string::npos);
    FUZZ_CHECK(f.firstName.find(',') == std::string::npos);
    const auto commas = std::count(line.begin(), line.end(), ',');
    if (commas == 0) {
        FUZZ_CHECK(f.idNum.empty() && f.firstName.empty() && f.lastName == line);
    } else if (commas == 1) {
        FUZZ_CHECK(f.firstName.empty() && f.idNum + "," + f.lastName == line);
    } else {
        FUZZ_CHECK(FormatStudentLine(f.idNum, f.firstName, f.lastName) == line);
    }
    const std::vector<TFinding> found = RowFindings(f);
    // The kinds a whole list is checked by are the kinds whose texts are shown.
    unsigned kinds = 0;
    for (const TFinding& finding : found) {
        kinds |= KindBit(finding.kind);
    }
    FUZZ_CHECK(kinds == RowFindingKinds({f.idNum, f.firstName, f.lastName}));
    for (std::size_t i = 0; i < found.size(); ++i) {
        FUZZ_CHECK(found[i].column >= kWholeRow && found[i].column <= 2 &&
                   !found[i].text.English().empty());
        FUZZ_CHECK(i == 0 || found[i - 1].kind <= found[i].kind);
    }
    // A line that is one student's three plain fields has nothing to say.
    FUZZ_CHECK(!found.empty() || (!f.idNum.empty() && !f.firstName.empty() && !f.lastName.empty()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);
    CheckSplit(line);
    const std::string cell = DecodeCellText(line);
    FUZZ_CHECK(IsValidUtf8(cell));
    FUZZ_CHECK(!IsValidUtf8(line) || cell == line);
    FUZZ_CHECK(std::count(cell.begin(), cell.end(), ',') ==
               std::count(line.begin(), line.end(), ','));
    CheckSplit(cell);
    const std::string bare(WithoutByteOrderMark(line));
    FUZZ_CHECK(bare == line || "\xEF\xBB\xBF" + bare == line);
    return 0;
}
