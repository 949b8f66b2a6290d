// The words of the status line about the GPS.
#include "session/StatusLine.h"

#include <gtest/gtest.h>

namespace {

using coords::CoordFormat;
using namespace session;

TEST(GpsStatus, Texts) {
    auto withFix = [](double altitude, std::int32_t satellites, double hdop) {
        gps::GpsFix fix;
        fix.position = MapPos(-0.0014, 51.4778);
        fix.hasFix = true;
        fix.altitude = altitude;
        fix.satellites = satellites;
        fix.hdop = hdop;
        return fix;
    };
    struct Row {
        const char* legend;
        gps::GpsFix fix;
        CoordFormat format;
        const char* text;
    } rows[] = {
        {"example of the handbook", withFix(545.4, 8, 1.5), CoordFormat::Dms,
         "GPS: 0°00'5.0W 51°28'40.1N A:545m S:8 P:67%"},
        {"hdop exactly 1", withFix(545.4, 8, 1.0), CoordFormat::Dm,
         "GPS: 0°0.08'W 51°28.67'N A:545m S:8 P:100%"},
        {"no altitude, no hdop", withFix(0.0, 0, -1.0), CoordFormat::Deg,
         "GPS: 0.0014°W 51.4778°N S:0"},
        {"hdop 0", withFix(12.5, 3, 0.0), CoordFormat::Deg, "GPS: 0.0014°W 51.4778°N A:12m S:3"},
        {"huge hdop rounds to 0%", withFix(1.0, 4, 1000.0), CoordFormat::Deg,
         "GPS: 0.0014°W 51.4778°N A:1m S:4 P:0%"},
        {"no fix", gps::GpsFix{}, CoordFormat::Dms, "GPS: Connected, no fix available. Sats:0"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(StatusText(row.fix, row.format), row.text) << row.legend;
    EXPECT_EQ(StatusConnected(), "GPS: Connected.");
    EXPECT_EQ(StatusDisconnected(), "GPS: Disconnected.");
    EXPECT_EQ(StatusReadError(), "GPS: COM port read error.");
}

} // namespace
