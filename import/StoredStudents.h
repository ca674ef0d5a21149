#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "import/ListFindings.h"

class QString;
class TSession;

// The students stored in StudentList under the IDNums given, by IDNum, over the named
// connection (others may be among them).
std::unordered_map<std::string, TStudentRecord> FindStoredStudents(
    TSession& session, const QString& databaseName, const std::vector<std::string_view>& idNums);

// Looks up what the findings do not yet know of the list's IDNums, or of the row's alone.
void LookUpStoredStudents(TSession& session, const QString& databaseName, TListFindings& findings,
                          int row = 0);
