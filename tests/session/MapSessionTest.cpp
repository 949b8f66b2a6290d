// The map session without a window: loading a map's files, the damaged-file set-aside, GPS
// updates as values and the sources through a pseudo-terminal, recording and follow, point
// creation and the texts.
#include "session/MapSession.h"

#include "calib/CalibrationFile.h"
#include "geo/Proj.h"
#include "gps/GpsFeed.h"
#include "gps/PtyPair.h"
#include "gps/SourceTestSupport.h"
#include "platform/FileLock.h"
#include "points/PointsFile.h"
#include "support/NmeaDrive.h"
#include "support/TestFiles.h"
#include "terrain/HgtFiles.h"
#include "trail/Journal.h"
#include "trail/JournalFolder.h"
#include "trail/TrailFile.h"
#include "xml/GpxReader.h"
#include "xml/GpxWriter.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <grp.h>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <tuple>
#include <unistd.h>

namespace {

using session::Changed;
using session::Changes;
using session::MapDocument;
using session::MapSession;
using session::NewPointAt;
using session::Notice;
using session::SaveTrail;
using session::TrailStatisticsText;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

// 0.001 degree a pixel, north up, top-left corner at (1 E, 52 N) on a 1000-row image.
calib::CGPSMapFuncs Calibrated() {
    calib::CGPSMapFuncs c;
    c.AddCalibrationPoint(MapPos(0, 1000), MapPos(1.0, 52.0));
    c.AddCalibrationPoint(MapPos(1000, 1000), MapPos(2.0, 52.0));
    c.AddCalibrationPoint(MapPos(0, 0), MapPos(1.0, 51.0));
    return c;
}

const points::LocalDateTime kWhen{2026, 12, 8, 14, 5, 9};
const CMapPoint kInn("Inn", MapPos(1.5, 51.5), 1, 2, 3, 1, "");

class MapSessionTest : public ::testing::Test {
protected:
    std::string Base() const { return dir.File("area"); }
    void WriteGoodFiles() {
        ASSERT_TRUE(calib::SaveCalibrationFile(Base() + ".mcd", Calibrated()));
        ASSERT_TRUE(points::WritePointsFile(Base() + ".pts", {kInn}));
    }
    std::vector<Notice> Open() { return session.OpenMap(Base() + ".png", 1000).notices; }
    // The session with trail in place of its own (a scene: no journal).
    void ShowTrail(const trail::TrailBuffer& trail) {
        session =
            MapSession(session.Document(), trail::Recording(trail, session.Recording().Rules()),
                       session.Settings(), session.Flags());
    }

    testsupport::TempDir dir;
    MapSession session;
};

TEST_F(MapSessionTest, OpeningAMapReadsItsFilesAndSaysWhatWentWrong) {
    // Each file: "good", "" for none, "dir" for a folder in its place, or these bytes.
    const struct {
        const char* legend;
        std::string mcd;
        std::string pts;
        std::vector<std::string> captions;
        const char* named; // a text the first notice holds
        bool calibrated;
        std::size_t points;
    } rows[] = {
        {"both files", "good", "good", {}, "", true, 1},
        {"no files", "", "", {"Warning"}, "This map has no calibration information.", false, 0},
        {"calibration cut short", "\x06\x00\x01", "good", {"Load Error"}, ".mcd", false, 1},
        {"calibration a folder", "dir", "good", {"Load Error"}, ".mcd", false, 1},
        {"points damaged", "good", "\x07\x00 junk", {"Load Error"}, ".pts", true, 0},
        {"points a folder", "good", "dir", {"Load Error"}, ".pts", true, 0},
        {"both damaged", "\x01", "\x01", {"Load Error", "Load Error"}, ".mcd", false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        for (const auto& [file, content] :
             {std::pair{Base() + ".mcd", row.mcd}, std::pair{Base() + ".pts", row.pts}}) {
            std::filesystem::remove_all(file);
            if (content == "dir")
                std::filesystem::create_directory(file);
            else if (content != "good" && !content.empty())
                WriteBytes(file, content);
        }
        if (row.mcd == "good") {
            ASSERT_TRUE(calib::SaveCalibrationFile(Base() + ".mcd", Calibrated()));
        }
        if (row.pts == "good") {
            ASSERT_TRUE(points::WritePointsFile(Base() + ".pts", {kInn}));
        }

        session = MapSession();
        const std::vector<Notice> notices = Open();
        std::vector<std::string> captions;
        for (const Notice& n : notices)
            captions.push_back(n.caption);
        EXPECT_EQ(captions, row.captions);
        if (!notices.empty()) {
            EXPECT_NE(notices[0].text.find(row.named), std::string::npos) << notices[0].text;
        }
        EXPECT_EQ(session.Document().Calibration().IsCalibrated(), row.calibrated);
        EXPECT_EQ(session.Document().Points().size(), row.points);
        EXPECT_EQ(session.Document().BaseName(), Base());
    }
}

TEST_F(MapSessionTest, CollinearCalibrationWarnsAndKeepsTheLastTransform) {
    WriteGoodFiles();
    ASSERT_TRUE(Open().empty());
    const calib::CGPSMapFuncs good = session.Document().Calibration();
    calib::CGPSMapFuncs line;
    for (int i = 0; i < 3; ++i)
        line.AddCalibrationPoint(MapPos(100.0 * i, 100.0 * i), MapPos(1 + 0.01 * i, 51 + 0.01 * i));
    ASSERT_TRUE(calib::SaveCalibrationFile(Base() + ".mcd", line));
    const std::vector<Notice> notices = Open();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].kind, Notice::Kind::Warning);
    EXPECT_EQ(notices[0].text.rfind(Base() + ".mcd: ", 0), 0u) << notices[0].text;
    EXPECT_FALSE(session.Document().Calibration().IsCalibrated());
    EXPECT_EQ(session.Document().Calibration().GetA(), good.GetA());
}

TEST_F(MapSessionTest, CursorLineSaysTheDemHeight) {
    WriteGoodFiles();
    ASSERT_TRUE(Open().empty());
    const std::string dem = dir.File("dem");
    std::filesystem::create_directory(dem);
    terraintest::WriteHgt(dem + "/N51E001.hgt", 1201, [](int r, int c) {
        return r == 600 && c == 600 ? -32768 : 10 + r + 2 * c;
    });
    const struct {
        const char* legend;
        std::string folder;
        MapPos pixel;
        std::string height;
    } rows[] = {
        {"on the tile", dem, {500, 250}, " H:1510m"},
        {"on a void: nothing, never a zero", dem, {500, 500}, ""},
        {"beyond the tiles", dem, {500, 1250}, ""},
        {"no folder", "", {500, 250}, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        session.SetDemFolder(row.folder);
        session.Select(row.pixel);
        EXPECT_EQ(session.CursorText(),
                  "Sel: " +
                      coords::FormatPosition(session.Georeference().ToGeo(row.pixel),
                                             coords::CoordFormat::Dms) +
                      row.height);
    }
}

TEST_F(MapSessionTest, EachMapHasItsOwnCalibrationOrNone) {
    calib::CGPSMapFuncs line;
    for (int i = 0; i < 3; ++i)
        line.AddCalibrationPoint(MapPos(100.0 * i, 100.0 * i), MapPos(1 + 0.01 * i, 51 + 0.01 * i));
    calib::CGPSMapFuncs onePair;
    onePair.AddCalibrationPoint(MapPos(0, 1000), MapPos(1.0, 52.0));
    const std::string position =
        "Sel: " + coords::FormatPosition(MapPos(1.5, 51.75), coords::CoordFormat::Dms);
    const std::string pixel = "Sel: x 500 y 250";
    // Loaded one after the other into one session; nullopt: no calibration file.
    const struct {
        const char* legend;
        const char* map;
        std::optional<calib::CGPSMapFuncs> mcd;
        std::vector<std::string> captions;
        bool hasTransform;
        const std::string& cursor;
    } rows[] = {
        {"a calibrated map", "a", Calibrated(), {}, true, position},
        {"another without a file starts uncalibrated",
         "b",
         std::nullopt,
         {"Warning"},
         false,
         pixel},
        {"the first again", "a", Calibrated(), {}, true, position},
        {"another whose file is damaged", "c", calib::CGPSMapFuncs(), {"Load Error"}, false, pixel},
        {"collinear points", "d", line, {"Warning"}, false, pixel},
        {"one pair after the collinear map is taken silently", "e", onePair, {}, false, pixel},
        {"one pair on the collinear map itself", "d", onePair, {}, false, pixel},
    };
    std::string previousMap;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const std::string mcd = dir.File(row.map) + ".mcd";
        std::filesystem::remove(mcd);
        if (row.mcd && row.mcd->GetCalibrationPoints().empty()) {
            WriteBytes(mcd, "\x06\x00 damaged");
        } else if (row.mcd) {
            ASSERT_TRUE(calib::SaveCalibrationFile(mcd, *row.mcd));
        }
        const std::vector<Notice> notices =
            session.OpenMap(dir.File(row.map) + ".png", 1000).notices;
        std::vector<std::string> captions;
        for (const Notice& n : notices)
            captions.push_back(n.caption);
        EXPECT_EQ(captions, row.captions);
        EXPECT_EQ(session.Document().Calibration().HasTransform(), row.hasTransform);
        // The last map's pixel names nothing on another.
        EXPECT_EQ(session.Selection().has_value(), previousMap == row.map);
        EXPECT_EQ(session.CursorText() == "Sel:", previousMap != row.map);
        previousMap = row.map;
        session.Select(MapPos(500, 250));
        EXPECT_EQ(session.CursorText(), row.cursor);
    }
    // A calibration point on an uncalibrated map starts its own file: one pair, nothing else.
    session.OpenMap(dir.File("b.png"), 1000);
    session.Select(MapPos(500, 250));
    EXPECT_TRUE(session.AddCalibrationPoint(MapPos(1.0, 52.0)).notices.empty());
    calib::CGPSMapFuncs written;
    ASSERT_TRUE(calib::LoadCalibrationFile(dir.File("b.mcd"), written));
    EXPECT_EQ(written.GetCalibrationPoints(),
              (std::vector<MapPos>{MapPos(500, 750), MapPos(1.0, 52.0)}));
    // An old folder stays one: its points are added as the handheld adds them, no grid file.
    session.OpenMap(dir.File("a.png"), 1000);
    session.Select(MapPos(500, 250));
    EXPECT_TRUE(session.AddCalibrationPoint(MapPos(1.5, 51.75)).notices.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.grid")));
    EXPECT_EQ(session.Georeference().Grid(), nullptr);
}

TEST_F(MapSessionTest, AMapCalibratedHereKeepsItsGridBesideTheHandheldsFile) {
    std::string why;
    const auto utm = map::ProjTransform::Make("EPSG:32632", map::kWgs84, &why);
    ASSERT_TRUE(utm) << why;
    // A 20 km sheet of 2000 pixels a side at 45 N, its top left corner at 500000 E 4990000 N.
    const auto truth = [&utm](double x, double y) {
        MapPos p(500000 + 10 * x, 4990000 - 10 * y);
        EXPECT_TRUE(utm->Forward(p));
        return p;
    };
    const std::string mcd = Base() + ".mcd";
    const std::string grid = Base() + ".grid";
    const auto edit = [this](auto change) { return session.EditDocument(change).notices; };
    session.OpenMap(Base() + ".png", 2000);
    map::GridSettings settings = session.Document().Grid();
    EXPECT_EQ(settings.model.kind, map::GridKind::Topographic) << "a map calibrated here";
    settings.keep = 4;
    for (const MapPos pixel : {MapPos(0, 0), MapPos(2000, 0), MapPos(0, 2000), MapPos(2000, 2000)})
        settings.Add({pixel, truth(pixel.x, pixel.y)});
    EXPECT_TRUE(edit([&](MapDocument& d) { return d.Recalibrate(settings); }).empty());
    EXPECT_EQ(session.Document().Grid(), settings);
    map::GridSettings onDisk;
    ASSERT_TRUE(map::LoadGridFile(grid, onDisk));
    EXPECT_EQ(onDisk, settings);
    calib::CGPSMapFuncs handheld;
    ASSERT_TRUE(calib::LoadCalibrationFile(mcd, handheld));
    EXPECT_EQ(handheld.GetCalibrationPoints().size(), 6u) << "the newest three pairs";
    EXPECT_LT(
        calib::RangeAndBearing(session.Georeference().ToGeo(MapPos(1000, 1000)), truth(1000, 1000))
            .distance,
        3.0);

    // Refused with the grid file's name and the reason; nothing changes, nothing is written.
    const std::string gridBytes = ReadBytes(grid);
    const std::string mcdBytes = ReadBytes(mcd);
    const struct {
        const char* legend;
        std::function<void(map::GridSettings&)> change;
        const char* reason;
    } refused[] = {
        {"unknown datum", [](map::GridSettings& s) { s.datum = "ED51"; }, "ED51"},
        {"a datum that would add a line", [](map::GridSettings& s) { s.datum = "WGS84\nkeep 50"; },
         "one line"},
        {"unknown grid",
         [](map::GridSettings& s) {
             s.model = {map::GridKind::Named, "EPSG:99999999"};
         },
         "EPSG:99999999"},
        {"points on one line",
         [&](map::GridSettings& s) {
             s.points.clear();
             for (const double i : {0.0, 500.0, 1000.0})
                 s.Add({MapPos(i, i), truth(i, i)});
         },
         "line"},
    };
    for (const auto& row : refused) {
        SCOPED_TRACE(row.legend);
        map::GridSettings bad = settings;
        row.change(bad);
        const std::vector<Notice> notices =
            edit([&](MapDocument& d) { return d.Recalibrate(bad); });
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_EQ(notices[0].kind, Notice::Kind::Error);
        EXPECT_EQ(notices[0].text.rfind(grid + ": ", 0), 0u) << notices[0].text;
        EXPECT_NE(notices[0].text.find(row.reason), std::string::npos) << notices[0].text;
        EXPECT_EQ(session.Document().Grid(), settings);
        EXPECT_EQ(ReadBytes(grid), gridBytes);
        EXPECT_EQ(ReadBytes(mcd), mcdBytes);
    }

    // Removing a point and its undo go through both files.
    EXPECT_TRUE(edit([](MapDocument& d) { return d.RemoveCalibrationPair(3); }).empty());
    ASSERT_TRUE(map::LoadGridFile(grid, onDisk));
    EXPECT_EQ(onDisk.points.size(), 3u);
    EXPECT_TRUE(edit([](MapDocument& d) { return d.Undo(); }).empty());
    EXPECT_EQ(ReadBytes(grid), gridBytes);
    EXPECT_EQ(ReadBytes(mcd), mcdBytes);

    // Opened again it is the same map; a damaged grid file leaves it on the handheld's file,
    // says so, and is set aside before the first write.
    const MapPos centre = session.Georeference().ToGeo(MapPos(1000, 1000));
    session = MapSession();
    ASSERT_TRUE(session.OpenMap(Base() + ".png", 2000).notices.empty());
    EXPECT_EQ(session.Georeference().ToGeo(MapPos(1000, 1000)), centre);
    WriteBytes(grid, "QUILO-GRID 1\nmodel topographic\nkeep 4\n");
    session = MapSession();
    const std::vector<Notice> notices = session.OpenMap(Base() + ".png", 2000).notices;
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text.rfind(grid + ": ", 0), 0u) << notices[0].text;
    EXPECT_EQ(session.Georeference().Grid(), nullptr);
    EXPECT_TRUE(session.Georeference().HasTransform());
    EXPECT_TRUE(edit([](MapDocument& d) { return d.SetMagVar(1.0); }).empty());
    EXPECT_EQ(ReadBytes(grid + ".damaged"), "QUILO-GRID 1\nmodel topographic\nkeep 4\n");
    EXPECT_TRUE(map::LoadGridFile(grid, onDisk));
}

TEST_F(MapSessionTest, DamagedFilesAreSetAsideOnceBeforeTheFirstWrite) {
    const std::string garbage = "\x07\x00 not ours";
    WriteBytes(Base() + ".mcd", garbage);
    WriteBytes(Base() + ".pts", garbage);
    EXPECT_EQ(Open().size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(Base() + ".mcd.damaged")) << "nothing before a write";
    session.Select(MapPos(10, 10));

    const auto setMagVar = [](MapDocument& document) { return document.SetMagVar(-3.5); };
    EXPECT_TRUE(session.EditDocument(setMagVar).notices.empty());
    EXPECT_EQ(ReadBytes(Base() + ".mcd.damaged"), garbage);
    EXPECT_EQ(ReadBytes(Base() + ".mcd").size(), 10u);

    EXPECT_TRUE(session.NewPoint(NewPointAt::Cursor, kWhen).notices.empty());
    EXPECT_EQ(ReadBytes(Base() + ".pts.damaged"), garbage);
    EXPECT_TRUE(session.NewPoint(NewPointAt::Cursor, kWhen).notices.empty());
    EXPECT_EQ(ReadBytes(Base() + ".pts.damaged"), garbage) << "set aside once only";
    points::MapPointList onDisk;
    ASSERT_TRUE(points::ReadPointsFile(Base() + ".pts", onDisk));
    EXPECT_EQ(onDisk, session.Document().Points());

    // A write that fails names the path.
    std::filesystem::remove(Base() + ".mcd");
    std::filesystem::create_directory(Base() + ".mcd");
    EXPECT_EQ(session.EditDocument(setMagVar).notices,
              (std::vector<Notice>{{Notice::Kind::Error, "Unable to write file: " + Base() + ".mcd",
                                    "Save Error"}}));
}

TEST_F(MapSessionTest, PointsAtTheCursorAndFromTheGpsAndTheSelectionText) {
    WriteGoodFiles();
    ASSERT_TRUE(Open().empty());
    EXPECT_EQ(session.CursorText(), "Sel:");
    EXPECT_EQ(session.Select(MapPos(500, 250)), Changes(Changed::CursorLine));
    const MapPos geo(1.5, 51.75);
    EXPECT_EQ(session.CursorText(),
              "Sel: " + coords::FormatPosition(geo, coords::CoordFormat::Dms));
    EXPECT_EQ(session.Select(MapPos(500, 250)), Changes()) << "the same text";
    session.SetCoordFormat(coords::CoordFormat::Deg);
    EXPECT_EQ(session.CursorText(), "Sel: " + coords::FormatPosition(geo, coords::CoordFormat::Dms))
        << "a new format shows at the next selection";
    EXPECT_EQ(session.Select(MapPos(500, 250)), Changes(Changed::CursorLine));
    EXPECT_EQ(session.CursorText(),
              "Sel: " + coords::FormatPosition(geo, coords::CoordFormat::Deg));

    EXPECT_TRUE(session.NewPoint(NewPointAt::Cursor, kWhen).notices.empty());
    ASSERT_EQ(session.Document().Points().size(), 2u);
    EXPECT_EQ(session.Document().Points()[1].GetName(), "Map point 08/12/2026 14:05:09");
    EXPECT_EQ(session.Document().Points()[1].GetPosition(), geo);

    EXPECT_EQ(session.NewPoint(NewPointAt::Gps, kWhen).changes, Changes()) << "disconnected";
    EXPECT_EQ(session.Document().Points().size(), 2u);
}

TEST_F(MapSessionTest, TrackingFlagsTrailFilesAndSettings) {
    session.SetShowFlags({.tracking = true});
    EXPECT_EQ(session.Recording().Trail().Count(), 1u) << "turning tracking on adds a break";
    session.SetShowFlags({.trail = true, .tracking = true});
    EXPECT_EQ(session.Recording().Trail().Count(), 1u) << "already on";
    EXPECT_TRUE(session.Recording().Trail().recording);

    session.SetShowFlags({.tracking = true});
    session.RevealMapPoints();
    EXPECT_TRUE(session.ShowsMapPoints());
    session.SetShowFlags({.labels = true, .tracking = true});
    EXPECT_TRUE(session.ShowsMapPoints()) << "until the points flag itself changes";
    session.SetShowFlags({.mapPoints = true, .labels = true, .tracking = true});
    session.SetShowFlags({.labels = true, .tracking = true});
    EXPECT_FALSE(session.ShowsMapPoints());

    const std::string missing = dir.File("none.trl");
    EXPECT_EQ(session.LoadTrail(missing).notices,
              (std::vector<Notice>{
                  {Notice::Kind::Error, "Unable to open file: " + missing, "Load Error"}}));
    const std::string unwritable = dir.File("no/t.trl");
    EXPECT_EQ(SaveTrail(session.Recording(), unwritable),
              (Notice{Notice::Kind::Error, "Unable to write file: " + unwritable, "Save Error"}));
    // A refused GPX file says why; a saved one loads back after a break.
    const std::string gpx = dir.File("t.gpx");
    testsupport::WriteBytes(gpx, "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg>"
                                 "<trkpt lat=\"1\" lon=\"x\"/></trkseg></trk></gpx>");
    EXPECT_EQ(session.LoadTrail(gpx).notices,
              (std::vector<Notice>{
                  {Notice::Kind::Error,
                   "Unable to open file: " + gpx +
                       ": damaged GPX file (line 1, column 61: longitude not a number from "
                       "-180 to 180: \"x\")",
                   "Load Error"}}));
    const bool recording = session.Recording().Trail().recording;
    trail::TrailBuffer walk;
    walk.AddFront(MapPos(1.5, 51.25));
    walk.AddFront(MapPos(1.75, 51.5));
    ShowTrail(walk);
    EXPECT_EQ(SaveTrail(session.Recording(), gpx), std::nullopt);
    session.ClearTrail();
    EXPECT_TRUE(session.LoadTrail(gpx).notices.empty());
    const auto loaded = session.Recording().Trail().OldestToNewest();
    EXPECT_EQ(std::vector<MapPos>(loaded.begin(), loaded.end()),
              (std::vector<MapPos>{{}, {1.5, 51.25}, {1.75, 51.5}, {}}));
    session.ClearTrail();
    EXPECT_EQ(session.Recording().Trail().recording, recording);

    trail::TrailBuffer trail;
    for (int i = 0; i < 50; ++i)
        trail.AddFront(MapPos(1 + i * 0.001, 51));
    ShowTrail(trail);
    MemorySettingsStore store;
    ViewSettings settings;
    settings.trailLength = 20;
    session.ApplySettings(settings, "/dev/ttyUSB1", store);
    EXPECT_EQ(session.Recording().Trail().Count(), 20u);
    EXPECT_EQ(store.ReadInt(kSettingsSection, "TrailLength", 0), 20);
    EXPECT_EQ(store.ReadText(kSettingsSection, "GPSDevice", ""), "/dev/ttyUSB1");
    EXPECT_EQ(MapSession(store).GpsSource().configured, "/dev/ttyUSB1");
}

// A journal left by an earlier run: the trail comes back, the statistics read it, Clear Trail
// sets it aside, and the status line says when it can no longer be written.
TEST_F(MapSessionTest, TheJournalBringsTheTrailBackAndGivesItsStatistics) {
    const std::string path = dir.File("state/trail.qjr");
    std::filesystem::create_directory(dir.File("state"));
    std::string bytes = trail::EncodeJournalHeader();
    bytes += trail::EncodeJournalRecord(trail::JournalEntry::Break(1'765'188'000'000));
    for (int i = 0; i <= 10; ++i) // 1.1 km north in 11 minutes, one altitude a glitch
        bytes += trail::EncodeJournalRecord(
            {trail::JournalEntry::Kind::Fix,
             trail::TrackPoint{MapPos(11.0, 48.0 + i * 100.0 / 111'195.0),
                               1'765'188'000'000 + i * 60'000, i == 5 ? 1e308 : 500.0}});
    testsupport::WriteBytes(path, bytes);

    EXPECT_EQ(TrailStatisticsText(session.Recording()), "The trail is not being recorded.");
    session.OpenJournal(path);
    EXPECT_EQ(session.Recording().Trail().Count(), 12u);
    EXPECT_EQ(session.StatusText(), "GPS:");
    EXPECT_EQ(TrailStatisticsText(session.Recording()), "Length: 1.00 km\n"
                                                        "Time moving: 0:10:00\n"
                                                        "Average speed: 6.0 km/h\n"
                                                        "Top speed: 6.0 km/h\n"
                                                        "Start: 2025-12-08 10:00:00 UTC\n"
                                                        "End: 2025-12-08 10:10:00 UTC");
    // Saved as GPX, read and written in pieces: the document of the whole recording.
    const auto told = SaveTrail(session.Recording(), dir.File("all.gpx"));
    ASSERT_TRUE(told);
    EXPECT_EQ(told->text, dir.File("all.gpx") +
                              ": left out 1 value no receiver measures (a height, time, speed "
                              "or course).");
    EXPECT_EQ(testsupport::ReadBytes(dir.File("all.gpx")),
              xml::GpxTrackDocument(trail::JournalTrack(trail::DecodeJournal(bytes).entries)));
    session.ClearTrail();
    EXPECT_EQ(session.Recording().Trail().Count(), 0u);
    EXPECT_EQ(testsupport::ReadBytes(dir.File("state/trail.1.qjr")), bytes);

    // The folder taken away under the journal: the next write fails and the line says so.
    std::filesystem::remove_all(dir.File("state"));
    testsupport::WriteBytes(dir.File("state"), "a file where the folder was");
    session.ClearTrail();
    EXPECT_EQ(session.StatusText(), "GPS: Trail not saved.");
    // Then the trail the map shows is what Save Trail as GPX and the statistics take.
    trail::TrailBuffer walk;
    walk.AddFront(MapPos(11.0, 48.0));
    walk.AddFront(MapPos(11.0, 48.0 + 1000.0 / 111'195.0));
    ASSERT_TRUE(trail::SaveTrail(walk, dir.File("walk.trl")));
    ASSERT_TRUE(session.LoadTrail(dir.File("walk.trl")).notices.empty());
    ASSERT_EQ(SaveTrail(session.Recording(), dir.File("shown.gpx")), std::nullopt);
    xml::GpxContents saved;
    ASSERT_TRUE(xml::ReadGpxFile(dir.File("shown.gpx"), saved));
    ASSERT_EQ(saved.track.size(), 1u);
    EXPECT_EQ(saved.track[0].size(), 2u);
    EXPECT_TRUE(TrailStatisticsText(session.Recording()).starts_with("Length: 1.00 km\n"))
        << TrailStatisticsText(session.Recording());
}

// One drive at 60 km/h with a 40 s stop: the trip meter takes every fix, the recording (the
// GPS details panel's column and Trail Statistics) only those 5 m apart; both say 200 s moving.
TEST_F(MapSessionTest, TripMeterAndRecordingAgreeOnTheMovingTimeOfOneDrive) {
    MemorySettingsStore store;
    ViewSettings settings;
    settings.trailLength = 1000;
    settings.trailMinDelta = 5;
    session.ApplySettings(settings, "", store);
    session.OpenJournal(dir.File("trail.qjr"));
    session.SetShowFlags({.tracking = true});
    gps::GpsOpening opened;
    opened.ok = true;
    const session::Outcome connected = session.Connect(opened);
    ASSERT_TRUE(connected.notices.empty());
    EXPECT_TRUE(connected.changes.Has(Changed::StatusLine)) << "GPS: Connected.";
    double north = 0;
    for (int second = 0; second <= 240; ++second) {
        const bool stopped = second > 100 && second <= 140;
        north += second == 0 || stopped ? 0.0 : 60 / 3.6;
        gps::GpsUpdate update;
        update.handled = true;
        update.what = gps::GpsUpdate::kPosition;
        update.fix.hasFix = true;
        update.fix.position = MapPos(11.0, 48.0 + north / 111'195.0);
        update.epochs.push_back({update.fix.position, 1'765'188'000'000 + second * 1000, NAN,
                                 stopped ? 0.0 : 60 / 1.852, 0.0});
        session.OnGpsUpdate(update, false);
    }
    const trail::TrailStatistics trip = session.Live().Trip();
    const trail::TrailStatistics recording = session.Recording().Statistics();
    EXPECT_LT(recording.fixes, trip.fixes);
    EXPECT_NEAR(trip.movingSeconds, 200, 1e-3);
    EXPECT_NEAR(recording.movingSeconds, 200, 1e-3);
    EXPECT_NE(TrailStatisticsText(session.Recording()).find("\nTime moving: 0:03:20\n"),
              std::string::npos)
        << TrailStatisticsText(session.Recording());
}

// Load Trail of a drive longer than the trail keeps: the map shows the newest samples, Trail
// Statistics the whole file's length and times (it read "Length: 0.00 km, Start: unknown").
TEST_F(MapSessionTest, LoadedTrailStatisticsReadTheLoadedPoints) {
    WriteBytes(dir.File("drive.nmea"), testsupport::NmeaDrive({{60, 120}, {0, 60}, {30, 120}}));
    if (!testsupport::GpsbabelGpx(dir.File("drive.nmea"), dir.File("drive.gpx")))
        GTEST_SKIP() << "gpsbabel is not installed";
    session.OpenJournal(dir.File("trail.qjr"));
    ASSERT_TRUE(session.LoadTrail(dir.File("drive.gpx")).notices.empty());
    EXPECT_LT(session.Recording().Trail().Count(), 301u);
    EXPECT_EQ(session.Recording().RecentPoints().size(), 301u) << "what colours the trail";
    const std::string text = TrailStatisticsText(session.Recording());
    EXPECT_TRUE(text.starts_with("Length: 3.00 km\nTime moving: 0:04:00\n")) << text;
    EXPECT_TRUE(text.ends_with("Start: 2025-06-01 10:00:00 UTC\nEnd: 2025-06-01 10:05:00 UTC"))
        << text;
}

// Another program records into the journal (a second window, or quilo-tool record; the lock
// binds open files, so one taken here is another program's): this window neither reads nor
// writes the journal nor sets it aside, and says so.
TEST_F(MapSessionTest, AJournalAnotherProgramHoldsIsLeftAlone) {
    const std::string path = dir.File("trail.qjr");
    const std::string bytes =
        trail::EncodeJournalHeader() + trail::EncodeJournalRecord(trail::JournalEntry::Break(1));
    WriteBytes(path, bytes);
    platform::FileLock other;
    ASSERT_EQ(other.Take(path), platform::FileLock::Status::Locked);
    session.OpenJournal(path);
    EXPECT_EQ(session.StatusText(),
              "GPS: Trail not recorded: another program is recording into the journal.");
    EXPECT_TRUE(session.Recording().Trail().Empty()) << "nothing read";
    session.ClearTrail();
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"trail.qjr"});
}

// Load Trail replaces the trail: the recording it replaces is set aside as Clear Trail sets it
// aside, and the file's runs keep their breaks, times and heights in a GPX saved from the journal.
TEST_F(MapSessionTest, ALoadedTrailKeepsItsRunsAndSetsTheRecordingAside) {
    WriteBytes(dir.File("two.gpx"),
               "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg>"
               "<trkpt lat=\"48.1\" lon=\"11.1\"/><trkpt lat=\"48.2\" lon=\"11.2\"/>"
               "</trkseg><trkseg><trkpt lat=\"48.3\" lon=\"11.3\"><ele>512</ele>"
               "<time>2025-12-08T10:02:00Z</time></trkpt></trkseg></trk></gpx>");
    trail::TrailBuffer runs;
    for (const MapPos& p : {MapPos(11.1, 48.1), MapPos(11.2, 48.2), MapPos(), MapPos(11.3, 48.3)})
        runs.AddFront(p);
    ASSERT_TRUE(trail::SaveTrail(runs, dir.File("two.trl")));
    const std::string recorded =
        trail::EncodeJournalHeader() +
        trail::EncodeJournalRecord({trail::JournalEntry::Kind::Fix, {MapPos(10.0, 47.0), 1}});
    for (const bool timed : {true, false}) {
        SCOPED_TRACE(timed ? "GPX" : "trail file");
        testsupport::TempDir state;
        const std::string path = state.File("trail.qjr");
        WriteBytes(path, recorded);
        MapSession window;
        window.OpenJournal(path);
        ASSERT_TRUE(window.LoadTrail(dir.File(timed ? "two.gpx" : "two.trl")).notices.empty());
        EXPECT_EQ(ReadBytes(trail::KeptJournalPath(path, 1)), recorded);
        EXPECT_EQ(window.Recording().Trail().Count(), 7u)
            << "the fix shown before, the file's three samples and three breaks";
        ASSERT_EQ(SaveTrail(window.Recording(), state.File("saved.gpx")), std::nullopt);
        xml::GpxContents saved;
        ASSERT_TRUE(xml::ReadGpxFile(state.File("saved.gpx"), saved));
        ASSERT_EQ(saved.track.size(), 2u);
        ASSERT_EQ(saved.track[1].size(), 1u);
        EXPECT_EQ(saved.track[1][0].position, MapPos(11.3, 48.3));
        EXPECT_EQ(saved.track[1][0].utcMs, timed ? 1'765'188'120'000 : 0);
        EXPECT_EQ(saved.track[1][0].heightM == 512.0, timed);
    }
}

// The updates a feed hands over, as values: what the session does with them, without a link.
class MapSessionGpsUpdateTest : public MapSessionTest {
protected:
    void SetUp() override {
        session =
            MapSession(MapDocument({Calibrated(), 1000}, {}), trail::Recording(), ViewSettings());
    }
    std::optional<Notice> Connect() {
        gps::GpsOpening opened;
        opened.ok = true;
        const session::Outcome connected = session.Connect(opened);
        if (connected.notices.empty())
            return std::nullopt;
        return connected.notices.front();
    }
    // A handled update with a fix at (1 + column / 1000 E, 51.9 N), which completes the receiver
    // fixes of these columns, one a second.
    static gps::GpsUpdate At(int column, const std::vector<int>& completed,
                             std::uint32_t takenMs = 0) {
        const auto where = [](int c) { return MapPos(1.0 + c / 1000.0, 51.9); };
        gps::GpsUpdate update;
        update.handled = true;
        update.takenMs = takenMs;
        update.what = gps::GpsUpdate::kPosition;
        update.fix = {where(column), true, 8, 0.9, 545.4};
        for (const int c : completed)
            update.epochs.push_back({where(c), 1'765'188'000'000 + c * 1000, 545.4, NAN, NAN});
        return update;
    }

    MemorySettingsStore store;
};

TEST_F(MapSessionGpsUpdateTest, UpdatesRecordFollowAndMeasureFromTheFix) {
    // The scene's pixels lie kilometres apart and the updates come within milliseconds: no
    // jump filter here.
    ViewSettings settings = session.Settings();
    settings.trailMaxSpeedKmh = 0;
    session.ApplySettings(settings, "", store);
    session.SetShowFlags({.follow = true, .tracking = true});
    ASSERT_FALSE(Connect());
    EXPECT_EQ(session.StatusText(), "GPS: Connected.");
    EXPECT_EQ(session.Recording().Trail().Count(), 2u)
        << "a break from tracking, one from connecting";
    session.Select(MapPos(500, 500));

    const struct {
        const char* legend;
        int column;
        std::vector<int> completed; // the receiver fixes the update completes
        bool follow, dragging, tracking;
        bool centre;
        std::size_t trail; // after the update
        bool marker;       // the marker moved: the view repaints
    } rows[] = {
        // Nothing says the first fix of a connection is complete until the next one begins.
        {"first fix: followed, not yet recorded", 100, {}, true, false, true, true, 2, true},
        {"dragging: recorded with the first, not followed",
         200,
         {100, 200},
         true,
         true,
         true,
         false,
         4,
         true},
        {"follow off", 300, {300}, false, false, true, false, 5, true},
        {"tracking off: not recorded", 400, {400}, true, false, false, true, 5, true},
        {"tracking on again: a break, then the sample",
         500,
         {500},
         true,
         false,
         true,
         true,
         7,
         true},
        {"the same fix again: not recorded, nothing drawn changes",
         500,
         {500},
         true,
         false,
         true,
         true,
         7,
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        session.SetShowFlags({.follow = row.follow, .tracking = row.tracking});
        const std::size_t before = session.Recording().Trail().Count();
        const session::GpsStep step =
            session.OnGpsUpdate(At(row.column, row.completed), row.dragging);
        EXPECT_EQ(step.changes.Has(Changed::Marker), row.marker);
        EXPECT_EQ(step.changes.Has(Changed::Trail), session.Recording().Trail().Count() > before);
        EXPECT_EQ(step.centreOnGps, row.centre);
        EXPECT_TRUE(session.GpsFix().hasFix);
        EXPECT_EQ(session.Recording().Trail().Count(), row.trail);
        EXPECT_EQ(
            session.StatusText().rfind("GPS: " + coords::FormatPosition(session.GpsFix().position,
                                                                        coords::CoordFormat::Dms),
                                       0),
            0u)
            << session.StatusText();
        EXPECT_NE(session.CursorText().find(" RB:"), std::string::npos) << session.CursorText();
    }

    ASSERT_TRUE(session.NewPoint(NewPointAt::Gps, kWhen).changes.Has(Changed::Points));
    EXPECT_EQ(session.Document().Points().back().GetName(), "GPS position 08/12/2026 14:05:09");
    EXPECT_EQ(session.Document().Points().back().GetPosition(), session.GpsFix().position);

    // Disconnect with a fix keeps the last text; the cursor loses its range and bearing at the
    // next selection; a late update is dropped.
    const std::string last = session.StatusText();
    EXPECT_EQ(session.Disconnect(), Changes(Changed::Marker));
    EXPECT_FALSE(session.GpsFix().hasFix);
    EXPECT_EQ(session.StatusText(), last);
    session.Select(MapPos(500, 500));
    EXPECT_EQ(session.CursorText().find(" RB:"), std::string::npos);
    EXPECT_FALSE(session.OnGpsUpdate(At(600, {600}), false).changes.Any());
}

// A note that is to stay outlasts the positions that come meanwhile (the tick wraps around).
TEST_F(MapSessionGpsUpdateTest, AHeldNoteStaysItsTimeThenThePositionReturns) {
    ASSERT_FALSE(Connect());
    for (const auto& [noteAt, updateAt, holdMs, kept] : {std::tuple{1000u, 4999u, 4000u, true},
                                                         {1000u, 5000u, 4000u, false},
                                                         {0xFFFFFF00u, 0x100u, 4000u, true},
                                                         {1000u, 1000u, 0u, false}}) {
        session.ShowStatusNote("Switched to B.png.", noteAt, holdMs);
        (void)session.OnGpsUpdate(At(100, {}, updateAt), false);
        EXPECT_EQ(session.StatusText() == "Switched to B.png.", kept) << updateAt;
    }
}

// Where the link is what is tested (opening the source the session names, its words for a
// failure, the line's rate): a real feed on a pseudo-terminal.
class MapSessionGpsTest : public MapSessionTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Ok());
        session =
            MapSession(MapDocument({Calibrated(), 1000}, {}), trail::Recording(), ViewSettings());
        ViewSettings settings;
        settings.updateRateMs = 0; // every update handled
        session.ApplySettings(settings, "", store);
        session.SetGpsDevice(pty.Path());
        gps::GpsLinkOptions quick;
        quick.pollInterval = std::chrono::milliseconds(10);
        feed = std::make_unique<gps::GpsFeed>(quick);
    }
    // Opens the feed on the source the session names, as the view does.
    std::optional<Notice> Connect() {
        const session::GpsSourceChoice source = session.GpsSource();
        const session::Outcome connected =
            session.Connect(feed->OpenWithoutWaiting(source.device, source.baud));
        if (connected.notices.empty())
            return std::nullopt;
        return connected.notices.front();
    }
    static gps::GpsFeed::Clock::time_point Soon() {
        return gps::GpsFeed::Clock::now() + std::chrono::seconds(10);
    }

    PtyPair pty;
    MemorySettingsStore store;
    std::unique_ptr<gps::GpsFeed> feed;
};

// A source that does not open is named in words that fit it; nothing changes.
TEST_F(MapSessionGpsTest, ConnectFailsWithANoticeAndChangesNothing) {
    const struct {
        std::string device, text;
    } rows[] = {
        {dir.File("no-such-device"),
         "Unable to open COM port\n" + dir.File("no-such-device") + ": No such file or directory"},
        {"tcp://nowhere", "Unable to open the GPS source\nbad GPS source 'tcp://nowhere' "
                          "(expected tcp://HOST:PORT)"},
        {"udp://192.0.2.1:10110",
         "Unable to open the GPS source\n192.0.2.1:10110: Cannot assign requested address"},
    };
    for (const auto& row : rows) {
        session.SetGpsDevice(row.device);
        EXPECT_EQ(Connect(), (Notice{Notice::Kind::Warning, row.text, "Error"}));
        EXPECT_FALSE(session.GpsConnected()) << row.device;
        EXPECT_EQ(session.StatusText(), "GPS:") << row.device;
    }
}

// A server is connected to on the link's thread: Connect returns at once saying so, and a
// server that is not there is told on the status line while the link tries again.
TEST_F(MapSessionGpsTest, NetworkSourcesConnectInTheBackgroundAndSaySo) {
    std::string port; // nothing listens there any more
    {
        sourcetest::LocalServer gone;
        port = std::to_string(gone.Port());
    }
    session.SetGpsDevice("gpsd://127.0.0.1:" + port);
    ASSERT_EQ(Connect(), std::nullopt);
    EXPECT_TRUE(session.GpsConnected());
    EXPECT_EQ(session.StatusText(), "GPS: Connecting to gpsd at 127.0.0.1:" + port + "...");
    ASSERT_GT(feed->WaitForPosts(Soon()), 0);
    EXPECT_TRUE(
        session.OnGpsUpdate(feed->TakeUpdate(0, 0), false).changes.Has(Changed::StatusLine));
    EXPECT_EQ(session.StatusText(), "GPS: Cannot connect to gpsd at 127.0.0.1:" + port +
                                        ": Connection refused. Retrying.");
}

// Every source name the device field takes brings positions onto the status line through the
// same updates as a serial line.
TEST_F(MapSessionGpsTest, SourceNamesFromTheDeviceField) {
    const std::string capture = std::string(QUILO_TEST_DATA) + "/nmea/bu353s4.log";
    for (const std::string& name : {"file:" + capture + "?speed=100", std::string("sim:")}) {
        session.SetGpsDevice(name);
        ASSERT_EQ(Connect(), std::nullopt) << name;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!session.GpsFix().hasFix && std::chrono::steady_clock::now() < deadline) {
            feed->WaitForPosts(gps::GpsFeed::Clock::now() + std::chrono::milliseconds(50));
            (void)session.OnGpsUpdate(feed->TakeUpdate(gps::TickCountMs(), 0), false);
        }
        EXPECT_TRUE(session.GpsFix().hasFix) << name;
        EXPECT_EQ(session.StatusText().rfind("GPS: ", 0), 0u) << session.StatusText();
        EXPECT_NE(session.StatusText().find(" S:"), std::string::npos) << session.StatusText();
        session.Disconnect();
        feed->Close();
    }
}

// The notice names the group that may use the device. Tests run as root, whom the device's
// bits do not stop: the connect runs in a child process that has given up root.
TEST_F(MapSessionGpsTest, ConnectRefusedByPermissionsNamesTheDevicesGroup) {
    ASSERT_EQ(::chmod(pty.Path().c_str(), 0060), 0); // not even the owner may open it
    struct stat device {};
    ASSERT_EQ(::stat(pty.Path().c_str(), &device), 0);
    const group* owner = ::getgrgid(device.st_gid);
    ASSERT_NE(owner, nullptr);
    const std::string expected = "Unable to open COM port\n" + pty.Path() +
                                 ": Permission denied (your user must be in the group \"" +
                                 owner->gr_name + "\" that owns the device)";
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        const auto notice = Connect();
        const std::string text = notice ? notice->text : "connected";
        (void)!::write(pipeFds[1], text.data(), text.size());
        ::_exit(notice && !session.GpsConnected() ? 0 : 1);
    }
    ::close(pipeFds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = -1;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(text, expected);
}

// The rate given for the run ("quilo --baud") is the line's, whatever the settings say.
TEST_F(MapSessionGpsTest, TheRunsBaudRateWinsOverTheSetting) {
    const struct {
        std::optional<std::int32_t> run;
        speed_t line;
    } rows[] = {{std::nullopt, B4800}, {38400, B38400}};
    for (const auto& row : rows) {
        if (row.run)
            session.SetGpsDevice(pty.Path(), *row.run);
        ASSERT_EQ(Connect(), std::nullopt);
        const int fd = ::open(pty.Path().c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios tio{};
        EXPECT_EQ(::tcgetattr(fd, &tio), 0);
        EXPECT_EQ(::cfgetispeed(&tio), row.line);
        ::close(fd);
        session.Disconnect();
        feed->Close();
    }
}

} // namespace
