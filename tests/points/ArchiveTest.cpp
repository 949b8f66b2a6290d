#include "points/Archive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using points::ArchiveReader;
using points::ArchiveTag;
using points::ArchiveWriter;

std::string Bytes(std::initializer_list<unsigned> values) {
    std::string out;
    for (const unsigned v : values)
        out += static_cast<char>(v);
    return out;
}

TEST(ArchiveString, WideLengthEscapes) {
    struct Row {
        const char* legend;
        std::size_t units;
        std::string header; // mark and length as written
    };
    const std::vector<Row> rows = {
        {"empty", 0, Bytes({0xFF, 0xFE, 0xFF, 0x00})},
        {"longest byte length", 254, Bytes({0xFF, 0xFE, 0xFF, 0xFE})},
        {"0xFF needs the word", 255, Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00})},
        {"longest word length", 0xFFFD, Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF})},
        {"0xFFFE needs the dword", 0xFFFE,
         Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        {"dword length", 70000,
         Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const std::string text(row.units, 'q');
        ArchiveWriter writer;
        writer.WriteString(text);
        const std::string& bytes = writer.Bytes();
        ASSERT_EQ(bytes.size(), row.header.size() + 2 * row.units);
        EXPECT_EQ(bytes.substr(0, row.header.size()), row.header);

        ArchiveReader reader(bytes);
        std::string back;
        ASSERT_TRUE(reader.ReadString(back));
        EXPECT_EQ(back, text);
        EXPECT_EQ(reader.Remaining(), 0u);
    }
}

TEST(ArchiveString, EightBitFormIsWindows1252) {
    struct Row {
        const char* legend;
        std::string bytes;
        std::string utf8;
    };
    const std::string long8(300, 'z');
    const std::vector<Row> rows = {
        {"byte length, Latin-1 letter", Bytes({4, 'C', 'a', 'f', 0xE9}), "Caf\xC3\xA9"},
        {"euro, quotes and trade mark", Bytes({4, 0x80, 0x93, 0x94, 0x99}),
         "\xE2\x82\xAC\xE2\x80\x9C\xE2\x80\x9D\xE2\x84\xA2"},
        {"undefined byte kept as its C1 control", Bytes({1, 0x81}), "\xC2\x81"},
        {"word length", Bytes({0xFF, 0x2C, 0x01}) + long8, long8},
        {"dword length", Bytes({0xFF, 0xFF, 0xFF, 0x03, 0x00, 0x00, 0x00}) + "abc", "abc"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        ArchiveReader reader(row.bytes);
        std::string text;
        ASSERT_TRUE(reader.ReadString(text));
        EXPECT_EQ(text, row.utf8);
        EXPECT_EQ(reader.Remaining(), 0u);
    }
}

TEST(ArchiveString, UnicodeEdgesStayWellFormed) {
    struct Row {
        const char* legend;
        std::u16string units;
        std::string utf8;
    };
    const std::vector<Row> rows = {
        {"surrogate pair", u"\U0001F30D", "\xF0\x9F\x8C\x8D"},
        {"lone high surrogate", std::u16string{0xD83C, u'a'},
         "\xEF\xBF\xBD"
         "a"},
        {"lone low surrogate at the end", std::u16string{u'a', 0xDF0D}, "a\xEF\xBF\xBD"},
        {"swapped pair", std::u16string{0xDF0D, 0xD83C}, "\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        ArchiveWriter writer;
        writer.WriteByte(0xFF);
        writer.WriteWord(0xFFFE);
        writer.WriteByte(static_cast<std::uint8_t>(row.units.size()));
        for (const char16_t unit : row.units)
            writer.WriteWord(unit);
        ArchiveReader reader(writer.Bytes());
        std::string text;
        ASSERT_TRUE(reader.ReadString(text));
        EXPECT_EQ(text, row.utf8);
    }
}

TEST(ArchiveString, MalformedUtf8IsWrittenAsReplacement) {
    struct Row {
        const char* legend;
        std::string utf8;
        std::u16string units;
    };
    const std::vector<Row> rows = {
        {"stray continuation byte", "a\x80z", u"a\uFFFDz"},
        {"cut sequence", "\xC3", u"\uFFFD"},
        {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"four-byte character", "\xF0\x9F\x8C\x8D", u"\U0001F30D"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(points::Utf8ToUtf16(row.utf8), row.units);
    }
}

TEST(ArchiveString, LengthBeyondTheBytesLeftIsRefused) {
    struct Row {
        const char* legend;
        std::string bytes;
    };
    const std::vector<Row> rows = {
        {"nothing", ""},
        {"wide mark cut", Bytes({0xFF, 0xFE})},
        {"one unit short", Bytes({0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b'})},
        {"odd byte of a unit", Bytes({0xFF, 0xFE, 0xFF, 0x01, 'a'})},
        {"8-bit one byte short", Bytes({0x03, 'a', 'b'})},
        {"dword length of 4 GiB", Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 'a'})},
        {"qword length", Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a'})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        ArchiveReader reader(row.bytes);
        std::string text = "untouched";
        EXPECT_FALSE(reader.ReadString(text));
        EXPECT_EQ(text, "untouched");
    }
}

TEST(ArchiveCount, EscapesRoundTrip) {
    struct Row {
        const char* legend;
        std::uint64_t count;
        std::string bytes;
    };
    const std::vector<Row> rows = {
        {"zero", 0, Bytes({0, 0})},
        {"largest word", 0xFFFE, Bytes({0xFE, 0xFF})},
        {"0xFFFF needs the dword", 0xFFFF, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0})},
        {"0xFFFFFFFF needs the qword", 0xFFFFFFFF,
         Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        ArchiveWriter writer;
        writer.WriteCount(row.count);
        EXPECT_EQ(writer.Bytes(), row.bytes);
        ArchiveReader reader(writer.Bytes());
        std::uint64_t count = 0;
        ASSERT_TRUE(reader.ReadCount(count));
        EXPECT_EQ(count, row.count);
    }
}

TEST(ArchiveTag, KindsOfObjectTags) {
    struct Row {
        const char* legend;
        std::string bytes;
        ArchiveTag::Kind kind;
        std::uint32_t index;
    };
    const std::vector<Row> rows = {
        {"null", Bytes({0, 0}), ArchiveTag::Kind::Null, 0},
        {"class 1", Bytes({0x01, 0x80}), ArchiveTag::Kind::ClassReference, 1},
        {"object 2", Bytes({0x02, 0x00}), ArchiveTag::Kind::ObjectReference, 2},
        {"big object", Bytes({0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00}),
         ArchiveTag::Kind::ObjectReference, 0x10000},
        {"big class", Bytes({0xFF, 0x7F, 0x01, 0x00, 0x00, 0x80}), ArchiveTag::Kind::ClassReference,
         1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        ArchiveReader reader(row.bytes);
        ArchiveTag tag;
        ASSERT_TRUE(reader.ReadObjectTag(tag));
        EXPECT_EQ(tag.kind, row.kind);
        EXPECT_EQ(tag.index, row.index);
    }

    ArchiveWriter writer;
    writer.WriteNewClass(1, "CMapPoint");
    ArchiveReader reader(writer.Bytes());
    ArchiveTag tag;
    ASSERT_TRUE(reader.ReadObjectTag(tag));
    EXPECT_EQ(tag.kind, ArchiveTag::Kind::NewClass);
    EXPECT_EQ(tag.schema, 1);
    EXPECT_EQ(tag.className, "CMapPoint");

    // A class name longer than the framework allows is refused before it is copied.
    const std::string longName = Bytes({0xFF, 0xFF, 0x01, 0x00, 0x40, 0x00}) + std::string(64, 'A');
    ArchiveReader longReader(longName);
    EXPECT_FALSE(longReader.ReadObjectTag(tag));
}

} // namespace
