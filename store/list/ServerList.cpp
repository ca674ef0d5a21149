#include "store/list/ServerList.h"

#include "store/engine/PgConnection.h"
#include "store/list/KeysetSource.h"

namespace {

// Whether the row was there for the snapshot of the opening ($1). The row's 32-bit transaction
// number is widened by the number the server gives next, which no visible row reaches and none
// trails by 2^32; a row frozen since and older than that could be taken for a newer one.
constexpr const char* kSeenAtOpening =
    "txid_visible_in_snapshot((select txid_snapshot_xmax(txid_current_snapshot())) - "
    "(((select txid_snapshot_xmax(txid_current_snapshot())) - xmin::text::bigint) & 4294967295), "
    "$1::txid_snapshot)";

// The row's place: the last key of the order, never null.
constexpr const char* kPlace = "ctid";

}  // namespace

TServerWindow ServerWindowStatement(const std::string& table,
                                    const std::vector<std::string>& columns,
                                    const std::vector<TServerValue>& anchor, int limit)
{
    std::vector<std::string> keys = columns;
    keys.emplace_back(kPlace);
    std::string order;
    for (const std::string& key : keys) {
        order += (order.empty() ? "" : ", ") + key;
    }
    TServerWindow window;
    window.values.emplace_back();  // the snapshot, given by the caller
    const auto parameter = [&](const TServerValue& value) {
        window.values.push_back(value);
        return "$" + std::to_string(window.values.size());
    };
    // The anchor's keys before the one at `at`, each part naming them with parameters of its own.
    const auto sameKeys = [&](std::size_t at) {
        std::string same;
        for (std::size_t k = 0; k < at; ++k) {
            same += (anchor[k] ? keys[k] + " = " + parameter(anchor[k]) : keys[k] + " is null") +
                    " and ";
        }
        return same;
    };
    // The parts in the list's order: the rows that share the most keys with the anchor first.
    std::vector<std::string> parts;
    if (anchor.empty()) {
        parts.emplace_back();
    }
    for (std::size_t at = anchor.size(); at-- > 0;) {
        if (!anchor[at]) {
            continue;  // nothing follows null in this column
        }
        // The keys' parameters are numbered before the one after them.
        const std::string same = sameKeys(at);
        parts.push_back(same + keys[at] + " > " + parameter(anchor[at]));
        if (at < columns.size()) {
            parts.push_back(sameKeys(at) + keys[at] + " is null");
        }
    }
    const std::string count = std::to_string(limit);
    std::string text = "select * from (";
    for (std::size_t p = 0; p < parts.size(); ++p) {
        text += p == 0 ? "" : " union all ";
        text += "(select " + std::to_string(p) + " as cardovane_part, " + kPlace + ", * from " +
                table + " where " + kSeenAtOpening + (parts[p].empty() ? "" : " and " + parts[p]) +
                " order by " + order + " limit " + count + ")";
    }
    text += ") w order by cardovane_part, " + order + " limit " + count;
    window.text = std::move(text);
    return window;
}

namespace {

// The fields before the table's columns: the part and the row's place.
constexpr int kLeadingFields = 2;

class TServerList : public TKeysetSource<TServerValue> {
public:
    TServerList(const QSqlDatabase& db, const TListOrder& order) : table_(order.table.toStdString())
    {
        for (const QString& column : order.columns) {
            columns_.push_back(column.toStdString());
        }
        const TServerResult snapshot =
            RunServerStatement(PgConnection(db), "select txid_current_snapshot()::text");
        snapshot_ = snapshot.ServerText(0, 0);
    }

    TRecordWindow Read(const QSqlDatabase& db, int window) override
    {
        TServerWindow statement =
            ServerWindowStatement(table_, columns_, StartAfter(window), kWindowRecords);
        statement.values.front() = snapshot_;
        const TServerResult rows =
            RunServerStatement(PgConnection(db), statement.text, statement.values);
        if (names_.isEmpty()) {
            Describe(rows);
        }
        TRecordWindow records;
        const int fields = rows.Fields() - kLeadingFields;
        records.texts.reserve(std::size_t(rows.Rows()) * std::size_t(fields));
        records.nulls.reserve(records.texts.capacity());
        for (int row = 0; row < rows.Rows(); ++row) {
            rows.AppendRecord(records, row, kLeadingFields);
        }
        // The key of a full window's last record is where the next window starts.
        if (records.records == kWindowRecords) {
            TKey last;
            for (int field : keyFields_) {
                last.push_back(rows.ServerText(records.records - 1, field));
            }
            EndedOn(window, std::move(last));
        }
        return records;
    }

private:
    void Describe(const TServerResult& rows)
    {
        for (int field = kLeadingFields; field < rows.Fields(); ++field) {
            names_.append(rows.FieldName(field));
        }
        for (const std::string& column : columns_) {
            const int found = int(names_.indexOf(QString::fromStdString(column)));
            keyFields_.push_back(found < 0 ? -1 : found + kLeadingFields);
        }
        keyFields_.push_back(1);  // the row's place
    }

    std::string table_;
    std::vector<std::string> columns_;
    TServerValue snapshot_;
};

}  // namespace

std::unique_ptr<TWindowSource> OpenServerList(const QSqlDatabase& db, const TListOrder& order)
{
    return std::make_unique<TServerList>(db, order);
}
