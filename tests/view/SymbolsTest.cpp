#include "view/Symbols.h"

#include <gtest/gtest.h>

namespace view {

namespace {

TEST(Symbols, SizeTable) {
    struct Row {
        int size, radius, penWidth;
    };
    const Row rows[] = {
        {0, 1, 0},
        {1, 3, 0},
        {2, 5, 0},
        {3, 7, 0},
        {4, 9, 4},
        // A damaged points file: drawn at the nearest size that exists.
        {-1, 1, 0},
        {5, 9, 4},
        {2147483647, 9, 4},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SymbolRadius(row.size), row.radius) << "size " << row.size;
        EXPECT_EQ(SymbolPenWidth(row.size), row.penWidth) << "size " << row.size;
    }
}

TEST(Symbols, ShadeRampOfAFullComponent) {
    const int expected[kTrailLevels] = {0,   12,  25,  38,  51,  63,  76,  89,  102, 114,
                                        127, 140, 153, 165, 178, 191, 204, 216, 229, 242};
    const auto green = TrailShadeRamp(kColourGreen);
    const auto white = TrailShadeRamp(kColourWhite);
    for (int i = 0; i < kTrailLevels; ++i) {
        EXPECT_EQ(green[i], (Rgb{0, static_cast<std::uint8_t>(expected[i]), 0})) << i;
        const auto v = static_cast<std::uint8_t>(expected[i]);
        EXPECT_EQ(white[i], (Rgb{v, v, v})) << i;
    }
    EXPECT_EQ(TrailShadeRamp(42)[19], (Rgb{0, 0, 0})) << "unknown colour fades black to black";
}

TEST(Symbols, ShadeLevelStaysOnTheRamp) {
    struct Row {
        const char* legend;
        int n, length, level;
    };
    const Row rows[] = {
        {"oldest of a full trail", 0, 250, 0},
        {"newest of a full trail", 249, 250, 19},
        {"oldest of 10 samples in 250", 240, 250, 18},
        {"just below a half step", 6, 250, 0},
        {"just above a half step", 7, 250, 1},
        {"more samples than the length (breaks)", -3, 250, 0},
        {"far more samples than the length", -2000000, 10, 0},
        {"length 0, sample before", -1, 0, 0},
        {"length 0, 0 / 0", 0, 0, 0},
        {"negative length", 5, -10, 0},
        {"n beyond the length", 500, 250, 19},
    };
    for (const Row& row : rows)
        EXPECT_EQ(TrailShadeLevel(row.n, row.length), row.level) << row.legend;
}

TEST(Symbols, TrailPenIsTwiceTheSize) {
    EXPECT_EQ(TrailPenWidth(0), 0);
    EXPECT_EQ(TrailPenWidth(2), 4);
    EXPECT_EQ(TrailPenWidth(4), 8);
    EXPECT_EQ(TrailPenWidth(-7), 0);
}

} // namespace

} // namespace view
