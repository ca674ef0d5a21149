#pragma once

#include <QString>
#include <vector>

class TGridCells;
class TListFindings;
class TSession;

// What the job's import does with the window's findings, before it stores anything.

// Each row's line in the file, as read.
std::vector<int> EachLine(const TGridCells& cells);

// Mends what the review grid's fixes mend, telling on standard error what each did as FILE: what;
// `lines` follows the rows.
void FixList(const QString& file, TGridCells& cells, TListFindings& findings,
             std::vector<int>& lines);

// Leaves out the rows whose IDNum is stored (looked up in `findings`), `lines` following them;
// answers how many went.
int SkipStoredRows(TGridCells& cells, TListFindings& findings, std::vector<int>& lines);

// Tells each finding on standard error as FILE:LINE: text, then how many lines need a look;
// answers that number.
int ReportFindings(const QString& file, const TListFindings& findings,
                   const std::vector<int>& lines);
