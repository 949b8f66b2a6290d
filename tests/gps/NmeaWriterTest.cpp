#include "gps/NmeaWriter.h"

#include "gps/NmeaDecode.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

std::string Latitude(double degrees, int decimals) {
    std::string out;
    gps::AppendNmeaLatitude(out, degrees, decimals);
    return out;
}

std::string Longitude(double degrees, int decimals) {
    std::string out;
    gps::AppendNmeaLongitude(out, degrees, decimals);
    return out;
}

// Minutes that round to 60 carry into the degree; the text decodes back to the angle within
// half a unit of the last decimal (plus the decoder's single-precision minutes).
TEST(NmeaWriter, CoordinatesCarryARoundedSixtyAndDecodeBack) {
    const struct {
        const char* legend;
        double degrees;
        bool latitude;
        int decimals;
        const char* expected;
    } rows[] = {
        {"plain north", 52.24, true, 4, "5214.4000,N"},
        {"south", -33.5, true, 4, "3330.0000,S"},
        {"west, three degree digits", -1.912, false, 4, "00154.7200,W"},
        {"east of Greenwich", 0.0001, false, 4, "00000.0060,E"},
        {"rounds up to 60 minutes: carry", 51.9999999, true, 4, "5200.0000,N"},
        {"just below the carry", 51.99999916, true, 4, "5159.9999,N"},
        {"carry in the south", -0.99999999, true, 4, "0100.0000,S"},
        {"carry to 180 degrees", 179.999999999, false, 4, "18000.0000,E"},
        {"carry with six decimals", 11.9999999999, true, 6, "1200.000000,N"},
        {"six decimals below the carry", 11.99999995, true, 6, "1159.999997,N"},
        {"no decimals", 51.999, true, 0, "5200,N"},
        {"not a number is zero", std::nan(""), true, 4, "0000.0000,N"},
    };
    for (const auto& row : rows) {
        const std::string text = row.latitude ? Latitude(row.degrees, row.decimals)
                                              : Longitude(row.degrees, row.decimals);
        EXPECT_EQ(text, row.expected) << row.legend;
        if (std::isnan(row.degrees))
            continue;
        const auto comma = text.find(',');
        const std::string field = text.substr(0, comma);
        const std::string hemisphere = text.substr(comma + 1);
        const std::optional<double> decoded = row.latitude ? gps::NmeaLatitude(field, hemisphere)
                                                           : gps::NmeaLongitude(field, hemisphere);
        ASSERT_TRUE(decoded) << row.legend;
        const double unit = std::pow(10.0, -row.decimals) / 60.0;
        EXPECT_NEAR(*decoded, row.degrees, unit / 2 + 1e-7) << row.legend;
    }
}

TEST(NmeaWriter, ChecksumIsTheXorOfTheBody) {
    // A widely published example sentence and its checksum.
    EXPECT_EQ(
        gps::NmeaSentenceText("GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,"),
        "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n");
}

TEST(NmeaWriter, SentencesDecodeWithTheirFields) {
    gps::GgaFields gga;
    gga.time = {23, 59, 58, 50};
    gga.position = MapPos(-1.9999999999, 48.5);
    gga.satellites = 7;
    gga.hdop = 0.95;
    gga.altitude = -12.25;
    std::string out;
    gps::AppendGga(out, gga);
    EXPECT_EQ(out, "$GPGGA,235958.50,4830.0000,N,00200.0000,W,1,07,0.9,-12.2,M,0.0,M,,*54\r\n");
    gps::GgaRecord decoded;
    ASSERT_TRUE(gps::DecodeGga(out.substr(0, out.size() - 2), decoded));
    EXPECT_EQ(decoded.latitude, 48.5);
    EXPECT_EQ(decoded.longitude, -2.0);
    EXPECT_EQ(decoded.satellites, 7);

    gps::RmcFields rmc;
    rmc.valid = false;
    rmc.date = {8, 12, 2026};
    rmc.magneticVariation = -2.1;
    out.clear();
    gps::AppendRmc(out, rmc);
    EXPECT_EQ(out, "$GPRMC,000000.00,V,,,,,0.0,0.0,081226,2.1,W*6A\r\n");
    gps::RmcRecord none;
    EXPECT_FALSE(gps::DecodeRmc(out, none)) << "no position, no fix";
}

} // namespace
