// The recording journal's costs:
//   BM_RecordFix      CPU per fix offered to the trail and appended to the journal, with the
//                     flush to the device on its own thread as the program runs it (each
//                     iteration is one fix; the flush is shared by the fixes of half a second);
//   BM_RecordFixAt10Hz the same at a receiver's 10 Hz, over 10 seconds: the figure to compare
//                     with the 20 microseconds a fix may cost;
//   BM_AppendAndSync  one fix appended and flushed at once: the flush's own cost, which at
//                     10 Hz the program shares among the five fixes of half a second;
//   BM_Restore24h     rebuilding a 250-sample trail from a 24-hour journal at 1 Hz, as at start;
//   the journal size per hour at 1 Hz is printed as the counter bytes_per_hour.
#include "trail/Journal.h"
#include "trail/JournalWriter.h"
#include "trail/TrailJournal.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

std::string TempFolder() {
    std::string pattern = std::filesystem::temp_directory_path() / "quilo-bench-XXXXXX";
    return ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

trail::TrackPoint Walk(std::int64_t i) {
    return trail::TrackPoint{MapPos(11.5 + static_cast<double>(i) * 1e-5, 48.1),
                             1'765'188'000'000 + i * 1000, 545.0, 2.7, 90.0};
}

void BM_RecordFix(benchmark::State& state) {
    const std::string folder = TempFolder();
    trail::TrailBuffer trail;
    trail::TrailJournal journal;
    journal.Open(folder + "/trail.qjr", trail, 250);
    std::int64_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(journal.Record(trail, Walk(i++), 0.5, 250, 500));
    journal.Close();
    state.counters["bytes_per_hour"] =
        static_cast<double>(trail::kJournalRecordSize) * 3600.0; // one fix a second
    std::filesystem::remove_all(folder);
}
// Real time, not only this thread's CPU: the flushes run on the writer's thread.
BENCHMARK(BM_RecordFix)->MeasureProcessCPUTime()->UseRealTime();

// The program's own pace: one fix every 100 ms, the flush on the writer's thread. The process
// CPU per iteration is the cost of a fix at 10 Hz with the flush shared as it really is; the
// waits between fixes cost no CPU.
void BM_RecordFixAt10Hz(benchmark::State& state) {
    const std::string folder = TempFolder();
    trail::TrailBuffer trail;
    trail::TrailJournal journal;
    journal.Open(folder + "/trail.qjr", trail, 250);
    std::int64_t i = 0;
    auto next = std::chrono::steady_clock::now();
    for (auto _ : state) {
        benchmark::DoNotOptimize(journal.Record(trail, Walk(i++), 0.5, 250, 500));
        next += std::chrono::milliseconds(100);
        std::this_thread::sleep_until(next);
    }
    journal.Close();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecordFixAt10Hz)
    ->MeasureProcessCPUTime()
    ->Iterations(100)
    ->Unit(benchmark::kMicrosecond);

// The pacing alone, nothing recorded: what waking up ten times a second costs this process
// here (a virtual machine charges each wake-up), to subtract from the figure above.
void BM_IdleAt10Hz(benchmark::State& state) {
    auto next = std::chrono::steady_clock::now();
    for (auto _ : state) {
        next += std::chrono::milliseconds(100);
        std::this_thread::sleep_until(next);
    }
}
BENCHMARK(BM_IdleAt10Hz)->MeasureProcessCPUTime()->Iterations(100)->Unit(benchmark::kMicrosecond);

void BM_AppendAndSync(benchmark::State& state) {
    const std::string folder = TempFolder();
    auto writer = trail::JournalWriter::Open(folder + "/trail.qjr");
    std::int64_t i = 0;
    for (auto _ : state) {
        writer->Append({trail::JournalEntry::Kind::Fix, Walk(i++)});
        benchmark::DoNotOptimize(writer->Sync());
    }
    writer.reset();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_AppendAndSync)->MeasureProcessCPUTime();

void BM_Restore24h(benchmark::State& state) {
    const std::string folder = TempFolder();
    const std::string path = folder + "/trail.qjr";
    {
        std::string bytes = trail::EncodeJournalHeader();
        for (std::int64_t i = 0; i < 24 * 3600; ++i)
            bytes += trail::EncodeJournalRecord({trail::JournalEntry::Kind::Fix, Walk(i)});
        std::ofstream(path, std::ios::binary) << bytes;
        state.counters["journal_bytes"] = static_cast<double>(bytes.size());
    }
    for (auto _ : state) {
        trail::TrailBuffer trail;
        trail::TrailJournal journal;
        journal.Open(path, trail, 250);
        benchmark::DoNotOptimize(trail.Count());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Restore24h)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
