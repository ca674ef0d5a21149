#include "store/list/StudentListQuery.h"

#include "store/list/Query.h"
#include "store/table/StudentListTable.h"

void SetUpStudentListQuery(TQuery& query, const QString& databaseName)
{
    query.databaseName = databaseName;
    query.sql.clear();
    for (const std::string& line : StudentListQueryLines()) {
        query.sql << QString::fromStdString(line);
    }
    TListOrder order{QString::fromUtf8(kStudentListTable), {}};
    for (const char* column : kStudentListOrder) {
        order.columns << QString::fromUtf8(column);
    }
    query.ReadInWindows(std::move(order));
}
