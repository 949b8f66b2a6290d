// quilo-tool record end to end: a receiver on a pseudo-terminal, the recorder killed at random
// moments, and the journal it leaves.
#include "LiveTool.h"
#include "ToolCases.h"
#include "gps/NmeaDecode.h"
#include "gps/NmeaWriter.h"
#include "gps/PtyPair.h"
#include "support/TestFiles.h"
#include "support/Xmllint.h"
#include "trail/Journal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Fix i of a walk north-east at about 5 km/h, ten a second, from 08.12.2026 10:00:00 UTC: its
// RMC, or its GGA (at a height of 500 + i metres).
std::string WalkLine(int i, bool gga = false) {
    gps::RmcFields rmc;
    const int centis = i * 10;
    rmc.time = {10, centis / 6000 % 60, centis / 100 % 60, centis % 100};
    rmc.date = {8, 12, 26};
    rmc.position = MapPos(11.5 + i * 1e-5, 48.1 + i * 1e-5);
    rmc.minuteDecimals = 6;
    rmc.speedKnots = 2.7;
    rmc.courseDegrees = 45.0;
    std::string line;
    if (gga)
        gps::AppendGga(line, {.time = rmc.time,
                              .position = rmc.position,
                              .minuteDecimals = 6,
                              .altitude = 500.0 + i});
    else
        gps::AppendRmc(line, rmc);
    return line;
}

std::size_t EntriesIn(const std::string& path) {
    return trail::DecodeJournal(testsupport::ReadBytes(path)).entries.size();
}

// True once the recorder has written n entries, false after a generous wait.
bool WaitForEntries(const std::string& path, std::size_t n) {
    const auto deadline = Clock::now() + 20s;
    while (EntriesIn(path) < n && Clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    return EntriesIn(path) == n;
}

// Each run: the recorder starts, the walk is sent at 10 Hz, and after a random time the
// recorder is killed with SIGKILL. The journal must hold the opening break and then fixes that
// were sent, in the order sent, each exactly as decoded, none invented; and only the fixes of
// the last second before the kill may be missing from its end.
TEST(RecordTool, AKillAtAnyMomentLosesAtMostTheLastSecond) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    std::mt19937 random(20261208);
    for (int run = 0; run < 20; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        testsupport::TempDir dir;
        const std::string journal = dir.File("walk.qjr");
        testsupport::LiveTool tool(
            {"record", pty.Path(), journal, "--min-delta", "0", "--max-speed", "0"});
        ASSERT_TRUE(tool.Started());
        // The opening break is written once the line is open: from then on nothing sent is
        // flushed away as stale.
        ASSERT_TRUE(WaitForEntries(journal, 1)) << tool.Errors();

        const auto runFor = std::chrono::milliseconds(300 + random() % 1700);
        const auto start = Clock::now();
        std::vector<Clock::time_point> sentAt;
        for (int i = 0; Clock::now() - start < runFor; ++i) {
            ASSERT_TRUE(pty.Write(WalkLine(i)));
            sentAt.push_back(Clock::now());
            std::this_thread::sleep_until(start + (i + 1) * 100ms);
        }
        tool.Signal(SIGKILL);
        const auto killedAt = Clock::now();
        EXPECT_EQ(tool.Wait(), -1);

        const trail::JournalContent content = trail::DecodeJournal(testsupport::ReadBytes(journal));
        ASSERT_EQ(content.status, trail::JournalContent::Status::Ok);
        EXPECT_EQ(content.droppedBytes, 0u);
        ASSERT_FALSE(content.entries.empty());
        EXPECT_TRUE(content.entries.front().IsBreak());
        int next = 0; // the first walk index the next fix may be
        int newest = -1;
        for (std::size_t e = 1; e < content.entries.size(); ++e) {
            const trail::JournalEntry& entry = content.entries[e];
            ASSERT_FALSE(entry.IsBreak()) << "entry " << e;
            // The walk index of this fix: the first sent line at or after `next` that decodes
            // to exactly this position.
            int found = -1;
            for (int i = next; i < static_cast<int>(sentAt.size()) && found < 0; ++i) {
                gps::RmcRecord rmc;
                ASSERT_TRUE(gps::DecodeRmc(WalkLine(i), rmc));
                if (rmc.latitude == entry.point.position.y &&
                    rmc.longitude == entry.point.position.x && rmc.utcMs == entry.point.utcMs)
                    found = i;
            }
            ASSERT_GE(found, 0) << "entry " << e << " was never sent, or not in this order";
            EXPECT_EQ(entry.point.speedKnots, 2.7);
            next = found + 1;
            newest = found;
        }
        int sentBeforeTheLastSecond = -1;
        for (std::size_t i = 0; i < sentAt.size(); ++i)
            if (sentAt[i] + 1s <= killedAt)
                sentBeforeTheLastSecond = static_cast<int>(i);
        EXPECT_GE(newest, sentBeforeTheLastSecond);
    }
}

TEST(RecordTool, StopsOnItsTimeAndContinuesAJournal) {
    PtyPair pty;
    testsupport::TempDir dir;
    const std::string journal = dir.File("walk.qjr");
    for (int pass = 1; pass <= 2; ++pass) {
        const auto run = testsupport::RunTool({"record", pty.Path(), journal, "--seconds", "0.3"},
                                              "", {"XDG_STATE_HOME=" + dir.Path().string()});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "recorded\t0\n");
        // One break for each run, the first one's kept.
        EXPECT_EQ(trail::DecodeJournal(testsupport::ReadBytes(journal)).entries.size(),
                  static_cast<std::size_t>(pass));
    }
    // A damaged record before a good one: the file is set aside whole, read past, told once.
    std::string damaged = testsupport::ReadBytes(journal);
    damaged[16 + 10] ^= 1;
    testsupport::WriteBytes(journal, damaged);
    const auto run = testsupport::RunTool({"record", pty.Path(), journal, "--seconds", "0.3"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "quilo-tool record: " + journal +
                           ": 1 damaged record skipped; the journal "
                           "as it was is kept as " +
                           dir.File("walk.1.qjr") + "\n");
    EXPECT_EQ(testsupport::ReadBytes(dir.File("walk.1.qjr")), damaged);
    EXPECT_EQ(EntriesIn(journal), 2u);
}

// One writer per journal: a second recorder refuses the journal the first one records into,
// before it reads or cuts anything, and the first records on.
TEST(RecordTool, ASecondRecorderLeavesTheJournalAlone) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    testsupport::TempDir dir;
    const std::string journal = dir.File("walk.qjr");
    testsupport::LiveTool first(
        {"record", pty.Path(), journal, "--min-delta", "0", "--max-speed", "0"});
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(WaitForEntries(journal, 1)) << first.Errors();
    const std::string before = testsupport::ReadBytes(journal);
    const auto second = testsupport::RunTool({"record", "sim:", journal, "--seconds", "1"}, "",
                                             {"XDG_STATE_HOME=" + dir.Path().string()});
    tooltest::ExpectRefused(second);
    EXPECT_EQ(second.err, "quilo-tool record: " + journal +
                              ": another program holds this journal and is recording into it\n");
    EXPECT_EQ(testsupport::ReadBytes(journal), before);
    // The first fix of a connection is complete once the next one begins.
    ASSERT_TRUE(pty.Write(WalkLine(0) + WalkLine(1)));
    EXPECT_TRUE(WaitForEntries(journal, 3));
    first.Signal(SIGTERM);
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_EQ(first.Rest(), std::vector<std::string>{"recorded\t2"});
}

// Any source monitor takes: the simulated receiver gives a fix a second after the run's break;
// a log ends the recording at its end.
TEST(RecordTool, RecordsFromASourceName) {
    const std::string capture = std::string(QUILO_TEST_DATA) + "/nmea/bu353s4.log";
    const std::vector<std::string> rows[] = {{"sim:", "--seconds", "2.5"},
                                             {"file:" + capture + "?speed=50", "--min-delta", "0"}};
    for (const auto& row : rows) {
        testsupport::TempDir dir;
        std::vector<std::string> args{"record", row[0], dir.File("run.qjr")};
        args.insert(args.end(), row.begin() + 1, row.end());
        testsupport::LiveTool tool(args);
        const int status = tool.Wait();
        if (status != 0)
            tool.Signal(SIGKILL); // so that its error output ends
        EXPECT_EQ(status, 0) << row[0] << ": " << tool.Errors();
        EXPECT_GE(EntriesIn(dir.File("run.qjr")), 3u) << row[0];
    }
}

// A 4800-baud receiver spreads a fix over the second: the GGA comes in one read, the GSA and
// RMC in the next. Each fix is recorded once, whole, with the receiver's time.
TEST(RecordTool, EpochsSplitAcrossReadsKeepTheReceiversTime) {
    PtyPair pty;
    testsupport::TempDir dir;
    const std::string journal = dir.File("walk.qjr");
    testsupport::LiveTool tool({"record", pty.Path(), journal, "--min-delta", "0"});
    const auto deadline = Clock::now() + 20s;
    while (EntriesIn(journal) == 0 && Clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    // The recorder reads every 100 ms: a pause of two reads puts the halves of a fix into
    // different reads (should it not, the fixes must come out the same all the more).
    constexpr int kFixes = 5;
    for (int i = -1; i < kFixes; ++i) { // a GSV first, past the flush of what came before
        ASSERT_TRUE(pty.Write(i < 0 ? "$GPGSV,1,1,00*79\r\n" : WalkLine(i, true)));
        std::this_thread::sleep_for(200ms);
        ASSERT_TRUE(
            pty.Write(i < 0 ? "" : "$GPGSA,A,3,04,05,,,,,,,,,,,2.5,1.3,2.1*39\r\n" + WalkLine(i)));
        std::this_thread::sleep_for(200ms);
    }
    while (EntriesIn(journal) < 1u + kFixes && Clock::now() < deadline)
        std::this_thread::sleep_for(5ms);
    tool.Signal(SIGTERM);
    ASSERT_EQ(tool.Wait(), 0) << tool.Errors();
    const auto entries = trail::DecodeJournal(testsupport::ReadBytes(journal)).entries;
    ASSERT_EQ(entries.size(), 1u + kFixes);
    for (int i = 0; i < kFixes; ++i) {
        const trail::TrackPoint& p = entries[1 + static_cast<std::size_t>(i)].point;
        EXPECT_EQ(p.utcMs, 1'796'724'000'000 + i * 100) << "fix " << i;
        EXPECT_EQ(p.speedKnots, 2.7) << "fix " << i;
        EXPECT_EQ(p.heightM, 500.0 + i) << "fix " << i;
    }
}

std::size_t CountOf(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// A journal cut short by a crash converts into a valid GPX of every whole fix, a segment per
// run, with times and heights; into .trl and .kml as the viewer would rebuild the trail.
TEST(ConvertJournal, IntoGpxTrlAndKml) {
    testsupport::TempDir dir;
    const std::string journal = dir.File("walk.qjr");
    std::string bytes = trail::EncodeJournalHeader();
    bytes += trail::EncodeJournalRecord(trail::JournalEntry::Break(1'765'188'000'000));
    for (int i = 0; i < 7; ++i) {
        if (i == 4)
            bytes += trail::EncodeJournalRecord(trail::JournalEntry::Break(0));
        bytes += trail::EncodeJournalRecord(
            {trail::JournalEntry::Kind::Fix,
             trail::TrackPoint{MapPos(11.5, 48.1 + i * 1e-4), 1'765'188'000'000 + i * 1000,
                               545.5 + i}});
    }
    testsupport::WriteBytes(journal, bytes + "torn");

    const std::string gpx = dir.File("walk.gpx");
    auto run = testsupport::RunTool({"convert", journal, gpx});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string text = testsupport::ReadBytes(gpx);
    EXPECT_EQ(CountOf(text, "<trkpt"), 7u);
    EXPECT_EQ(CountOf(text, "<trkseg>"), 2u);
    EXPECT_NE(text.find("<time>2025-12-08T10:00:06Z</time>"), std::string::npos) << text;
    EXPECT_NE(text.find("<ele>551.5</ele>"), std::string::npos) << text;
    if (testsupport::HaveXmllint()) {
        EXPECT_TRUE(testsupport::XmllintValidates(gpx, testsupport::GpxSchemaPath()));
    }
    // A journal left by a kill ends in the room its writer made ahead, zero bytes: the same,
    // also past the size a journal could once be read whole (2 GiB more, sparse).
    testsupport::WriteBytes(journal, bytes + std::string(4000, '\0'));
    std::filesystem::resize_file(journal, bytes.size() + 4000 + (std::size_t{2} << 30));
    run = testsupport::RunTool({"convert", journal, gpx});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(testsupport::ReadBytes(gpx), text);

    const std::string trl = dir.File("walk.trl");
    run = testsupport::RunTool({"convert", journal, trl, "--max-length", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(testsupport::ReadBytes(trl).size(), 2u + 3u * 24u);
    run = testsupport::RunTool({"convert", journal, dir.File("walk.kml")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(CountOf(testsupport::ReadBytes(dir.File("walk.kml")), "<Placemark>"), 2u);
    tooltest::ExpectRefused(testsupport::RunTool({"convert", trl, dir.File("x.qjr")}));
    testsupport::WriteBytes(dir.File("bad.qjr"), "not a journal");
    tooltest::ExpectRefused(testsupport::RunTool({"convert", dir.File("bad.qjr"), gpx}));
}

TEST(RecordTool, BadArgumentsExit2WithOneLine) {
    PtyPair pty;
    testsupport::TempDir dir;
    const std::string notJournal = dir.File("notes.qjr");
    testsupport::WriteBytes(notJournal, "my notes");
    const std::string journal = dir.File("walk.qjr");
    tooltest::CheckRows(
        {
            {"journal missing", {"record", pty.Path()}, nullptr},
            {"bad minimum distance", {"record", pty.Path(), journal, "--min-delta", "-1"}, nullptr},
            {"bad speed", {"record", pty.Path(), journal, "--max-speed", "fast"}, nullptr},
            {"bad duration", {"record", pty.Path(), journal, "--seconds", "0"}, nullptr},
            {"not a journal", {"record", pty.Path(), notJournal, "--seconds", "1"}, nullptr},
            {"no such device", {"record", dir.File("tty"), journal, "--seconds", "1"}, nullptr},
            {"bad source name", {"record", "tcp://x", journal, "--seconds", "1"}, nullptr},
            {"journal in a missing folder",
             {"record", pty.Path(), "/proc/none/walk.qjr", "--seconds", "1"},
             nullptr},
        },
        {"XDG_STATE_HOME=" + dir.Path().string()});
    EXPECT_EQ(testsupport::ReadBytes(notJournal), "my notes");
}

} // namespace
