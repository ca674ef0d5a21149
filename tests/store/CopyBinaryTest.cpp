// PostgreSQL's binary COPY stream, as a server sends it, in pieces of every size.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "store/bulk/CopyBinary.h"
#include "store/errors/EngineErrors.h"

namespace {

using namespace std::string_literals;

const std::string kHeader = "PGCOPY\n\xFF\r\n\0"s + "\0\0\0\0"s + "\0\0\0\0"s;

std::string Int16(int v)
{
    return {char((v >> 8) & 0xFF), char(v & 0xFF)};
}

std::string Int32(long v)
{
    return {char((v >> 24) & 0xFF), char((v >> 16) & 0xFF), char((v >> 8) & 0xFF), char(v & 0xFF)};
}

std::string Field(const std::string& bytes)
{
    return Int32(long(bytes.size())) + bytes;
}

const std::string kNull = Int32(-1);
const std::string kEnd = Int16(-1);

// Each row as its fields joined by '|', null as "<null>".
std::vector<std::string> Rows(const std::string& stream, std::size_t piece, bool* ended = nullptr)
{
    std::vector<std::string> rows;
    TCopyBinaryReader reader(3, [&](std::span<const TCopyField> fields) {
        std::string row;
        for (const TCopyField& f : fields) {
            row += (row.empty() ? "" : "|") + (f.null ? "<null>"s : std::string(f.bytes));
        }
        rows.push_back(row);
    });
    for (std::size_t at = 0; at < stream.size(); at += piece) {
        reader.Take(std::string_view(stream).substr(at, piece));
    }
    if (ended) {
        *ended = reader.Ended();
    }
    EXPECT_EQ(reader.Rows(), long(rows.size()));
    return rows;
}

TEST(CopyBinary, RowsComeWholeWhateverPiecesTheyArriveIn)
{
    const std::string extension = "PGCOPY\n\xFF\r\n\0"s + "\0\0\0\0"s + Int32(3) + "abc";
    const std::string rows = Int16(3) + Field("12") + kNull + Field("") +  //
                             Int16(3) + Field("a\tb\\c\0d"s) + Field("\xC3\x89") + Field("x") +
                             kEnd;
    const std::vector<std::string> expected{"12|<null>|", "a\tb\\c\0d|\xC3\x89|x"s};
    for (const std::string& head : {kHeader, extension}) {
        for (std::size_t piece :
             {std::size_t(1), std::size_t(2), std::size_t(7), head.size(), std::size_t(4096)}) {
            bool ended = false;
            EXPECT_EQ(Rows(head + rows, piece, &ended), expected) << "pieces of " << piece;
            EXPECT_TRUE(ended);
        }
    }
}

TEST(CopyBinary, AStreamCutShortIsNotEnded)
{
    bool ended = true;
    EXPECT_EQ(Rows(kHeader + Int16(3) + Field("1") + Field("a"), 3, &ended),
              std::vector<std::string>{});
    EXPECT_FALSE(ended);
}

TEST(CopyBinary, WhatIsNotTheFormatIsRefused)
{
    const std::string row = Int16(3) + Field("1") + Field("a") + Field("b");
    const struct {
        const char* what;
        std::string stream;
    } cases[] = {
        {"a text copy", "1\tAnn\tLee\n" + std::string(20, 'x')},
        {"a signature one byte off", "PGCOPY\n\xFF\r\n\1"s + "\0\0\0\0\0\0\0\0"s + row + kEnd},
        {"a row of another field count", kHeader + Int16(2) + Field("1") + Field("a") + kEnd},
        {"a negative field count", kHeader + Int16(-2) + kEnd},
        {"a length below -1", kHeader + Int16(3) + Int32(-2) + Field("a") + Field("b") + kEnd},
        {"bytes after the end", kHeader + row + kEnd + row},
        {"a header extension beyond reason", "PGCOPY\n\xFF\r\n\0"s + "\0\0\0\0"s + Int32(-1)},
    };
    for (const auto& c : cases) {
        try {
            Rows(c.stream, 5);
            ADD_FAILURE() << c.what << " was read";
        } catch (const EDBEngineError& e) {
            EXPECT_EQ(e.ErrorCode(), kErrGeneralSql) << c.what;
            EXPECT_NE(std::string(e.what()).find("not in PostgreSQL's binary COPY format"),
                      std::string::npos)
                << c.what << ": " << e.what();
        }
    }
}

TEST(CopyBinary, IntegersOfEachWidthAreTheirDecimalDigits)
{
    const struct {
        std::string bytes;
        std::optional<std::string> text;
    } cases[] = {
        {"\x00\x00"s, "0"},
        {"\x80\x00"s, "-32768"},
        {"\x7F\xFF"s, "32767"},
        {"\xFF\xFF\xFF\xFF"s, "-1"},
        {"\x80\x00\x00\x00"s, "-2147483648"},
        {"\x00\x01\x00\x00"s, "65536"},
        {"\x80\x00\x00\x00\x00\x00\x00\x00"s, "-9223372036854775808"},
        {"\x7F\xFF\xFF\xFF\xFF\xFF\xFF\xFF"s, "9223372036854775807"},
        {"\x01\x02\x03"s, std::nullopt},
        {""s, std::nullopt},
        {"\x00"s, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CopyBinaryIntegerText(c.bytes), c.text) << c.bytes.size() << " bytes";
    }
}

}  // namespace
