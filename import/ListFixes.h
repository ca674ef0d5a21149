#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "import/DelimitedLine.h"
#include "import/ListFindings.h"
#include "toolkit/GridEdit.h"

// The fixes an office worker would make to the rows a finding marks, in the order they are
// offered. Each reads the rows as they stand now, the user's corrections included, and never
// guesses: a row whose fields it cannot place stays as it is and keeps its mark.
enum class FixKind {
    ColumnsFromHeading,
    SplitAtSemicolons,
    SplitAtTabs,
    ReadQuotedFields,
    TrimBlanks,
    RemoveEmptyRows,
    RemoveHeadingRows,
    RemoveRepeatedRows,
    RemoveStoredRows,
};
inline constexpr FixKind kFixKinds[] = {
    FixKind::ColumnsFromHeading, FixKind::SplitAtSemicolons,  FixKind::SplitAtTabs,
    FixKind::ReadQuotedFields,   FixKind::TrimBlanks,         FixKind::RemoveEmptyRows,
    FixKind::RemoveHeadingRows,  FixKind::RemoveRepeatedRows, FixKind::RemoveStoredRows,
};

// What a fix would do to the list: its edit of the cells, how many rows that changes or
// removes (0: the fix does not apply), and how many rows with its finding it leaves.
struct TFixPlan {
    FixKind kind = FixKind::TrimBlanks;
    TGridEdit edit;
    int changed = 0;
    int left = 0;
};

TFixPlan PlanFix(FixKind kind, const TGridCells& cells, const TListFindings& findings);

// "Split Rows at Semicolons", and with the rows it changes, "Split Rows at Semicolons (7)".
TPhrase FixCaption(FixKind kind);
TPhrase FixMenuCaption(const TFixPlan& plan);
// What the fix did: "Split 7 rows at semicolons; 1 row left, its fields could not be placed".
TPhrase FixOutcome(const TFixPlan& plan);

// The first fix, in their order, that applies to a finding the cell shows.
std::optional<FixKind> FixForCell(int col, int row, const TGridCells& cells,
                                  const TListFindings& findings);

// A job's fixing: every fix that applies, in their order, but the removal of stored rows (a
// job leaves those out by choice, --skip-stored); the findings are checked again after each,
// and `lines` (each row's line in the file) follows the rows. Answers what each fix did.
std::vector<TPhrase> FixWholeList(TGridCells& cells, TListFindings& findings,
                                  std::vector<int>& lines);
