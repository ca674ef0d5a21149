#include "import/StoredStudents.h"

#include <QString>
#include <algorithm>

#include "store/engine/Database.h"
#include "store/engine/Session.h"
#include "store/list/Query.h"
#include "store/table/StudentListTable.h"

std::unordered_map<std::string, TStoredStudent> FindStoredStudents(
    TSession& session, const QString& databaseName, const std::vector<std::string>& idNums)
{
    std::unordered_map<std::string, TStoredStudent> stored;
    if (idNums.empty()) {
        return stored;
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
    query.Open();
    for (query.First(); !query.Eof(); query.Next()) {
        stored.emplace(query.FieldByName(QStringLiteral("studentid")).AsString(),
                       TStoredStudent{query.FieldByName(QStringLiteral("fname")).AsString(),
                                      query.FieldByName(QStringLiteral("lname")).AsString()});
    }
    query.Close();
    return stored;
}

void LookUpStoredStudents(TSession& session, const QString& databaseName, TListFindings& findings,
                          int row)
{
    std::vector<std::string> asked =
        row > 0 ? findings.IdNumsToLookUp(row) : findings.IdNumsToLookUp();
    if (asked.empty()) {
        return;
    }
    // No text holds a NUL on a server, and so no stored IDNum does.
    asked.erase(
        std::remove_if(asked.begin(), asked.end(),
                       [](const std::string& id) { return id.find('\0') != std::string::npos; }),
        asked.end());
    findings.Learn(asked, FindStoredStudents(session, databaseName, asked));
}
