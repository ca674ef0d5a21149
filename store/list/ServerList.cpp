#include "store/list/ServerList.h"

#include "store/bulk/CopyText.h"
#include "store/engine/PgConnection.h"
#include "store/engine/ServerFieldText.h"
#include "store/list/KeysetSource.h"

namespace {

// Whether the row was there for the snapshot of the opening (`snapshot`, a parameter or the
// snapshot's own text). The row's 32-bit transaction number is widened by the number the
// server gives next, which no visible row reaches and none trails by 2^32; a row frozen since
// and older than that could be taken for a newer one.
std::string SeenAtOpening(const std::string& snapshot)
{
    std::string seen =
        "txid_visible_in_snapshot((select txid_snapshot_xmax(txid_current_snapshot())) - "
        "(((select txid_snapshot_xmax(txid_current_snapshot())) - xmin::text::bigint) & "
        "4294967295), ";
    seen.append(snapshot).append("::txid_snapshot)");
    return seen;
}

// The row's place: the last key of the order, never null.
constexpr const char* kPlace = "ctid";

// The keys that order the list: its columns, then the row's place.
std::vector<std::string> OrderKeys(const std::vector<std::string>& columns)
{
    std::vector<std::string> keys = columns;
    keys.emplace_back(kPlace);
    return keys;
}

std::string Joined(const std::vector<std::string>& keys)
{
    std::string order;
    for (const std::string& key : keys) {
        order += (order.empty() ? "" : ", ") + key;
    }
    return order;
}

// The fields a reading of the list gives before the table's columns.
std::string LeadingFields(int part)
{
    return "select " + std::to_string(part) + " as cardovane_part, " + kPlace + ", * from ";
}

}  // namespace

TServerWindow ServerWindowStatement(const std::string& table,
                                    const std::vector<std::string>& columns,
                                    const std::vector<TServerValue>& anchor, int limit)
{
    const std::vector<std::string> keys = OrderKeys(columns);
    const std::string order = Joined(keys);
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
        text += "(" + LeadingFields(int(p)) + table + " where " + SeenAtOpening("$1") +
                (parts[p].empty() ? "" : " and " + parts[p]) + " order by " + order + " limit " +
                count + ")";
    }
    text += ") w order by cardovane_part, " + order + " limit " + count;
    window.text = std::move(text);
    return window;
}

std::string ServerListCopyStatement(const std::string& table,
                                    const std::vector<std::string>& columns,
                                    const std::string& snapshot, bool uniqueFirstKeys)
{
    if (snapshot.empty() || snapshot.find_first_not_of("0123456789:,") != std::string::npos) {
        return {};
    }
    // Where no two records share the first two keys, they alone give the order, and the index
    // that holds them gives it without sorting.
    const std::string order =
        Joined(uniqueFirstKeys ? std::vector<std::string>(columns.begin(), columns.begin() + 2)
                               : OrderKeys(columns));
    // The test of the snapshot is applied after the rows are read in order ("offset 0" keeps
    // it out of the reading): the planner, taking it to leave a third of the rows, would
    // otherwise sort the table rather than read it by its index.
    std::string copy = "copy (select * from (select ";
    copy.append(SeenAtOpening(std::string(1, '\'').append(snapshot).append(1, '\'')))
        .append(" as cardovane_part, ")
        .append(kPlace)
        .append(", * from ")
        .append(table)
        .append(" order by ")
        .append(order)
        .append(" offset 0) seen where cardovane_part order by ")
        .append(order)
        .append(") to stdout");
    return copy;
}

std::string UniqueFirstKeysStatement(const std::string& table,
                                     const std::vector<std::string>& columns)
{
    // The index's own collation and operator classes, so that it tells values apart as the
    // order compares them.
    const auto key = [&](int at) {
        const std::string n = std::to_string(at);
        return "i.indkey[" + n + "] = a" + n + ".attnum and i.indcollation[" + n + "] = a" + n +
               ".attcollation and (select opcdefault from pg_opclass where oid = i.indclass[" + n +
               "])";
    };
    return "select exists (select 1 from pg_index i join pg_attribute a0 on a0.attrelid = "
           "i.indrelid and a0.attname = lower('" +
           columns[0] +
           "') join pg_attribute a1 on a1.attrelid = i.indrelid and a1.attname = "
           "lower('" +
           columns[1] + "') where i.indrelid = to_regclass('" + table +
           "') and i.indisunique and i.indpred is null and i.indexprs is null and "
           "i.indnkeyatts = 2 and " +
           key(0) + " and " + key(1) + ") and not exists (select 1 from " + table + " where " +
           columns[0] + " is null or " + columns[1] + " is null)";
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

    long long ReadThrough(const QSqlDatabase& db, const TRecordSink& record) override
    {
        const TPgConnection pg = PgConnection(db);
        const bool unique =
            columns_.size() >= 2 &&
            RunServerStatement(pg, UniqueFirstKeysStatement(table_, columns_)).ServerText(0, 0) ==
                "t";
        const std::string copy =
            ServerListCopyStatement(table_, columns_, snapshot_.value_or(""), unique);
        if (copy.empty() || types_.empty()) {
            return -1;
        }
        std::vector<TCopyField> fields;
        std::string storage;
        TRecordWindow one;
        long long records = 0;
        RunServerCopyOut(
            pg, copy,
            [&](std::string_view row) {
                SplitCopyTextRow(row, fields, storage);
                if (fields.size() != types_.size() + kLeadingFields) {
                    RaiseUnreadableCopy();
                }
                one.texts.clear();
                one.nulls.clear();
                for (std::size_t field = kLeadingFields; field < fields.size(); ++field) {
                    const TCopyField& value = fields[field];
                    AppendServerFieldText(one, types_[field - kLeadingFields], value.bytes.data(),
                                          int(value.bytes.size()), value.null);
                }
                one.records = 1;
                record(one);
                // The key of each full window's last record is where the next window starts.
                if (++records % kWindowRecords == 0) {
                    TKey last;
                    for (int field : keyFields_) {
                        const TCopyField& key = fields[std::size_t(field)];
                        last.push_back(key.null ? TServerValue() : TServerValue(key.bytes));
                    }
                    EndedOn(int(records / kWindowRecords) - 1, std::move(last));
                }
            },
            [&pg](const PGresult* failed) { return PgStatementError(pg, failed); });
        return records;
    }

private:
    void Describe(const TServerResult& rows)
    {
        for (int field = kLeadingFields; field < rows.Fields(); ++field) {
            names_.append(rows.FieldName(field));
            types_.push_back(rows.FieldType(field));
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
    std::vector<unsigned> types_;  // the server's type number of each of the table's columns
};

}  // namespace

std::unique_ptr<TWindowSource> OpenServerList(const QSqlDatabase& db, const TListOrder& order)
{
    return std::make_unique<TServerList>(db, order);
}
