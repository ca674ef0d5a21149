#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
std::string FixCaption(FixKind kind);
std::string FixMenuCaption(const TFixPlan& plan);
// What the fix did: "Split 7 rows at semicolons; 1 row left, its fields could not be placed".
std::string FixOutcome(const TFixPlan& plan);

// The first fix, in their order, that applies to a finding the cell shows.
std::optional<FixKind> FixForCell(int col, int row, const TGridCells& cells,
                                  const TListFindings& findings);

// A line's fields as RFC 4180 reads them at `separator`: a field in double quotes loses them,
// its doubled quotes are one, separators inside it stay; blanks around a quoted field go. An
// unquoted field is taken as it stands. None for a quote that is not closed, or text after one.
std::optional<std::vector<std::string>> SplitDelimited(std::string_view line, char separator);
// The line a row was read from, as far as its cells tell: the fields joined by commas, and a
// line that had none whole.
std::string RejoinStudentLine(const StudentFieldViews& row);

// Where a heading row names the columns.
struct THeading {
    char separator = ',';
    std::size_t columns = 0;
    std::size_t idNum = 0;
    std::size_t firstName = 0;
    std::size_t lastName = 0;
};
// The heading a line is, read at the separator named (by a "sep=" line) or else at the first of
// comma, semicolon and tab that names all three columns.
std::optional<THeading> ReadHeading(std::string_view line, std::optional<char> separator);
// A row read under the heading; none unless it has the heading's number of fields.
std::optional<StudentFields> FieldsUnderHeading(std::string_view line, const THeading& heading);

// A job's fixing: every fix that applies, in their order, but the removal of stored rows (a
// job leaves those out by choice, --skip-stored); the findings are checked again after each,
// and `lines` (each row's line in the file) follows the rows. Answers what each fix did.
std::vector<std::string> FixWholeList(TGridCells& cells, TListFindings& findings,
                                      std::vector<int>& lines);
