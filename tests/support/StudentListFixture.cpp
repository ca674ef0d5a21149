#include "tests/support/StudentListFixture.h"

#include <QSqlError>
#include <QSqlQuery>
#include <initializer_list>
#include <stdexcept>

#include "store/engine/Engine.h"
#include "store/table/StudentListTable.h"

namespace {

constexpr const char* kDropStudentListTable = "drop table if exists studentlist";
constexpr const char* kCreatePlainStudentListIndex =
    "create index if not exists studentlist_psid on studentlist (psid, psidsequence)";

// Whole or not at all, so that a failed fixture leaves no half-made table to the next test.
void RunInTransaction(QSqlDatabase db, std::initializer_list<const char*> statements)
{
    QSqlQuery query(db);
    const auto run = [&](const char* statement) {
        if (!query.exec(QString::fromUtf8(statement))) {
            const QString error = query.lastError().text();
            db.rollback();
            throw std::runtime_error(
                QStringLiteral("%1: %2").arg(QString::fromUtf8(statement), error).toStdString());
        }
    };
    if (!db.transaction()) {
        throw std::runtime_error(db.lastError().text().toStdString());
    }
    if (!IsSqlite(db)) {
        run(kServerQuietStatement);
    }
    for (const char* statement : statements) {
        run(statement);
    }
    query.finish();
    if (!db.commit()) {
        throw std::runtime_error(db.lastError().text().toStdString());
    }
}

}  // namespace

void RecreateStudentListTable(const QSqlDatabase& db, bool uniqueKey)
{
    RunInTransaction(db, {kDropStudentListTable, kCreateStudentListTable,
                          uniqueKey ? kCreateStudentListKey : kCreatePlainStudentListIndex,
                          kCreateStudentIdIndex});
}

void DropStudentListTable(const QSqlDatabase& db)
{
    RunInTransaction(db, {kDropStudentListTable});
}
