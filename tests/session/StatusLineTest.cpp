// The words of the status line about the GPS.
#include "session/StatusLine.h"

#include "calib/HandheldGeoreference.h"

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

// A map 100 x 100 pixels from 1 E 51 N to 2 E 52 N: where a position off it lies, from its
// nearest edge or corner.
TEST(GpsStatus, OffTheMap) {
    calib::CGPSMapFuncs degree;
    for (const MapPos pixel : {MapPos(0, 0), MapPos(100, 0), MapPos(0, 100)})
        degree.AddCalibrationPoint(MapPos(pixel.x, -pixel.y),
                                   MapPos(1.0 + pixel.x / 100.0, 52.0 - pixel.y / 100.0));
    const map::HandheldGeoreference placed(degree, 0);
    const map::HandheldGeoreference unplaced;
    const struct {
        MapPos position;
        const map::Georeference& map;
        int size;
        UnitSystem units;
        const char* text;
    } rows[] = {
        {MapPos(2.0, 51.5), placed, 100, UnitSystem::Metric, ""}, // on its edge
        {MapPos(2.5, 51.5), placed, 100, UnitSystem::Metric, "34.6 km E of this map"},
        {MapPos(2.5, 51.5), placed, 100, UnitSystem::Imperial, "21.5 mi E of this map"},
        {MapPos(1.5, 50.9), placed, 100, UnitSystem::Metric, "11.1 km S of this map"},
        {MapPos(0.9, 52.1), placed, 100, UnitSystem::Metric, "13.1 km NW of this map"},
        {MapPos(2.5, 51.5), unplaced, 100, UnitSystem::Metric, ""},
        {MapPos(2.5, 51.5), placed, 0, UnitSystem::Metric, ""}, // no map
    };
    for (const auto& row : rows)
        EXPECT_EQ(OffMapText(row.map, row.size, row.size, row.position, row.units), row.text)
            << row.position.x << " " << row.position.y;
}

} // namespace
