// The recording journal's costs:
//   BM_RecordFix      CPU per fix offered to the trail and appended to the journal, with the
//                     writes and flushes on the writer's thread as the program runs them (each
//                     iteration is one fix);
//   BM_RecordFixAt10Hz/D the same at a receiver's 10 Hz over 10 seconds, the writer writing and
//                     flushing every D ms: the figure to compare with the 20 microseconds a fix
//                     may cost. The process CPU includes the pace's own wake-ups; the counters
//                     record_us (this thread's CPU in the recording calls) and writer_us (the
//                     writer thread's CPU) are what recording costs, per fix, and recording_us
//                     their sum;
//   BM_IdleAt10Hz     the pace alone, nothing recorded;
//   BM_AppendAndSync  one fix appended and flushed at once: one write and flush's own cost;
//   BM_Restore24h     rebuilding a 250-sample trail from a 24-hour journal at 1 Hz, as at start;
//   the journal size per hour at 1 Hz is printed as the counter bytes_per_hour;
//   BM_Crc32/N        the checksum of N bytes: 52 are one record's, a megabyte a long run's.
#include "base/Crc32.h"
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
#include <time.h>
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
// The process's CPU, not only this thread's: the writes and flushes run on the writer's thread.
BENCHMARK(BM_RecordFix)->MeasureProcessCPUTime()->UseRealTime();

std::chrono::nanoseconds CpuTime(clockid_t clock) {
    timespec t{};
    ::clock_gettime(clock, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

// The program's own pace: one fix every 100 ms; the writer writes and flushes every
// state.range(0) ms. The waits between fixes cost no CPU, the wake-ups after them do. The
// writer's thread is the only other one, so its CPU is the process's less this thread's.
void BM_RecordFixAt10Hz(benchmark::State& state) {
    const std::string folder = TempFolder();
    trail::TrailBuffer trail;
    trail::TrailJournal journal;
    journal.Open(folder + "/trail.qjr", trail, 250, std::chrono::milliseconds(state.range(0)));
    const auto processBefore = CpuTime(CLOCK_PROCESS_CPUTIME_ID);
    const auto threadBefore = CpuTime(CLOCK_THREAD_CPUTIME_ID);
    std::chrono::nanoseconds recording{};
    std::int64_t i = 0;
    auto next = std::chrono::steady_clock::now();
    for (auto _ : state) {
        const auto before = CpuTime(CLOCK_THREAD_CPUTIME_ID);
        benchmark::DoNotOptimize(journal.Record(trail, Walk(i++), 0.5, 250, 500));
        recording += CpuTime(CLOCK_THREAD_CPUTIME_ID) - before;
        next += std::chrono::milliseconds(100);
        std::this_thread::sleep_until(next);
    }
    const auto writer = (CpuTime(CLOCK_PROCESS_CPUTIME_ID) - processBefore) -
                        (CpuTime(CLOCK_THREAD_CPUTIME_ID) - threadBefore);
    journal.Close();
    const auto perFix = [](std::chrono::nanoseconds ns) {
        return benchmark::Counter(static_cast<double>(ns.count()) / 1000.0,
                                  benchmark::Counter::kAvgIterations);
    };
    state.counters["record_us"] = perFix(recording);
    state.counters["writer_us"] = perFix(writer);
    state.counters["recording_us"] = perFix(recording + writer);
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecordFixAt10Hz)
    ->Arg(500)
    ->Arg(700)
    ->Arg(1000)
    ->MeasureProcessCPUTime()
    ->Iterations(100)
    ->Repetitions(5)
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
BENCHMARK(BM_IdleAt10Hz)
    ->MeasureProcessCPUTime()
    ->Iterations(100)
    ->Repetitions(5)
    ->Unit(benchmark::kMicrosecond);

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

void BM_Crc32(benchmark::State& state) {
    std::string bytes(static_cast<std::size_t>(state.range(0)), '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 + 3);
    for (auto _ : state)
        benchmark::DoNotOptimize(base::Crc32(bytes));
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Crc32)->Arg(52)->Arg(1 << 20);

} // namespace

BENCHMARK_MAIN();
