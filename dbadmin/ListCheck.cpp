#include "dbadmin/ListCheck.h"

#include <QTextStream>
#include <algorithm>
#include <cstdio>

#include "import/ListFindings.h"
#include "toolkit/GridCells.h"

int SkipStoredRows(TGridCells& cells, TListFindings& findings, std::vector<int>& lines)
{
    lines.clear();
    for (int r = 1; r < cells.RowCount(); ++r) {
        lines.push_back(r);
    }
    const std::vector<int> stored = findings.StoredRows();
    cells.RemoveRows(stored);
    for (auto it = stored.rbegin(); it != stored.rend(); ++it) {
        lines[std::size_t(*it - 1)] = 0;
    }
    lines.erase(std::remove(lines.begin(), lines.end(), 0), lines.end());
    findings.Check(cells);
    return int(stored.size());
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
            err << file << ':' << line << ": " << QString::fromStdString(finding.text) << '\n';
        }
    }
    err << file << ": " << QString::fromStdString(findings.Summary("line")) << '\n';
    return marked;
}
