#include "view/WideLines.h"

#include <QImage>

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace view {

namespace {

constexpr QRgb kInk = 0xFF123456u;
constexpr QRgb kPaper = 0xFFFFFFFFu;

QImage Paper(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kPaper);
    return image;
}

// width 0: the thin line.
void Fill(const PixelTarget& target, QPoint a, QPoint b, double width, bool round) {
    if (width == 0.0)
        FillThinLine(target, a, b, kInk);
    else
        FillWideLine(target, a, b, width, kInk, round);
}

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
        QImage image = Paper(10, 6);
        Fill({&image, image.rect(), {0, 0}}, row.a, row.b, row.width, row.round);
        std::string inked;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                inked += image.pixel(x, y) == kInk ? '#' : '.';
            inked += '\n';
        }
        EXPECT_EQ(inked, row.pixels) << row.legend;
    }
}

// A translucent line is laid over what is there, once at each pixel: a line going on from a
// join leaves the join to the line it joins.
TEST(WideLines, ATranslucentLineIsLaidOnOnceAtEachPixel) {
    QImage image = Paper(10, 6);
    const PixelTarget target{&image, image.rect(), {0, 0}};
    const QRgb half = qRgba(0, 0, 255, 128);
    FillThinLine(target, {1, 1}, {5, 1}, half);
    FillThinLine(target, {5, 1}, {5, 4}, half, true);
    const QRgb over = image.pixel(1, 1);
    EXPECT_EQ(qBlue(over), 255);
    EXPECT_NEAR(qRed(over), 127, 1) << "half the white below";
    for (const QPoint at : {QPoint(3, 1), QPoint(5, 1), QPoint(5, 4)})
        EXPECT_EQ(image.pixel(at), over) << at.x() << "," << at.y();
}

// The same line drawn into an image that lies elsewhere on the canvas, clipped elsewhere, gives
// the same pixels where both show it: a kept frame shifted by a scroll equals a fresh one.
TEST(WideLines, AShiftedImageGetsTheSamePixelsWhereverTheClipCuts) {
    std::mt19937 random(2026);
    const auto any = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int i = 0; i < 400; ++i) {
        const double width = std::array{0.0, 2.0, 3.0, 4.0, 7.0, 12.0}[i % 6];
        const bool round = i % 12 >= 6;
        // Ends near the image and, now and then, a 32-bit range's width off it.
        const auto end = [&] {
            return i % 10 == 9 ? QPoint(any(-2'000'000'000, 2'000'000'000), any(-400, 400))
                               : QPoint(any(-300, 500), any(-300, 400));
        };
        const QPoint a = end();
        const QPoint b = end();
        // The canvas round the part, and the part: a window on it, clipped.
        QImage whole = Paper(300 + 512, 200 + 512);
        Fill({&whole, whole.rect(), {256, 256}}, a, b, width, round);
        const QPoint shift(any(-256, 256), any(-256, 256));
        const QRect clip(any(0, 150), any(0, 100), any(1, 150), any(1, 100));
        QImage part = Paper(300, 200);
        Fill({&part, clip, -shift}, a, b, width, round);
        for (int y = 0; y < part.height(); ++y)
            for (int x = 0; x < part.width(); ++x)
                ASSERT_EQ(part.pixel(x, y),
                          clip.contains(x, y) ? whole.pixel(QPoint(x, y) + shift + QPoint(256, 256))
                                              : kPaper)
                    << "line " << i << " at " << x << "," << y << " width " << width;
    }
}

} // namespace

} // namespace view
