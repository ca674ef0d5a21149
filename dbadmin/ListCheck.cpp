#include "dbadmin/ListCheck.h"
#include "l10n/PhraseText.h"

#include <QTextStream>
#include <cstdio>

#include "import/ListFindings.h"
#include "import/ListFixes.h"
#include "toolkit/GridCells.h"

std::vector<int> EachLine(const TGridCells& cells)
{
    std::vector<int> lines;
    for (int r = 1; r < cells.RowCount(); ++r) {
        lines.push_back(r);
    }
    return lines;
}

int SkipStoredRows(TGridCells& cells, TListFindings& findings, std::vector<int>& lines)
{
    const TFixPlan plan = PlanFix(FixKind::RemoveStoredRows, cells, findings);
    ApplyGridEdit(cells, plan.edit);
    FollowGridEdit(lines, plan.edit);
    findings.Check(cells);
    return plan.changed;
}

void FixList(const QString& file, TGridCells& cells, TListFindings& findings,
             std::vector<int>& lines)
{
    QTextStream err(stderr);
    for (const TPhrase& done : FixWholeList(cells, findings, lines)) {
        err << file << ": " << Translated(done) << '\n';
    }
}

int ReportFindings(const QString& file, const TListFindings& findings,
                   const std::vector<int>& lines)
{
    QTextStream err(stderr);
    int marked = 0;
    for (int r = 1; r <= findings.Rows(); ++r) {
        const int line = std::size_t(r) <= lines.size() ? lines[std::size_t(r) - 1] : r;
        const std::vector<TFinding> found = findings.Of(r, "line");
        marked += found.empty() ? 0 : 1;
        for (const TFinding& finding : found) {
            err << file << ':' << line << ": " << Translated(finding.text) << '\n';
        }
    }
    err << file << ": " << Translated(findings.Summary("line")) << '\n';
    return marked;
}
