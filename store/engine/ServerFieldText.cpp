#include "store/engine/ServerFieldText.h"

#include "store/engine/LibpqCalls.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QVariant>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "store/engine/FieldText.h"
#include "store/engine/PgConnection.h"
#include "store/engine/ServerTypes.h"

namespace {

using namespace server_type;

// A number with a fraction as the driver reads it: C's digits, or the server's words for the
// values that are none; anything else is no value.
QVariant RealValue(std::string_view text)
{
    double number = 0;
    const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (failure == std::errc() && end == text.data() + text.size()) {
        return number;
    }
    const QByteArray word = QByteArray(text.data(), qsizetype(text.size())).toLower();
    if (word == "nan") {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (word == "infinity") {
        return std::numeric_limits<double>::infinity();
    }
    if (word == "-infinity") {
        return -std::numeric_limits<double>::infinity();
    }
    return {};
}

// A date and time as the driver reads it: in the desktop's own time.
QVariant DateTimeValue(const QString& text)
{
    return QDateTime::fromString(text, Qt::ISODate).toLocalTime();
}

QVariant BytesValue(const char* value)
{
    const TLibpq& pq = Libpq();
    std::size_t length = 0;
    unsigned char* bytes =
        pq.PQunescapeBytea(reinterpret_cast<const unsigned char*>(value), &length);
    QByteArray array(reinterpret_cast<const char*>(bytes), qsizetype(length));
    pq.PQfreemem(bytes);
    return array;
}

}  // namespace

void AppendServerFieldText(TRecordWindow& window, unsigned type, const char* value, int length,
                           bool isNull)
{
    if (isNull) {
        AppendNullText(window);
        return;
    }
    const std::string_view text(value, std::size_t(length));
    switch (type) {
        case kBool:
            AppendCharacterText(window, value[0] == 't' ? "true" : "false");
            return;
        case kInt8:
            AppendIntegerText(window, std::strtoll(value, nullptr, 10));
            return;
        case kOid:
            AppendIntegerText(window, (long long)std::strtoul(value, nullptr, 10));
            return;
        case kInt2:
        case kInt4:
        case kRegproc:
        case kXid:
        case kCid:
            AppendIntegerText(window, std::atoi(value));
            return;
        case kNumeric:
        case kFloat4:
        case kFloat8:
            AppendFieldText(window, RealValue(text));
            return;
        case kAbstime:
        case kReltime:
        case kDate:
            AppendFieldText(window, QDate::fromString(QString::fromLatin1(text), Qt::ISODate));
            return;
        case kTime:
        case kTimeTz:
            AppendFieldText(window, QTime::fromString(QString::fromLatin1(text), Qt::ISODate));
            return;
        case kTimestamp:
        case kTimestampTz:
            AppendFieldText(window, DateTimeValue(QString::fromLatin1(text)));
            return;
        case kBytea:
            AppendFieldText(window, BytesValue(value));
            return;
        default: {
            std::string scratch;
            AppendCharacterText(window, AsQtConverts(text, scratch));
        }
    }
}
