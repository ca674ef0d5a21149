#include "store/table/StudentListTable.h"

std::string StudentListOrderBy()
{
    std::string columns;
    for (const char* column : kStudentListOrder) {
        columns += (columns.empty() ? "" : ", ") + std::string(column);
    }
    return columns;
}

std::vector<std::string> StudentListQueryLines()
{
    return {std::string("select * from ") + kStudentListTable, "order by " + StudentListOrderBy()};
}

std::string StudentListInsertHead()
{
    return std::string(kStudentListInsertHead[0]) + "\n" + kStudentListInsertHead[1];
}

std::string InsertStudentRowStatement()
{
    return StudentListInsertHead() + " values (?, ?, ?, ?, ?)";
}

std::string CopyStudentRowsInStatement()
{
    return std::string("copy ") + kStudentListTable + " " + kStudentListInsertHead[1] +
           " from stdin";
}

std::vector<std::string> StoredMaximaLines()
{
    return {std::string("select psid, max(psidsequence) as PSIDSequence from ") + kStudentListTable,
            "group by psid"};
}

namespace {

constexpr const char* kStudentFields = "studentid, fname, lname";

}  // namespace

std::string DescribeStudentFieldsStatement()
{
    return std::string("select ") + kStudentFields + " from " + kStudentListTable + " limit 0";
}

std::string StudentFieldsStatement()
{
    return std::string("select ") + kStudentFields + " from " + kStudentListTable + " order by " +
           StudentListOrderBy();
}

std::string CopyStudentFieldsOutStatement()
{
    return "copy (" + StudentFieldsStatement() + ") to stdout (format binary)";
}

std::string CountSqliteStudentFieldsStatement()
{
    return std::string("select count(*) from pragma_table_info('") + kStudentListTable +
           "') where name in ('studentid', 'fname', 'lname')";
}

std::string SqliteStudentFieldsStatement()
{
    return StudentFieldsStatement() + ", rowid";
}
