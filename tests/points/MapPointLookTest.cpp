#include "points/MapPointLook.h"

#include <gtest/gtest.h>

namespace {

TEST(MapPointLook, ColourIndexOutsideTheListIsBlack) {
    EXPECT_EQ(RgbFromIndex(3), (Rgb{255, 0, 255}));
    EXPECT_EQ(RgbFromIndex(7), (Rgb{255, 255, 255}));
    EXPECT_EQ(RgbFromIndex(8), (Rgb{0, 0, 0}));
    EXPECT_EQ(RgbFromIndex(-1), (Rgb{0, 0, 0}));
}

} // namespace
