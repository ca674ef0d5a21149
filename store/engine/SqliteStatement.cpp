#include "store/engine/SqliteStatement.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QVariant>

#include "store/engine/Engine.h"
#include "store/engine/FieldText.h"

sqlite3* SqliteHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        throw TEngine::Error(
            kErrGeneralSql,
            TPhrase("EngineErrors", QT_TRANSLATE_NOOP("EngineErrors", "Not a SQLite connection")));
    }
    return *static_cast<sqlite3* const*>(handle.constData());
}

TSqliteStatement::TSqliteStatement(sqlite3* db, const QString& text) : db_(db)
{
    const QByteArray utf8 = text.toUtf8();
    if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &statement_, nullptr) !=
        SQLITE_OK) {
        Fail();
    }
}

TSqliteStatement::~TSqliteStatement()
{
    sqlite3_finalize(statement_);
}

void TSqliteStatement::Bind(int index, const TSqliteValue& value)
{
    int result = SQLITE_OK;
    switch (value.type) {
        case SQLITE_INTEGER:
            result = sqlite3_bind_int64(statement_, index, value.integer);
            break;
        case SQLITE_FLOAT:
            result = sqlite3_bind_double(statement_, index, value.real);
            break;
        case SQLITE_TEXT:
            result = sqlite3_bind_text(statement_, index, value.bytes.data(),
                                       int(value.bytes.size()), SQLITE_TRANSIENT);
            break;
        case SQLITE_BLOB:
            result = sqlite3_bind_blob(statement_, index, value.bytes.data(),
                                       int(value.bytes.size()), SQLITE_TRANSIENT);
            break;
        default:
            result = sqlite3_bind_null(statement_, index);
    }
    if (result != SQLITE_OK) {
        Fail();
    }
}

bool TSqliteStatement::Step()
{
    const int result = sqlite3_step(statement_);
    if (result != SQLITE_ROW && result != SQLITE_DONE) {
        Fail();
    }
    return result == SQLITE_ROW;
}

int TSqliteStatement::Columns() const
{
    return sqlite3_column_count(statement_);
}

QString TSqliteStatement::Name(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(statement_, column));
}

TSqliteValue TSqliteStatement::Value(int column) const
{
    TSqliteValue value;
    value.type = sqlite3_column_type(statement_, column);
    if (value.type == SQLITE_INTEGER) {
        value.integer = sqlite3_column_int64(statement_, column);
    } else if (value.type == SQLITE_FLOAT) {
        value.real = sqlite3_column_double(statement_, column);
    } else if (value.type != SQLITE_NULL) {
        value.bytes = std::string(Bytes(column, value.type));
    }
    return value;
}

void TSqliteStatement::AppendText(TRecordWindow& window, int column) const
{
    const int type = sqlite3_column_type(statement_, column);
    switch (type) {
        case SQLITE_NULL:
            AppendNullText(window);
            break;
        case SQLITE_INTEGER:
            AppendIntegerText(window, sqlite3_column_int64(statement_, column));
            break;
        case SQLITE_FLOAT:
            AppendRealText(window, sqlite3_column_double(statement_, column));
            break;
        default:
            AppendCharacterText(window, Bytes(column, type));
    }
}

std::string_view TSqliteStatement::Bytes(int column, int type) const
{
    const void* data = type == SQLITE_TEXT
                           ? static_cast<const void*>(sqlite3_column_text(statement_, column))
                           : sqlite3_column_blob(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    return data ? std::string_view(static_cast<const char*>(data), std::size_t(size))
                : std::string_view();
}

void TSqliteStatement::Fail() const
{
    throw SqliteError(db_);
}

EDBEngineError SqliteError(sqlite3* db)
{
    // With SQLite's extended code, as the driver would report it: a refused key is told apart.
    return TEngine::Error(
        kErrGeneralSql, QSqlError(QStringLiteral("Unable to execute statement"),
                                  QString::fromUtf8(sqlite3_errmsg(db)), QSqlError::StatementError,
                                  QString::number(sqlite3_extended_errcode(db))));
}
