#include "trail/Journal.h"
#include "trail/JournalFolder.h"
#include "trail/JournalReader.h"
#include "trail/JournalWriter.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "base/Bytes.h"
#include "base/Crc32.h"
#include "platform/FileLock.h"
#include "support/TestFiles.h"

namespace {

using trail::JournalContent;
using trail::JournalEntry;
using trail::TrackPoint;

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool SameEntry(const JournalEntry& a, const JournalEntry& b) {
    return a.kind == b.kind && a.point.utcMs == b.point.utcMs &&
           SameBits(a.point.position.y, b.point.position.y) &&
           SameBits(a.point.position.x, b.point.position.x) &&
           SameBits(a.point.heightM, b.point.heightM) &&
           SameBits(a.point.speedKnots, b.point.speedKnots) &&
           SameBits(a.point.courseDeg, b.point.courseDeg);
}

JournalEntry Fix(double lat, double lon, std::int64_t utcMs, double height = TrackPoint::kUnknown,
                 double speed = TrackPoint::kUnknown, double course = TrackPoint::kUnknown) {
    return {JournalEntry::Kind::Fix, TrackPoint{MapPos(lon, lat), utcMs, height, speed, course}};
}

// A walk of n fixes with a break every 7th entry.
std::vector<JournalEntry> Walk(int n) {
    std::vector<JournalEntry> walk;
    for (int i = 0; i < n; ++i) {
        const std::int64_t t = 1'765'000'000'000 + 100LL * i;
        if (i % 7 == 3)
            walk.push_back(JournalEntry::Break(t));
        else
            walk.push_back(Fix(48.1 + i * 1e-5, 11.5 - i * 1e-5, t, 500.0 + i, 2.5, 90.0));
    }
    return walk;
}

std::string Encode(const std::vector<JournalEntry>& entries) {
    std::string bytes = trail::EncodeJournalHeader();
    for (const JournalEntry& e : entries)
        bytes += trail::EncodeJournalRecord(e);
    return bytes;
}

void ExpectPrefix(const std::vector<JournalEntry>& got, const std::vector<JournalEntry>& sent,
                  std::size_t count) {
    ASSERT_EQ(got.size(), count);
    for (std::size_t i = 0; i < count; ++i)
        ASSERT_TRUE(SameEntry(got[i], sent[i])) << "entry " << i;
}

TEST(Journal, EntriesReadBackBitForBit) {
    const std::vector<JournalEntry> entries = {
        Fix(48.117300001780194, 11.516666666666667, 1'765'195'200'123, 545.4, 3.2, 271.5),
        Fix(-33.9, -70.6, 0), // time and the rest unknown
        JournalEntry::Break(1'765'195'201'000),
        Fix(90.0, -180.0, -1, -412.5, 0.0, 0.0), // the extremes; a time before 1970
        Fix(0.0, 180.0, 4'102'444'800'000),
        {JournalEntry::Kind::Loaded, TrackPoint{MapPos(11.0, 48.0)}},
    };
    const JournalContent content = trail::DecodeJournal(Encode(entries));
    EXPECT_EQ(content.status, JournalContent::Status::Ok);
    EXPECT_EQ(content.droppedBytes, 0u);
    ExpectPrefix(content.entries, entries, entries.size());
    EXPECT_EQ(Encode(entries).size(), 16u + 56u * entries.size());
}

TEST(Journal, HeaderDecidesWhetherItIsAJournal) {
    const std::string good = trail::EncodeJournalHeader();
    const std::string version2 = good.substr(0, 8) + std::string("\x02\x00\x38\x00", 4);
    std::string crc;
    base::AppendU32(crc, base::Crc32(version2));
    const struct {
        const char* legend;
        std::string bytes;
        JournalContent::Status status;
    } rows[] = {
        {"empty file", "", JournalContent::Status::NotJournal},
        {"header cut short", good.substr(0, 15), JournalContent::Status::NotJournal},
        {"another magic", "QUILOJRX" + good.substr(8), JournalContent::Status::NotJournal},
        {"header CRC wrong", version2 + good.substr(12), JournalContent::Status::NotJournal},
        {"version 2", version2 + crc, JournalContent::Status::Version},
        {"a trail file", std::string("\x01\x00", 2) + std::string(24, '\0'),
         JournalContent::Status::NotJournal},
        {"header alone", good, JournalContent::Status::Ok},
    };
    for (const auto& row : rows) {
        const JournalContent content = trail::DecodeJournal(row.bytes);
        EXPECT_EQ(content.status, row.status) << row.legend;
        EXPECT_TRUE(content.entries.empty()) << row.legend;
    }
}

// A power cut can leave the file ending anywhere in the last records written.
TEST(Journal, CutAtEveryByteReadsTheLongestGoodPrefix) {
    const std::vector<JournalEntry> sent = Walk(40);
    const std::string bytes = Encode(sent);
    for (std::size_t cut = bytes.size() - 3 * 56; cut <= bytes.size(); ++cut) {
        const JournalContent content = trail::DecodeJournal(std::string_view(bytes).substr(0, cut));
        const std::size_t whole = (cut - 16) / 56;
        ExpectPrefix(content.entries, sent, whole);
        EXPECT_EQ(content.goodBytes, 16 + whole * 56) << "cut at " << cut;
        EXPECT_EQ(content.droppedBytes, cut - content.goodBytes) << "cut at " << cut;
    }
}

// A writer makes room ahead in zero bytes: that is no damage, anything else after the records is.
// A record at its place after zero records is read all the same (the zeros count as damage).
TEST(Journal, AZeroTailIsRoomNotDamage) {
    const std::vector<JournalEntry> sent = Walk(3);
    const std::string torn = trail::EncodeJournalRecord(sent[1]).substr(0, 30);
    const std::string zeros(200, '\0');
    const std::string stray = trail::EncodeJournalRecord(sent[2]);
    const struct {
        const char* legend;
        std::string tail;
        std::size_t spare, dropped, damaged, damagedTail;
    } rows[] = {
        {"nothing", "", 0, 0, 0, 0},
        {"room", zeros, 200, 0, 0, 0},
        {"a torn record, then room", torn + zeros, 0, 230, 0, 0},
        {"room, then a record out of place", zeros + stray, 0, 256, 0, 2},
        {"two zero records, then a record", zeros.substr(0, 112) + stray + zeros, 200, 0, 2, 0},
    };
    for (const auto& row : rows) {
        const JournalContent content = trail::DecodeJournal(Encode(sent) + row.tail);
        std::vector<JournalEntry> read = sent;
        if (row.damaged > 0)
            read.push_back(sent[2]);
        ExpectPrefix(content.entries, read, read.size());
        EXPECT_EQ(content.spareBytes, row.spare) << row.legend;
        EXPECT_EQ(content.droppedBytes, row.dropped) << row.legend;
        EXPECT_EQ(content.damagedRecords, row.damaged) << row.legend;
        EXPECT_EQ(content.damagedTailRecords, row.damagedTail) << row.legend;
    }
}

// Records sit at fixed places: a damaged one costs itself, never the good ones after it.
TEST(Journal, DamageCostsOnlyTheDamagedRecord) {
    const std::vector<JournalEntry> sent = Walk(60);
    const std::string clean = Encode(sent);
    std::mt19937 random(20261208);
    for (int run = 0; run < 2000; ++run) {
        std::string bytes = clean;
        const std::size_t record = random() % sent.size();
        const std::size_t at = 16 + record * 56;
        // One to eight bytes of the record changed to random values (a changed byte at least).
        const int changes = 1 + static_cast<int>(random() % 8);
        for (int c = 0; c < changes; ++c)
            bytes[at + random() % 56] = static_cast<char>(random());
        if (bytes == clean)
            bytes[at + 20] = static_cast<char>(bytes[at + 20] ^ 0x40);
        const JournalContent content = trail::DecodeJournal(bytes);
        std::vector<JournalEntry> good = sent;
        good.erase(good.begin() + static_cast<std::ptrdiff_t>(record));
        ExpectPrefix(content.entries, good, good.size());
        const bool last = record + 1 == sent.size();
        EXPECT_EQ(content.damagedRecords, last ? 0u : 1u);
        EXPECT_EQ(content.droppedBytes, last ? 56u : 0u);
        EXPECT_EQ(content.damagedTailRecords, 0u) << "a damaged last record reads as a torn one";
        if (HasFatalFailure())
            return;
    }
}

// 3 GiB between two walks (a sparse file, so the test writes only the walks): read through the
// reader's one small buffer, the hole passed over unread, every record of both walks found.
TEST(JournalReader, ReadsAJournalOfAnySizeInItsBuffer) {
    testsupport::TempDir dir;
    const std::string path = dir.File("big.qjr");
    const std::vector<JournalEntry> sent = Walk(60);
    const std::size_t places = (std::size_t{3} << 30) / 56;
    testsupport::WriteBytes(path, Encode({sent.begin(), sent.begin() + 30}));
    std::filesystem::resize_file(path, 16 + places * 56);
    {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        for (std::size_t i = 30; i < sent.size(); ++i)
            out << trail::EncodeJournalRecord(sent[i]);
    }
    std::filesystem::resize_file(path, 16 + (places + 30) * 56 + 100'000); // room made ahead
    trail::JournalReader reader(path);
    std::vector<JournalEntry> got;
    for (JournalEntry entry; reader.Next(entry);)
        got.push_back(entry);
    EXPECT_TRUE(reader.Error().empty()) << reader.Error();
    ExpectPrefix(got, sent, sent.size());
    EXPECT_EQ(reader.Summary().damagedRecords, places - 30);
    EXPECT_EQ(reader.Summary().spareBytes, 100'000u);
    EXPECT_LE(reader.BufferCapacity(), trail::JournalReader::kBufferBytes + 64);
}

TEST(Journal, ImpossibleValuesUnderAGoodChecksumAreRefused) {
    const struct {
        const char* legend;
        JournalEntry entry;
    } rows[] = {
        {"latitude beyond 90", Fix(90.5, 0.1, 0)},
        {"longitude beyond 180", Fix(1.0, -180.1, 0)},
        {"infinite latitude", Fix(INFINITY, 1.0, 0)},
        {"NaN longitude", Fix(1.0, NAN, 0)},
        {"infinite height", Fix(1.0, 1.0, 0, INFINITY)},
    };
    for (const auto& row : rows) {
        const JournalContent content =
            trail::DecodeJournal(Encode({Fix(1.0, 1.0, 5), row.entry, Fix(1.0, 1.0, 6)}));
        EXPECT_EQ(content.entries.size(), 2u) << row.legend;
        EXPECT_EQ(content.damagedRecords, 1u) << row.legend;
    }
}

// Found by fuzz_journal: a break whose other fields hold numbers must not read as a break.
TEST(Journal, ABreakCarryingNumbersIsRefused) {
    std::string record = trail::EncodeJournalRecord(Fix(48.0, 11.0, 5, 500.0));
    record[4] = static_cast<char>(JournalEntry::Kind::Break);
    std::string crc;
    base::AppendU32(crc, base::Crc32(std::string_view(record).substr(4)));
    record.replace(0, 4, crc);
    std::string bytes = Encode({Fix(1.0, 1.0, 1)}) + record;
    EXPECT_EQ(trail::DecodeJournal(bytes).entries.size(), 1u);
}

TEST(Journal, TrackIsTheRunsBetweenBreaks) {
    const auto a = Fix(1, 1, 1), b = Fix(2, 2, 2), c = Fix(3, 3, 3);
    const auto brk = JournalEntry::Break(0);
    // A loaded sample at 0 N 0 E is a trail file's break marker, as older journals hold them.
    const auto loaded = [](double at, std::int64_t t) {
        return JournalEntry{JournalEntry::Kind::Loaded, TrackPoint{MapPos(at, at), t}};
    };
    const trail::Track track = trail::JournalTrack(
        {brk, a, b, brk, brk, c, brk, loaded(4, 4), loaded(0, 5), loaded(5, 6), brk});
    ASSERT_EQ(track.size(), 4u);
    EXPECT_EQ(track[0].size(), 2u);
    EXPECT_EQ(track[1][0].utcMs, 3);
    EXPECT_EQ(track[2].size(), 1u);
    ASSERT_EQ(track[3].size(), 1u);
    EXPECT_EQ(track[3][0].utcMs, 6);
}

TEST(JournalWriter, AppendsAfterTheGoodPartOfAnExistingJournal) {
    testsupport::TempDir dir;
    const std::string path = dir.File("trail.qjr");
    const std::vector<JournalEntry> sent = Walk(12);
    {
        auto writer = trail::JournalWriter::Open(path);
        ASSERT_FALSE(writer->Failed()) << writer->Error();
        for (int i = 0; i < 5; ++i)
            EXPECT_TRUE(writer->Append(sent[i]));
    }
    // A crash in the middle of the sixth record.
    std::string bytes = testsupport::ReadBytes(path);
    testsupport::WriteBytes(path, bytes + trail::EncodeJournalRecord(sent[5]).substr(0, 30));
    {
        auto writer = trail::JournalWriter::Open(path);
        ASSERT_FALSE(writer->Failed()) << writer->Error();
        EXPECT_EQ(writer->EntryCount(), 5u);
        for (std::size_t i = 5; i < sent.size(); ++i)
            EXPECT_TRUE(writer->Append(sent[i]));
        EXPECT_TRUE(writer->Sync());
    }
    const JournalContent content = trail::DecodeJournal(testsupport::ReadBytes(path));
    EXPECT_EQ(content.droppedBytes, 0u);
    ExpectPrefix(content.entries, sent, sent.size());
}

// What a kill leaves after the good records: the writer carries on over room made ahead and
// cuts anything else off. While it runs the file ends in room; closed, at its last record.
TEST(JournalWriter, CarriesOnOverWhatAKillLeft) {
    const std::vector<JournalEntry> sent = Walk(12);
    const std::string torn = trail::EncodeJournalRecord(sent[5]).substr(0, 30);
    const std::string zeros(4000, '\0');
    const struct {
        const char* legend;
        std::string tail;
    } rows[] = {
        {"room", zeros},
        {"a torn record, then room", torn + zeros},
        {"room, then a stray record", zeros + trail::EncodeJournalRecord(sent[9])},
    };
    for (const auto& row : rows) {
        testsupport::TempDir dir;
        const std::string path = dir.File("trail.qjr");
        testsupport::WriteBytes(path, Encode({sent.begin(), sent.begin() + 5}) + row.tail);
        {
            auto writer = trail::JournalWriter::Open(path);
            ASSERT_FALSE(writer->Failed()) << row.legend << ": " << writer->Error();
            EXPECT_EQ(writer->EntryCount(), 5u) << row.legend;
            for (std::size_t i = 5; i < sent.size(); ++i)
                EXPECT_TRUE(writer->Append(sent[i]));
            ASSERT_TRUE(writer->Sync()) << row.legend;
            const JournalContent running = trail::DecodeJournal(testsupport::ReadBytes(path));
            ExpectPrefix(running.entries, sent, sent.size());
            EXPECT_GT(running.spareBytes, 0u) << row.legend;
        }
        EXPECT_EQ(testsupport::ReadBytes(path), Encode(sent)) << row.legend;
    }
}

// Appended entries wait in memory and reach the file by themselves within the writer's delay,
// also after the writer has been idle; with a long delay only a Sync writes them.
TEST(JournalWriter, WritesWhatItHoldsWithinItsDelay) {
    using namespace std::chrono_literals;
    testsupport::TempDir dir;
    const std::vector<JournalEntry> sent = Walk(3);
    const auto entriesIn = [](const std::string& path) {
        return trail::DecodeJournal(testsupport::ReadBytes(path)).entries.size();
    };
    {
        const std::string path = dir.File("slow.qjr");
        auto writer = trail::JournalWriter::Open(path, 1h);
        EXPECT_TRUE(writer->Append(sent[0]));
        EXPECT_EQ(entriesIn(path), 0u);
        ASSERT_TRUE(writer->Sync());
        EXPECT_EQ(entriesIn(path), 1u);
    }
    const std::string path = dir.File("quick.qjr");
    auto writer = trail::JournalWriter::Open(path, 20ms);
    for (std::size_t n = 1; n <= sent.size(); ++n) {
        EXPECT_TRUE(writer->Append(sent[n - 1]));
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (entriesIn(path) < n && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(2ms);
        EXPECT_EQ(entriesIn(path), n);
        // Long enough for the writer to find nothing more and go idle (either way the next
        // entry must be written).
        std::this_thread::sleep_for(60ms);
    }
}

TEST(JournalWriter, LeavesAFileThatIsNotAJournalAlone) {
    testsupport::TempDir dir;
    const std::string path = dir.File("trail.qjr");
    const std::string other = "not a journal at all, but somebody's notes";
    testsupport::WriteBytes(path, other);
    auto writer = trail::JournalWriter::Open(path);
    EXPECT_TRUE(writer->Failed());
    EXPECT_NE(writer->Error().find(path), std::string::npos);
    EXPECT_FALSE(writer->Append(Fix(1, 1, 1)));
    writer.reset();
    EXPECT_EQ(testsupport::ReadBytes(path), other);
}

// One writer per journal: a second one finds the lock taken (it binds open files, so one taken
// here stands for another program) and leaves the file exactly as it is, torn tail included.
TEST(JournalWriter, ASecondWriterLeavesTheJournalAlone) {
    testsupport::TempDir dir;
    const std::string path = dir.File("trail.qjr");
    const std::string bytes = Encode(Walk(5)) + "torn";
    testsupport::WriteBytes(path, bytes);
    platform::FileLock first;
    ASSERT_EQ(first.Take(path), platform::FileLock::Status::Locked);
    auto second = trail::JournalWriter::Open(path);
    EXPECT_TRUE(second->HeldElsewhere());
    EXPECT_EQ(second->Error(), trail::JournalHeldElsewhere(path));
    second.reset();
    EXPECT_EQ(testsupport::ReadBytes(path), bytes);
}

TEST(JournalFolder, KeepsTheTenNewestSetAside) {
    testsupport::TempDir dir;
    const std::string current = trail::CurrentJournalPath(dir.Path());
    // Eleven clears: journal "0" is the first recording, "11" the current one.
    std::string error;
    for (int n = 0; n <= 11; ++n) {
        ASSERT_TRUE(trail::RotateJournals(current, error)) << error;
        testsupport::WriteBytes(current, std::to_string(n));
    }
    EXPECT_EQ(testsupport::ReadBytes(current), "11");
    for (int kept = 1; kept <= trail::kKeptJournals; ++kept)
        EXPECT_EQ(testsupport::ReadBytes(trail::KeptJournalPath(current, kept)),
                  std::to_string(11 - kept));
    EXPECT_EQ(trail::KeptJournalPath("/a.b/walk", 3), "/a.b/walk.3.qjr");
    EXPECT_EQ(dir.Entries().size(), 11u); // only the first recording went
}

} // namespace
