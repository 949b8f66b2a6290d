#include "gps/DemoTown.h"
#include "gps/NmeaDecode.h"
#include "gps/NmeaSentence.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

TEST(DemoTown, RouteRunsRoundTheLoopOnTheStreets) {
    const demo::RouteDriver driver(16.0);
    // The loop: 440 + 500 + 600 + 500 + 160 pixels at 2 m.
    EXPECT_DOUBLE_EQ(driver.LoopLengthMetres(), 2200.0 * demo::kMetresPerPixel);
    const struct {
        const char* legend;
        double seconds;
        demo::Pixel expected;
        double course;
    } rows[] = {
        {"start", 0.0, {560, 700}, 90.0},
        {"east along High Street", 10.0, {640, 700}, 90.0},
        {"up Station Road", (880.0 + 200.0) / 16.0, {1000, 600}, 0.0},
        {"west along North Street", (880.0 + 1000.0 + 100.0) / 16.0, {950, 200}, 270.0},
        {"once round and again", 4400.0 / 16.0 + 10.0, {640, 700}, 90.0},
    };
    for (const auto& row : rows) {
        const demo::RouteSample s = driver.At(row.seconds);
        const MapPos expected = demo::PixelToGeo(row.expected);
        EXPECT_NEAR(s.position.y, expected.y, 1e-9) << row.legend;
        EXPECT_NEAR(s.position.x, expected.x, 1e-9) << row.legend;
        EXPECT_NEAR(s.courseDegrees, row.course, 1e-9) << row.legend;
        EXPECT_NEAR(s.speedKnots, 16.0 * 3600.0 / 1852.0, 1e-9) << row.legend;
    }
}

TEST(DemoTown, SentencesDecodeToTheRoutePosition) {
    const demo::RouteSample s = demo::RouteDriver(16.0).At(3.0);
    std::tm utc{};
    utc.tm_hour = 23;
    utc.tm_min = 59;
    utc.tm_sec = 58;
    utc.tm_mday = 31;
    utc.tm_mon = 11;
    utc.tm_year = 126;
    std::istringstream lines(demo::MakeSentences(s, utc));
    std::string line;
    int seen = 0;
    while (std::getline(lines, line)) {
        ASSERT_FALSE(line.empty());
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        const std::string type = std::string(gps::NmeaSentenceType(line));
        if (type == "GGA") {
            gps::GgaRecord gga;
            ASSERT_TRUE(gps::DecodeGga(line, gga));
            EXPECT_NEAR(gga.latitude, s.position.y, 2e-6);
            EXPECT_NEAR(gga.longitude, s.position.x, 2e-6);
            EXPECT_EQ(gga.satellites, 8);
            ++seen;
        } else if (type == "RMC") {
            gps::RmcRecord rmc;
            ASSERT_TRUE(gps::DecodeRmc(line, rmc));
            EXPECT_NEAR(rmc.latitude, s.position.y, 2e-6);
            ++seen;
        } else if (type == "GSA") {
            gps::GsaRecord gsa;
            ASSERT_TRUE(gps::DecodeGsa(line, gsa));
            EXPECT_EQ(gsa.satellitesUsed, 8);
            EXPECT_DOUBLE_EQ(gsa.hdop.value_or(0.0), 1.2);
            ++seen;
        }
    }
    EXPECT_EQ(seen, 3);
}
