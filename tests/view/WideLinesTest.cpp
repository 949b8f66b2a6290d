#include "view/WideLines.h"

#include <QImage>

#include <gtest/gtest.h>

#include <string>

namespace view {

namespace {

constexpr QRgb kInk = 0xFF123456u;

// Each pixel whose middle the line covers is inked and no other; a line's ends may lie nearly a
// 32-bit range's width off the image.
TEST(WideLines, PixelsWhoseMiddleTheLineCoversTable) {
    struct Row {
        const char* legend;
        QPoint a, b;
        double width; // 0: the thin line
        bool round;
        const char* pixels; // of the 10 x 6 image
    };
    // clang-format off
    const Row rows[] = {
        {"across, 4 wide: 4 rows, flat ends", {2, 3}, {7, 3}, 4, false,
         "..........\n"
         "..#####...\n"
         "..#####...\n"
         "..#####...\n"
         "..#####...\n"
         "..........\n"},
        {"the same, round ends", {2, 3}, {7, 3}, 4, true,
         "..........\n"
         ".#######..\n"
         "#########.\n"
         "#########.\n"
         ".#######..\n"
         "..........\n"},
        {"thin, steep: the nearest pixel of each row, both ends", {1, 0}, {4, 5}, 0, false,
         ".#........\n"
         "..#.......\n"
         "..#.......\n"
         "...#......\n"
         "...#......\n"
         "....#.....\n"},
        {"thin, from far left to far right", {-2'000'000'000, 0}, {2'000'000'000, 8}, 0, false,
         "..........\n"
         "..........\n"
         "..........\n"
         "..........\n"
         "##########\n"
         "..........\n"},
        {"2 wide, from far right to far left", {2'000'000'000, 8}, {-2'000'000'000, 0}, 2, false,
         "..........\n"
         "..........\n"
         "..........\n"
         "##########\n"
         "##########\n"
         "..........\n"},
    };
    // clang-format on
    for (const Row& row : rows) {
        QImage image(10, 6, QImage::Format_RGB32);
        image.fill(Qt::white);
        const PixelTarget target{&image, image.rect(), {0, 0}};
        if (row.width == 0)
            FillThinLine(target, row.a, row.b, kInk);
        else
            FillWideLine(target, row.a, row.b, row.width, kInk, row.round);
        std::string inked;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                inked += image.pixel(x, y) == kInk ? '#' : '.';
            inked += '\n';
        }
        EXPECT_EQ(inked, row.pixels) << row.legend;
    }
}

} // namespace

} // namespace view
