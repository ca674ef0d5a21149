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
    }

    QStringList FieldNames() const override { return names_; }
    bool Rereads() const override { return true; }

    TRecordWindow Read(const QSqlDatabase& db, int window) override
    {
        const std::vector<QVariant>* after =
            window == 0 ? nullptr : &anchors_.at(std::size_t(window - 1));
        QSqlQuery statement(db);
        statement.setForwardOnly(true);
        if (!statement.prepare(WindowText(after))) {
            throw TEngine::Error(kErrGeneralSql, statement.lastError());
        }
        int at = 0;
        statement.bindValue(at++, highest_);
        if (after) {
            if (!after->front().isNull()) {
                statement.bindValue(at++, after->front());
            }
            for (const QVariant& value : *after) {
                if (!value.isNull()) {
                    statement.bindValue(at++, value);  // after this value
                    if (&value != &after->back()) {
                        statement.bindValue(at++, value);  // or equal to it
                    }
                }
            }
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
            keyFields_.push_back(0);  // the row number, last
        }
        // The key of the window's last record is where the next window starts.
        std::vector<QVariant> last;
        TRecordWindow records;
        records.texts.reserve(std::size_t(kWindowRecords) * std::size_t(names_.size()));
        records.nulls.reserve(records.texts.capacity());
        while (statement.next()) {
            for (int i = 1; i <= names_.size(); ++i) {
                AppendFieldText(records, statement.value(i));
            }
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
        if (std::size_t(window) == anchors_.size() && !last.empty()) {
            anchors_.push_back(std::move(last));
        }
        return records;
    }

private:
    // The window's statement. SQLite sorts null first, and "is" compares nulls as equal, so
    // "after" a null is "is not null".
    QString WindowText(const std::vector<QVariant>* after) const
    {
        QString text = QStringLiteral("select rowid, * from %1 where rowid <= ?").arg(order_.table);
        QString orderBy = order_.columns.join(QStringLiteral(", ")) + QStringLiteral(", rowid");
        if (after) {
            QStringList columns = order_.columns;
            columns.append(QStringLiteral("rowid"));
            // Lets the first column's index start the search at the window's first key.
            if (!after->front().isNull()) {
                text += QStringLiteral(" and %1 >= ?").arg(columns.front());
            }
            QString condition;
            for (int i = int(columns.size()) - 1; i >= 0; --i) {
                const bool null = (*after)[std::size_t(i)].isNull();
                const QString later = null ? QStringLiteral("%1 is not null").arg(columns[i])
                                           : QStringLiteral("%1 > ?").arg(columns[i]);
                condition =
                    condition.isEmpty()
                        ? later
                        : QStringLiteral("%1 or (%2 is %3 and (%4))")
                              .arg(later, columns[i],
                                   null ? QStringLiteral("null") : QStringLiteral("?"), condition);
            }
            text += QStringLiteral(" and (%1)").arg(condition);
        }
        return text + QStringLiteral(" order by %1 limit %2").arg(orderBy).arg(kWindowRecords);
    }

    TListOrder order_;
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
