#include "store/bulk/CopyBinary.h"

#include <cstdint>
#include <cstring>

#include "store/errors/EngineErrors.h"

namespace {

constexpr char kSignature[] = "PGCOPY\n\377\r\n";  // 11 bytes with the NUL that ends it
constexpr std::size_t kSignatureSize = 11;
constexpr std::size_t kHeaderSize = kSignatureSize + 4 + 4;  // then flags and extension length

std::uint32_t Big32(const char* p)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    }
    return v;
}

}  // namespace

void RaiseUnreadableCopy(std::string_view format)
{
    throw EDBEngineError(kErrGeneralSql, {TDBError{kErrGeneralSql,
                                                   {},
                                                   "The server's copy of the list is not in "
                                                   "PostgreSQL's " +
                                                       std::string(format) + " COPY format."}});
}

TCopyBinaryReader::TCopyBinaryReader(std::size_t fields, Row row)
    : fields_(fields), row_(std::move(row)), rowFields_(fields)
{
}

void TCopyBinaryReader::Take(std::string_view bytes)
{
    if (ended_ && !bytes.empty()) {
        RaiseUnreadableCopy();
    }
    pending_.append(bytes);
    std::size_t at = 0;
    while (Step(at)) {
    }
    pending_.erase(0, at);
    if (ended_ && !pending_.empty()) {
        RaiseUnreadableCopy();
    }
}

bool TCopyBinaryReader::Step(std::size_t& at)
{
    const std::size_t left = pending_.size() - at;
    const char* p = pending_.data() + at;
    if (!headerRead_) {
        if (left < kHeaderSize) {
            return false;
        }
        if (std::memcmp(p, kSignature, kSignatureSize) != 0) {
            RaiseUnreadableCopy();
        }
        const std::uint32_t extension = Big32(p + kSignatureSize + 4);
        if (extension > (1U << 30)) {
            RaiseUnreadableCopy();
        }
        if (left < kHeaderSize + extension) {
            return false;
        }
        at += kHeaderSize + extension;
        headerRead_ = true;
        return true;
    }
    if (ended_ || left < 2) {
        return false;
    }
    const auto count = static_cast<std::int16_t>(static_cast<std::uint16_t>(
        (static_cast<unsigned char>(p[0]) << 8) | static_cast<unsigned char>(p[1])));
    if (count == -1) {
        ended_ = true;
        at += 2;
        return false;
    }
    if (count < 0 || std::size_t(count) != fields_) {
        RaiseUnreadableCopy();
    }
    std::size_t offset = 2;
    for (TCopyField& field : rowFields_) {
        field = TCopyField{};
        if (left < offset + 4) {
            return false;
        }
        const auto size = static_cast<std::int32_t>(Big32(p + offset));
        offset += 4;
        if (size < -1) {
            RaiseUnreadableCopy();
        }
        if (size == -1) {
            field.null = true;
            continue;
        }
        if (left - offset < std::size_t(size)) {
            return false;
        }
        field.bytes = std::string_view(p + offset, std::size_t(size));
        offset += std::size_t(size);
    }
    row_(rowFields_);
    ++rows_;
    at += offset;
    return true;
}

std::optional<std::string> CopyBinaryIntegerText(std::string_view bytes)
{
    const std::size_t width = bytes.size();
    if (width != 2 && width != 4 && width != 8) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : bytes) {
        value = (value << 8) | static_cast<unsigned char>(c);
    }
    // Widened with its sign.
    const unsigned shift = unsigned(64 - 8 * width);
    const auto number = static_cast<long long>(value << shift) >> shift;
    return std::to_string(number);
}
