// What the fixes are called in the menu and what the panel says each did.
#include "import/ListFixes.h"

namespace {

TPhrase Fix(const char* source, std::vector<TPhrase> args = {},
            std::optional<long long> count = std::nullopt)
{
    return TPhrase("Fixes", source, std::move(args), count);
}

}  // namespace

TPhrase FixCaption(FixKind kind)
{
    switch (kind) {
        case FixKind::ColumnsFromHeading:
            return Fix(QT_TRANSLATE_NOOP("Fixes", "Take the Columns from the Heading"));
        case FixKind::SplitAtSemicolons:
            return Fix(QT_TRANSLATE_NOOP("Fixes", "Split Rows at Semicolons"));
        case FixKind::SplitAtTabs:
            return Fix(QT_TRANSLATE_NOOP("Fixes", "Split Rows at Tabs"));
        case FixKind::ReadQuotedFields:
            return Fix(QT_TRANSLATE_NOOP("Fixes", "Read Quoted Fields"));
        case FixKind::TrimBlanks:
            return Fix(QT_TRANSLATE_NOOP("Fixes", "Trim Blanks"));
        case FixKind::RemoveEmptyRows:
            return Fix(QT_TRANSLATE_NOOP("Fixes", "Remove Empty Rows"));
        case FixKind::RemoveHeadingRows:
            return Fix(QT_TRANSLATE_NOOP("Fixes", "Remove the Heading Row"));
        case FixKind::RemoveRepeatedRows:
            return Fix(QT_TRANSLATE_NOOP("Fixes", "Remove Repeated Rows"));
        case FixKind::RemoveStoredRows:
            return Fix(QT_TRANSLATE_NOOP("Fixes", "Remove Rows Already Stored"));
    }
    return {};
}

TPhrase FixMenuCaption(const TFixPlan& plan)
{
    return Fix(QT_TRANSLATE_NOOP("Fixes", "%1 (%2)"),
               {FixCaption(plan.kind), std::to_string(plan.changed)});
}

TPhrase FixOutcome(const TFixPlan& plan)
{
    const long long n = plan.changed;
    TPhrase done;
    switch (plan.kind) {
        case FixKind::ColumnsFromHeading:
            done = Fix(QT_TRANSLATE_N_NOOP("Fixes", "Columns taken from the heading: %n row(s)"),
                       {}, n);
            break;
        case FixKind::SplitAtSemicolons:
            done = Fix(QT_TRANSLATE_N_NOOP("Fixes", "Split %n row(s) at semicolons"), {}, n);
            break;
        case FixKind::SplitAtTabs:
            done = Fix(QT_TRANSLATE_N_NOOP("Fixes", "Split %n row(s) at tabs"), {}, n);
            break;
        case FixKind::ReadQuotedFields:
            done = Fix(QT_TRANSLATE_N_NOOP("Fixes", "Read the quoted fields of %n row(s)"), {}, n);
            break;
        case FixKind::TrimBlanks:
            done = Fix(QT_TRANSLATE_N_NOOP("Fixes", "Trimmed the blanks of %n row(s)"), {}, n);
            break;
        case FixKind::RemoveEmptyRows:
            done = Fix(QT_TRANSLATE_N_NOOP("Fixes", "Removed %n empty row(s)"), {}, n);
            break;
        case FixKind::RemoveHeadingRows:
            done = Fix(QT_TRANSLATE_N_NOOP("Fixes", "Removed %n heading row(s)"), {}, n);
            break;
        case FixKind::RemoveRepeatedRows:
            done = Fix(QT_TRANSLATE_N_NOOP("Fixes", "Removed %n repeated row(s)"), {}, n);
            break;
        case FixKind::RemoveStoredRows:
            done = Fix(QT_TRANSLATE_N_NOOP("Fixes", "Removed %n row(s) already stored"), {}, n);
            break;
    }
    if (plan.left == 0) {
        return done;
    }
    const long long left = plan.left;
    if (plan.kind == FixKind::RemoveRepeatedRows) {
        return Fix(
            QT_TRANSLATE_N_NOOP("Fixes",
                                "%1; %n row(s) left, {its IDNum is on a row|their IDNums are "
                                "on rows} with other names"),
            {done}, left);
    }
    return Fix(
        QT_TRANSLATE_N_NOOP("Fixes", "%1; %n row(s) left, {its|their} fields could not be placed"),
        {done}, left);
}
