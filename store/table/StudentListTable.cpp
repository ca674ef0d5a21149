#include "store/table/StudentListTable.h"

#include "store/table/StudentRecord.h"

std::string StudentListOrderBy()
{
    std::string columns;
    for (const char* column : kStudentListOrder) {
        columns += (columns.empty() ? "" : ", ") + std::string(column);
    }
    return columns;
}

std::vector<std::string> StudentListQueryLines()
{
    return {std::string("select * from ") + kStudentListTable, "order by " + StudentListOrderBy()};
}

std::vector<std::string> MaximumSequenceLines()
{
    return {"select MAX(PSIDSequence) as PSIDSequence from StudentList", "where PSID = :PrepPSID"};
}

std::vector<std::string> InsertStudentLines()
{
    return {kStudentListInsertHead[0],
            kStudentListInsertHead[1],
            "values(",
            "  :psid",
            ", :psidsequence",
            ", :studentid",
            ", :fname",
            ", :lname",
            ")"};
}

std::string StudentListInsertHead()
{
    return std::string(kStudentListInsertHead[0]) + "\n" + kStudentListInsertHead[1];
}

std::string InsertStudentRowStatement()
{
    return StudentListInsertHead() + " values (?, ?, ?, ?, ?)";
}

std::string CopyStudentRowsInStatement()
{
    return std::string("copy ") + kStudentListTable + " " + kStudentListInsertHead[1] +
           " from stdin";
}

std::vector<std::string> StoredMaximaLines()
{
    return {std::string("select psid, max(psidsequence) as PSIDSequence from ") + kStudentListTable,
            "group by psid"};
}

namespace {

constexpr const char* kStudentFields = "studentid, fname, lname";

}  // namespace

std::string StudentFieldsStatement()
{
    return std::string("select ") + kStudentFields + " from " + kStudentListTable + " order by " +
           StudentListOrderBy();
}

std::string SqliteStudentFieldsStatement()
{
    return StudentFieldsStatement() + ", rowid";
}

std::string StoredStudentsStatement()
{
    return std::string("select ") + kStudentFields + " from " + kStudentListTable;
}

std::string CountStudentsStatement()
{
    return std::string("select count(*) as ") + kStudentCountField + " from " + kStudentListTable;
}

std::vector<std::string> StoredStudentsByIdLines(bool sqlite)
{
    return {StoredStudentsStatement(),
            sqlite ? "where studentid in (select value from json_each(:ids))"
                   : "where studentid in (select json_array_elements_text(cast(:ids as json)))"};
}

namespace {

// A text as a JSON string: quoted, with the quote, the backslash and control bytes escaped; the
// other bytes as they are (UTF-8 passes through).
void AppendJsonText(std::string& json, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    json += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            json += "\\u00";
            json += kHex[byte >> 4];
            json += kHex[byte & 15];
        } else {
            json += c;
        }
    }
    json += '"';
}

}  // namespace

std::string StudentIdsParameter(const std::vector<std::string_view>& ids)
{
    std::string json = "[";
    for (const std::string_view id : ids) {
        if (json.size() > 1) {
            json += ',';
        }
        AppendJsonText(json, id);
    }
    return json + "]";
}

namespace {

std::vector<std::string> PostedRowLines(std::string first)
{
    return {std::move(first),
            "where (psid = :psid or (psid is null and :psid_again = ''))",
            "and psidsequence = :psidsequence",
            "and coalesce(studentid, '') = :studentid",
            "and coalesce(fname, '') = :fname",
            "and coalesce(lname, '') = :lname"};
}

}  // namespace

std::vector<std::string> DeletePostedRowLines()
{
    return PostedRowLines(std::string("delete from ") + kStudentListTable);
}

std::vector<std::string> CountPostedRowLines()
{
    return PostedRowLines(std::string("select count(*) as ") + kPostedRowCountField + " from " +
                          kStudentListTable);
}

std::vector<std::string> StoredUnderKeyLines()
{
    return {std::string("select studentid from ") + kStudentListTable,
            "where (psid = :psid or (psid is null and :psid_again = ''))",
            "and psidsequence = :psidsequence"};
}

std::vector<std::string> IntactPostedRowsLines(bool sqlite)
{
    // Each record's fields out of the array, then two counts so that each uses the key's index:
    // the records stored under their key, and those whose empty key was stored as null.
    const std::string field = sqlite ? "json_extract(value, '$[%]')" : "value->>%";
    auto at = [&field](char n) {
        std::string text = field;
        text.replace(text.find('%'), 1, 1, n);
        return text;
    };
    const std::string matches =
        "s.psidsequence = r.psidsequence"
        " and coalesce(s.studentid, '') = r.studentid"
        " and coalesce(s.fname, '') = r.fname"
        " and coalesce(s.lname, '') = r.lname";
    return {"with r (psid, psidsequence, studentid, fname, lname) as (",
            "  select " + at('0') + ", " + (sqlite ? at('1') : "cast(" + at('1') + " as integer)") +
                ", " + at('2') + ", " + at('3') + ", " + at('4'),
            sqlite ? "  from json_each(:records))"
                   : "  from json_array_elements(cast(:records as json)))",
            std::string("select (select count(*) from r join ") + kStudentListTable +
                " s on s.psid = r.psid and " + matches + ")",
            std::string("  + (select count(*) from r join ") + kStudentListTable +
                " s on s.psid is null and r.psid = '' and " + matches + ")",
            std::string("  as ") + kPostedRowCountField};
}

std::string PostedRowsParameter(const std::vector<TStudentRecord>& records)
{
    std::string json = "[";
    for (const TStudentRecord& record : records) {
        json += json.size() > 1 ? ",[" : "[";
        AppendJsonText(json, record.psid);
        json += ',' + std::to_string(record.sequence) + ',';
        AppendJsonText(json, record.studentId);
        json += ',';
        AppendJsonText(json, record.firstName);
        json += ',';
        AppendJsonText(json, record.lastName);
        json += ']';
    }
    return json + "]";
}
