#include "import/ListFixes.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "toolkit/GridCells.h"

namespace {

StudentFieldViews ViewsOf(const TGridCells& cells, int row)
{
    return {cells.Cell(0, row), cells.Cell(1, row), cells.Cell(2, row)};
}

bool Same(const StudentFieldViews& row, const StudentFields& fields)
{
    return row.idNum == fields.idNum && row.firstName == fields.firstName &&
           row.lastName == fields.lastName;
}

std::optional<StudentFields> ThreeFields(std::optional<std::vector<std::string>> fields)
{
    if (!fields || fields->size() != 3) {
        return std::nullopt;
    }
    return StudentFields{std::move((*fields)[0]), std::move((*fields)[1]), std::move((*fields)[2])};
}

// What a fix is made of: the rows it writes, then the rows it removes.
class PlanBuilder {
public:
    explicit PlanBuilder(FixKind kind) { plan_.kind = kind; }
    void Set(int row, StudentFields fields)
    {
        sets_.rows.push_back(
            {row,
             {std::move(fields.idNum), std::move(fields.firstName), std::move(fields.lastName)}});
    }
    void Remove(int row) { removes_.rows.push_back({row, {}}); }
    void Leave() { ++plan_.left; }
    // A row with the finding that the fix mends by the fields given, or else leaves.
    void SetOrLeave(int row, const StudentFieldViews& now, std::optional<StudentFields> fields)
    {
        if (!fields || Same(now, *fields)) {
            Leave();
        } else {
            Set(row, std::move(*fields));
        }
    }
    int Sets() const { return int(sets_.rows.size()); }
    TFixPlan Done()
    {
        plan_.changed = int(sets_.rows.size() + removes_.rows.size());
        sets_.kind = TGridEditStep::Kind::Set;
        removes_.kind = TGridEditStep::Kind::Remove;
        for (TGridEditStep* step : {&sets_, &removes_}) {
            if (!step->rows.empty()) {
                plan_.edit.steps.push_back(std::move(*step));
            }
        }
        return std::move(plan_);
    }

private:
    TFixPlan plan_;
    TGridEditStep sets_;
    TGridEditStep removes_;
};

TFixPlan ColumnsFromHeading(const TGridCells& cells, const TListFindings& findings)
{
    PlanBuilder plan(FixKind::ColumnsFromHeading);
    std::optional<char> named;
    std::optional<THeading> heading;
    int r = 1;
    for (; r <= findings.Rows() && !heading; ++r) {
        if (!findings.Has(r, FindingKind::Heading)) {
            continue;
        }
        const StudentFieldViews row = ViewsOf(cells, r);
        if (const std::optional<char> separator = SeparatorLine(row)) {
            named = separator;
            plan.Remove(r);
        } else if ((heading = ReadHeading(RejoinStudentLine(row), named))) {
            plan.Remove(r);
        }
    }
    if (!heading) {
        return {};
    }
    for (; r <= findings.Rows(); ++r) {
        if (findings.Has(r, FindingKind::EmptyLine)) {
            continue;  // an empty line is no student under any heading
        }
        const StudentFieldViews row = ViewsOf(cells, r);
        std::optional<StudentFields> fields = FieldsUnderHeading(RejoinStudentLine(row), *heading);
        if (!fields) {
            plan.Leave();
        } else if (!Same(row, *fields)) {
            plan.Set(r, std::move(*fields));
        }
    }
    // Rows that read as they stand under it need no heading of their own: removing it is
    // the heading row's fix.
    return plan.Sets() == 0 ? TFixPlan{} : plan.Done();
}

TFixPlan SplitAt(FixKind kind, char separator, const TGridCells& cells,
                 const TListFindings& findings)
{
    PlanBuilder plan(kind);
    for (int r = 1; r <= findings.Rows(); ++r) {
        if (!findings.Has(r, FindingKind::OtherSeparator)) {
            continue;
        }
        const StudentFieldViews row = ViewsOf(cells, r);
        // The line holds semicolons and tabs alike: the semicolons are its separator.
        const bool semicolons = row.lastName.find(';') != std::string_view::npos;
        if (semicolons != (separator == ';')) {
            continue;
        }
        plan.SetOrLeave(r, row, ThreeFields(SplitDelimited(row.lastName, separator)));
    }
    return plan.Done();
}

TFixPlan ReadQuotedFields(const TGridCells& cells, const TListFindings& findings)
{
    PlanBuilder plan(FixKind::ReadQuotedFields);
    for (int r = 1; r <= findings.Rows(); ++r) {
        const StudentFieldViews row = ViewsOf(cells, r);
        const bool quotedComma = findings.Has(r, FindingKind::ExtraComma) &&
                                 row.lastName.find('"') != std::string_view::npos;
        if (findings.Has(r, FindingKind::Quoted) || quotedComma) {
            plan.SetOrLeave(r, row, ThreeFields(SplitDelimited(RejoinStudentLine(row), ',')));
        }
    }
    return plan.Done();
}

TFixPlan TrimBlanks(const TGridCells& cells, const TListFindings& findings)
{
    PlanBuilder plan(FixKind::TrimBlanks);
    for (int r = 1; r <= findings.Rows(); ++r) {
        if (findings.Has(r, FindingKind::Blanks)) {
            const StudentFieldViews row = ViewsOf(cells, r);
            plan.SetOrLeave(r, row,
                            StudentFields{std::string(WithoutStrayBlanks(row.idNum)),
                                          std::string(WithoutStrayBlanks(row.firstName)),
                                          std::string(WithoutStrayBlanks(row.lastName))});
        }
    }
    return plan.Done();
}

TFixPlan RemoveMarked(FixKind kind, FindingKind finding, const TListFindings& findings)
{
    PlanBuilder plan(kind);
    for (int r = 1; r <= findings.Rows(); ++r) {
        if (findings.Has(r, finding)) {
            plan.Remove(r);
        }
    }
    return plan.Done();
}

TFixPlan RemoveRepeatedRows(const TGridCells& cells, const TListFindings& findings)
{
    PlanBuilder plan(FixKind::RemoveRepeatedRows);
    std::unordered_set<std::string> seen;
    std::unordered_map<std::string, int> kept;  // rows of each repeated IDNum that stay
    for (int r = 1; r <= findings.Rows(); ++r) {
        if (!findings.Has(r, FindingKind::RepeatedIdNum)) {
            continue;
        }
        const StudentFieldViews row = ViewsOf(cells, r);
        std::string whole = RejoinStudentLine(row);
        whole += '\n';  // apart from any line's text
        whole += row.idNum;
        if (!seen.insert(std::move(whole)).second) {
            plan.Remove(r);
        } else {
            ++kept[std::string(row.idNum)];
        }
    }
    for (const auto& [id, rows] : kept) {
        if (rows > 1) {
            for (int i = 0; i < rows; ++i) {
                plan.Leave();
            }
        }
    }
    return plan.Done();
}

TFixPlan RemoveStoredRows(const TListFindings& findings)
{
    PlanBuilder plan(FixKind::RemoveStoredRows);
    for (const int r : findings.StoredRows()) {
        plan.Remove(r);
    }
    return plan.Done();
}

}  // namespace

TFixPlan PlanFix(FixKind kind, const TGridCells& cells, const TListFindings& findings)
{
    switch (kind) {
        case FixKind::ColumnsFromHeading:
            return ColumnsFromHeading(cells, findings);
        case FixKind::SplitAtSemicolons:
            return SplitAt(kind, ';', cells, findings);
        case FixKind::SplitAtTabs:
            return SplitAt(kind, '\t', cells, findings);
        case FixKind::ReadQuotedFields:
            return ReadQuotedFields(cells, findings);
        case FixKind::TrimBlanks:
            return TrimBlanks(cells, findings);
        case FixKind::RemoveEmptyRows:
            return RemoveMarked(kind, FindingKind::EmptyLine, findings);
        case FixKind::RemoveHeadingRows:
            return RemoveMarked(kind, FindingKind::Heading, findings);
        case FixKind::RemoveRepeatedRows:
            return RemoveRepeatedRows(cells, findings);
        case FixKind::RemoveStoredRows:
            return RemoveStoredRows(findings);
    }
    return {};
}

std::optional<FixKind> FixForCell(int col, int row, const TGridCells& cells,
                                  const TListFindings& findings)
{
    unsigned kinds = 0;
    for (const TFinding& finding : findings.Of(row)) {
        if (finding.column == col || finding.column == kWholeRow) {
            kinds |= KindBit(finding.kind);
        }
    }
    const auto mends = [](FixKind fix) -> unsigned {
        switch (fix) {
            case FixKind::ColumnsFromHeading:
            case FixKind::RemoveHeadingRows:
                return KindBit(FindingKind::Heading);
            case FixKind::SplitAtSemicolons:
            case FixKind::SplitAtTabs:
                return KindBit(FindingKind::OtherSeparator);
            case FixKind::ReadQuotedFields:
                return KindBit(FindingKind::Quoted) | KindBit(FindingKind::ExtraComma);
            case FixKind::TrimBlanks:
                return KindBit(FindingKind::Blanks);
            case FixKind::RemoveEmptyRows:
                return KindBit(FindingKind::EmptyLine);
            case FixKind::RemoveRepeatedRows:
                return KindBit(FindingKind::RepeatedIdNum);
            case FixKind::RemoveStoredRows:
                return KindBit(FindingKind::AlreadyStored) |
                       KindBit(FindingKind::StoredForAnotherName);
        }
        return 0;
    };
    for (const FixKind fix : kFixKinds) {
        if ((mends(fix) & kinds) == 0) {
            continue;
        }
        const TFixPlan plan = PlanFix(fix, cells, findings);
        const auto touches = [row](const TGridEditStep& step) {
            return std::any_of(step.rows.begin(), step.rows.end(),
                               [row](const TGridRow& r) { return r.row == row; });
        };
        // The fix mends this row, or (a repeat's first row) the rows that repeat it.
        if (plan.changed > 0 &&
            (fix == FixKind::RemoveRepeatedRows ||
             std::any_of(plan.edit.steps.begin(), plan.edit.steps.end(), touches))) {
            return fix;
        }
    }
    return std::nullopt;
}

std::vector<TPhrase> FixWholeList(TGridCells& cells, TListFindings& findings,
                                  std::vector<int>& lines)
{
    std::vector<TPhrase> outcomes;
    for (const FixKind kind : kFixKinds) {
        if (kind == FixKind::RemoveStoredRows) {
            continue;
        }
        const TFixPlan plan = PlanFix(kind, cells, findings);
        if (plan.changed == 0) {
            continue;
        }
        ApplyGridEdit(cells, plan.edit);
        FollowGridEdit(lines, plan.edit);
        findings.Check(cells);
        outcomes.push_back(FixOutcome(plan));
    }
    return outcomes;
}
