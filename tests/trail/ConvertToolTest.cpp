// quilo-tool convert, run as a separate process on real files.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include "TrailTestSupport.h"
#include "gps/NmeaDecode.h"
#include "trail/TrailFile.h"
#include "trail/TrailKml.h"

namespace {

using trail::TrailBuffer;

const std::string kCapture = std::string(QUILO_TEST_DATA) + "/nmea/quectel-eg25-g.log";

struct ToolRun {
    int status = -1;
    std::string err;
};

ToolRun Convert(const TempDir& dir, const std::string& arguments) {
    const std::string errPath = dir.File("stderr.txt");
    const std::string command =
        std::string(QUILO_TOOL_PATH) + " convert " + arguments + " 2>'" + errPath + "'";
    const int raw = std::system(command.c_str());
    ToolRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = ReadFileBytes(errPath);
    std::filesystem::remove(errPath);
    return run;
}

std::string Quoted(const std::string& path) {
    return "'" + path + "'";
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
    const auto samples = trail::DecodeTrailFile(ReadFileBytes(path));
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
    ASSERT_EQ(Convert(dir, Quoted(kCapture) + " " + Quoted(trl)).status, 0);
    ASSERT_EQ(Convert(dir, Quoted(kCapture) + " " + Quoted(kml)).status, 0);

    const TrailBuffer expected = Replay(ReadFileBytes(kCapture), 5.0, 1 << 30);
    ASSERT_GT(expected.Count(), 10u) << "the capture should move";
    EXPECT_EQ(ReadFileBytes(trl), trail::EncodeTrailFile(expected));
    // The KML is streamed while the log is read; it must equal the export of the whole trail.
    EXPECT_EQ(ReadFileBytes(kml), trail::TrailKml(expected));

    if (!HaveXmllint())
        GTEST_SKIP() << "xmllint is not installed (package libxml2-utils)";
    EXPECT_TRUE(XmllintAccepts(kml));
}

TEST(ConvertTool, AnotherKmlReaderTakesEveryPoint) {
    if (std::system("command -v gpsbabel >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "gpsbabel is not installed";
    TempDir dir;
    const std::string kml = dir.File("quectel.kml");
    ASSERT_EQ(Convert(dir, Quoted(kCapture) + " " + Quoted(kml)).status, 0);
    const std::string gpx = dir.File("quectel.gpx");
    const std::string command =
        "gpsbabel -i kml -f " + Quoted(kml) + " -o gpx -F " + Quoted(gpx) + " 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string text = ReadFileBytes(gpx);
    std::size_t points = 0;
    for (auto at = text.find("<trkpt "); at != std::string::npos; at = text.find("<trkpt ", at + 1))
        ++points;
    EXPECT_EQ(points, Replay(ReadFileBytes(kCapture), 5.0, 1 << 30).Count());
}

TEST(ConvertTool, OptionsAndConversionsBetweenKinds) {
    TempDir dir;
    const std::string capture = ReadFileBytes(kCapture);
    const std::string trl = dir.File("all.trl");
    ASSERT_EQ(Convert(dir, Quoted(kCapture) + " " + Quoted(trl)).status, 0);

    struct Row {
        const char* legend;
        std::string arguments;
        std::string output;
        std::string expected;
    };
    const Row rows[] = {
        {"length limit keeps the newest",
         Quoted(kCapture) + " " + Quoted(dir.File("5.trl")) + " --max-length 5", dir.File("5.trl"),
         trail::EncodeTrailFile(Replay(capture, 5.0, 5))},
        {"length limit into KML",
         Quoted(kCapture) + " " + Quoted(dir.File("5.kml")) + " --max-length 5", dir.File("5.kml"),
         trail::TrailKml(Replay(capture, 5.0, 5))},
        {"minimum distance 0",
         Quoted(kCapture) + " " + Quoted(dir.File("0.kml")) + " --min-delta 0", dir.File("0.kml"),
         trail::TrailKml(Replay(capture, 0.0, 1 << 30))},
        {"upper-case .TRL is a trail file", Quoted(kCapture) + " " + Quoted(dir.File("TRACK.TRL")),
         dir.File("TRACK.TRL"), ReadFileBytes(trl)},
        {"trail file copied byte for byte", Quoted(trl) + " " + Quoted(dir.File("copy.trl")),
         dir.File("copy.trl"), ReadFileBytes(trl)},
        {"trail file into KML", Quoted(trl) + " " + Quoted(dir.File("fromtrl.kml")),
         dir.File("fromtrl.kml"), trail::TrailKml(TrailFromFile(trl))},
    };
    for (const Row& row : rows) {
        const ToolRun run = Convert(dir, row.arguments);
        EXPECT_EQ(run.status, 0) << row.legend << ": " << run.err;
        EXPECT_EQ(ReadFileBytes(row.output), row.expected) << row.legend;
    }
}

TEST(ConvertTool, LineEndsAndChunkBoundariesDoNotMatter) {
    // Over 1 MB of the capture with its line ends rewritten as CR, LF and CR LF in turn, and a
    // long run of noise without any line end: the tool reads in chunks, the replay all at once.
    const std::string capture = ReadFileBytes(kCapture);
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
    WriteFileBytes(dir.File("mixed.nmea"), mixed);
    ASSERT_EQ(Convert(dir, Quoted(dir.File("mixed.nmea")) + " " + Quoted(dir.File("m.trl")) +
                               " --min-delta 0")
                  .status,
              0);
    EXPECT_EQ(ReadFileBytes(dir.File("m.trl")),
              trail::EncodeTrailFile(Replay(mixed, 0.0, 1 << 30)));
}

TEST(ConvertTool, FailuresExitTwoAndLeaveNoOutput) {
    TempDir dir;
    const std::string good = dir.File("good.trl");
    ASSERT_EQ(Convert(dir, Quoted(kCapture) + " " + Quoted(good)).status, 0);
    const std::string bytes = ReadFileBytes(good);
    WriteFileBytes(dir.File("cut.trl"), bytes.substr(0, bytes.size() - 1));
    WriteFileBytes(dir.File("kept.kml"), "old");

    struct Row {
        const char* legend;
        std::string arguments;
        std::string output;    // must not exist afterwards (or keep "old")
        std::string inMessage; // the one error line names this
    };
    const Row rows[] = {
        {"truncated trail file", Quoted(dir.File("cut.trl")) + " " + Quoted(dir.File("a.kml")),
         dir.File("a.kml"), "cut.trl"},
        {"truncated trail file keeps the old output",
         Quoted(dir.File("cut.trl")) + " " + Quoted(dir.File("kept.kml")), dir.File("kept.kml"),
         "cut.trl"},
        {"missing input", Quoted(dir.File("none.log")) + " " + Quoted(dir.File("b.kml")),
         dir.File("b.kml"), "none.log"},
        {"input is a folder", Quoted(dir.File("d.log")) + " " + Quoted(dir.File("c.kml")),
         dir.File("c.kml"), "d.log"},
        {"unknown output kind", Quoted(kCapture) + " " + Quoted(dir.File("out.gpx")),
         dir.File("out.gpx"), "out.gpx"},
        {"unknown input kind", Quoted(dir.File("in.gpx")) + " " + Quoted(dir.File("e.kml")),
         dir.File("e.kml"), "in.gpx"},
        {"bad minimum distance",
         Quoted(kCapture) + " " + Quoted(dir.File("f.kml")) + " --min-delta 5m", dir.File("f.kml"),
         "--min-delta"},
        {"negative length", Quoted(kCapture) + " " + Quoted(dir.File("g.kml")) + " --max-length -1",
         dir.File("g.kml"), "--max-length"},
        {"missing OUT", Quoted(kCapture), "", "usage"},
    };
    std::filesystem::create_directory(dir.File("d.log"));
    for (const Row& row : rows) {
        const ToolRun run = Convert(dir, row.arguments);
        EXPECT_EQ(run.status, 2) << row.legend;
        EXPECT_NE(run.err.find(row.inMessage), std::string::npos) << row.legend << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << row.legend;
        if (row.output == dir.File("kept.kml")) {
            EXPECT_EQ(ReadFileBytes(row.output), "old") << row.legend;
        } else if (!row.output.empty()) {
            EXPECT_FALSE(std::filesystem::exists(row.output)) << row.legend;
        }
    }
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        ++entries;
    EXPECT_EQ(entries, 4u) << "good.trl, cut.trl, kept.kml, d.log and no temporary files";
}

} // namespace
