#include "gps/NmeaDecode.h"

#include <gtest/gtest.h>

namespace {
TEST(NmeaDecode, Smoke) {
    gps::GgaRecord r;
    ASSERT_TRUE(
        gps::DecodeGga("$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47", r));
    EXPECT_EQ(r.latitude, 48.117300001780194);
}
} // namespace
