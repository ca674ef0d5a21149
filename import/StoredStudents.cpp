#include "import/StoredStudents.h"

#include <QString>
#include <algorithm>
#include <charconv>

#include "store/engine/Database.h"
#include "store/engine/Session.h"
#include "store/engine/SqlStatement.h"
#include "store/table/StudentListTable.h"

namespace {

// A list has at least this many rows before the table's size is asked first.
constexpr int kManyRows = 1000;

std::unordered_map<std::string, TStudentRecord> StudentsById(const TRows& rows)
{
    std::unordered_map<std::string, TStudentRecord> stored;
    for (int r = 0; r < rows.Count(); ++r) {
        TStudentRecord student;
        student.studentId = rows.Field(r, kStudentIdColumn).AsString();
        student.firstName = rows.Field(r, kFirstNameColumn).AsString();
        student.lastName = rows.Field(r, kLastNameColumn).AsString();
        stored.emplace(student.studentId, std::move(student));
    }
    return stored;
}

}  // namespace

long long CountStoredStudents(TSession& session, const QString& databaseName)
{
    const TRows counted = TSqlStatement(session, databaseName, CountStudentsStatement()).Read();
    const std::string& text = counted.Field(0, kStudentCountField).AsString();
    long long students = 0;
    std::from_chars(text.data(), text.data() + text.size(), students);
    return students;
}

std::unordered_map<std::string, TStudentRecord> FindStoredStudents(
    TSession& session, const QString& databaseName, const std::vector<std::string_view>& idNums)
{
    if (idNums.empty()) {
        return {};
    }
    const bool sqlite = session.OpenDatabase(databaseName).Alias().IsSqlite();
    TSqlStatement byId(session, databaseName, StoredStudentsByIdLines(sqlite));
    return StudentsById(byId.Read({StudentIdsParameter(idNums)}));
}

void LookUpStoredStudents(TSession& session, const QString& databaseName, TListFindings& findings,
                          int row)
{
    // A table that holds no more students than the list has rows is read whole: one pass over
    // it costs less than looking each IDNum up (an empty table, a school's first list).
    if (row == 0 && findings.Rows() >= kManyRows &&
        CountStoredStudents(session, databaseName) <= findings.Rows()) {
        findings.Learn(
            StudentsById(TSqlStatement(session, databaseName, StoredStudentsStatement()).Read()));
        return;
    }
    std::vector<std::string_view> asked =
        row > 0 ? findings.IdNumsToLookUp(row) : findings.IdNumsToLookUp();
    if (asked.empty()) {
        return;
    }
    // No text holds a NUL on a server, and so no stored IDNum does.
    asked.erase(
        std::remove_if(asked.begin(), asked.end(),
                       [](std::string_view id) { return id.find('\0') != std::string_view::npos; }),
        asked.end());
    findings.Learn(FindStoredStudents(session, databaseName, asked), row);
}
