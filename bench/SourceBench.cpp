// GPS sources: how fast a recorded log replays at full speed through the whole path (file
// source -> the link's reader thread and queue -> posted updates -> the update handler), and how
// long a receiver that was unplugged takes to deliver positions again once its by-id link is back
// (the link's own 750 ms poll and 1 s retry; median of 20).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <pty.h>
#include <string>
#include <thread>
#include <unistd.h>

#include "gps/DemoTown.h"
#include "gps/FileReplaySource.h"
#include "gps/GpsFeed.h"
#include "gps/GpsLink.h"

namespace {

namespace fs = std::filesystem;

// A log of the demo drive: GGA, RMC and GSA once a second, times advancing.
std::string WriteLog(std::size_t seconds) {
    const fs::path path = fs::temp_directory_path() / "quilo-source-bench.nmea";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    const demo::RouteDriver driver(16.0);
    for (std::size_t i = 0; i < seconds; ++i) {
        std::tm utc{};
        utc.tm_hour = static_cast<int>(i / 3600 % 24);
        utc.tm_min = static_cast<int>(i / 60 % 60);
        utc.tm_sec = static_cast<int>(i % 60);
        utc.tm_mday = 8;
        utc.tm_mon = 11;
        utc.tm_year = 126;
        const std::string bytes = demo::MakeSentences(driver.At(static_cast<double>(i)), utc);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
    }
    std::fclose(file);
    return path.string();
}

void BM_ReplayIntoFold(benchmark::State& state) {
    const std::size_t seconds = 100000; // 300 000 sentences, about 19 MB
    const std::string log = WriteLog(seconds);
    std::int64_t sentences = 0;
    for (auto _ : state) {
        // The whole path: the link's reader thread with its own poll interval, its queue, the
        // posts, and the update handler on this thread, once a post, as the window runs it.
        gps::GpsFeed feed(
            {std::chrono::milliseconds(750), std::chrono::milliseconds(1000), "/dev/null"});
        if (!feed.Open(std::make_unique<gps::FileReplaySource>(log, INFINITY, false)).ok) {
            state.SkipWithError("cannot open the log");
            return;
        }
        std::int64_t handled = 0;
        bool ended = false;
        while (!ended) {
            // After the end, the last sentences may need one more run without a post.
            handled = feed.WaitUntil(gps::GpsFeed::Clock::now() + std::chrono::hours(1),
                                     [&](const gps::GpsFeedCounts& c) {
                                         return c.posts != handled || feed.Link().HasEnded();
                                     })
                          .posts;
            ended = feed.TakeUpdate(gps::TickCountMs(), 0).Has(gps::GpsUpdate::kEnded);
        }
        sentences += feed.Counts().sentences;
        benchmark::DoNotOptimize(feed.Fix());
    }
    // Every sentence of the log goes through the reader; the assembler and the queue keep the
    // newest of each read for the handler, as they do for a live receiver.
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * 3 * seconds));
    state.counters["queued"] =
        benchmark::Counter(static_cast<double>(sentences), benchmark::Counter::kAvgIterations);
    fs::remove(log);
}
BENCHMARK(BM_ReplayIntoFold)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReconnectAfterReplug(benchmark::State& state) {
    const fs::path byId = fs::temp_directory_path() / "quilo-bench-usb-GPS-if00";
    fs::remove(byId);
    int master = -1, slave = -1;
    char name[256] = {};
    openpty(&master, &slave, name, nullptr, nullptr);
    fs::create_symlink(name, byId);
    gps::GpsLink link(
        100, {std::chrono::milliseconds(750), std::chrono::milliseconds(1000), "/dev/null"});
    link.Open(byId.string(), 4800);
    const std::string gga = "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";
    auto waitSentence = [&](int fd) {
        gps::QueuedSentence line;
        while (!link.PopSentence(line)) {
            (void)!write(fd, gga.data(), gga.size());
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        while (link.PopSentence(line)) {
        }
    };
    waitSentence(master);
    for (auto _ : state) {
        // Unplugged: the device and its link vanish; the reader notices and retries.
        close(master);
        close(slave);
        fs::remove(byId);
        while (!link.HasReadError())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        openpty(&master, &slave, name, nullptr, nullptr);
        const auto back = std::chrono::steady_clock::now();
        fs::create_symlink(name, byId);
        waitSentence(master);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - back).count());
    }
    link.Close();
    close(master);
    close(slave);
    fs::remove(byId);
}
BENCHMARK(BM_ReconnectAfterReplug)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
