#include "store/list/SqliteList.h"

#include <algorithm>

#include "store/list/KeysetSource.h"

namespace {

// The rows after the anchor by the columns from `from` on, the earlier ones being equal.
TListPart After(const QStringList& columns, const std::vector<TSqliteValue>& anchor, int from)
{
    TListPart after;
    for (int i = int(columns.size()) - 1; i >= from; --i) {
        const TSqliteValue& value = anchor[std::size_t(i)];
        const QString later = value.IsNull() ? QStringLiteral("%1 is not null").arg(columns[i])
                                             : QStringLiteral("%1 > ?").arg(columns[i]);
        std::vector<TSqliteValue> values;
        if (!value.IsNull()) {
            values.push_back(value);
        }
        if (after.condition.isEmpty()) {
            after.condition = later;
        } else {
            after.condition =
                QStringLiteral("(%1 or (%2 is %3 and %4))")
                    .arg(later, columns[i],
                         value.IsNull() ? QStringLiteral("null") : QStringLiteral("?"),
                         after.condition);
            if (!value.IsNull()) {
                values.push_back(value);
            }
        }
        values.insert(values.end(), after.values.begin(), after.values.end());
        after.values = std::move(values);
    }
    return after;
}

// The part with the search range of the anchor's first two keys before its condition.
TListPart FromAnchor(const QStringList& columns, const std::vector<TSqliteValue>& anchor,
                     TListPart part)
{
    TListPart range;
    if (!anchor[1].IsNull()) {
        if (anchor[0].IsNull()) {
            range.condition = QStringLiteral("%1 >= ?").arg(columns[1]);
        } else {
            range.condition = QStringLiteral("(%1, %2) >= (?, ?)").arg(columns[0], columns[1]);
            range.values.push_back(anchor[0]);
        }
        range.values.push_back(anchor[1]);
    } else if (!anchor[0].IsNull()) {
        range.condition = QStringLiteral("%1 >= ?").arg(columns[0]);
        range.values.push_back(anchor[0]);
    } else {
        return part;
    }
    range.condition += QStringLiteral(" and ") + part.condition;
    range.values.insert(range.values.end(), part.values.begin(), part.values.end());
    return range;
}

TListPart AfterFirstTwoKeys(const QStringList& columns, const std::vector<TSqliteValue>& anchor)
{
    return {QStringLiteral("(%1, %2) > (?, ?)").arg(columns[0], columns[1]),
            {anchor[0], anchor[1]}};
}

}  // namespace

std::vector<TListPart> WindowStart(const QStringList& columns,
                                   const std::vector<TSqliteValue>& anchor, bool uniqueFirstKeys)
{
    if (anchor.empty()) {
        return {TListPart{}};
    }
    if (uniqueFirstKeys) {
        return {AfterFirstTwoKeys(columns, anchor)};
    }
    if (anchor[0].IsNull()) {
        // The rest of the null first key, then every other key.
        TListPart rest = After(columns, anchor, 1);
        rest.condition = QStringLiteral("%1 is null and %2").arg(columns[0], rest.condition);
        return {FromAnchor(columns, anchor, std::move(rest)),
                {QStringLiteral("%1 is not null").arg(columns[0]), {}}};
    }
    if (!anchor[1].IsNull()) {
        // The rest of the last record's first two keys, then the keys after them: the index
        // finds both, and the rows need no further test.
        TListPart rest = After(columns, anchor, 2);
        rest.condition =
            QStringLiteral("%1 = ? and %2 = ? and %3").arg(columns[0], columns[1], rest.condition);
        rest.values.insert(rest.values.begin(), {anchor[0], anchor[1]});
        return {std::move(rest), AfterFirstTwoKeys(columns, anchor)};
    }
    return {FromAnchor(columns, anchor, After(columns, anchor, 0))};
}

namespace {

class TSqliteList : public TKeysetSource<TSqliteValue> {
public:
    TSqliteList(const QSqlDatabase& db, const TListOrder& order) : order_(order)
    {
        sqlite3* handle = SqliteHandle(db);
        // The highest row number as the list opens: rows added later are numbered above it.
        TSqliteStatement highest(handle,
                                 QStringLiteral("select max(rowid) from %1").arg(order_.table));
        highest.Step();
        highest_ = highest.Value(0);
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

    TRecordWindow Read(const QSqlDatabase& db, int window) override
    {
        sqlite3* handle = SqliteHandle(db);
        TRecordWindow records;
        TKey last;
        for (const TListPart& part : WindowStart(columns_, StartAfter(window), uniqueFirstKeys_)) {
            if (records.records == kWindowRecords) {
                break;
            }
            ReadPart(handle, part, records, last);
        }
        EndedOn(window, std::move(last));
        return records;
    }

    long long ReadThrough(const QSqlDatabase& db, const TRecordSink& record) override
    {
        TRecordWindow one;
        long long records = 0;
        EachRow(SqliteHandle(db), {}, -1, [&](const TSqliteStatement& statement, int fields) {
            one.texts.clear();
            one.nulls.clear();
            for (int i = 1; i <= fields; ++i) {
                statement.AppendText(one, i);
            }
            one.records = 1;
            record(one);
            if (++records % kWindowRecords == 0) {
                EndedOn(int(records / kWindowRecords) - 1, KeyOf(statement));
            }
        });
        return records;
    }

private:
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

    // Reads the rows of the part into the window, up to its size, by the list's order.
    void ReadPart(sqlite3* handle, const TListPart& part, TRecordWindow& records,
                  std::vector<TSqliteValue>& last)
    {
        EachRow(handle, part, kWindowRecords - records.records,
                [&](const TSqliteStatement& statement, int fields) {
                    if (records.texts.empty()) {
                        records.texts.reserve(std::size_t(kWindowRecords) * std::size_t(fields));
                        records.nulls.reserve(records.texts.capacity());
                    }
                    for (int i = 1; i <= fields; ++i) {
                        statement.AppendText(records, i);
                    }
                    // The key of a full window's last record is where the next window starts.
                    if (++records.records == kWindowRecords) {
                        last = KeyOf(statement);
                    }
                });
    }

    // Runs the part's statement, up to `limit` rows (-1: all), by the list's order, and hands
    // each row with the number of the table's fields on to `row`.
    template <typename Row>
    void EachRow(sqlite3* handle, const TListPart& part, int limit, Row row)
    {
        // "+rowid" keeps the planner on the index that orders the list.
        QString text =
            QStringLiteral("select rowid, * from %1 where +rowid <= ?").arg(order_.table);
        if (!part.condition.isEmpty()) {
            text += QStringLiteral(" and ") + part.condition;
        }
        text += QStringLiteral(" order by %1 limit %2")
                    .arg(columns_.join(QStringLiteral(", ")))
                    .arg(limit);

        TSqliteStatement statement(handle, text);
        statement.Bind(1, highest_);
        for (std::size_t i = 0; i < part.values.size(); ++i) {
            statement.Bind(int(i) + 2, part.values[i]);
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
        while (statement.Step()) {
            row(statement, fields);
        }
    }

    // The keys of the statement's current row, by which the list is ordered.
    TKey KeyOf(const TSqliteStatement& statement) const
    {
        TKey key;
        for (int field : keyFields_) {
            key.push_back(statement.Value(field));
        }
        return key;
    }

    TListOrder order_;
    QStringList columns_;  // the keys that order the reading
    bool uniqueFirstKeys_ = false;
    TSqliteValue highest_;
};

}  // namespace

std::unique_ptr<TWindowSource> OpenSqliteList(const QSqlDatabase& db, const TListOrder& order)
{
    return std::make_unique<TSqliteList>(db, order);
}
