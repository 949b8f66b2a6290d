// quilo itself, recording a walk from a receiver on a pseudo-terminal, killed with SIGKILL
// at seeded moments: what the next start finds.
#include "AppTestSupport.h"

#include "demo/DemoMap.h"
#include "gps/NmeaDecode.h"
#include "gps/NmeaWriter.h"
#include "gps/PtyPair.h"
#include "support/TestFiles.h"
#include "trail/Journal.h"
#include "trail/JournalFolder.h"
#include "trail/TrailJournal.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Fix i of a walk east at ten fixes a second, 6.8 m apart: each one far enough from the last
// to be a new trail sample, none so far as to count as a jump.
std::string WalkLine(int i) {
    gps::RmcFields rmc;
    const int centis = i * 10;
    rmc.time = {12, centis / 6000 % 60, centis / 100 % 60, centis % 100};
    rmc.date = {8, 12, 26};
    rmc.position = MapPos(-1.9 + i * 1e-4, 52.2);
    rmc.minuteDecimals = 6;
    rmc.speedKnots = 13.2;
    rmc.courseDegrees = 90.0;
    std::string line;
    gps::AppendRmc(line, rmc);
    return line;
}

// The walk index of each fix in entries, in order; -1 for a break, -2 for a fix never sent.
std::vector<int> WalkIndices(const std::vector<trail::JournalEntry>& entries, int sent) {
    std::vector<int> indices;
    for (const trail::JournalEntry& e : entries) {
        int found = e.IsBreak() ? -1 : -2;
        for (int i = 0; i < sent && found == -2; ++i) {
            gps::RmcRecord rmc;
            if (gps::DecodeRmc(WalkLine(i), rmc) && rmc.latitude == e.point.position.y &&
                rmc.longitude == e.point.position.x && rmc.utcMs == e.point.utcMs)
                found = i;
        }
        indices.push_back(found);
    }
    return indices;
}

std::size_t FixCount(const std::string& journal) {
    std::size_t fixes = 0;
    for (const trail::JournalEntry& e :
         trail::DecodeJournal(testsupport::ReadBytes(journal)).entries)
        fixes += e.IsBreak() ? 0 : 1;
    return fixes;
}

} // namespace

class KilledRecording : public FrameFixture {};

// Each run: quilo starts on the state the last one left, records until the journal holds two
// more fixes, goes on for a seeded time and is killed. The journal keeps all that the runs
// before left, then a break and fixes that were sent, in order. All along, and at the kill,
// what is missing from its end was sent within the last second plus the program's own pace (it
// reads the receiver every 750 ms). The next start shows the trail the journal holds.
TEST_F(KilledRecording, TheNextStartShowsTheTrailButItsLastSecond) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    QString error;
    ASSERT_TRUE(demo::WriteDemoMap(dir.path(), &error)) << error.toStdString();
    const std::string config = dir.filePath("config").toStdString();
    const std::string state = dir.filePath("state").toStdString();
    // One update for every read of the receiver rather than one a second.
    const std::string settings = config + "/Morvellan Software Inc.";
    ASSERT_TRUE(std::filesystem::create_directories(settings));
    testsupport::WriteBytes(settings + "/QUILO.ini", "[Settings]\nGPSUpdateRateMs=100\n");
    const std::vector<std::string> env = {"XDG_CONFIG_HOME=" + config, "XDG_STATE_HOME=" + state,
                                          "QT_QPA_PLATFORM=offscreen"};
    const std::string journal = trail::CurrentJournalPath(state + "/quilo");
    const std::string log = dir.filePath("quilo.log").toStdString();

    std::mt19937 random(20261208);
    std::vector<Clock::time_point> sentAt;
    const auto send = [&] {
        std::this_thread::sleep_until(sentAt.empty() ? Clock::now() : sentAt.back() + 100ms);
        EXPECT_TRUE(pty.Write(WalkLine(static_cast<int>(sentAt.size()))));
        sentAt.push_back(Clock::now());
    };
    // The newest fix that must be in the journal at `at`: sent long enough before.
    const auto dueAt = [&](Clock::time_point at) {
        int due = -1;
        for (std::size_t i = 0; i < sentAt.size(); ++i)
            if (sentAt[i] + 1s + 750ms <= at)
                due = static_cast<int>(i);
        return due;
    };
    std::vector<trail::JournalEntry> left; // what the runs before left
    // The journal as it is, checked; the walk index of its newest fix, -1 when it has none.
    const auto newestInJournal = [&] {
        const trail::JournalContent content = trail::DecodeJournal(testsupport::ReadBytes(journal));
        EXPECT_EQ(content.status, trail::JournalContent::Status::Ok);
        EXPECT_EQ(content.droppedBytes, 0u);
        EXPECT_GE(content.entries.size(), left.size());
        for (std::size_t e = 0; e < left.size() && e < content.entries.size(); ++e)
            EXPECT_EQ(trail::EncodeJournalRecord(content.entries[e]),
                      trail::EncodeJournalRecord(left[e]))
                << "entry " << e << " of an earlier run";
        int newest = -1;
        const std::vector<int> indices =
            WalkIndices(content.entries, static_cast<int>(sentAt.size()));
        for (std::size_t e = 0; e < indices.size(); ++e) {
            EXPECT_NE(indices[e], -2) << "entry " << e << " was never sent";
            EXPECT_TRUE(indices[e] < 0 || indices[e] > newest) << "entry " << e << " out of order";
            newest = std::max(newest, indices[e]);
        }
        return std::pair(newest, content.entries);
    };

    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        QuiloProcess quilo({demo::DemoMapImagePath(dir.path()).toStdString(), "--gps", pty.Path()},
                           env, log);
        ASSERT_TRUE(quilo.Started());
        const std::size_t fixesBefore = FixCount(journal);
        const auto recorded = Clock::now() + 60s;
        while (FixCount(journal) < fixesBefore + 2 && Clock::now() < recorded && quilo.Running())
            send();
        ASSERT_GE(FixCount(journal), fixesBefore + 2) << testsupport::ReadBytes(log);
        // Lines sent before the program opened the line were never read: from here on, every
        // moment could be the kill.
        const auto killAt = Clock::now() + 2s + std::chrono::milliseconds(random() % 2000);
        int late = 0;
        while (Clock::now() < killAt) {
            send();
            const auto now = Clock::now();
            late += newestInJournal().first < dueAt(now) ? 1 : 0;
        }
        EXPECT_EQ(late, 0) << "moments the journal lagged more than a second";
        quilo.Kill();
        const auto killedAt = Clock::now();
        const auto [newest, entries] = newestInJournal();
        EXPECT_GE(newest, dueAt(killedAt));
        ASSERT_GT(entries.size(), left.size());
        EXPECT_TRUE(entries[left.size()].IsBreak()) << "each run begins with a break";
        left = entries;
    }

    // The next start, as quilo makes it: the journal of the state folder opened into the view.
    view::MapView& v = StartFrame().View();
    frame->Commands().OpenJournal(journal);
    trail::TrailBuffer expected;
    trail::RestoreTrail(expected, left, v.Session().Settings().trailLength);
    const auto shown = v.Session().Recording().Trail().NewestToOldest();
    const auto want = expected.NewestToOldest();
    EXPECT_EQ(std::vector<MapPos>(shown.begin(), shown.end()),
              std::vector<MapPos>(want.begin(), want.end()));
    EXPECT_EQ(*shown.begin(), left.back().point.position) << "the newest fix recorded";
}
