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
