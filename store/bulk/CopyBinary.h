#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One field of a row of PostgreSQL's binary COPY: its bytes, or null.
struct TCopyField {
    std::string_view bytes;
    bool null = false;
};

// PostgreSQL's binary COPY stream, parsed as it arrives in pieces of any size: the signature,
// flags and header extension, then per row its field count and per field a length (-1 for
// null) and that many bytes, up to the count -1 that ends the stream. Each row of the expected
// field count goes to `row`, its fields valid for the call only. Anything else (a signature,
// a field count or a length that is not the format, bytes after the end) raises the engine's
// error, naming the server's copy as unreadable.
class TCopyBinaryReader {
public:
    using Row = std::function<void(std::span<const TCopyField>)>;
    TCopyBinaryReader(std::size_t fields, Row row);

    void Take(std::string_view bytes);
    // The end mark was read: the stream is whole.
    bool Ended() const { return ended_; }
    long long Rows() const { return rows_; }

private:
    bool Step(std::size_t& at);

    std::size_t fields_;
    Row row_;
    std::vector<TCopyField> rowFields_;
    std::string pending_;
    bool headerRead_ = false;
    bool ended_ = false;
    long long rows_ = 0;
};

// A binary integer field (smallint, integer or bigint: 2, 4 or 8 bytes, big-endian two's
// complement) as its decimal digits; none for any other width.
std::optional<std::string> CopyBinaryIntegerText(std::string_view bytes);

// Raises the engine's error for a copy that is not in the format ("binary", "text").
[[noreturn]] void RaiseUnreadableCopy(std::string_view format = "binary");
