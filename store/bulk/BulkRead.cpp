#include "store/bulk/BulkRead.h"

#include "store/engine/LibpqCalls.h"

#include <array>
#include <exception>
#include <optional>
#include <span>
#include <string>

#include "store/bulk/CopyBinary.h"
#include "store/engine/Database.h"
#include "store/engine/Engine.h"
#include "store/engine/FieldText.h"
#include "store/engine/PgConnection.h"
#include "store/engine/ServerStatement.h"
#include "store/engine/ServerTypes.h"
#include "store/engine/SqliteStatement.h"
#include "store/table/StudentListTable.h"

namespace {

using namespace server_type;

enum class FieldKind { Characters, Integer };

// How each field is rendered, by the column's type; false for a type the records render
// otherwise (a number with a fraction, a date, a truth value), which only they render alike.
bool FieldKinds(const TPgConnection& pg, std::array<FieldKind, 3>& kinds)
{
    const TPgResult described(*pg.pq,
                              pg.pq->PQexec(pg.conn, DescribeStudentFieldsStatement().c_str()));
    // A table without those columns is for the records to report, in their words.
    if (pg.pq->PQresultStatus(described.get()) != PGRES_TUPLES_OK ||
        pg.pq->PQnfields(described.get()) != 3) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        switch (pg.pq->PQftype(described.get(), i)) {
            case kText:
            case kVarchar:
            case kBpchar:
                kinds[std::size_t(i)] = FieldKind::Characters;
                break;
            case kInt2:
            case kInt4:
            case kInt8:
                kinds[std::size_t(i)] = FieldKind::Integer;
                break;
            default:
                return false;
        }
    }
    return true;
}

// The field's text as the records give it: an integer's decimal digits, characters as Qt
// converts them, null the empty text.
std::string_view FieldText(FieldKind kind, const TCopyField& field, std::string& scratch)
{
    if (field.null) {
        return {};
    }
    if (kind == FieldKind::Characters) {
        return AsQtConverts(field.bytes, scratch);
    }
    std::optional<std::string> digits = CopyBinaryIntegerText(field.bytes);
    if (!digits) {
        RaiseUnreadableCopy();
    }
    scratch = std::move(*digits);
    return scratch;
}

// The list in one statement on SQLite's own handle, in the order of its windows (the row
// number breaking ties), each field as they render it. The read lasts one statement, as the
// sqlite3 shell's own export does; a table without the three columns is the records' to report.
long long SqliteRead(sqlite3* db, const TStudentFieldsSink& row)
{
    {
        TSqliteStatement columns(db, QString::fromStdString(CountSqliteStudentFieldsStatement()));
        if (!columns.Step() || columns.Value(0).integer != kStudentFieldCount) {
            return -1;
        }
    }
    TSqliteStatement list(db, QString::fromStdString(SqliteStudentFieldsStatement()));
    TRecordWindow fields;
    long long rows = 0;
    while (list.Step()) {
        fields.texts.clear();
        fields.nulls.clear();
        for (int i = 0; i < 3; ++i) {
            list.AppendText(fields, i);
        }
        row(fields.texts[0], fields.texts[1], fields.texts[2]);
        ++rows;
    }
    return rows;
}

long long ServerCopyRead(const TPgConnection& pg, const TStudentFieldsSink& row)
{
    std::array<FieldKind, 3> kinds{};
    if (!FieldKinds(pg, kinds)) {
        return -1;
    }
    std::array<std::string, 3> scratch;
    TCopyBinaryReader reader(3, [&](std::span<const TCopyField> fields) {
        row(FieldText(kinds[0], fields[0], scratch[0]), FieldText(kinds[1], fields[1], scratch[1]),
            FieldText(kinds[2], fields[2], scratch[2]));
    });
    RunServerCopyOut(
        pg, CopyStudentFieldsOutStatement(),
        [&reader](std::string_view bytes) { reader.Take(bytes); },
        [&pg](const PGresult* failed) { return PgError(pg, failed); });
    if (!reader.Ended()) {
        throw PgError(pg, nullptr);
    }
    return reader.Rows();
}

}  // namespace

long long ReadStudentFieldsInBulk(TDatabase& database, const TStudentFieldsSink& row)
{
    database.Use();
    const QSqlDatabase handle = database.Handle();
    if (const TPgConnection pg = PgConnection(handle)) {
        return ServerCopyRead(pg, row);
    }
    if (IsSqlite(handle)) {
        return SqliteRead(SqliteHandle(handle), row);
    }
    return -1;
}
