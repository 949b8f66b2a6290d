// The GPS link driven through real pseudo-terminals: bytes written to the master side arrive
// through the reader thread as queued sentences and posted updates.
#include "gps/GpsLink.h"
#include "gps/GpsFeed.h"
#include "gps/PtyPair.h"
#include "platform/SerialPort.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdlib.h>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

struct Event {
    bool post = false; // else a read
    std::int32_t sentences = 0;
    std::size_t bytes = 0;
    bool ok = true;
};

// Records posts and reads in the order they happen, and can hold the reader thread right
// after a read, so a test decides exactly which bytes the next read finds.
class Recorder {
public:
    void Attach(gps::GpsLink& link) {
        link.SetPostCallback([this](std::int32_t sentences, std::size_t bytes) {
            std::lock_guard lock(mutex_);
            events_.push_back({true, sentences, bytes, true});
            cv_.notify_all();
        });
        link.SetReadObserver([this](const platform::SerialReadResult& read) {
            std::unique_lock lock(mutex_);
            events_.push_back({false, 0, read.bytes, read.ok});
            cv_.notify_all();
            if (hold_) {
                const std::uint64_t generation = releases_;
                cv_.wait(lock, [&] { return releases_ != generation; });
            }
        });
    }

    // Writes bytes while the reader is parked between two reads and lets it go once they all
    // wait at the slave side: the next read returns exactly these bytes.
    void WriteBetweenReads(PtyPair& pty, std::string_view bytes) {
        std::unique_lock lock(mutex_);
        hold_ = true;
        const std::size_t reads = Count(false);
        ASSERT_TRUE(WaitFor(lock, cv_, [&] { return Count(false) > reads; }));
        lock.unlock();
        ASSERT_TRUE(pty.Write(bytes));
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (pty.Pending() < static_cast<int>(bytes.size()) &&
               std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
        lock.lock();
        hold_ = false;
        ++releases_;
        cv_.notify_all();
    }

    void Release() {
        std::lock_guard lock(mutex_);
        hold_ = false;
        ++releases_;
        cv_.notify_all();
    }

    // Waits until at least n events of the kind (posts or reads) have been recorded.
    bool WaitCount(bool post, std::size_t n) {
        std::unique_lock lock(mutex_);
        return WaitFor(lock, cv_, [&] { return Count(post) >= n; });
    }

    std::vector<Event> Events() {
        std::lock_guard lock(mutex_);
        return events_;
    }
    std::vector<Event> Posts() {
        std::vector<Event> posts;
        for (const Event& e : Events())
            if (e.post)
                posts.push_back(e);
        return posts;
    }
    std::size_t Reads() {
        std::lock_guard lock(mutex_);
        return Count(false);
    }

private:
    std::size_t Count(bool post) const {
        std::size_t n = 0;
        for (const Event& e : events_)
            n += e.post == post ? 1 : 0;
        return n;
    }

    std::mutex mutex_;
    std::condition_variable cv_;
    std::vector<Event> events_;
    bool hold_ = false;
    // Counts releases, so a reader parked before a release leaves even if the next
    // WriteBetweenReads sets hold_ again before it wakes.
    std::uint64_t releases_ = 0;
};

std::vector<std::string> Drain(gps::GpsLink& link) {
    std::vector<std::string> lines;
    gps::QueuedSentence sentence;
    while (link.PopSentence(sentence))
        lines.push_back(sentence.line);
    return lines;
}

std::size_t OpenDescriptors() {
    std::size_t n = 0;
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        while (::readdir(dir) != nullptr)
            ++n;
        ::closedir(dir);
    }
    return n;
}

constexpr std::string_view kGga =
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47";

class GpsLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Ok());
        recorder.Attach(link);
    }
    void TearDown() override {
        recorder.Release();
        second.Release();
        link.Close();
    }
    void OpenLink(std::int32_t baud = 4800) {
        ASSERT_TRUE(link.Open(pty.Path(), baud));
        // The first read follows the discard of stale input; writing after it is safe.
        ASSERT_TRUE(recorder.WaitCount(false, 1));
    }

    testsupport::TempDir temp;
    PtyPair pty;
    Recorder recorder;
    Recorder second; // for a second connection
    // The recorders take the link's callbacks; the feed is there for its updates.
    gps::GpsFeed feed{gps::GpsLinkOptions{5ms, 20ms, temp.File("quilo.log")}, 5};
    gps::GpsLink& link = feed.Link();
};

TEST_F(GpsLinkTest, StrayBytesBeforeDollarAreDropped) {
    OpenLink();
    const std::string bytes = "xx" + std::string(kGga) + "\r\n";
    recorder.WriteBetweenReads(pty, bytes);
    ASSERT_TRUE(recorder.WaitCount(true, 1));
    const Event post = recorder.Posts().at(0);
    EXPECT_EQ(post.sentences, 1);
    EXPECT_EQ(post.bytes, bytes.size());
    EXPECT_EQ(Drain(link), std::vector<std::string>{std::string(kGga)});
}

TEST_F(GpsLinkTest, SentenceSplitAcrossTwoReads) {
    OpenLink();
    const std::string first = std::string(kGga.substr(0, 30));
    const std::string rest = std::string(kGga.substr(30)) + "\r\n";
    recorder.WriteBetweenReads(pty, first);
    recorder.WriteBetweenReads(pty, rest);
    ASSERT_TRUE(recorder.WaitCount(true, 1));
    // The read that returned the first part posted nothing; the second posted (1, its bytes).
    std::vector<Event> dataEvents;
    for (const Event& e : recorder.Events())
        if (e.post || e.bytes > 0)
            dataEvents.push_back(e);
    ASSERT_GE(dataEvents.size(), 2u);
    EXPECT_FALSE(dataEvents[0].post);
    EXPECT_EQ(dataEvents[0].bytes, first.size());
    EXPECT_TRUE(dataEvents[1].post);
    EXPECT_EQ(dataEvents[1].sentences, 1);
    EXPECT_EQ(dataEvents[1].bytes, rest.size());
    EXPECT_EQ(Drain(link), std::vector<std::string>{std::string(kGga)});
}

TEST_F(GpsLinkTest, BurstKeepsNewestLinesAndCountsAllAccepted) {
    OpenLink();
    // Sentence i has type GGA, RMC, GSA or GSV by i % 4 and carries i in its first field.
    static constexpr std::string_view kTypes[] = {"GGA", "RMC", "GSA", "GSV"};
    std::string burst;
    for (int i = 0; i < 40; ++i)
        burst += "$GP" + std::string(kTypes[i % 4]) + "," + std::to_string(i) + ",x*00\r\n";
    ASSERT_LT(burst.size(), gps::GpsLink::kReadSize);
    recorder.WriteBetweenReads(pty, burst);
    ASSERT_TRUE(recorder.WaitCount(true, 1));
    const Event post = recorder.Posts().at(0);
    // The assembler keeps sentences 10..39; 8 of those are GSV, so 22 are accepted.
    EXPECT_EQ(post.sentences, 22);
    EXPECT_EQ(post.bytes, burst.size());
    // The queue keeps the newest five accepted: 33, 34, 36, 37, 38 (39 is GSV).
    EXPECT_EQ(Drain(link),
              (std::vector<std::string>{"$GPRMC,33,x*00", "$GPGSA,34,x*00", "$GPGGA,36,x*00",
                                        "$GPRMC,37,x*00", "$GPGSA,38,x*00"}));
}

TEST_F(GpsLinkTest, LongRtkLineQueuedOverLongLineNot) {
    OpenLink();
    // A 96-character GGA with eight-decimal minutes, as RTK receivers send, and a 256-character
    // line that must never be completed.
    const std::string rtk = "$GNGGA,132819.600,4134.49795459,N,09345.03431408,W,4,12,0.9,"
                            "278.161000,M,-31.44200,M,1.0,0133*6A";
    ASSERT_EQ(rtk.size(), 96u);
    const std::string tooLong = "$GPGGA," + std::string(249, '1');
    ASSERT_EQ(tooLong.size(), 256u);
    const std::string bytes = rtk + "\r\n" + tooLong + "\r\n";
    recorder.WriteBetweenReads(pty, bytes);
    ASSERT_TRUE(recorder.WaitCount(true, 1));
    EXPECT_EQ(recorder.Posts().at(0).sentences, 1);
    EXPECT_EQ(Drain(link), std::vector<std::string>{rtk});
}

TEST_F(GpsLinkTest, ReadsOfNothingPostNothing) {
    OpenLink();
    ASSERT_TRUE(recorder.WaitCount(false, 5));
    for (const Event& e : recorder.Events()) {
        EXPECT_FALSE(e.post);
        EXPECT_TRUE(e.ok);
        EXPECT_EQ(e.bytes, 0u);
    }
    EXPECT_FALSE(link.HasReadError());
}

TEST_F(GpsLinkTest, OpenRefusedWhileRunningAndCloseAlwaysStops) {
    OpenLink();
    EXPECT_FALSE(link.Open(pty.Path(), 4800));
    EXPECT_TRUE(link.IsRunning());
    // Close right after Open, before the new thread has taken a step, must still stop it:
    // Close returns only once the thread has ended, and the link opens again.
    for (int i = 0; i < 20; ++i) {
        link.Close();
        EXPECT_FALSE(link.IsRunning());
        ASSERT_TRUE(link.Open(pty.Path(), 4800)) << "round " << i;
    }
    recorder.WriteBetweenReads(pty, std::string(kGga) + "\r");
    ASSERT_TRUE(recorder.WaitCount(true, 1));
    EXPECT_EQ(Drain(link).size(), 1u);
}

TEST_F(GpsLinkTest, HangUpTakesTheReadErrorPath) {
    OpenLink();
    recorder.WriteBetweenReads(pty, std::string(kGga) + "\r\n");
    ASSERT_TRUE(recorder.WaitCount(true, 1));
    ASSERT_TRUE(feed.TakeUpdate(1000, 0).fix.hasFix);
    recorder.WriteBetweenReads(pty, std::string(kGga) + "\r\n$GPRMC,partial");
    ASSERT_TRUE(recorder.WaitCount(true, 2));
    pty.HangUp();
    // Each failed read posts (0, 0) once; the reader keeps trying.
    ASSERT_TRUE(recorder.WaitCount(true, 4));
    EXPECT_TRUE(link.HasReadError());
    const auto posts = recorder.Posts();
    for (std::size_t i = 2; i < posts.size(); ++i) {
        EXPECT_EQ(posts[i].sentences, 0);
        EXPECT_EQ(posts[i].bytes, 0u);
    }
    for (const Event& e : recorder.Events()) {
        if (!e.post && !e.ok) {
            EXPECT_EQ(e.bytes, 0u);
        }
    }

    // The next update then drops what was queued before the error and the fix with it.
    const gps::GpsUpdate update = feed.TakeUpdate(1000, 0);
    EXPECT_TRUE(update.Has(gps::GpsUpdate::kReadError));
    EXPECT_EQ(update.lostText, "COM port read error.");
    EXPECT_FALSE(update.fix.hasFix);
    EXPECT_TRUE(Drain(link).empty());

    link.Close();
    EXPECT_FALSE(link.HasReadError());
}

TEST_F(GpsLinkTest, ReconnectLeavesNoOldReader) {
    OpenLink();
    link.Close();
    const std::size_t oldReads = recorder.Reads();

    PtyPair other;
    ASSERT_TRUE(other.Ok());
    second.Attach(link);
    ASSERT_TRUE(link.Open(other.Path(), 4800));
    ASSERT_TRUE(second.WaitCount(false, 1));
    ASSERT_TRUE(pty.Write("$GPGGA,old*00\r\n"));
    second.WriteBetweenReads(other, "$GPGGA,new*00\r\n");
    ASSERT_TRUE(second.WaitCount(true, 1));
    // Several retry and poll intervals of the new connection have passed: an old reader would
    // have reported reads of its own by now.
    ASSERT_TRUE(second.WaitCount(false, second.Reads() + 10));
    EXPECT_EQ(recorder.Reads(), oldReads);
    EXPECT_EQ(Drain(link), std::vector<std::string>{"$GPGGA,new*00"});
    second.Release();
    link.Close();
}

TEST_F(GpsLinkTest, FailedOpensLeakNoDescriptor) {
    const std::size_t before = OpenDescriptors();
    struct Row {
        const char* legend;
        std::string device;
    } rows[] = {
        {"missing device", temp.File("no-such-tty")},
        {"not a serial line", "/dev/null"},
        {"COM port 0 has no device", platform::ComPortDevicePath(0)},
    };
    for (const Row& row : rows) {
        EXPECT_FALSE(link.Open(row.device, 4800)) << row.legend;
        EXPECT_FALSE(link.IsRunning()) << row.legend;
        EXPECT_EQ(OpenDescriptors(), before) << row.legend;
    }
    // The link is still usable afterwards.
    OpenLink();
}

TEST_F(GpsLinkTest, RefusedSettingsAreLoggedAndTheLinkComesUp) {
    const std::string logPath = temp.File("quilo.log");
    // A free rate goes through termios2 and is taken: nothing to log.
    OpenLink(250000);
    link.Close();
    EXPECT_EQ(testsupport::ReadBytes(logPath), "");

    OpenLink(0); // a rate of 0 is refused with EINVAL (22)
    link.Close();
    OpenLink(-5);
    const std::string log = testsupport::ReadBytes(logPath);
    const std::string entry = "IGNORING ERROR: Failed to set options on COM port with err 22";
    ASSERT_EQ(log.size(), 2 * (9 + entry.size() + 1)) << log;
    for (std::size_t at = 0; at < log.size(); at += 9 + entry.size() + 1) {
        const std::string_view line(log.data() + at, 9 + entry.size() + 1);
        for (std::size_t digit : {0, 1, 3, 4, 6, 7})
            EXPECT_TRUE(line[digit] >= '0' && line[digit] <= '9') << line;
        EXPECT_EQ(line.substr(2, 1), ":");
        EXPECT_EQ(line.substr(5, 1), ":");
        EXPECT_EQ(line.substr(8), " " + entry + "\n");
    }
    recorder.WriteBetweenReads(pty, std::string(kGga) + "\r");
    ASSERT_TRUE(recorder.WaitCount(true, 1));
}

} // namespace
