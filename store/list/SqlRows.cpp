#include "store/list/SqlRows.h"

#include <QSqlError>
#include <algorithm>

#include "store/engine/Engine.h"
#include "store/engine/FieldText.h"

QSqlQuery RunStatement(const QSqlDatabase& db, const QString& text)
{
    QSqlQuery statement(db);
    statement.setForwardOnly(true);
    if (!statement.exec(text)) {
        throw TEngine::Error(kErrGeneralSql, statement.lastError());
    }
    return statement;
}

QStringList FieldNamesOf(const QSqlRecord& record)
{
    QStringList names;
    for (int i = 0; i < record.count(); ++i) {
        names.append(record.fieldName(i));
    }
    return names;
}

TRecordWindow ReadRows(QSqlQuery& statement, int fields, int limit)
{
    TRecordWindow window;
    window.texts.reserve(std::size_t(std::min(limit, kWindowRecords)) * std::size_t(fields));
    window.nulls.reserve(window.texts.capacity());
    while (window.records < limit && statement.next()) {
        for (int i = 0; i < fields; ++i) {
            AppendFieldText(window, statement.value(i));
        }
        ++window.records;
    }
    if (statement.lastError().isValid()) {
        throw TEngine::Error(kErrGeneralSql, statement.lastError());
    }
    return window;
}
