#include "import/StoredStudents.h"

#include <QString>
#include <algorithm>
#include <charconv>

#include "store/engine/Database.h"
#include "store/engine/Session.h"
#include "store/list/Query.h"
#include "store/table/StudentListTable.h"

namespace {

// A list has at least this many rows before the table's size is asked first.
constexpr int kManyRows = 1000;

std::unordered_map<std::string, TStoredStudent> ReadStudents(TQuery& query)
{
    std::unordered_map<std::string, TStoredStudent> stored;
    query.Open();
    for (query.First(); !query.Eof(); query.Next()) {
        stored.emplace(query.FieldByName(QStringLiteral("studentid")).AsString(),
                       TStoredStudent{query.FieldByName(QStringLiteral("fname")).AsString(),
                                      query.FieldByName(QStringLiteral("lname")).AsString()});
    }
    query.Close();
    return stored;
}

}  // namespace

long long CountStoredStudents(TSession& session, const QString& databaseName)
{
    TQuery count(session);
    count.databaseName = databaseName;
    count.sql << QString::fromStdString(CountStudentsStatement());
    count.Open();
    const std::string& text = count.FieldByName(QStringLiteral("students")).AsString();
    long long students = 0;
    std::from_chars(text.data(), text.data() + text.size(), students);
    count.Close();
    return students;
}

std::unordered_map<std::string, TStoredStudent> FindStoredStudents(
    TSession& session, const QString& databaseName, const std::vector<std::string_view>& idNums)
{
    if (idNums.empty()) {
        return {};
    }
    TQuery query(session);
    query.databaseName = databaseName;
    const bool sqlite =
        session.OpenDatabase(databaseName).Handle().driverName() == QLatin1String("QSQLITE");
    for (const std::string& line : StoredStudentsByIdLines(sqlite)) {
        query.sql << QString::fromStdString(line);
    }
    query.Prepare();
    query.SetParamText(0, StudentIdsParameter(idNums));
    return ReadStudents(query);
}

void LookUpStoredStudents(TSession& session, const QString& databaseName, TListFindings& findings,
                          int row)
{
    // A table that holds no more students than the list has rows is read whole: one pass over
    // it costs less than looking each IDNum up (an empty table, a school's first list).
    if (row == 0 && findings.Rows() >= kManyRows &&
        CountStoredStudents(session, databaseName) <= findings.Rows()) {
        TQuery all(session);
        all.databaseName = databaseName;
        all.sql << QString::fromStdString(StoredStudentsStatement());
        findings.Learn(ReadStudents(all));
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
