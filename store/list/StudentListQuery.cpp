#include "store/list/StudentListQuery.h"

#include "store/list/Query.h"
#include "store/table/StudentListTable.h"

void SetUpStudentListQuery(TQuery& query, const QString& databaseName)
{
    query.SetStatement(databaseName, StudentListQueryLines());
    TListOrder order{QString::fromUtf8(kStudentListTable), {}};
    for (const char* column : kStudentListOrder) {
        order.columns << QString::fromUtf8(column);
    }
    query.ReadInWindows(std::move(order));
}
