#include "store/ResultWindows.h"

#include <sqlite3.h>
#include <QLocale>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <algorithm>
#include <atomic>

#include "store/Engine.h"
#include "textio/Utf8Text.h"

namespace {

void AppendFieldText(TRecordWindow& window, const QVariant& value)
{
    if (value.isNull()) {
        window.texts.emplace_back();
        window.nulls.push_back(1);
        return;
    }
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Short:
            window.texts.push_back(std::to_string(value.toLongLong()));
            break;
        default:
            window.texts.push_back(value.toString().toStdString());
    }
    window.nulls.push_back(0);
}

// Reads up to `limit` rows of an executed statement, leaving out its first `skip` columns.
TRecordWindow ReadRows(QSqlQuery& statement, int skip, int fields, int limit)
{
    TRecordWindow window;
    window.texts.reserve(std::size_t(std::min(limit, kWindowRecords)) * std::size_t(fields));
    window.nulls.reserve(window.texts.capacity());
    while (window.records < limit && statement.next()) {
        for (int i = 0; i < fields; ++i) {
            AppendFieldText(window, statement.value(skip + i));
        }
        ++window.records;
    }
    if (statement.lastError().isValid()) {
        throw TEngine::Error(kErrGeneralSql, statement.lastError());
    }
    return window;
}

QStringList NamesOf(const QSqlRecord& record, int skip)
{
    QStringList names;
    for (int i = skip; i < record.count(); ++i) {
        names.append(record.fieldName(i));
    }
    return names;
}

QSqlQuery Run(const QSqlDatabase& db, const QString& text)
{
    QSqlQuery statement(db);
    statement.setForwardOnly(true);
    if (!statement.exec(text)) {
        throw TEngine::Error(kErrGeneralSql, statement.lastError());
    }
    return statement;
}

class TWholeResult : public TWindowSource {
public:
    explicit TWholeResult(QStringList names) : names_(std::move(names)) {}
    QStringList FieldNames() const override { return names_; }
    TRecordWindow Read(const QSqlDatabase&, int) override { return {}; }
    bool Rereads() const override { return false; }

private:
    QStringList names_;
};

// A value as SQLite keeps it, so that a window's last key is bound again exactly as read.
struct TSqliteValue {
    int type = SQLITE_NULL;
    sqlite3_int64 integer = 0;
    double real = 0;
    std::string bytes;

    bool IsNull() const { return type == SQLITE_NULL; }
};

// A prepared statement on the connection's own SQLite handle, finalized when it goes.
class TSqliteStatement {
public:
    TSqliteStatement(sqlite3* db, const QString& text) : db_(db)
    {
        const QByteArray utf8 = text.toUtf8();
        if (sqlite3_prepare_v2(db_, utf8.constData(), int(utf8.size()), &statement_, nullptr) !=
            SQLITE_OK) {
            Fail();
        }
    }
    ~TSqliteStatement() { sqlite3_finalize(statement_); }
    TSqliteStatement(const TSqliteStatement&) = delete;
    TSqliteStatement& operator=(const TSqliteStatement&) = delete;

    void Bind(int index, const TSqliteValue& value)
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

    // The next row; false at the end.
    bool Step()
    {
        const int result = sqlite3_step(statement_);
        if (result != SQLITE_ROW && result != SQLITE_DONE) {
            Fail();
        }
        return result == SQLITE_ROW;
    }

    int Columns() const { return sqlite3_column_count(statement_); }
    QString Name(int column) const
    {
        return QString::fromUtf8(sqlite3_column_name(statement_, column));
    }

    TSqliteValue Value(int column) const
    {
        TSqliteValue value;
        value.type = sqlite3_column_type(statement_, column);
        if (value.type == SQLITE_INTEGER) {
            value.integer = sqlite3_column_int64(statement_, column);
        } else if (value.type == SQLITE_FLOAT) {
            value.real = sqlite3_column_double(statement_, column);
        } else if (value.type != SQLITE_NULL) {
            value.bytes = Bytes(column, value.type);
        }
        return value;
    }

    // The field text as the rest of the program gives it: an integer's digits, a number in
    // its shortest form, text as stored where it is UTF-8.
    void AppendText(TRecordWindow& window, int column) const
    {
        const int type = sqlite3_column_type(statement_, column);
        window.nulls.push_back(type == SQLITE_NULL ? 1 : 0);
        switch (type) {
            case SQLITE_NULL:
                window.texts.emplace_back();
                break;
            case SQLITE_INTEGER:
                window.texts.push_back(std::to_string(sqlite3_column_int64(statement_, column)));
                break;
            case SQLITE_FLOAT:
                window.texts.push_back(QString::number(sqlite3_column_double(statement_, column),
                                                       'g', QLocale::FloatingPointShortest)
                                           .toStdString());
                break;
            default: {
                const void* data =
                    type == SQLITE_TEXT
                        ? static_cast<const void*>(sqlite3_column_text(statement_, column))
                        : sqlite3_column_blob(statement_, column);
                const std::string_view bytes(static_cast<const char*>(data),
                                             std::size_t(sqlite3_column_bytes(statement_, column)));
                if (IsValidUtf8(bytes)) {
                    window.texts.emplace_back(bytes);
                } else {
                    window.texts.push_back(
                        QString::fromUtf8(bytes.data(), qsizetype(bytes.size())).toStdString());
                }
            }
        }
    }

private:
    std::string Bytes(int column, int type) const
    {
        const void* data = type == SQLITE_TEXT
                               ? static_cast<const void*>(sqlite3_column_text(statement_, column))
                               : sqlite3_column_blob(statement_, column);
        const int size = sqlite3_column_bytes(statement_, column);
        return data ? std::string(static_cast<const char*>(data), std::size_t(size))
                    : std::string();
    }

    [[noreturn]] void Fail() const
    {
        throw TEngine::Error(kErrGeneralSql, QString::fromUtf8(sqlite3_errmsg(db_)));
    }

    sqlite3* db_;
    sqlite3_stmt* statement_ = nullptr;
};

sqlite3* SqliteHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0) {
        throw TEngine::Error(kErrGeneralSql, QStringLiteral("Not a SQLite connection"));
    }
    return *static_cast<sqlite3* const*>(handle.constData());
}

class TSqliteList : public TWindowSource {
public:
    TSqliteList(const QSqlDatabase& db, const TListOrder& order) : order_(order)
    {
        // The highest row number as the list opens: rows added later are numbered above it.
        TSqliteStatement highest(SqliteHandle(db),
                                 QStringLiteral("select max(rowid) from %1").arg(order_.table));
        highest.Step();
        highest_ = highest.Value(0);
        sqlite3* handle = SqliteHandle(db);
        if (FirstKeysAreUnique(handle) && NoFirstKeyIsNull(handle)) {
            // No two records share the first two keys, so they alone give the list's order,
            // and the index gives it without sorting anything.
            columns_ = order_.columns.mid(0, 2);
            uniqueFirstKeys_ = true;
        } else {
            columns_ = order_.columns;
            columns_.append(QStringLiteral("rowid"));  // breaks ties, and is never null
        }
    }

    QStringList FieldNames() const override { return names_; }
    bool Rereads() const override { return true; }

    TRecordWindow Read(const QSqlDatabase& db, int window) override
    {
        sqlite3* handle = SqliteHandle(db);
        TRecordWindow records;
        std::vector<TSqliteValue> last;
        if (window == 0) {
            ReadPart(handle, {}, {}, records, last);
        } else if (uniqueFirstKeys_) {
            const std::vector<TSqliteValue>& after = anchors_.at(std::size_t(window - 1));
            ReadPart(handle,
                     {QStringLiteral("(%1, %2) > (?, ?)").arg(columns_[0], columns_[1]),
                      {after[0], after[1]}},
                     {}, records, last);
        } else {
            const std::vector<TSqliteValue>& after = anchors_.at(std::size_t(window - 1));
            if (after.front().IsNull()) {
                // SQLite sorts null first: the rest of the null first key, then every other key.
                Condition rest = After(after, 1);
                rest.text = QStringLiteral("%1 is null and %2").arg(columns_[0], rest.text);
                ReadPart(handle, rest, after, records, last);
                if (records.records < kWindowRecords) {
                    ReadPart(handle, {QStringLiteral("%1 is not null").arg(columns_[0]), {}}, {},
                             records, last);
                }
            } else if (!after[1].IsNull()) {
                // The rest of the last record's first two keys, then the keys after them: the
                // index finds both, and the rows need no further test.
                Condition rest = After(after, 2);
                rest.text = QStringLiteral("%1 = ? and %2 = ? and %3")
                                .arg(columns_[0], columns_[1], rest.text);
                rest.values.insert(rest.values.begin(), {after[0], after[1]});
                ReadPart(handle, rest, {}, records, last);
                if (records.records < kWindowRecords) {
                    ReadPart(handle,
                             {QStringLiteral("(%1, %2) > (?, ?)").arg(columns_[0], columns_[1]),
                              {after[0], after[1]}},
                             {}, records, last);
                }
            } else {
                ReadPart(handle, After(after, 0), after, records, last);
            }
        }
        if (std::size_t(window) == anchors_.size() && !last.empty()) {
            anchors_.push_back(std::move(last));
        }
        return records;
    }

private:
    struct Condition {
        QString text;
        std::vector<TSqliteValue> values;
    };

    // Whether a unique index (not a partial one) holds exactly the first two keys, compared
    // as the list compares them.
    bool FirstKeysAreUnique(sqlite3* handle) const
    {
        TSqliteStatement indexes(handle, QStringLiteral("pragma index_list(%1)").arg(order_.table));
        QStringList unique;
        while (indexes.Step()) {
            if (indexes.Value(2).integer == 1 && indexes.Value(4).integer == 0) {
                unique << QString::fromStdString(indexes.Value(1).bytes);
            }
        }
        for (const QString& index : unique) {
            TSqliteStatement columns(handle, QStringLiteral("pragma index_xinfo(\"%1\")")
                                                 .arg(QString(index).replace('"', "\"\"")));
            QStringList keys;
            bool plain = true;
            while (columns.Step()) {
                if (columns.Value(5).integer == 1) {
                    keys << QString::fromStdString(columns.Value(2).bytes).toLower();
                    plain = plain && columns.Value(3).integer == 0 &&
                            QString::fromStdString(columns.Value(4).bytes)
                                    .compare(QStringLiteral("BINARY"), Qt::CaseInsensitive) == 0;
                }
            }
            if (plain && keys.size() == 2 && keys[0] == order_.columns[0].toLower() &&
                keys[1] == order_.columns[1].toLower()) {
                return true;
            }
        }
        return false;
    }

    // Whether every record of the list has both first keys; the index answers it.
    bool NoFirstKeyIsNull(sqlite3* handle) const
    {
        TSqliteStatement nulls(
            handle, QStringLiteral("select exists (select 1 from %1 where +rowid <= ? and "
                                   "(%2 is null or %3 is null))")
                        .arg(order_.table, order_.columns[0], order_.columns[1]));
        nulls.Bind(1, highest_);
        nulls.Step();
        return nulls.Value(0).integer == 0;
    }

    // The rows after the anchor by the columns from `from` on, the earlier ones being equal.
    // "After" a null is "is not null", and "is" takes two nulls as equal.
    Condition After(const std::vector<TSqliteValue>& anchor, int from) const
    {
        Condition after;
        for (int i = int(columns_.size()) - 1; i >= from; --i) {
            const TSqliteValue& value = anchor[std::size_t(i)];
            const QString later = value.IsNull() ? QStringLiteral("%1 is not null").arg(columns_[i])
                                                 : QStringLiteral("%1 > ?").arg(columns_[i]);
            std::vector<TSqliteValue> values;
            if (!value.IsNull()) {
                values.push_back(value);
            }
            if (after.text.isEmpty()) {
                after.text = later;
            } else {
                after.text = QStringLiteral("(%1 or (%2 is %3 and %4))")
                                 .arg(later, columns_[i],
                                      value.IsNull() ? QStringLiteral("null") : QStringLiteral("?"),
                                      after.text);
                if (!value.IsNull()) {
                    values.push_back(value);
                }
            }
            values.insert(values.end(), after.values.begin(), after.values.end());
            after.values = std::move(values);
        }
        return after;
    }

    // Reads the rows that meet the condition into the window, up to its size, by the list's
    // order. A search range from the anchor's first two keys lets the index find where they
    // begin instead of reading the rows before them.
    void ReadPart(sqlite3* handle, const Condition& condition,
                  const std::vector<TSqliteValue>& anchor, TRecordWindow& records,
                  std::vector<TSqliteValue>& last)
    {
        // "+rowid" keeps the planner on the index that orders the list.
        QString text =
            QStringLiteral("select rowid, * from %1 where +rowid <= ?").arg(order_.table);
        std::vector<TSqliteValue> values{highest_};
        if (!anchor.empty() && !anchor[1].IsNull()) {
            text += anchor[0].IsNull()
                        ? QStringLiteral(" and %1 >= ?").arg(columns_[1])
                        : QStringLiteral(" and (%1, %2) >= (?, ?)").arg(columns_[0], columns_[1]);
            if (!anchor[0].IsNull()) {
                values.push_back(anchor[0]);
            }
            values.push_back(anchor[1]);
        } else if (!anchor.empty() && !anchor[0].IsNull()) {
            text += QStringLiteral(" and %1 >= ?").arg(columns_[0]);
            values.push_back(anchor[0]);
        }
        if (!condition.text.isEmpty()) {
            text += QStringLiteral(" and ") + condition.text;
            values.insert(values.end(), condition.values.begin(), condition.values.end());
        }
        text += QStringLiteral(" order by %1 limit %2")
                    .arg(columns_.join(QStringLiteral(", ")))
                    .arg(kWindowRecords - records.records);

        TSqliteStatement statement(handle, text);
        for (std::size_t i = 0; i < values.size(); ++i) {
            statement.Bind(int(i) + 1, values[i]);
        }
        const int fields = statement.Columns() - 1;
        if (names_.isEmpty()) {
            for (int i = 1; i <= fields; ++i) {
                names_.append(statement.Name(i));
            }
            for (const QString& column : columns_) {
                const auto found = std::find_if(
                    names_.begin(), names_.end(),
                    [&](const QString& n) { return n.compare(column, Qt::CaseInsensitive) == 0; });
                keyFields_.push_back(
                    column == QLatin1String("rowid") ? 0 : int(found - names_.begin()) + 1);
            }
        }
        if (records.texts.empty()) {
            records.texts.reserve(std::size_t(kWindowRecords) * std::size_t(fields));
            records.nulls.reserve(records.texts.capacity());
        }
        while (statement.Step()) {
            for (int i = 1; i <= fields; ++i) {
                statement.AppendText(records, i);
            }
            // The key of a full window's last record is where the next window starts.
            if (++records.records == kWindowRecords) {
                for (int field : keyFields_) {
                    last.push_back(statement.Value(field));
                }
            }
        }
    }

    TListOrder order_;
    QStringList columns_;  // the keys that order the reading
    bool uniqueFirstKeys_ = false;
    TSqliteValue highest_;
    QStringList names_;
    std::vector<int> keyFields_;
    std::vector<std::vector<TSqliteValue>> anchors_;
};

class TServerList : public TWindowSource {
public:
    TServerList(const QSqlDatabase& db, const QString& statement)
        : cursor_(QStringLiteral("cardovane_list_%1").arg(++counter_))
    {
        Run(db, QStringLiteral("begin"));
        try {
            Run(db, QStringLiteral("declare %1 scroll cursor with hold for %2")
                        .arg(cursor_, statement));
            Run(db, QStringLiteral("commit"));
        } catch (...) {
            QSqlQuery(db).exec(QStringLiteral("rollback"));
            throw;
        }
    }

    void Release(const QSqlDatabase& db) noexcept override
    {
        QSqlQuery(db).exec(QStringLiteral("close %1").arg(cursor_));  // a lost connection closes it
    }

    QStringList FieldNames() const override { return names_; }
    bool Rereads() const override { return true; }

    TRecordWindow Read(const QSqlDatabase& db, int window) override
    {
        if (window != next_) {
            Run(db, QStringLiteral("move absolute %1 in %2")
                        .arg(qint64(window) * kWindowRecords)
                        .arg(cursor_));
        }
        QSqlQuery rows =
            Run(db, QStringLiteral("fetch forward %1 from %2").arg(kWindowRecords).arg(cursor_));
        if (names_.isEmpty()) {
            names_ = NamesOf(rows.record(), 0);
        }
        TRecordWindow records = ReadRows(rows, 0, int(names_.size()), kWindowRecords);
        next_ = window + 1;
        return records;
    }

private:
    static inline std::atomic<int> counter_{0};
    QString cursor_;
    int next_ = 0;
    QStringList names_;
};

}  // namespace

std::unique_ptr<TWindowSource> ReadWholeResult(QSqlQuery& statement,
                                               std::vector<TRecordWindow>& windows)
{
    const QStringList names = NamesOf(statement.record(), 0);
    for (;;) {
        TRecordWindow window = ReadRows(statement, 0, int(names.size()), kWindowRecords);
        const bool last = window.records < kWindowRecords;
        windows.push_back(std::move(window));
        if (last) {
            break;
        }
    }
    return std::make_unique<TWholeResult>(names);
}

std::unique_ptr<TWindowSource> OpenSqliteList(const QSqlDatabase& db, const TListOrder& order)
{
    return std::make_unique<TSqliteList>(db, order);
}

std::unique_ptr<TWindowSource> OpenServerList(const QSqlDatabase& db, const QString& statement)
{
    return std::make_unique<TServerList>(db, statement);
}
