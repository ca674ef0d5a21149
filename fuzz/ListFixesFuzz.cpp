// The review grid's fixes on any list: each one's edit keeps the rows it does not touch, takes
// away only rows its finding marks, and is taken back to the very cells it was made on; a line
// RFC 4180 reads gives the same fields once they are written back as it writes them.
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "import/ListFixes.h"
#include "toolkit/GridCells.h"

namespace {

std::string Quoted(const std::string& field)
{
    std::string out = "\"";
    for (const char c : field) {
        out += c == '"' ? "\"\"" : std::string(1, c);
    }
    return out + "\"";
}

void CheckDelimited(const std::string& line, char separator)
{
    const auto fields = SplitDelimited(line, separator);
    if (!fields) {
        return;
    }
    FUZZ_CHECK(!fields->empty());
    std::string written;
    for (std::size_t i = 0; i < fields->size(); ++i) {
        written += (i ? std::string(1, separator) : std::string()) + Quoted((*fields)[i]);
    }
    FUZZ_CHECK(SplitDelimited(written, separator) == fields);
}

std::vector<std::string> Held(const TGridCells& cells)
{
    std::vector<std::string> held;
    for (int r = 0; r < cells.RowCount(); ++r) {
        for (int c = 0; c < 3; ++c) {
            held.emplace_back(cells.Cell(c, r));
        }
    }
    return held;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    for (std::size_t at = 0; at <= bytes.size() && lines.size() < 64;) {
        const std::size_t end = std::min(bytes.find('\n', at), bytes.size());
        lines.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    TGridCells cells(3, int(lines.size()) + 1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        CheckDelimited(lines[i], ',');
        CheckDelimited(lines[i], ';');
        const StudentFields f = SplitStudentLine(lines[i]);
        cells.SetCell(0, int(i) + 1, f.idNum);
        cells.SetCell(1, int(i) + 1, f.firstName);
        cells.SetCell(2, int(i) + 1, f.lastName);
    }
    TListFindings findings;
    findings.Check(cells);
    const std::vector<std::string> before = Held(cells);
    for (const FixKind kind : kFixKinds) {
        const TFixPlan plan = PlanFix(kind, cells, findings);
        FUZZ_CHECK(plan.changed >= 0 && plan.left >= 0);
        FUZZ_CHECK((plan.changed == 0) == plan.edit.Empty());
        for (const TGridEditStep& step : plan.edit.steps) {
            FUZZ_CHECK(step.kind != TGridEditStep::Kind::Insert);
            for (std::size_t i = 0; i < step.rows.size(); ++i) {
                FUZZ_CHECK(step.rows[i].row >= 1 && step.rows[i].row < cells.RowCount());
                FUZZ_CHECK(i == 0 || step.rows[i - 1].row < step.rows[i].row);
                // A row goes only for what marks it.
                FUZZ_CHECK(step.kind != TGridEditStep::Kind::Remove ||
                           findings.Marked(step.rows[i].row));
            }
        }
        TGridCells fixed = cells;
        const TGridEdit back = ApplyGridEdit(fixed, plan.edit);
        ApplyGridEdit(fixed, back);
        FUZZ_CHECK(Held(fixed) == before);
    }
    std::vector<int> numbers;
    for (int r = 1; r < cells.RowCount(); ++r) {
        numbers.push_back(r);
    }
    FixWholeList(cells, findings, numbers);
    FUZZ_CHECK(int(numbers.size()) == cells.RowCount() - 1);
    return 0;
}
