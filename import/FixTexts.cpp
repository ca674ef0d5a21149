// What the fixes are called in the menu and what the panel says each did.
#include "import/ListFixes.h"

namespace {

std::string Rows(int n)
{
    return std::to_string(n) + (n == 1 ? " row" : " rows");
}

}  // namespace

std::string FixCaption(FixKind kind)
{
    switch (kind) {
        case FixKind::ColumnsFromHeading:
            return "Take the Columns from the Heading";
        case FixKind::SplitAtSemicolons:
            return "Split Rows at Semicolons";
        case FixKind::SplitAtTabs:
            return "Split Rows at Tabs";
        case FixKind::ReadQuotedFields:
            return "Read Quoted Fields";
        case FixKind::TrimBlanks:
            return "Trim Blanks";
        case FixKind::RemoveEmptyRows:
            return "Remove Empty Rows";
        case FixKind::RemoveHeadingRows:
            return "Remove the Heading Row";
        case FixKind::RemoveRepeatedRows:
            return "Remove Repeated Rows";
        case FixKind::RemoveStoredRows:
            return "Remove Rows Already Stored";
    }
    return {};
}

std::string FixMenuCaption(const TFixPlan& plan)
{
    return FixCaption(plan.kind) + " (" + std::to_string(plan.changed) + ")";
}

std::string FixOutcome(const TFixPlan& plan)
{
    const int n = plan.changed;
    std::string done;
    std::string why = ", its fields could not be placed";
    switch (plan.kind) {
        case FixKind::ColumnsFromHeading:
            done = "Columns taken from the heading: " + Rows(n);
            break;
        case FixKind::SplitAtSemicolons:
            done = "Split " + Rows(n) + " at semicolons";
            break;
        case FixKind::SplitAtTabs:
            done = "Split " + Rows(n) + " at tabs";
            break;
        case FixKind::ReadQuotedFields:
            done = "Read the quoted fields of " + Rows(n);
            break;
        case FixKind::TrimBlanks:
            done = "Trimmed the blanks of " + Rows(n);
            break;
        case FixKind::RemoveEmptyRows:
            done = "Removed " + std::to_string(n) + (n == 1 ? " empty row" : " empty rows");
            break;
        case FixKind::RemoveHeadingRows:
            done = "Removed " + std::to_string(n) + (n == 1 ? " heading row" : " heading rows");
            break;
        case FixKind::RemoveRepeatedRows:
            done = "Removed " + std::to_string(n) + (n == 1 ? " repeated row" : " repeated rows");
            why = plan.left == 1 ? ", its IDNum is on a row with other names"
                                 : ", their IDNums are on rows with other names";
            break;
        case FixKind::RemoveStoredRows:
            done = "Removed " + Rows(n) + " already stored";
            break;
    }
    if (plan.left > 0) {
        if (plan.kind != FixKind::RemoveRepeatedRows && plan.left > 1) {
            why = ", their fields could not be placed";
        }
        done += "; " + Rows(plan.left) + " left" + why;
    }
    return done;
}
