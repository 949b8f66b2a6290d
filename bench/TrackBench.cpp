// Tracks: reading 166 GPX files of an hour's drive each (3600 points), one after another as
// the background loader reads them; taking the values and colours of a 100 000-point track by
// speed (what a recolouring costs before drawing).
#include "session/TrackFiles.h"
#include "trail/TrackColouring.h"
#include "xml/GpxWriter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

trail::Track Drive(int points, double lonOffset) {
    trail::TrackSegment segment;
    for (int i = 0; i < points; ++i)
        segment.push_back(
            {MapPos(11.0 + lonOffset + 0.0001 * std::sin(i / 50.0), 48.0 + i * 0.00012),
             1'748'772'000'000 + i * 1000LL, 500.0 + 30 * std::sin(i / 300.0)});
    return {segment};
}

void BM_Read166GpxFiles(benchmark::State& state) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / "quilo-track-bench";
    std::filesystem::create_directories(folder);
    std::vector<std::string> files;
    for (int i = 0; i < 166; ++i) {
        const std::string path = folder / ("drive" + std::to_string(i) + ".gpx");
        std::ofstream(path) << xml::GpxTrackDocument(Drive(3600, i * 0.01));
        files.push_back(path);
    }
    for (auto _ : state)
        for (const std::string& path : files) {
            const session::TrackFileRead read = session::ReadTrackFile(path);
            benchmark::DoNotOptimize(read.tracks.data());
        }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_Read166GpxFiles)->Unit(benchmark::kMillisecond);

void BM_ColourATrackOf100000PointsBySpeed(benchmark::State& state) {
    const trail::Track track = Drive(100'000, 0);
    for (auto _ : state) {
        const auto values = trail::ValuesOf(track, trail::ColourBy::Speed);
        const auto limits = trail::LimitsOf(values).value_or(trail::ValueLimits{});
        std::uint32_t sum = 0;
        for (const double v : values[0])
            sum += trail::RampColour(trail::FractionOf(v, limits));
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ColourATrackOf100000PointsBySpeed)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
