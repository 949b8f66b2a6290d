#include "base/Bytes.h"
#include "base/Crc32.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace {

TEST(Bytes, WritesLittleEndian) {
    std::string out;
    base::AppendU8(out, 0x01);
    base::AppendU16(out, 0x0302);
    base::AppendU32(out, 0x07060504);
    base::AppendU64(out, 0x0F0E0D0C0B0A0908);
    base::AppendI32(out, -2);
    base::AppendF64(out, 1.0);
    EXPECT_EQ(out, std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D\x0E\x0F"
                               "\xFE\xFF\xFF\xFF"
                               "\x00\x00\x00\x00\x00\x00\xF0\x3F",
                               27));
    base::ByteReader reader(out);
    EXPECT_EQ(reader.U8(), 0x01);
    EXPECT_EQ(reader.U16(), 0x0302);
    EXPECT_EQ(reader.U32(), 0x07060504u);
    EXPECT_EQ(reader.U64(), 0x0F0E0D0C0B0A0908u);
    EXPECT_EQ(reader.I32(), -2);
    EXPECT_EQ(reader.F64(), 1.0);
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(Bytes, TruncatedReadsFailWithoutMoving) {
    const std::string three("\x01\x02\x03", 3);
    struct Row {
        const char* legend;
        std::size_t start;
        bool (*read)(base::ByteReader&);
    };
    const Row rows[] = {
        {"u32 from three bytes", 0, [](base::ByteReader& r) { return r.U32().has_value(); }},
        {"u16 from one byte", 2, [](base::ByteReader& r) { return r.U16().has_value(); }},
        {"u8 at the end", 3, [](base::ByteReader& r) { return r.U8().has_value(); }},
        {"offset beyond the end", 9, [](base::ByteReader& r) { return r.U8().has_value(); }},
        {"f64 from three bytes", 0, [](base::ByteReader& r) { return r.F64().has_value(); }},
        {"take four", 0, [](base::ByteReader& r) { return r.Take(4).has_value(); }},
        {"skip past the end", 1, [](base::ByteReader& r) { return r.Skip(3); }},
        {"skip SIZE_MAX", 1, [](base::ByteReader& r) { return r.Skip(SIZE_MAX); }},
    };
    for (const Row& row : rows) {
        base::ByteReader reader(three, row.start);
        EXPECT_FALSE(row.read(reader)) << row.legend;
        EXPECT_EQ(reader.Offset(), row.start) << row.legend;
    }
    base::ByteReader reader(three, 1);
    EXPECT_EQ(reader.Take(2), "\x02\x03");
    EXPECT_EQ(reader.Remaining(), 0u);
}

} // namespace

namespace {

// The check values every CRC-32 catalogue lists; a table slip changes them all.
TEST(Crc32, MatchesTheCatalogueCheckValues) {
    EXPECT_EQ(base::Crc32(""), 0x00000000u);
    EXPECT_EQ(base::Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(base::Crc32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
    // Every byte value through the eight-byte steps, from an aligned and an unaligned start
    // (zlib's crc32 gives the same).
    std::string all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[static_cast<std::size_t>(i)] = static_cast<char>(i);
    EXPECT_EQ(base::Crc32(all), 0x29058C73u);
    EXPECT_EQ(base::Crc32(std::string_view(all).substr(3)), 0x4E059625u);
}

} // namespace
