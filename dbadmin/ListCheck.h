#pragma once

#include <QString>
#include <vector>

class TGridCells;
class TListFindings;
class TSession;

// What the job's import does with the window's findings, before it stores anything.

// Leaves out the rows whose IDNum is stored (looked up in `findings`); answers how many went and
// fills `lines` with each kept row's line in the file.
int SkipStoredRows(TGridCells& cells, TListFindings& findings, std::vector<int>& lines);

// Tells each finding on standard error as FILE:LINE: text, then how many lines need a look;
// answers that number.
int ReportFindings(const QString& file, const TListFindings& findings,
                   const std::vector<int>& lines);
