#include "store/ResultWindows.h"

#include <QSqlError>
#include <QSqlRecord>
#include <algorithm>
#include <atomic>

#include "store/Engine.h"

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

class TSqliteList : public TWindowSource {
public:
    TSqliteList(const QSqlDatabase& db, const TListOrder& order) : order_(order)
    {
        // The highest row number as the list opens: rows added later are numbered above it.
        QSqlQuery highest = Run(db, QStringLiteral("select max(rowid) from %1").arg(order_.table));
        if (!highest.next()) {
            throw TEngine::Error(kErrGeneralSql, highest.lastError());
        }
        highest_ = highest.value(0);
        highest.finish();
        columns_ = order_.columns;
        columns_.append(QStringLiteral("rowid"));  // breaks ties, and is never null
    }

    QStringList FieldNames() const override { return names_; }
    bool Rereads() const override { return true; }

    TRecordWindow Read(const QSqlDatabase& db, int window) override
    {
        TRecordWindow records;
        std::vector<QVariant> last;
        if (window == 0) {
            ReadPart(db, {}, {}, records, last);
        } else {
            const std::vector<QVariant>& after = anchors_.at(std::size_t(window - 1));
            if (after.front().isNull()) {
                // SQLite sorts null first: the rest of the null first key, then every other key.
                Condition rest = After(after, 1);
                rest.text = QStringLiteral("%1 is null and %2").arg(columns_[0], rest.text);
                ReadPart(db, rest, after, records, last);
                if (records.records < kWindowRecords) {
                    ReadPart(db, {QStringLiteral("%1 is not null").arg(columns_[0]), {}}, {},
                             records, last);
                }
            } else {
                ReadPart(db, After(after, 0), after, records, last);
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
        std::vector<QVariant> values;
    };

    // The rows after the anchor by the columns from `from` on, the earlier ones being equal.
    // "After" a null is "is not null", and "is" takes two nulls as equal.
    Condition After(const std::vector<QVariant>& anchor, int from) const
    {
        Condition after;
        for (int i = int(columns_.size()) - 1; i >= from; --i) {
            const QVariant& value = anchor[std::size_t(i)];
            const QString later = value.isNull() ? QStringLiteral("%1 is not null").arg(columns_[i])
                                                 : QStringLiteral("%1 > ?").arg(columns_[i]);
            std::vector<QVariant> values;
            if (!value.isNull()) {
                values.push_back(value);
            }
            if (after.text.isEmpty()) {
                after.text = later;
            } else {
                after.text = QStringLiteral("(%1 or (%2 is %3 and %4))")
                                 .arg(later, columns_[i],
                                      value.isNull() ? QStringLiteral("null") : QStringLiteral("?"),
                                      after.text);
                if (!value.isNull()) {
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
    void ReadPart(const QSqlDatabase& db, const Condition& condition,
                  const std::vector<QVariant>& anchor, TRecordWindow& records,
                  std::vector<QVariant>& last)
    {
        // "+rowid" keeps the planner on the index that orders the list.
        QString text =
            QStringLiteral("select rowid, * from %1 where +rowid <= ?").arg(order_.table);
        std::vector<QVariant> values{highest_};
        if (!anchor.empty() && !anchor[1].isNull()) {
            text += anchor[0].isNull()
                        ? QStringLiteral(" and %1 >= ?").arg(columns_[1])
                        : QStringLiteral(" and (%1, %2) >= (?, ?)").arg(columns_[0], columns_[1]);
            if (!anchor[0].isNull()) {
                values.push_back(anchor[0]);
            }
            values.push_back(anchor[1]);
        } else if (!anchor.empty() && !anchor[0].isNull()) {
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

        QSqlQuery statement(db);
        statement.setForwardOnly(true);
        if (!statement.prepare(text)) {
            throw TEngine::Error(kErrGeneralSql, statement.lastError());
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            statement.bindValue(int(i), values[i]);
        }
        if (!statement.exec()) {
            throw TEngine::Error(kErrGeneralSql, statement.lastError());
        }
        if (names_.isEmpty()) {
            names_ = NamesOf(statement.record(), 1);
            for (const QString& column : order_.columns) {
                const auto found = std::find_if(
                    names_.begin(), names_.end(),
                    [&](const QString& n) { return n.compare(column, Qt::CaseInsensitive) == 0; });
                keyFields_.push_back(int(found - names_.begin()) + 1);
            }
            keyFields_.push_back(0);
        }
        if (records.texts.empty()) {
            records.texts.reserve(std::size_t(kWindowRecords) * std::size_t(names_.size()));
            records.nulls.reserve(records.texts.capacity());
        }
        while (statement.next()) {
            for (int i = 1; i <= names_.size(); ++i) {
                AppendFieldText(records, statement.value(i));
            }
            // The key of a full window's last record is where the next window starts.
            if (++records.records == kWindowRecords) {
                for (int field : keyFields_) {
                    last.push_back(statement.value(field));
                }
            }
        }
        if (statement.lastError().isValid()) {
            throw TEngine::Error(kErrGeneralSql, statement.lastError());
        }
        statement.finish();
    }

    TListOrder order_;
    QStringList columns_;
    QVariant highest_;
    QStringList names_;
    std::vector<int> keyFields_;
    std::vector<std::vector<QVariant>> anchors_;
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
