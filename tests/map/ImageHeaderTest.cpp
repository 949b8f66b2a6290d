// The image header reader on hostile headers: a side of 0, beyond an int, or cut short.
#include "map/formats/ImageHeader.h"

#include "base/Bytes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::string BigEndian(std::uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
            static_cast<char>(value >> 8), static_cast<char>(value)};
}

std::string Png(std::uint32_t width, std::uint32_t height) {
    return std::string("\x89PNG\r\n\x1a\n", 8) + BigEndian(13) + "IHDR" + BigEndian(width) +
           BigEndian(height) + std::string("\x08\x02\0\0\0", 5);
}

std::string Gif(std::uint16_t width, std::uint16_t height) {
    std::string bytes = "GIF87a";
    base::AppendU16(bytes, width);
    base::AppendU16(bytes, height);
    return bytes + std::string(3, '\0');
}

// File header, then an info header of infoSize bytes holding the sides.
std::string Bmp(std::uint32_t infoSize, std::int32_t width, std::int32_t height) {
    std::string bytes = "BM";
    for (const std::uint32_t field : {0u, 0u, 54u, infoSize})
        base::AppendU32(bytes, field);
    if (infoSize == 12) {
        base::AppendU16(bytes, static_cast<std::uint16_t>(width));
        base::AppendU16(bytes, static_cast<std::uint16_t>(height));
    } else {
        base::AppendI32(bytes, width);
        base::AppendI32(bytes, height);
    }
    return bytes + std::string(4, '\0');
}

TEST(ImageHeader, SidesComeFromTheHeaderAndBadOnesAreRefused) {
    using map::ImageKind;
    struct Row {
        const char* legend;
        std::string bytes;
        bool ok;
        ImageKind kind;
        int width, height;
    };
    const std::vector<Row> rows = {
        {"png", Png(20000, 15000), true, ImageKind::Png, 20000, 15000},
        {"png wider than an int", Png(0x80000000u, 10), false, {}, 0, 0},
        {"png of no rows", Png(10, 0), false, {}, 0, 0},
        {"png chunk other than IHDR first",
         [] {
             std::string b = Png(10, 10);
             b[12] = 'X';
             return b;
         }(),
         false,
         {},
         0,
         0},
        {"png cut in its sides", Png(10, 10).substr(0, 22), false, {}, 0, 0},
        {"gif", Gif(65535, 1), true, ImageKind::Gif, 65535, 1},
        {"gif of no columns", Gif(0, 5), false, {}, 0, 0},
        {"gif cut in its sides", Gif(5, 5).substr(0, 9), false, {}, 0, 0},
        {"bmp stored from the bottom", Bmp(40, 640, 480), true, ImageKind::Bmp, 640, 480},
        {"bmp stored from the top", Bmp(124, 640, -480), true, ImageKind::Bmp, 640, 480},
        {"bmp old core header", Bmp(12, 300, 200), true, ImageKind::Bmp, 300, 200},
        {"bmp of negative width", Bmp(40, -5, 5), false, {}, 0, 0},
        {"bmp of the most negative height", Bmp(40, 5, INT32_MIN), false, {}, 0, 0},
        {"bmp of an unknown header size", Bmp(20, 5, 5), false, {}, 0, 0},
        {"bmp cut in its sides", Bmp(40, 5, 5).substr(0, 24), false, {}, 0, 0},
        {"none of these", "hello, world, this is text", false, {}, 0, 0},
        {"nothing", "", false, {}, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const auto header = map::ParseImageHeader(row.bytes);
        ASSERT_EQ(header.has_value(), row.ok);
        if (!header)
            continue;
        EXPECT_EQ(header->kind, row.kind);
        EXPECT_EQ(header->width, row.width);
        EXPECT_EQ(header->height, row.height);
    }
}

} // namespace
