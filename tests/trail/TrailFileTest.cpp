#include "trail/TrailFile.h"

#include <fstream>
#include <gtest/gtest.h>
#include <limits>

#include "TrailTestSupport.h"
#include "support/TestFiles.h"
#include "support/Xmllint.h"
#include "trail/TrailGpx.h"
#include "trail/TrailKml.h"
#include "xml/GpxReader.h"

using testsupport::HaveXmllint;
using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;
using testsupport::XmllintAccepts;

namespace {

using trail::TrailBuffer;

const MapPos kBreak;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const std::string kGpxHead = "<?xml version=\"1.0\"?>\n"
                             "<gpx version=\"1.1\" creator=\"t\" "
                             "xmlns=\"http://www.topografix.com/GPX/1/1\">\n";

// r (oldest), q, a break, p (newest), all with exactly representable coordinates.
TrailBuffer FourSampleTrail() {
    TrailBuffer trail;
    trail.Record(MapPos(2.0, 1.5), 5, 250);  // r: lat 1.5, lon 2
    trail.Record(MapPos(4.0, -1.0), 5, 250); // q: lat -1, lon 4
    trail.AddBreak();
    trail.Record(MapPos(0.5, 3.0), 5, 250); // p: lat 3, lon 0.5
    return trail;
}

std::string Record(const char* latitudeBytes, const char* longitudeBytes) {
    return std::string("\xB8\xF7\x01\x00\x00\x00\x00\x00", 8) + std::string(latitudeBytes, 8) +
           std::string(longitudeBytes, 8);
}

const std::string kFourSampleFile =
    std::string("\x04\x00", 2) +
    Record("\0\0\0\0\0\0\x08\x40", "\0\0\0\0\0\0\xE0\x3F") + // p: 3.0, 0.5
    Record("\0\0\0\0\0\0\0\0", "\0\0\0\0\0\0\0\0") +         // the break
    Record("\0\0\0\0\0\0\xF0\xBF", "\0\0\0\0\0\0\x10\x40") + // q: -1.0, 4.0
    Record("\0\0\0\0\0\0\xF8\x3F", "\0\0\0\0\0\0\0\x40");    // r: 1.5, 2.0

TEST(TrailFile, WritesNewestFirstByteForByte) {
    TempDir dir;
    const auto result = trail::SaveTrail(FourSampleTrail(), dir.File("walk.trl"));
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(ReadBytes(dir.File("walk.trl")), kFourSampleFile);

    ASSERT_TRUE(trail::SaveTrail(TrailBuffer{}, dir.File("empty.trl")));
    EXPECT_EQ(ReadBytes(dir.File("empty.trl")), std::string("\0\0", 2));
}

TEST(TrailFile, KmlDocumentLineForLine) {
    TrailBuffer trail = FourSampleTrail();
    trail.Record(MapPos(151.2093, -33.8688), 5, 250);
    TrailBuffer withLeadingBreaks;
    withLeadingBreaks.AddBreak();
    withLeadingBreaks.AddBreak();
    for (const MapPos& sample : trail.OldestToNewest())
        withLeadingBreaks.AddFront(sample);
    withLeadingBreaks.AddBreak();

    const std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<kml xmlns=\"http://earth.google.com/kml/2.1\">\n"
                             "<Document>\n"
                             "<Style id=\"trailStyle\">\n"
                             "  <LineStyle><width>3</width><color>ff4400ff</color></LineStyle>\n"
                             "</Style>\n"
                             "<Folder><name>QUILO Trails</name>\n";
    const std::string tail = "</Folder>\n</Document>\n</kml>\n";
    auto open = [](int n) {
        return "  <Placemark>\n    <styleUrl>#trailStyle</styleUrl>\n    <name>Segment " +
               std::to_string(n) +
               "</name>\n    <LineString><tessellate>1</tessellate>\n      <coordinates>\n";
    };
    const std::string close = "      </coordinates>\n    </LineString>\n  </Placemark>\n";
    const std::string expected = head + open(1) + "        2.0000000000,1.5000000000\n" +
                                 "        4.0000000000,-1.0000000000\n" + close + open(2) +
                                 "        0.5000000000,3.0000000000\n" +
                                 "        151.2093000000,-33.8688000000\n" + close + tail;
    EXPECT_EQ(trail::TrailKml(trail), expected);
    EXPECT_EQ(trail::TrailKml(withLeadingBreaks), expected)
        << "breaks at either end and in a row make no empty placemarks";
    TrailBuffer onlyBreaks;
    onlyBreaks.AddBreak();
    EXPECT_EQ(trail::TrailKml(onlyBreaks), head + tail);

    if (!HaveXmllint())
        GTEST_SKIP() << "xmllint is not installed (package libxml2-utils)";
    TempDir dir;
    ASSERT_TRUE(trail::ExportTrailKml(trail, dir.File("trail.kml")));
    EXPECT_TRUE(XmllintAccepts(dir.File("trail.kml")));
    ASSERT_TRUE(trail::ExportTrailKml(onlyBreaks, dir.File("empty.kml")));
    EXPECT_TRUE(XmllintAccepts(dir.File("empty.kml")));
}

TEST(TrailFile, LoadFencesTheSamplesWithBreaks) {
    TempDir dir;
    WriteBytes(dir.File("walk.trl"), kFourSampleFile);
    TrailBuffer trail;
    trail.Record(MapPos(7.0, 7.0), 5, 250);
    const auto result = trail::LoadTrail(trail, dir.File("walk.trl"), 250);
    ASSERT_TRUE(result) << result.error;
    EXPECT_EQ(SamplesOf(trail),
              (std::vector<MapPos>{kBreak, MapPos(0.5, 3.0), kBreak, MapPos(4.0, -1.0),
                                   MapPos(2.0, 1.5), kBreak, MapPos(7.0, 7.0)}));

    WriteBytes(dir.File("empty.trl"), std::string("\0\0", 2));
    TrailBuffer fromEmpty;
    ASSERT_TRUE(trail::LoadTrail(fromEmpty, dir.File("empty.trl"), 250));
    EXPECT_EQ(SamplesOf(fromEmpty), (std::vector<MapPos>{kBreak, kBreak}));
}

TEST(TrailFile, ThreeHundredSamplesIntoTwoHundredFifty) {
    TrailBuffer saved;
    for (int i = 1; i <= 300; ++i)
        saved.AddFront(MapPos(i, i)); // sample i is at (i, i); 300 is the newest
    TempDir dir;
    ASSERT_TRUE(trail::SaveTrail(saved, dir.File("long.trl")));

    TrailBuffer trail;
    ASSERT_TRUE(trail::LoadTrail(trail, dir.File("long.trl"), 250));
    ASSERT_EQ(trail.Count(), 251u) << "the 250 newest samples and the closing break";
    const auto samples = SamplesOf(trail);
    EXPECT_EQ(samples.front(), kBreak);
    EXPECT_EQ(samples[1], MapPos(300, 300));
    EXPECT_EQ(samples.back(), MapPos(51, 51)) << "the opening break went first";

    // A store already beyond its length (breaks are never trimmed) loses one sample per sample
    // loaded, not all of its excess.
    TrailBuffer overfull;
    for (int i = 1; i <= 10; ++i)
        overfull.AddFront(MapPos(-i, -i));
    overfull.AddBreak();
    overfull.AddBreak(); // 12 entries with a length of 10
    WriteBytes(dir.File("three.trl"), kFourSampleFile.substr(2, 3 * 24).insert(0, "\x03\x00", 2));
    ASSERT_TRUE(trail::LoadTrail(overfull, dir.File("three.trl"), 10));
    EXPECT_EQ(overfull.Count(), 14u);
}

TEST(TrailFile, CountEscapeFrom65535On) {
    struct Row {
        const char* legend;
        std::size_t count;
        std::string header;
    };
    const Row rows[] = {
        {"largest 16-bit count", 65534, std::string("\xFE\xFF", 2)},
        {"65535 needs the escape", 65535, std::string("\xFF\xFF\xFF\xFF\x00\x00", 6)},
        {"beyond 16 bits", 70000, std::string("\xFF\xFF\x70\x11\x01\x00", 6)},
    };
    TempDir dir;
    for (const Row& row : rows) {
        TrailBuffer trail;
        for (std::size_t i = 1; i <= row.count; ++i)
            trail.AddFront(MapPos(1.0 + i * 1e-6, 50.0));
        const std::string path = dir.File("big.trl");
        ASSERT_TRUE(trail::SaveTrail(trail, path)) << row.legend;
        const std::string bytes = ReadBytes(path);
        EXPECT_EQ(bytes.size(), row.header.size() + 24 * row.count) << row.legend;
        EXPECT_EQ(bytes.substr(0, row.header.size()), row.header) << row.legend;

        TrailBuffer loaded;
        ASSERT_TRUE(trail::LoadTrail(loaded, path, 1 << 30)) << row.legend;
        ASSERT_EQ(loaded.Count(), row.count + 2) << row.legend;
        EXPECT_EQ(SamplesOf(loaded)[1], *trail.NewestToOldest().begin()) << row.legend;
    }
}

TEST(TrailFile, DamagedFileIsReportedAndChangesNothing) {
    TempDir dir;
    TrailBuffer trail;
    trail.Record(MapPos(7.0, 7.0), 5, 250);
    trail.AddBreak();
    const auto before = SamplesOf(trail);
    const std::string path = dir.File("damaged.trl");

    // Every truncation point of a valid file.
    for (std::size_t length = 0; length < kFourSampleFile.size(); ++length) {
        WriteBytes(path, kFourSampleFile.substr(0, length));
        const auto result = trail::LoadTrail(trail, path, 250);
        EXPECT_FALSE(result) << "cut at " << length;
        EXPECT_NE(result.error.find(path), std::string::npos) << result.error;
        ASSERT_EQ(SamplesOf(trail), before) << "cut at " << length;
    }
    // Counts that no file of this size can hold must not be believed (nor allocated), and a
    // NaN latitude is damage.
    for (const std::string& bytes :
         {std::string("\xFF\xFF\xFF\xFF\xFF\xFF", 6),
          std::string("\xFF\xFF\x00\x00\x00\x10", 6) + kFourSampleFile,
          std::string("\x05\x00", 2) + kFourSampleFile.substr(2),
          std::string("\x01\x00", 2) + Record("\0\0\0\0\0\0\xF8\x7F", "\0\0\0\0\0\0\0\x40")}) {
        WriteBytes(path, bytes);
        EXPECT_FALSE(trail::LoadTrail(trail, path, 250));
        ASSERT_EQ(SamplesOf(trail), before);
    }
    const auto missing = trail::LoadTrail(trail, dir.File("missing.trl"), 250);
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error.find("missing.trl"), std::string::npos);
    EXPECT_EQ(SamplesOf(trail), before);
}

TEST(TrailFile, FailedSaveNamesThePathAndKeepsWhatWasThere) {
    TempDir dir;
    // A folder of that name cannot be replaced by a file: the rename fails after the write.
    const std::string path = dir.File("walk.trl");
    std::filesystem::create_directory(path);
    WriteBytes(path + "/keep", "old contents");
    for (const std::string& target :
         {path, dir.File("nowhere/walk.trl"), dir.File("nowhere/w.kml")}) {
        const auto result = trail::SaveTrail(FourSampleTrail(), target);
        EXPECT_FALSE(result) << target;
        EXPECT_NE(result.error.find(target), std::string::npos) << result.error;
    }
    EXPECT_EQ(ReadBytes(path + "/keep"), "old contents");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 1u) << "no temporary file is left behind";
}

TEST(TrailFile, GpxRunsBecomeSegmentsAndValidate) {
    trail::TrailBuffer trail;
    // Oldest first (longitude, latitude): break, two fixes, two breaks, one fix, break.
    for (const MapPos& sample :
         {MapPos{}, MapPos{2, 1}, MapPos{2.5, 1.5}, MapPos{}, MapPos{}, MapPos{-4, -3}, MapPos{}})
        trail.AddFront(sample);
    const std::string document = trail::TrailGpx(trail);
    EXPECT_EQ(document,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<gpx version=\"1.1\" creator=\"QUILO\" "
              "xmlns=\"http://www.topografix.com/GPX/1/1\" "
              "xmlns:gpxtpx=\"http://www.garmin.com/xmlschemas/TrackPointExtension/v2\">\n"
              "<trk>\n  <name>QUILO Trail</name>\n"
              "  <trkseg>\n"
              "    <trkpt lat=\"1\" lon=\"2\"/>\n"
              "    <trkpt lat=\"1.5\" lon=\"2.5\"/>\n"
              "  </trkseg>\n"
              "  <trkseg>\n"
              "    <trkpt lat=\"-3\" lon=\"-4\"/>\n"
              "  </trkseg>\n"
              "</trk>\n</gpx>\n");

    if (!testsupport::HaveXmllint())
        GTEST_SKIP() << "xmllint is not installed";
    TempDir dir;
    const xml::Track track = {
        {{{4.3, 52.1}, 1733659200123, 0.5}, {{4.4, 52.2}, 1733659201000, kNaN, 3.0, 90.0}},
        {},
        {{{179.99999999, -89.999999999}, 0, -11034.25}}};
    // Glitches a receiver sent: what is written of them must validate and read back.
    const xml::Track glitches = {{{{1, 1}, 1, 1e308, 1e308, 1e308},
                                  {{2, 2}, 2, 1234567890, 5, 359.9},
                                  {{1e-300, -1e-300}, 3, 1e-300, 1e-300, 1e-300}}};
    const std::string documents[] = {document, xml::GpxTrackDocument(track),
                                     xml::GpxTrackDocument(glitches), xml::GpxTrackDocument({}),
                                     trail::TrailGpx(trail::TrailBuffer{})};
    for (const std::string& each : documents) {
        WriteBytes(dir.File("t.gpx"), each);
        EXPECT_TRUE(testsupport::XmllintValidates(dir.File("t.gpx"), testsupport::GpxSchemaPath()))
            << each;
        xml::GpxContents read;
        const xml::Result result = xml::ParseGpx(each, read);
        EXPECT_TRUE(result) << result.error;
    }
}

// Load Trail through the real file: a GPX trail in, a refused one leaves the trail alone.
TEST(TrailFile, LoadTrailTakesGpxTracksAndRefusesAHugeAttribute) {
    TempDir dir;
    trail::TrailBuffer trail;
    trail.AddFront(MapPos(9, 9));
    const xml::Track track = {{{{1, 1}}, {{2, 2}}}, {{{3, 3}}}};
    WriteBytes(dir.File("walk.GPX"), xml::GpxTrackDocument(track));
    ASSERT_TRUE(trail::LoadTrail(trail, dir.File("walk.GPX"), 100));
    std::vector<MapPos> oldestFirst(trail.OldestToNewest().begin(), trail.OldestToNewest().end());
    EXPECT_EQ(oldestFirst, (std::vector<MapPos>{{9, 9}, {}, {1, 1}, {2, 2}, {}, {3, 3}, {}}));

    // 100 MB of one attribute, written a megabyte at a time.
    const std::string huge = dir.File("huge.gpx");
    {
        std::ofstream out(huge, std::ios::binary);
        out << kGpxHead << "<wpt lat=\"1\" lon=\"1\" x=\"";
        const std::string megabyte(1 << 20, 'x');
        for (int i = 0; i < 100; ++i)
            out << megabyte;
        out << "\"/></gpx>\n";
    }
    const auto before = trail.Count();
    const platform::LoadResult refused = trail::LoadTrail(trail, huge, 100);
    EXPECT_EQ(refused.status, platform::LoadStatus::Damaged);
    EXPECT_EQ(refused.error.rfind(huge + ": damaged GPX file (line 3", 0), 0u) << refused.error;
    EXPECT_EQ(trail.Count(), before);

    EXPECT_EQ(trail::LoadTrail(trail, dir.File("none.gpx"), 100).status,
              platform::LoadStatus::Missing);
    EXPECT_EQ(trail.Count(), before);

    // Routes stand in for tracks; a file with neither says so rather than load nothing.
    WriteBytes(dir.File("routes.gpx"), kGpxHead +
                                           "<wpt lat=\"7\" lon=\"7\"/><rte><rtept lat=\"4\" "
                                           "lon=\"4\"/><rtept lat=\"5\" lon=\"5\"/></rte></gpx>");
    ASSERT_TRUE(trail::LoadTrail(trail, dir.File("routes.gpx"), 100));
    oldestFirst.assign(trail.OldestToNewest().begin(), trail.OldestToNewest().end());
    EXPECT_EQ(std::vector<MapPos>(oldestFirst.end() - 3, oldestFirst.end()),
              (std::vector<MapPos>{{4, 4}, {5, 5}, {}}));
    WriteBytes(dir.File("points.gpx"), kGpxHead + "<wpt lat=\"7\" lon=\"7\"/><trk/></gpx>");
    const auto loaded = trail.Count();
    const platform::LoadResult empty = trail::LoadTrail(trail, dir.File("points.gpx"), 100);
    EXPECT_EQ(empty.error, dir.File("points.gpx") + ": holds no track or route");
    EXPECT_EQ(trail.Count(), loaded);
}

// Our own long trails read back: the blanks between 250 000 points of one segment are no text
// of any size, and 30 000 KML coordinates are one text node of over a megabyte.
TEST(TrailFile, LongGpxAndKmlTrailsWeWroteReadBack) {
    TempDir dir;
    trail::TrailBuffer written;
    for (int i = 1; i <= 250'000; ++i)
        written.AddFront(MapPos(i * 1e-5, 45 + i * 1e-6));
    WriteBytes(dir.File("long.gpx"), trail::TrailGpx(written));
    trail::TrailBuffer keep30k = written;
    keep30k.TrimTo(30'000);
    WriteBytes(dir.File("long.kml"), trail::TrailKml(keep30k));
    for (const auto& [name, count] : {std::pair{"long.gpx", 250'000}, {"long.kml", 30'000}}) {
        trail::TrailBuffer read;
        const platform::LoadResult result = trail::LoadTrail(read, dir.File(name), 1'000'000);
        ASSERT_TRUE(result) << result.error;
        EXPECT_EQ(read.Count(), static_cast<std::size_t>(count) + 2)
            << name << ": fenced by breaks";
        EXPECT_NEAR(std::next(read.NewestToOldest().begin())->x, 2.5, 1e-9) << name;
    }
}

} // namespace

// A KML trail, ours or another program's, loads as its line strings: our export of a trail
// with a break reads back as the same runs; anything out of range refuses the file whole.
TEST(TrailFile, KmlTrailLoadsItsLineStrings) {
    TempDir dir;
    TrailBuffer saved;
    for (const MapPos& p :
         {MapPos(-1.5, 52.25), MapPos(-1.25, 52.5), MapPos(), MapPos(10.0, -33.875)})
        saved.AddFront(p);
    ASSERT_TRUE(trail::SaveTrail(saved, dir.File("walk.kml")));
    TrailBuffer trail;
    const auto result = trail::LoadTrail(trail, dir.File("walk.KML"), 250);
    EXPECT_FALSE(result) << "missing file";
    ASSERT_TRUE(trail::LoadTrail(trail, dir.File("walk.kml"), 250));
    EXPECT_EQ(SamplesOf(trail),
              (std::vector<MapPos>{kBreak, MapPos(10.0, -33.875), kBreak, MapPos(-1.25, 52.5),
                                   MapPos(-1.5, 52.25), kBreak}));

    const std::string head = "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Placemark><LineString>"
                             "<coordinates>1,2,0 ";
    for (const char* bad : {"1,91", "181,0", "x,1", "7", "1,nan"}) {
        WriteBytes(dir.File("bad.kml"),
                   head + bad + "</coordinates></LineString></Placemark></kml>");
        TrailBuffer kept = trail;
        EXPECT_FALSE(trail::LoadTrail(kept, dir.File("bad.kml"), 250)) << bad;
        EXPECT_EQ(SamplesOf(kept), SamplesOf(trail)) << bad;
    }
}
