#include "trail/TrailJournal.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "TrailTestSupport.h"
#include "support/TestFiles.h"
#include "trail/JournalFolder.h"
#include "trail/TrailFile.h"

namespace {

using trail::JournalEntry;
using trail::TrackPoint;
using trail::TrailBuffer;
using trail::TrailJournal;

// A clock that moves only when told.
struct FakeClock {
    std::int64_t now = 1'765'195'200'000;
    TrailJournal::Clock Get() {
        return [this] { return now; };
    }
};

TrackPoint At(double lat, double lon, std::int64_t utcMs = 0) {
    return TrackPoint{MapPos(lon, lat), utcMs};
}

// 0.001 degree of latitude is about 111 m.
constexpr double kStep = 0.001;

TEST(TrailJournal, NextStartRebuildsTheTrailAsItWas) {
    testsupport::TempDir dir;
    const std::string path = trail::CurrentJournalPath(dir.File("state"));
    FakeClock clock;
    TrailBuffer trail;
    constexpr std::int32_t kLength = 10;
    {
        TrailJournal journal(clock.Get());
        journal.Open(path, trail, kLength);
        ASSERT_FALSE(journal.Failed()) << journal.Error();
        journal.AddBreak(trail);
        for (int i = 0; i < 25; ++i) {
            clock.now += 1000;
            journal.Record(trail, At(48.0 + i * kStep, 11.0), 5.0, kLength, 500);
            if (i % 6 == 5)
                journal.AddBreak(trail);
        }
        // Within the minimum distance: neither in the trail nor in the journal.
        EXPECT_FALSE(journal.Record(trail, At(48.0 + 24 * kStep, 11.0), 5.0, kLength, 500));
        // A loaded file of two runs, newest first as the trail takes it: its break is one of
        // its samples, trimmed like them.
        const MapPos older(12.0, 49.0), newer(12.001, 49.0);
        trail::InsertLoadedSamples(trail, {newer, MapPos(), older}, kLength);
        journal.Loaded({{TrackPoint{older}}, {TrackPoint{newer}}});
        // The journal keeps the whole recording, the trail only its newest part.
        EXPECT_EQ(journal.Recording().size(), 1u + 25u + 4u + 2u + 3u);
    }
    const std::vector<MapPos> before = SamplesOf(trail);
    ASSERT_GT(before.size(), 10u) << "breaks beyond the ten newest samples";

    TrailBuffer restored;
    TrailJournal again(clock.Get());
    again.Open(path, restored, kLength);
    EXPECT_EQ(SamplesOf(restored), before);
    EXPECT_FALSE(again.Failed());
}

// A kill leaves the records and the room made ahead of them: the next start rebuilds the trail
// from the records, and its recording (what Save Trail and the statistics read) is all of them.
TEST(TrailJournal, AJournalLeftByAKillReadsAsItsRecords) {
    testsupport::TempDir dir;
    const std::string path = dir.File("trail.qjr");
    FakeClock clock;
    TrailBuffer trail;
    std::string left;
    {
        TrailJournal journal(clock.Get());
        journal.Open(path, trail, 10);
        for (int i = 0; i < 15; ++i) {
            clock.now += 1000;
            journal.Record(trail, At(48.0 + i * kStep, 11.0), 5.0, 10, 500);
        }
        journal.Flush();
        left = testsupport::ReadBytes(path); // what a kill now would leave
    }
    ASSERT_GT(left.size(), 16u + 15u * 56u) << "no room made ahead";
    testsupport::WriteBytes(path, left);
    TrailBuffer restored;
    TrailJournal again(clock.Get());
    again.Open(path, restored, 10);
    EXPECT_EQ(SamplesOf(restored), SamplesOf(trail));
    const std::vector<JournalEntry> recording = again.Recording();
    ASSERT_EQ(recording.size(), 15u);
    EXPECT_EQ(recording.back().point.position, MapPos(11.0, 48.0 + 14 * kStep));
}

TEST(TrailJournal, ClearSetsTheRecordingAsideAndStartsAnew) {
    testsupport::TempDir dir;
    const std::string path = trail::CurrentJournalPath(dir.Path());
    TrailBuffer trail;
    TrailJournal journal;
    journal.Open(path, trail, 250);
    journal.Record(trail, At(48.0, 11.0), 5.0, 250, 0);
    journal.Record(trail, At(48.1, 11.0), 5.0, 250, 0);
    journal.Clear(trail);
    EXPECT_TRUE(trail.Empty());
    EXPECT_TRUE(journal.Recording().empty());
    EXPECT_EQ(trail::DecodeJournal(testsupport::ReadBytes(trail::KeptJournalPath(path, 1)))
                  .entries.size(),
              2u);
    // Clearing an empty recording keeps no empty journal among the ten.
    journal.Clear(trail);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"trail.1.qjr", "trail.qjr"}));
    journal.Record(trail, At(48.2, 11.0), 5.0, 250, 0);
    EXPECT_EQ(journal.Recording().size(), 1u);
}

TEST(TrailJournal, AFileThatIsNotAJournalIsSetAsideNotLost) {
    testsupport::TempDir dir;
    const std::string path = dir.File("trail.qjr");
    testsupport::WriteBytes(path, "someone else's file");
    TrailBuffer trail;
    trail.AddFront(MapPos(1, 1));
    TrailJournal journal;
    journal.Open(path, trail, 250);
    EXPECT_FALSE(journal.Failed()) << journal.Error();
    EXPECT_EQ(testsupport::ReadBytes(trail::KeptJournalPath(path, 1)), "someone else's file");
    EXPECT_EQ(trail.Count(), 1u) << "nothing read, nothing replaced";
}

// A flipped bit in one record: the next start sets the file aside whole, rebuilds the trail from
// every other record, begins the journal again with them (as private as before) and says so once.
TEST(TrailJournal, DamageInTheMiddleCostsOneRecordAndIsToldOnce) {
    testsupport::TempDir dir;
    const std::string path = trail::CurrentJournalPath(dir.Path());
    const std::string kept = trail::KeptJournalPath(path, 1);
    TrailBuffer trail;
    {
        TrailJournal journal;
        journal.Open(path, trail, 250);
        for (int i = 0; i < 20; ++i)
            journal.Record(trail, At(48.0 + i * kStep, 11.0), 5.0, 250, 0);
    }
    std::string damaged = testsupport::ReadBytes(path);
    damaged[16 + 5 * 56 + 20] ^= 0x10; // the sixth fix's latitude
    testsupport::WriteBytes(path, damaged);
    TrailBuffer restored;
    TrailJournal again;
    again.Open(path, restored, 250);
    EXPECT_FALSE(again.Failed()) << again.Error();
    EXPECT_EQ(again.OpenNotice(), path +
                                      ": 1 damaged record skipped; the journal as it was is "
                                      "kept as " +
                                      kept);
    EXPECT_EQ(testsupport::ReadBytes(kept), damaged);
    std::vector<MapPos> expected = SamplesOf(trail);
    expected.erase(expected.end() - 6);
    EXPECT_EQ(SamplesOf(restored), expected);
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    again.Record(restored, At(49.0, 11.0), 5.0, 250, 0);
    again.Close();
    TrailJournal once;
    once.Open(path, trail, 250);
    EXPECT_EQ(once.OpenNotice(), "");
    EXPECT_EQ(once.Recording().size(), 20u);
}

// However many breaks a journal holds in a row, the trail rebuilt from it stays near its length.
TEST(TrailJournal, BreaksInARowStayWithinTheTrailsLength) {
    TrailBuffer trail;
    trail::RestoreTrail(trail, std::vector<JournalEntry>(10'000, JournalEntry::Break(0)), 10);
    EXPECT_EQ(trail.Count(), 13u);
}

TEST(TrailJournal, JumpFilterTable) {
    const struct {
        const char* legend;
        double maxSpeedKmh;
        double metres;     // north of the newest sample
        std::int64_t dtMs; // after it
        bool newSegment;
    } rows[] = {
        {"walking pace", 500, 1.5, 1000, false},
        {"a car at 360 km/h", 500, 100, 1000, false},
        {"a glitch 1 km away a second later", 500, 1000, 1000, true},
        {"2 km in 10 s is 720 km/h", 500, 2000, 10'000, true},
        {"2 km in 20 s is 360 km/h", 500, 2000, 20'000, false},
        {"10 Hz: a tenth of a second counts as one", 500, 100, 100, false},
        {"the same time twice", 500, 100, 0, false},
        {"filter off", 0, 100'000, 1000, false},
        {"a slower limit", 50, 100, 1000, true},
    };
    for (const auto& row : rows) {
        TrailBuffer trail;
        TrailJournal journal;
        const std::int64_t t0 = 1'765'195'200'000;
        ASSERT_TRUE(journal.Record(trail, At(48.0, 11.0, t0), 1.0, 250, row.maxSpeedKmh));
        // 1 m of latitude is 1/111195 degree on the sphere the program measures with.
        ASSERT_TRUE(journal.Record(trail, At(48.0 + row.metres / 111'195.0, 11.0, t0 + row.dtMs),
                                   1.0, 250, row.maxSpeedKmh))
            << row.legend;
        EXPECT_EQ(trail.Count(), row.newSegment ? 3u : 2u) << row.legend;
    }
}

TEST(TrailJournal, ASingleGlitchStandsAlone) {
    TrailBuffer trail;
    TrailJournal journal;
    const std::int64_t t = 1'765'195'200'000;
    const MapPos a(11.0, 48.0), glitch(11.0, 49.0), b(11.0, 48.00002);
    journal.Record(trail, {a, t}, 1.0, 250, 500);
    journal.Record(trail, {glitch, t + 1000}, 1.0, 250, 500);
    journal.Record(trail, {b, t + 2000}, 1.0, 250, 500);
    EXPECT_EQ(SamplesOf(trail), (std::vector<MapPos>{b, MapPos(), glitch, MapPos(), a}));
}

// The child records into a journal on a "disk" that fills up (a file size limit), and reports
// through its exit status: 0 all well, other numbers the check that failed.
int RecordOntoAFullDisk(const std::string& path) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{16 + 56 * 20 + 30, 16 + 56 * 20 + 30}; // room for 20 records and a bit
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
        return 10;
    TrailBuffer trail;
    TrailJournal journal;
    journal.Open(path, trail, 1000);
    for (int i = 0; i < 50; ++i)
        journal.Record(trail, At(48.0 + i * kStep, 11.0), 1.0, 1000, 0);
    journal.Flush(); // rather than wait for the writer
    if (!journal.Failed() || journal.Error().find(path) == std::string::npos)
        return 11;
    if (trail.Count() != 50)
        return 12; // recording goes on in memory
    journal.Close();
    const trail::JournalContent content = trail::DecodeJournal(testsupport::ReadBytes(path));
    if (content.entries.size() != 20 || content.droppedBytes != 0)
        return 13; // every whole record kept, the torn one taken back
    for (int i = 0; i < 20; ++i)
        if (content.entries[i].point.position.y != 48.0 + i * kStep)
            return 14;
    return 0;
}

TEST(TrailJournal, AFullDiskStopsTheJournalNotTheTrail) {
    testsupport::TempDir dir;
    const std::string path = dir.File("trail.qjr");
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(RecordOntoAFullDisk(path));
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(TrailJournal, AReadOnlyFolderLeavesTheTrailInMemory) {
    testsupport::TempDir dir;
    const std::string folder = dir.File("state");
    ASSERT_TRUE(std::filesystem::create_directory(folder));
    const std::string path = trail::CurrentJournalPath(folder);
    {
        TrailBuffer trail;
        TrailJournal journal;
        journal.Open(path, trail, 250);
        journal.Record(trail, At(48.0, 11.0), 1.0, 250, 0);
    }
    const std::string before = testsupport::ReadBytes(path);
    ::chmod(dir.Path().c_str(), 0755); // mkdtemp's 0700 would keep the other user out
    ::chmod(folder.c_str(), 0555);
    ::chmod(path.c_str(), 0444);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        TrailBuffer trail;
        TrailJournal journal;
        journal.Open(path, trail, 250);
        // Restored from what it could read, then refused the writing.
        const bool restored = trail.Count() == 1;
        journal.Record(trail, At(48.1, 11.0), 1.0, 250, 0);
        journal.Clear(trail);
        journal.Record(trail, At(48.2, 11.0), 1.0, 250, 0);
        ::_exit(restored && journal.Failed() && trail.Count() == 1 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::chmod(folder.c_str(), 0755);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(testsupport::ReadBytes(path), before);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"state"});
}

} // namespace
