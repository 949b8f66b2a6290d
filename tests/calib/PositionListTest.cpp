#include "calib/PositionList.h"
#include "base/Bytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using calib::DecodePositionList;
using calib::EncodePositionList;

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values)
        out.push_back(static_cast<char>(v));
    return out;
}

TEST(PositionListTest, DecodesAtCursorAndSkipsReservedWords) {
    std::string bytes = "xyz";
    ASSERT_TRUE(EncodePositionList(bytes, std::vector<MapPos>{{7.5, 8.25}, {-1e-300, 1e300}}));
    bytes[3 + 2] = 0x55; // other writers may leave anything in the reserved words
    bytes[3 + 2 + 4] = 0x66;
    bytes += "tail";
    std::size_t cursor = 3;
    const auto list = DecodePositionList(bytes, cursor);
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (std::vector<MapPos>{{7.5, 8.25}, {-1e-300, 1e300}}));
    EXPECT_EQ(cursor, bytes.size() - 4);
}

TEST(PositionListTest, CountEscape) {
    struct Row {
        const char* legend;
        std::size_t count;
        std::size_t headerSize;
    };
    const Row rows[] = {
        {"empty list", 0, 2},
        {"largest short count", 65534, 2},
        {"65535 takes the escape", 65535, 6},
        {"beyond 16 bits", 70000, 6},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        std::vector<MapPos> list(row.count);
        for (std::size_t i = 0; i < row.count; ++i)
            list[i] = MapPos(static_cast<double>(i), -static_cast<double>(i));
        std::string bytes;
        ASSERT_TRUE(EncodePositionList(bytes, list));
        ASSERT_EQ(bytes.size(), row.headerSize + 24 * row.count);
        if (row.headerSize == 6) {
            EXPECT_EQ(bytes.substr(0, 2), Bytes({0xFF, 0xFF}));
        }
        std::size_t cursor = 0;
        const auto decoded = DecodePositionList(bytes, cursor);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(*decoded, list);
        EXPECT_EQ(cursor, bytes.size());
    }
}

TEST(PositionListTest, EscapedSmallCountIsRead) {
    std::string bytes = Bytes({0xFF, 0xFF, 0x01, 0, 0, 0});
    base::AppendU32(bytes, calib::kPositionRecordTag);
    base::AppendU32(bytes, 0);
    base::AppendF64(bytes, 4.0);
    base::AppendF64(bytes, 5.0);
    std::size_t cursor = 0;
    const auto decoded = DecodePositionList(bytes, cursor);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, std::vector<MapPos>{MapPos(5.0, 4.0)});
}

TEST(PositionListTest, DamagedInputIsRejectedWithCursorUnchanged) {
    std::string valid;
    ASSERT_TRUE(EncodePositionList(valid, std::vector<MapPos>{{1, 2}, {3, 4}, {5, 6}}));
    for (std::size_t length = 0; length < valid.size(); ++length) {
        std::size_t cursor = 0;
        EXPECT_FALSE(DecodePositionList(std::string_view(valid).substr(0, length), cursor))
            << "truncated to " << length;
        EXPECT_EQ(cursor, 0u);
    }

    struct Row {
        const char* legend;
        std::string bytes;
        std::size_t cursor;
    };
    const Row rows[] = {
        // Would ask for 100 GB if the count were trusted before checking.
        {"largest escaped count, no records", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 0},
        {"escape cut inside the long count", Bytes({0xFF, 0xFF, 0x05, 0x00}), 0},
        {"count of one, 23 bytes left", Bytes({0x01, 0x00}) + std::string(23, '\0'), 0},
        {"cursor past the end", Bytes({0x00, 0x00}), 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        std::size_t cursor = row.cursor;
        EXPECT_FALSE(DecodePositionList(row.bytes, cursor));
        EXPECT_EQ(cursor, row.cursor);
    }
}

} // namespace
