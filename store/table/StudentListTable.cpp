#include "store/table/StudentListTable.h"

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

std::string StudentIdsParameter(const std::vector<std::string_view>& ids)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string json = "[";
    for (const std::string_view id : ids) {
        json += json.size() > 1 ? ",\"" : "\"";
        for (const char c : id) {
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
