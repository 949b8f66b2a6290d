// The reader thread under line faults, through real pseudo-terminals: a receiver that hangs
// up, a device that disappears, signal and empty-read storms. The link must go on answering
// the user-interface thread at once, end cleanly on Close however long its retry pause is,
// and leave no descriptor or thread behind after many connections.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

#include "HardeningSupport.h"
#include "gps/GpsFeed.h"
#include "gps/GpsLink.h"
#include "gps/PtyPair.h"

namespace {

using namespace std::chrono_literals;

const std::string kSentence = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,,,,*47\r\n";

std::size_t EntriesOf(const char* dir) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir))
        ++count;
    return count;
}

std::set<pid_t> Threads() {
    std::set<pid_t> tids;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/task"))
        tids.insert(static_cast<pid_t>(std::stol(entry.path().filename())));
    return tids;
}

// A joined thread can stay listed in /proc for a moment after the join returns (the kernel
// reaps it after waking the joiner): a thread left over is one that stays.
std::set<pid_t> ThreadsOnceSettledTo(const std::set<pid_t>& expected) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    std::set<pid_t> now = Threads();
    while (now != expected && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        now = Threads();
    }
    return now;
}

// A feed's link, and what its reader thread reported for the test to wait for.
class Reports {
public:
    explicit Reports(gps::GpsLinkOptions options)
        : feed(std::move(options), 5), link(feed.Link()) {}
    bool WaitSentences(std::int64_t atLeast) {
        return Wait([=](const gps::GpsFeedCounts& c) { return c.sentences >= atLeast; });
    }
    bool WaitFailedReads(std::int64_t atLeast) {
        return Wait([=](const gps::GpsFeedCounts& c) {
            return c.failedReads >= atLeast && c.emptyPosts >= atLeast;
        });
    }
    bool WaitOkReads(std::int64_t atLeast) {
        return Wait([=](const gps::GpsFeedCounts& c) { return OkReads(c) >= atLeast; });
    }
    std::int64_t Sentences() { return feed.Counts().sentences; }
    std::int64_t OkReads() { return OkReads(feed.Counts()); }
    std::int64_t FailedReads() { return feed.Counts().failedReads; }

    gps::GpsFeed feed;
    gps::GpsLink& link;

private:
    static std::int64_t OkReads(const gps::GpsFeedCounts& c) { return c.reads - c.failedReads; }
    // The timeout is a safety net for a broken build, far beyond what a passing run needs.
    bool Wait(const std::function<bool(const gps::GpsFeedCounts&)>& until) {
        return until(
            feed.WaitUntil(std::chrono::steady_clock::now() + std::chrono::seconds(10), until));
    }
};

// Opens the link and waits for its first read: bytes that come before it are thrown away as
// stale, so a test that wrote earlier would race the reader's start.
bool OpenAndSettle(gps::GpsLink& link, Reports& reports, const std::string& device) {
    const std::int64_t reads = reports.OkReads();
    return link.Open(device, 4800) && reports.WaitOkReads(reads + 1);
}

// Close must not wait out the reader's pause: with pauses of a minute, a Close that took
// longer than this would have.
constexpr auto kPromptClose = 5s;

std::chrono::steady_clock::duration TimeClose(gps::GpsLink& link) {
    const auto start = std::chrono::steady_clock::now();
    link.Close();
    return std::chrono::steady_clock::now() - start;
}

TEST(GpsLinkFaults, LineThatHangsUpIsRetriedAndClosesAtOnce) {
    struct Row {
        const char* legend;
        std::chrono::milliseconds retry;
        std::int64_t failedReads; // how many failed reads to wait for before closing
    };
    const Row rows[] = {
        {"quick retries: every failed read is reported, over and over", 1ms, 50},
        {"the usual one-second retry, closed in the middle of its pause", 60s, 1},
    };
    for (const Row& row : rows) {
        PtyPair pty;
        ASSERT_TRUE(pty.Ok());
        Reports reports({1ms, row.retry, {}});
        gps::GpsLink& link = reports.link;
        ASSERT_TRUE(OpenAndSettle(link, reports, pty.Path())) << row.legend;
        ASSERT_TRUE(pty.Write(kSentence));
        ASSERT_TRUE(reports.WaitSentences(1)) << row.legend;

        pty.HangUp();
        ASSERT_TRUE(reports.WaitFailedReads(row.failedReads)) << row.legend;
        // The user-interface side is answered at once while the line is dead.
        EXPECT_TRUE(link.HasReadError()) << row.legend;
        EXPECT_TRUE(link.IsRunning()) << row.legend;
        gps::QueuedSentence sentence;
        while (link.PopSentence(sentence)) {
        }

        EXPECT_LT(TimeClose(link), kPromptClose) << row.legend;
        EXPECT_FALSE(link.IsRunning()) << row.legend;
        EXPECT_FALSE(link.HasReadError()) << row.legend;
    }
}

TEST(GpsLinkFaults, DeviceThatDisappearsIsReportedAndCannotBeReopened) {
    TempDir dir;
    const std::string device = dir.File("ttyGPS");
    auto pty = std::make_unique<PtyPair>();
    ASSERT_TRUE(pty->Ok());
    // The receiver's device node, as a USB adapter's appears and vanishes.
    std::filesystem::create_symlink(pty->Path(), device);
    Reports reports({1ms, 1ms, {}});
    gps::GpsLink& link = reports.link;
    ASSERT_TRUE(OpenAndSettle(link, reports, device));
    ASSERT_TRUE(pty->Write(kSentence));
    ASSERT_TRUE(reports.WaitSentences(1));

    const auto threads = Threads().size();
    pty.reset(); // hangs up and closes the other end: the pseudo-terminal is gone
    std::filesystem::remove(device);
    ASSERT_TRUE(reports.WaitFailedReads(10));
    EXPECT_TRUE(link.HasReadError());
    EXPECT_LT(TimeClose(link), kPromptClose);

    EXPECT_FALSE(link.Open(device, 4800)) << "the device is gone";
    EXPECT_FALSE(link.IsRunning());
    EXPECT_EQ(Threads().size(), threads - 1) << "the reader thread has ended";
}

void IgnoreSignal(int) {}

TEST(GpsLinkFaults, SignalAndEmptyReadStormsChangeNothing) {
    // A handler without SA_RESTART, so every interrupted system call of the reader thread
    // fails with EINTR; and a 1 ms poll over an idle line, so nearly every read finds nothing
    // (EAGAIN).
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_handler = IgnoreSignal;
    sigemptyset(&action.sa_mask);
    ASSERT_EQ(::sigaction(SIGUSR1, &action, &previous), 0);

    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    Reports reports({1ms, 1ms, {}});
    gps::GpsLink& link = reports.link;
    const auto before = Threads();
    ASSERT_TRUE(link.Open(pty.Path(), 4800));
    pid_t reader = 0;
    for (const pid_t tid : Threads())
        if (!before.contains(tid))
            reader = tid;
    ASSERT_NE(reader, 0);

    std::atomic<bool> storming{true};
    std::atomic<std::int64_t> signals{0};
    std::thread storm([&] {
        while (storming.load()) {
            ::syscall(SYS_tgkill, ::getpid(), reader, SIGUSR1);
            ++signals;
            std::this_thread::yield();
        }
    });
    ASSERT_TRUE(reports.WaitOkReads(500)) << "empty reads go on";
    // At least 200 sentences, and as many more as it takes for the storm to reach 1000 signals
    // on a slow or loaded machine.
    constexpr int kSentences = 200;
    constexpr std::int64_t kSignals = 1000;
    for (int i = 1; i <= kSentences || (signals.load() < kSignals && i < 100 * kSentences); ++i) {
        ASSERT_TRUE(pty.Write(kSentence));
        ASSERT_TRUE(reports.WaitSentences(i)) << "sentence " << i;
    }
    storming.store(false);
    storm.join();

    EXPECT_GE(signals.load(), kSignals) << "the storm ran through the sentences";
    EXPECT_EQ(reports.FailedReads(), 0) << "an interrupted or empty read is no read error";
    EXPECT_FALSE(link.HasReadError());
    EXPECT_LT(TimeClose(link), kPromptClose);
    EXPECT_EQ(ThreadsOnceSettledTo(before), before);
    ::sigaction(SIGUSR1, &previous, nullptr);
}

TEST(GpsLinkFaults, HundredReconnectionsLeakNothing) {
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    Reports reports({1ms, 1ms, {}});
    gps::GpsLink& link = reports.link;
    // One connection first, so that anything made once per process is already there.
    ASSERT_TRUE(link.Open(pty.Path(), 4800));
    link.Close();
    const std::size_t fds = EntriesOf("/proc/self/fd");
    const auto threads = Threads();

    for (int i = 1; i <= 100; ++i) {
        ASSERT_TRUE(OpenAndSettle(link, reports, pty.Path())) << "connection " << i;
        EXPECT_FALSE(link.Open(pty.Path(), 4800)) << "a second Open while connected";
        ASSERT_TRUE(pty.Write(kSentence));
        ASSERT_TRUE(reports.WaitSentences(i)) << "connection " << i;
        link.Close();
    }
    EXPECT_EQ(EntriesOf("/proc/self/fd"), fds);
    EXPECT_EQ(ThreadsOnceSettledTo(threads), threads);
}

} // namespace

namespace {

TEST(GpsLinkFaults, UnwritableLogDoesNotStopTheConnection) {
    // Baud rate 0 is refused by the driver, which is logged; the log's folder cannot exist
    // (its parent is a device), so the entry is lost and the connection comes up anyway.
    PtyPair pty;
    ASSERT_TRUE(pty.Ok());
    Reports reports({1ms, 1ms, "/dev/null/quilo/quilo.log"});
    gps::GpsLink& link = reports.link;
    ASSERT_TRUE(link.Open(pty.Path(), 0));
    ASSERT_TRUE(reports.WaitOkReads(1));
    ASSERT_TRUE(pty.Write(kSentence));
    EXPECT_TRUE(reports.WaitSentences(1));
    EXPECT_FALSE(std::filesystem::exists("/dev/null/quilo"));
    link.Close();
}

} // namespace
