// Track files read whole: gpsbabel's GPX of generated drives with known speeds, stops and
// climbs, the NMEA logs themselves, GPX with several tracks and routes, and files refused.
#include "session/TrackFiles.h"

#include "platform/SettingsStore.h"
#include "support/NmeaDrive.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::TempDir;
using testsupport::WriteBytes;

// 10:00:00 to 10:05:00 on 2025-06-01.
constexpr std::int64_t kStartMs = 1'748'772'000'000;

TEST(TrackFiles, DrivesReadWholeWithTheirFigures) {
    TempDir dir;
    // 2 km at 60 km/h, a minute's stop, 1 km at 30 km/h climbing 60 m.
    WriteBytes(dir.File("drive.nmea"),
               testsupport::NmeaDrive({{60, 120}, {0, 60}, {30, 120, 0.5}}));
    const bool babel = testsupport::GpsbabelGpx(dir.File("drive.nmea"), dir.File("drive.gpx"));
    const struct {
        const char* legend;
        std::string file;
        std::size_t points;
        double movingS;
    } rows[] = {
        {"the receiver's log, with its own speeds", dir.File("drive.nmea"), 301, 240},
        // GPX 1.1 keeps no speed: the stop is told from the distance alone.
        {"gpsbabel's GPX of it", dir.File("drive.gpx"), 301, 240},
    };
    for (const auto& row : rows) {
        if (!babel && row.file.ends_with(".gpx"))
            continue; // gpsbabel is not installed
        const session::TrackFileRead read = session::ReadTrackFile(row.file);
        ASSERT_EQ(read.error, "") << row.legend;
        ASSERT_EQ(read.tracks.size(), 1u) << row.legend;
        const trail::LoadedTrack& track = read.tracks[0];
        std::size_t points = 0;
        for (const auto& segment : track.track)
            points += segment.size();
        EXPECT_EQ(points, row.points) << row.legend;
        const trail::TrailStatistics s = trail::StatisticsOf(track.track);
        EXPECT_NEAR(s.lengthM, 3000, 3) << row.legend;
        EXPECT_NEAR(s.movingSeconds, row.movingS, 2) << row.legend;
        EXPECT_NEAR(s.ascentM, 60, 0.6) << row.legend;
        EXPECT_EQ(s.startUtcMs, kStartMs) << row.legend;
        EXPECT_EQ(s.endUtcMs, kStartMs + 300'000) << row.legend;
    }
}

TEST(TrackFiles, EveryTrackAndRouteOfAGpxFileIsATrack) {
    TempDir dir;
    const std::string gpx =
        R"(<gpx version="1.1" creator="t" xmlns="http://www.topografix.com/GPX/1/1">)"
        R"(<trk><name>Morning</name><trkseg><trkpt lat="48" lon="11"/><trkpt lat="48.01" )"
        R"(lon="11"/></trkseg><trkseg><trkpt lat="48.02" lon="11"/></trkseg></trk>)"
        R"(<trk><trkseg><trkpt lat="47" lon="10"/></trkseg></trk>)"
        R"(<rte><name>Plan</name><rtept lat="46" lon="9"><ele>700</ele></rtept></rte></gpx>)";
    WriteBytes(dir.File("day.gpx"), gpx);
    const session::TrackFileRead read = session::ReadTrackFile(dir.File("day.gpx"));
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.tracks.size(), 3u);
    const struct {
        std::string name;
        std::size_t segments;
        double firstLat;
    } rows[] = {{"Morning", 2, 48}, {"day 2", 1, 47}, {"Plan", 1, 46}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(read.tracks[i].name, rows[i].name);
        EXPECT_EQ(read.tracks[i].track.size(), rows[i].segments) << rows[i].name;
        EXPECT_EQ(read.tracks[i].track[0][0].position.y, rows[i].firstLat) << rows[i].name;
    }
    EXPECT_EQ(read.tracks[2].track[0][0].heightM, 700);
}

TEST(TrackFiles, FilesWithoutATrackAreRefused) {
    TempDir dir;
    WriteBytes(dir.File("points.gpx"), R"(<gpx version="1.1" creator="t" )"
                                       R"(xmlns="http://www.topografix.com/GPX/1/1">)"
                                       R"(<wpt lat="48" lon="11"/></gpx>)");
    WriteBytes(dir.File("bad.gpx"), "<gpx><trk>");
    WriteBytes(dir.File("quiet.nmea"), "$GPGSV,1,1,00*79\r\n");
    const struct {
        std::string file, error;
    } rows[] = {
        {dir.File("points.gpx"), dir.File("points.gpx") + ": holds no track or route"},
        {dir.File("quiet.nmea"), dir.File("quiet.nmea") + ": holds no track or route"},
        {dir.File("bad.gpx"), dir.File("bad.gpx") + ": "},
        {dir.File("none.kml"), dir.File("none.kml") + ": "},
        {dir.File("map.png"), dir.File("map.png") + ": not a track file"},
    };
    for (const auto& row : rows) {
        const session::TrackFileRead read = session::ReadTrackFile(row.file);
        EXPECT_TRUE(read.tracks.empty()) << row.file;
        EXPECT_TRUE(read.error.starts_with(row.error)) << read.error;
    }
}

TEST(TrackFiles, OpenTracksComeBackInOrderEachOnce) {
    MemorySettingsStore store;
    session::WriteOpenTracks(store, {"/a.gpx", "/b.kml", "/c.nmea"});
    session::WriteOpenTracks(store, {"/b.kml", "/a.gpx"});
    EXPECT_EQ(session::ReadOpenTracks(store), (std::vector<std::string>{"/b.kml", "/a.gpx"}));
    // A hand-edited file with a repeat and a count beyond its entries.
    store.WriteInt("Session", "OpenTracks", 4);
    store.WriteText("Session", "OpenTrack3", "/b.kml");
    EXPECT_EQ(session::ReadOpenTracks(store), (std::vector<std::string>{"/b.kml", "/a.gpx"}));
}

} // namespace
