#include "store/BulkRead.h"

#include <libpq-fe.h>

#include <QSqlError>
#include <array>
#include <cstdint>
#include <cstring>
#include <exception>
#include <optional>
#include <string>

#include "store/Database.h"
#include "store/Engine.h"
#include "store/FieldText.h"
#include "store/PgConnection.h"
#include "store/StudentListTable.h"

namespace {

constexpr const char* kFields = "studentid, fname, lname";

// The server's type numbers of what is read as its bytes or its decimal digits.
enum : Oid {
    kInt8 = 20,
    kInt2 = 21,
    kInt4 = 23,
    kText = 25,
    kBpchar = 1042,
    kVarchar = 1043,
};

enum class FieldKind { Characters, Integer };

// How each field is rendered, by the column's type; false for a type the records render
// otherwise (a number with a fraction, a date, a truth value), which only they render alike.
bool FieldKinds(PGconn* conn, std::array<FieldKind, 3>& kinds)
{
    const std::string sql =
        std::string("select ") + kFields + " from " + kStudentListTable + " limit 0";
    const PgResult described = OwnedResult(PQexec(conn, sql.c_str()));
    // A table without those columns is for the records to report, in their words.
    if (PQresultStatus(described.get()) != PGRES_TUPLES_OK || PQnfields(described.get()) != 3) {
        return false;
    }
    for (int i = 0; i < 3; ++i) {
        switch (PQftype(described.get(), i)) {
            case kText:
            case kVarchar:
            case kBpchar:
                kinds[std::size_t(i)] = FieldKind::Characters;
                break;
            case kInt2:
            case kInt4:
            case kInt8:
                kinds[std::size_t(i)] = FieldKind::Integer;
                break;
            default:
                return false;
        }
    }
    return true;
}

std::uint32_t Big32(const char* p)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    }
    return v;
}

// The field's text as the records give it: an integer's decimal digits, characters as Qt
// converts them, null the empty text.
std::string_view FieldText(FieldKind kind, const char* data, std::int32_t size,
                           std::string& scratch)
{
    if (size < 0) {
        return {};
    }
    const std::string_view bytes(data, std::size_t(size));
    if (kind == FieldKind::Characters) {
        return AsQtConverts(bytes, scratch);
    }
    std::uint64_t value = 0;
    for (char c : bytes) {
        value = (value << 8) | static_cast<unsigned char>(c);
    }
    // Two's complement of the field's width.
    const int bits = 8 * size;
    long long number = bits >= 64 ? static_cast<long long>(value)
                                  : static_cast<long long>(value << (64 - bits)) >> (64 - bits);
    scratch = std::to_string(number);
    return scratch;
}

// Parses COPY's binary stream: the signature and header, then per row a field count and per
// field its length (-1 for null) and bytes, up to the count -1 that ends it.
class BinaryCopyReader {
public:
    BinaryCopyReader(const std::array<FieldKind, 3>& kinds, const TStudentFieldsSink& row)
        : kinds_(kinds), row_(row)
    {
    }

    // Takes the next bytes; raises what is not the format.
    void Take(const char* data, std::size_t size)
    {
        pending_.append(data, size);
        std::size_t at = 0;
        while (Step(at)) {
        }
        pending_.erase(0, at);
    }

    bool Ended() const { return ended_; }
    long long Rows() const { return rows_; }

private:
    bool Step(std::size_t& at)
    {
        const std::size_t left = pending_.size() - at;
        const char* p = pending_.data() + at;
        if (!headerRead_) {
            static constexpr char kSignature[] = "PGCOPY\n\377\r\n";  // and its NUL
            if (left < 19) {
                return false;
            }
            if (std::memcmp(p, kSignature, 11) != 0) {
                Malformed();
            }
            const std::size_t extension = Big32(p + 15);
            if (left < 19 + extension) {
                return false;
            }
            at += 19 + extension;
            headerRead_ = true;
            return true;
        }
        if (ended_ || left < 2) {
            return false;
        }
        const auto count = static_cast<std::int16_t>((static_cast<unsigned char>(p[0]) << 8) |
                                                     static_cast<unsigned char>(p[1]));
        if (count == -1) {
            ended_ = true;
            at += 2;
            return false;
        }
        if (count != 3) {
            Malformed();
        }
        std::size_t offset = 2;
        std::array<std::string_view, 3> fields;
        for (std::size_t i = 0; i < 3; ++i) {
            if (left < offset + 4) {
                return false;
            }
            const auto size = static_cast<std::int32_t>(Big32(p + offset));
            offset += 4;
            if (size < -1 || (kinds_[i] == FieldKind::Integer && size != -1 && size != 2 &&
                              size != 4 && size != 8)) {
                Malformed();
            }
            if (size > 0 && left < offset + std::size_t(size)) {
                return false;
            }
            fields[i] = FieldText(kinds_[i], p + offset, size, scratch_[i]);
            offset += size > 0 ? std::size_t(size) : 0;
        }
        row_(fields[0], fields[1], fields[2]);
        ++rows_;
        at += offset;
        return true;
    }

    [[noreturn]] static void Malformed()
    {
        throw TEngine::Error(kErrGeneralSql,
                             QSqlError(QStringLiteral("Unable to copy"),
                                       QStringLiteral("The server's copy of the list is not in "
                                                      "PostgreSQL's binary COPY format."),
                                       QSqlError::StatementError));
    }

    const std::array<FieldKind, 3>& kinds_;
    const TStudentFieldsSink& row_;
    std::string pending_;
    std::array<std::string, 3> scratch_;
    bool headerRead_ = false;
    bool ended_ = false;
    long long rows_ = 0;
};

}  // namespace

long long ReadStudentFieldsInBulk(TDatabase& database, const TStudentFieldsSink& row)
{
    database.Use();
    PGconn* conn = PgConnection(database.Handle());
    std::array<FieldKind, 3> kinds{};
    if (!conn || !FieldKinds(conn, kinds)) {
        return -1;
    }
    const std::string sql = std::string("copy (select ") + kFields + " from " + kStudentListTable +
                            " order by " + StudentListOrderBy() + ") to stdout (format binary)";
    {
        const PgResult started = OwnedResult(PQexec(conn, sql.c_str()));
        if (PQresultStatus(started.get()) != PGRES_COPY_OUT) {
            throw PgError(conn, started.get());
        }
    }
    BinaryCopyReader reader(kinds, row);
    // Every message of the copy is taken, even after a failure, so the connection is left
    // ready for the next statement.
    std::exception_ptr failure;
    for (;;) {
        char* data = nullptr;
        const int size = PQgetCopyData(conn, &data, 0);
        if (size < 0) {
            break;
        }
        const std::unique_ptr<char, void (*)(void*)> owned(data, PQfreemem);
        if (!failure) {
            try {
                reader.Take(data, std::size_t(size));
            } catch (...) {
                failure = std::current_exception();
            }
        }
    }
    std::optional<EDBEngineError> serverFailure;
    while (PGresult* next = PQgetResult(conn)) {
        const PgResult result = OwnedResult(next);
        if (PQresultStatus(next) != PGRES_COMMAND_OK && !serverFailure) {
            serverFailure = PgError(conn, next);
        }
        if (PQstatus(conn) == CONNECTION_BAD) {
            break;
        }
    }
    if (serverFailure) {
        throw *serverFailure;
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    if (!reader.Ended()) {
        throw PgError(conn, nullptr);
    }
    return reader.Rows();
}
