// quilo-tool convert, run as a separate process on real files: NMEA captures and trail files
// into trail files and KML, points files copied byte for byte.
#include "ToolCases.h"
#include "base/FileKind.h"
#include "gps/NmeaDecode.h"
#include "support/TestFiles.h"
#include "support/Xmllint.h"
#include "trail/TrailFile.h"
#include "trail/TrailGpx.h"
#include "trail/TrailKml.h"
#include "xml/GpxReader.h"
#include "xml/GpxWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using testsupport::ReadBytes;
using testsupport::RunResult;
using testsupport::TempDir;
using testsupport::WriteBytes;
using trail::TrailBuffer;

const std::string kCapture = std::string(QUILO_TEST_DATA) + "/nmea/quectel-eg25-g.log";

RunResult Convert(const std::vector<std::string>& args) {
    std::vector<std::string> all{"convert"};
    all.insert(all.end(), args.begin(), args.end());
    return testsupport::RunTool(all);
}

// What the tool should record from NMEA bytes, with a line splitter of its own.
TrailBuffer Replay(const std::string& bytes, double minDelta, std::int32_t maxLength) {
    TrailBuffer trail;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string_view line(bytes.data() + start, end - start);
        gps::GgaRecord gga;
        gps::RmcRecord rmc;
        if (gps::DecodeGga(line, gga))
            trail.Record(MapPos(gga.longitude, gga.latitude), minDelta, maxLength);
        else if (gps::DecodeRmc(line, rmc))
            trail.Record(MapPos(rmc.longitude, rmc.latitude), minDelta, maxLength);
        start = end + 1;
    }
    return trail;
}

TrailBuffer TrailFromFile(const std::string& path) {
    TrailBuffer trail;
    const auto samples = trail::DecodeTrailFile(ReadBytes(path));
    EXPECT_TRUE(samples) << path;
    if (samples) {
        for (auto it = samples->rbegin(); it != samples->rend(); ++it)
            trail.AddFront(*it);
    }
    return trail;
}

TEST(ConvertTool, CaptureIntoTrailFileAndKml) {
    TempDir dir;
    const std::string trl = dir.File("quectel.trl");
    const std::string kml = dir.File("quectel.kml");
    ASSERT_EQ(Convert({kCapture, trl}).status, 0);
    ASSERT_EQ(Convert({kCapture, kml}).status, 0);

    const TrailBuffer expected = Replay(ReadBytes(kCapture), 5.0, 1 << 30);
    ASSERT_GT(expected.Count(), 10u) << "the capture should move";
    EXPECT_EQ(ReadBytes(trl), trail::EncodeTrailFile(expected));
    // The KML is streamed while the log is read; it must equal the export of the whole trail.
    EXPECT_EQ(ReadBytes(kml), trail::TrailKml(expected));

    if (!testsupport::HaveXmllint())
        GTEST_SKIP() << "xmllint is not installed (package libxml2-utils)";
    EXPECT_TRUE(testsupport::XmllintAccepts(kml));
}

TEST(ConvertTool, AnotherKmlReaderTakesEveryPoint) {
    if (std::system("command -v gpsbabel >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "gpsbabel is not installed";
    TempDir dir;
    const std::string kml = dir.File("quectel.kml");
    ASSERT_EQ(Convert({kCapture, kml}).status, 0);
    const std::string gpx = dir.File("quectel.gpx");
    const std::string command =
        "gpsbabel -i kml -f '" + kml + "' -o gpx -F '" + gpx + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string text = ReadBytes(gpx);
    std::size_t points = 0;
    for (auto at = text.find("<trkpt "); at != std::string::npos; at = text.find("<trkpt ", at + 1))
        ++points;
    EXPECT_EQ(points, Replay(ReadBytes(kCapture), 5.0, 1 << 30).Count());
}

// gpsbabel reads our GPX tracks and waypoints and finds the same positions.
TEST(ConvertTool, GpsbabelReadsOurGpx) {
    if (std::system("command -v gpsbabel >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "gpsbabel is not installed";
    TempDir dir;
    const std::string ours = dir.File("ours.gpx");
    ASSERT_EQ(Convert({kCapture, ours}).status, 0);
    ASSERT_EQ(
        Convert({std::string(QUILO_TEST_DATA) + "/pts/V3.pts", dir.File("points.gpx")}).status, 0);
    xml::GpxContents written;
    ASSERT_TRUE(xml::ReadGpxFile(dir.File("points.gpx"), written));
    xml::GpxContents track;
    ASSERT_TRUE(xml::ReadGpxFile(ours, track));
    ASSERT_FALSE(written.waypoints.empty());
    for (const char* name : {"ours.gpx", "points.gpx"}) {
        SCOPED_TRACE(name);
        const std::string command = "gpsbabel -i gpx -f '" + dir.File(name) + "' -o gpx -F '" +
                                    dir.File("babel.gpx") + "' 2>/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
        xml::GpxContents babel;
        const auto read = xml::ReadGpxFile(dir.File("babel.gpx"), babel);
        ASSERT_TRUE(read) << read.error;
        // gpsbabel prints nine decimals.
        const auto near = [](const MapPos& a, const MapPos& b) {
            return std::abs(a.x - b.x) < 1e-9 && std::abs(a.y - b.y) < 1e-9;
        };
        if (std::string(name) == "ours.gpx") {
            ASSERT_EQ(babel.track.size(), track.track.size());
            for (std::size_t s = 0; s < track.track.size(); ++s) {
                ASSERT_EQ(babel.track[s].size(), track.track[s].size());
                for (std::size_t p = 0; p < track.track[s].size(); ++p)
                    EXPECT_TRUE(near(babel.track[s][p].position, track.track[s][p].position)) << p;
            }
        } else {
            ASSERT_EQ(babel.waypoints.size(), written.waypoints.size());
            for (std::size_t w = 0; w < written.waypoints.size(); ++w) {
                EXPECT_TRUE(near(babel.waypoints[w].position, written.waypoints[w].position)) << w;
                EXPECT_EQ(babel.waypoints[w].name, written.waypoints[w].name) << w;
            }
        }
    }
}

// The points of the file's only segment; a file that is not one segment fails the test.
trail::TrackSegment OnlySegment(const std::string& path) {
    xml::GpxContents gpx;
    const platform::LoadResult read = xml::ReadGpxFile(path, gpx);
    EXPECT_TRUE(read) << read.error;
    EXPECT_EQ(gpx.track.size(), 1u) << path;
    return gpx.track.empty() ? trail::TrackSegment{} : gpx.track[0];
}

// A receiver log into GPX keeps each fix's time, height, speed and course, as gpsbabel reads
// them from the same log; the positions are those a trail keeps, and a length limit keeps the
// newest fixes.
TEST(ConvertTool, ReceiverLogIntoGpxAsGpsbabelReadsIt) {
    TempDir dir;
    ASSERT_EQ(Convert({kCapture, dir.File("every.gpx"), "--min-delta", "0"}).status, 0);
    ASSERT_EQ(Convert({kCapture, dir.File("kept.gpx")}).status, 0);
    ASSERT_EQ(Convert({kCapture, dir.File("5.gpx"), "--max-length", "5"}).status, 0);
    const trail::TrackSegment every = OnlySegment(dir.File("every.gpx"));
    const trail::TrackSegment kept = OnlySegment(dir.File("kept.gpx"));
    const TrailBuffer trail = Replay(ReadBytes(kCapture), 5.0, 1 << 30);
    ASSERT_EQ(kept.size(), trail.Count());
    EXPECT_TRUE(
        std::equal(kept.rbegin(), kept.rend(), trail.NewestToOldest().begin(),
                   [](const trail::TrackPoint& a, const MapPos& b) { return a.position == b; }));
    const trail::TrackSegment newest5 = OnlySegment(dir.File("5.gpx"));
    ASSERT_EQ(newest5.size(), 5u);
    EXPECT_EQ(newest5.front().utcMs, kept[kept.size() - 5].utcMs);

    if (std::system("command -v gpsbabel >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "gpsbabel is not installed";
    const std::string command = "gpsbabel -t -i nmea -f '" + kCapture + "' -o gpx -F '" +
                                dir.File("babel.gpx") + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const trail::TrackSegment babel = OnlySegment(dir.File("babel.gpx"));
    ASSERT_EQ(every.size(), babel.size());
    for (std::size_t i = 0; i < every.size(); ++i) {
        SCOPED_TRACE(i);
        const trail::TrackPoint &ours = every[i], &theirs = babel[i];
        // Our minutes pass through single precision (a few millimetres).
        EXPECT_NEAR(ours.position.y, theirs.position.y, 1e-6);
        EXPECT_NEAR(ours.position.x, theirs.position.x, 1e-6);
        EXPECT_EQ(ours.utcMs, theirs.utcMs);
        EXPECT_NEAR(ours.heightM, theirs.heightM, 1e-9);
        // gpsbabel gives a VTG, which has no time, to the fix before it: the empty VTG of a
        // receiver that lost its fix zeroes the last good fix's speed and course.
        if (theirs.speedKnots == 0 && theirs.courseDeg == 0)
            continue;
        EXPECT_NEAR(ours.courseDeg, theirs.courseDeg, 1e-4); // gpsbabel's are floats
        // gpsbabel takes the VTG's km/h, we the RMC's knots, each to a tenth.
        EXPECT_NEAR(ours.speedKnots, theirs.speedKnots, 0.1);
    }
    ASSERT_GT(every.size(), 10u);
}

// GPX to GPX keeps what the file holds, GPX 1.0 without a namespace included; what no receiver
// measures (a height of 500 000 km) is left out with a warning, a log's glitches (an altitude, a
// latitude) never get past the decoder, and every file written reads back.
TEST(ConvertTool, GpxKeepsWhatItHoldsAndGlitchesAreLeftOutAndTold) {
    TempDir dir;
    WriteBytes(dir.File("old.gpx"),
               "<gpx version=\"1.0\"><wpt lat=\"1\" lon=\"2\"><ele>3.5</ele><name>w</name></wpt>"
               "<rte><name>r</name><rtept lat=\"4\" lon=\"5\"><ele>6</ele></rtept></rte><trk>"
               "<name>a</name><trkseg><trkpt lat=\"7\" lon=\"8\"><ele>5e8</ele><speed>2</speed>"
               "<course>45</course></trkpt></trkseg></trk><trk><name>b</name><trkseg><trkpt "
               "lat=\"9\" lon=\"10\"/></trkseg></trk></gpx>");
    // One altitude and one latitude glitched, in different fixes.
    std::string log = ReadBytes(kCapture);
    for (const auto& [good, glitch] :
         {std::pair{",1,05,1.2,-6.0,M,", ",1,05,1.2,1234567890,M,"},
          {"GGA,191513.98,3645.868197,N", "GGA,191513.98,9999.99,N"}}) {
        const auto at = log.find(good);
        ASSERT_NE(at, std::string::npos) << good;
        log.replace(at, std::string(good).size(), glitch);
    }
    WriteBytes(dir.File("glitch.nmea"), log);

    const std::string value = "1 value no receiver measures (a height, time, speed or course)";
    struct Row {
        const char* in;
        const char* out;
        std::string leftOut;
    };
    const Row rows[] = {{"old.gpx", "new.gpx", value},
                        {"glitch.nmea", "glitch.gpx", ""},
                        {"glitch.nmea", "glitch.kml", ""}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.out);
        const RunResult run = Convert({dir.File(row.in), dir.File(row.out)});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, row.leftOut.empty()
                               ? ""
                               : "quilo-tool convert: warning: " + dir.File(row.out) +
                                     ": left out " + row.leftOut + "\n");
        TrailBuffer back; // as Load Trail reads it
        const platform::LoadResult read = trail::LoadTrail(back, dir.File(row.out), 1 << 30);
        EXPECT_TRUE(read) << read.error;
        EXPECT_TRUE(
            !testsupport::HaveXmllint() ||
            (base::KindOfFile(row.out) == base::FileKind::Gpx
                 ? testsupport::XmllintValidates(dir.File(row.out), testsupport::GpxSchemaPath())
                 : testsupport::XmllintAccepts(dir.File(row.out))));
    }
    xml::GpxContents old;
    xml::GpxContents copy;
    ASSERT_TRUE(xml::ReadGpxFile(dir.File("old.gpx"), old));
    ASSERT_TRUE(xml::ReadGpxFile(dir.File("new.gpx"), copy));
    EXPECT_EQ(copy.waypoints, old.waypoints);
    EXPECT_EQ(copy.routes, old.routes);
    EXPECT_EQ(copy.tracks, (std::vector<xml::GpxTrack>{{"a", 1}, {"b", 1}}));
    ASSERT_EQ(copy.track.size(), 2u);
    EXPECT_EQ(copy.track[0][0].courseDeg, 45);
}

TEST(ConvertTool, OptionsAndConversionsBetweenKinds) {
    TempDir dir;
    const std::string capture = ReadBytes(kCapture);
    const std::string trl = dir.File("all.trl");
    ASSERT_EQ(Convert({kCapture, trl}).status, 0);

    struct Row {
        const char* legend;
        std::vector<std::string> args;
        std::string output;
        std::string expected;
    };
    const Row rows[] = {
        {"length limit keeps the newest",
         {kCapture, dir.File("5.trl"), "--max-length", "5"},
         dir.File("5.trl"),
         trail::EncodeTrailFile(Replay(capture, 5.0, 5))},
        {"length limit into KML",
         {kCapture, dir.File("5.kml"), "--max-length", "5"},
         dir.File("5.kml"),
         trail::TrailKml(Replay(capture, 5.0, 5))},
        {"minimum distance 0",
         {kCapture, dir.File("0.kml"), "--min-delta", "0"},
         dir.File("0.kml"),
         trail::TrailKml(Replay(capture, 0.0, 1 << 30))},
        {"upper-case .TRL is a trail file",
         {kCapture, dir.File("TRACK.TRL")},
         dir.File("TRACK.TRL"),
         ReadBytes(trl)},
        {"trail file copied byte for byte",
         {trl, dir.File("copy.trl")},
         dir.File("copy.trl"),
         ReadBytes(trl)},
        {"trail file into KML",
         {trl, dir.File("fromtrl.kml")},
         dir.File("fromtrl.kml"),
         trail::TrailKml(TrailFromFile(trl))},
        {"trail file into GPX",
         {trl, dir.File("fromtrl.gpx")},
         dir.File("fromtrl.gpx"),
         trail::TrailGpx(TrailFromFile(trl))},
        {"GPX back into the same trail file",
         {dir.File("fromtrl.gpx"), dir.File("back.trl")},
         dir.File("back.trl"),
         ReadBytes(trl)},
        {"GPX into KML",
         {dir.File("fromtrl.gpx"), dir.File("fromgpx.kml")},
         dir.File("fromgpx.kml"),
         trail::TrailKml(TrailFromFile(trl))},
        {"GPX into GPX unchanged",
         {dir.File("fromtrl.gpx"), dir.File("copy.gpx")},
         dir.File("copy.gpx"),
         trail::TrailGpx(TrailFromFile(trl))},
        {"GPX into GPX with a length limit",
         {dir.File("fromtrl.gpx"), dir.File("copy5.gpx"), "--max-length", "5"},
         dir.File("copy5.gpx"),
         trail::TrailGpx(Replay(capture, 5.0, 5))},
    };
    for (const Row& row : rows) {
        const RunResult run = Convert(row.args);
        EXPECT_EQ(run.status, 0) << row.legend << ": " << run.err;
        EXPECT_EQ(ReadBytes(row.output), row.expected) << row.legend;
    }
}

TEST(ConvertTool, LineEndsAndChunkBoundariesDoNotMatter) {
    // Over 1 MB of the capture with its line ends rewritten as CR, LF and CR LF in turn, and a
    // long run of noise without any line end: the tool reads in chunks, the replay all at once.
    const std::string capture = ReadBytes(kCapture);
    std::string mixed;
    int turn = 0;
    while (mixed.size() < 1'300'000) {
        std::size_t start = 0;
        while (start < capture.size()) {
            std::size_t end = capture.find('\n', start);
            if (end == std::string::npos)
                end = capture.size();
            std::string line = capture.substr(start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            static const char* const kEnds[] = {"\r", "\n", "\r\n"};
            mixed += line + kEnds[turn++ % 3];
            start = end + 1;
        }
        mixed += std::string(100'000, 'x') + "\n";
    }
    TempDir dir;
    WriteBytes(dir.File("mixed.nmea"), mixed);
    ASSERT_EQ(Convert({dir.File("mixed.nmea"), dir.File("m.trl"), "--min-delta", "0"}).status, 0);
    EXPECT_EQ(ReadBytes(dir.File("m.trl")), trail::EncodeTrailFile(Replay(mixed, 0.0, 1 << 30)));
}

TEST(ConvertTool, FailuresExitTwoAndLeaveNoOutput) {
    TempDir dir;
    const std::string good = dir.File("good.trl");
    ASSERT_EQ(Convert({kCapture, good}).status, 0);
    const std::string bytes = ReadBytes(good);
    WriteBytes(dir.File("cut.trl"), bytes.substr(0, bytes.size() - 1));
    WriteBytes(dir.File("kept.kml"), "old");

    struct Row {
        const char* legend;
        std::vector<std::string> args;
        std::string output;    // must not exist afterwards (or keep "old")
        std::string inMessage; // the one error line names this
    };
    const Row rows[] = {
        {"truncated trail file",
         {dir.File("cut.trl"), dir.File("a.kml")},
         dir.File("a.kml"),
         "cut.trl"},
        {"truncated trail file keeps the old output",
         {dir.File("cut.trl"), dir.File("kept.kml")},
         dir.File("kept.kml"),
         "cut.trl"},
        {"missing input", {dir.File("none.log"), dir.File("b.kml")}, dir.File("b.kml"), "none.log"},
        {"input is a folder", {dir.File("d.log"), dir.File("c.kml")}, dir.File("c.kml"), "d.log"},
        {"unknown output kind", {kCapture, dir.File("out.csv")}, dir.File("out.csv"), "out.csv"},
        {"unknown input kind",
         {dir.File("in.csv"), dir.File("e.kml")},
         dir.File("e.kml"),
         "in.csv"},
        {"GPX latitude beyond 90",
         {dir.File("bad.gpx"), dir.File("h.trl")},
         dir.File("h.trl"),
         "bad.gpx: damaged GPX file (line 1, column 61: latitude"},
        {"GPX without a track or route",
         {dir.File("points.gpx"), dir.File("i.trl")},
         dir.File("i.trl"),
         "points.gpx: holds no track or route"},
        {"bad minimum distance",
         {kCapture, dir.File("f.kml"), "--min-delta", "5m"},
         dir.File("f.kml"),
         "--min-delta"},
        {"negative length",
         {kCapture, dir.File("g.kml"), "--max-length", "-1"},
         dir.File("g.kml"),
         "--max-length"},
        {"missing OUT", {kCapture}, "", "usage"},
    };
    std::filesystem::create_directory(dir.File("d.log"));
    WriteBytes(dir.File("points.gpx"), "<gpx version=\"1.0\"><wpt lat=\"1\" lon=\"1\"/></gpx>");
    WriteBytes(dir.File("bad.gpx"), "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg>"
                                    "<trkpt lat=\"90.5\" lon=\"1\"/></trkseg></trk></gpx>");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const RunResult run = Convert(row.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find(row.inMessage), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
        if (row.output == dir.File("kept.kml")) {
            EXPECT_EQ(ReadBytes(row.output), "old");
        } else if (!row.output.empty()) {
            EXPECT_FALSE(std::filesystem::exists(row.output));
        }
    }
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"bad.gpx", "cut.trl", "d.log", "good.trl",
                                                       "kept.kml", "points.gpx"}))
        << "no temporary files";
}

// The reference points files of every version.
std::string ReferencePoints(const std::string& name) {
    return std::string(QUILO_TEST_DATA) + "/pts/" + name;
}

TEST(PointsTool, ConvertCopiesEachReferenceFileByteForByte) {
    TempDir dir;
    for (const char* file : {"V1.pts", "V2.pts", "V3.pts"}) {
        SCOPED_TRACE(file);
        const std::string out = dir.File(std::string("copy-") + file);
        const RunResult run = Convert({ReferencePoints(file), out});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(ReadBytes(out), ReadBytes(ReferencePoints(file)));
    }
}

TEST(PointsTool, DamagedInputExitsTwoWithoutOutput) {
    TempDir dir;
    const std::string in = dir.File("cut.pts");
    WriteBytes(in, ReadBytes(ReferencePoints("V1.pts")).substr(0, 100));
    for (const char* name : {"out.pts", "out.kml"}) {
        SCOPED_TRACE(name);
        const RunResult run = Convert({in, dir.File(name)});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.File(name)));
    }
    const RunResult wrongOut = Convert({ReferencePoints("V1.pts"), dir.File("out.trl")});
    EXPECT_EQ(wrongOut.status, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.trl")));
}

} // namespace
