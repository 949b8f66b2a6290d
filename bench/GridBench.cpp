// A calibration change on a map with a projected grid model, and the trail redrawn after it:
//   BM_Refit                  fitting a topographic model through four points (the PROJ
//                             transform made afresh, as after every change of the points);
//   BM_TrailToPixels/one      the refit and 10 000 trail samples converted to pixels one by one
//                             (GridGeoreference::ToPixel);
//   BM_TrailToPixels/batch    the same through one batched PROJ call (ToPixels);
//   BM_HandheldTrailToPixels  the handheld's latitude/longitude affine on the same trail, for
//                             comparison.
#include "calib/CGPSMapFuncs.h"
#include "calib/GridModel.h"
#include "calib/HandheldGeoreference.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kSamples = 10000;

// A 20 km sheet at 46.5 N, 7.2 E, 8000 pixels square, calibrated at its corners and centre.
std::vector<map::CalibrationPoint> Points() {
    return {{MapPos(0, 0), MapPos(7.07, 46.59)},
            {MapPos(8000, 0), MapPos(7.33, 46.59)},
            {MapPos(0, 8000), MapPos(7.07, 46.41)},
            {MapPos(8000, 8000), MapPos(7.33, 46.41)},
            {MapPos(4000, 4000), MapPos(7.2, 46.5)}};
}

// A day's walk across the sheet: 10 000 samples a few metres apart.
std::vector<MapPos> Trail() {
    std::vector<MapPos> trail;
    for (int i = 0; i < kSamples; ++i)
        trail.emplace_back(7.1 + i * 2e-5, 46.45 + (i % 500) * 1e-5 + i * 5e-6);
    return trail;
}

void BM_Refit(benchmark::State& state) {
    const auto points = Points();
    for (auto _ : state) {
        auto fit = map::GridGeoreference::Fit({map::GridKind::Topographic, {}}, points, nullptr);
        benchmark::DoNotOptimize(fit);
    }
}
BENCHMARK(BM_Refit)->Unit(benchmark::kMillisecond);

void BM_TrailToPixels(benchmark::State& state) {
    const auto points = Points();
    const std::vector<MapPos> trail = Trail();
    std::vector<MapPos> pixels(trail.size());
    for (auto _ : state) {
        const auto fit =
            map::GridGeoreference::Fit({map::GridKind::Topographic, {}}, points, nullptr);
        if (state.range(0) == 0) {
            for (std::size_t i = 0; i < trail.size(); ++i)
                pixels[i] = fit->ToPixel(trail[i]);
        } else {
            pixels = trail;
            fit->ToPixels(pixels);
        }
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * kSamples);
}
BENCHMARK(BM_TrailToPixels)->ArgName("batch")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_HandheldTrailToPixels(benchmark::State& state) {
    const auto points = Points();
    const std::vector<MapPos> trail = Trail();
    std::vector<MapPos> pixels(trail.size());
    for (auto _ : state) {
        calib::CGPSMapFuncs calibration;
        for (std::size_t i = 0; i < 3; ++i)
            calibration.AddCalibrationPoint(MapPos(points[i].pixel.x, 8000 - points[i].pixel.y),
                                            points[i].geo);
        const map::HandheldGeoreference handheld(calibration, 8000);
        for (std::size_t i = 0; i < trail.size(); ++i)
            pixels[i] = handheld.ToPixel(trail[i]);
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * kSamples);
}
BENCHMARK(BM_HandheldTrailToPixels)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
