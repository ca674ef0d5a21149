#include "store/list/ServerList.h"

#include <atomic>

#include "store/list/SqlRows.h"

namespace {

class TServerList : public TWindowSource {
public:
    TServerList(const QSqlDatabase& db, const QString& statement)
        : cursor_(QStringLiteral("cardovane_list_%1").arg(++counter_))
    {
        RunStatement(db, QStringLiteral("begin"));
        try {
            RunStatement(db, QStringLiteral("declare %1 scroll cursor with hold for %2")
                                 .arg(cursor_, statement));
            RunStatement(db, QStringLiteral("commit"));
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
            RunStatement(db, QStringLiteral("move absolute %1 in %2")
                                 .arg(qint64(window) * kWindowRecords)
                                 .arg(cursor_));
        }
        QSqlQuery rows = RunStatement(
            db, QStringLiteral("fetch forward %1 from %2").arg(kWindowRecords).arg(cursor_));
        if (names_.isEmpty()) {
            names_ = FieldNamesOf(rows.record());
        }
        TRecordWindow records = ReadRows(rows, int(names_.size()), kWindowRecords);
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

std::unique_ptr<TWindowSource> OpenServerList(const QSqlDatabase& db, const QString& statement)
{
    return std::make_unique<TServerList>(db, statement);
}
