// Hill shading of one 1280 x 800 view from a 1 m float DEM shown at 25 %: the DEM window of
// 5128 x 3208 metres reduced to the view's 4 m, then shaded (one grey per screen pixel, plus
// the one-pixel rim the gradient needs); and the shading alone, and the slope shading.
#include "terrain/Shading.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int kViewWidth = 1280 + 2;
constexpr int kViewHeight = 800 + 2;
constexpr int kZoomOut = 4;

std::vector<float> Hills(int width, int height) {
    std::vector<float> heights(static_cast<std::size_t>(width) * height);
    for (int r = 0; r < height; ++r)
        for (int c = 0; c < width; ++c)
            heights[static_cast<std::size_t>(r) * width + c] = static_cast<float>(
                900.0 + 120.0 * std::sin(c / 310.0) * std::cos(r / 270.0) + 0.05 * c);
    return heights;
}

terrain::HeightWindow WindowOf(const std::vector<float>& heights, int width, int height,
                               double step) {
    terrain::HeightWindow window;
    window.heights = heights.data();
    window.width = width;
    window.height = height;
    window.stride = width;
    window.xStep = step;
    window.yStep = -step;
    return window;
}

void BM_ShadeViewAtQuarterZoom(benchmark::State& state) {
    const int w = kViewWidth * kZoomOut;
    const int h = kViewHeight * kZoomOut;
    const std::vector<float> dem = Hills(w, h);
    std::vector<float> reduced(static_cast<std::size_t>(kViewWidth) * kViewHeight);
    std::vector<std::uint8_t> grey(reduced.size());
    for (auto _ : state) {
        terrain::Reduce(WindowOf(dem, w, h, 1.0), kZoomOut, reduced.data(), kViewWidth);
        terrain::Shade(WindowOf(reduced, kViewWidth, kViewHeight, kZoomOut),
                       terrain::ShadeKind::Hill, {}, grey.data(), kViewWidth);
        benchmark::DoNotOptimize(grey.data());
    }
}
BENCHMARK(BM_ShadeViewAtQuarterZoom)->Unit(benchmark::kMillisecond);

void BM_ShadeView(benchmark::State& state) {
    const auto kind = state.range(0) == 0 ? terrain::ShadeKind::Hill : terrain::ShadeKind::Slope;
    const std::vector<float> dem = Hills(kViewWidth, kViewHeight);
    std::vector<std::uint8_t> grey(dem.size());
    for (auto _ : state) {
        terrain::Shade(WindowOf(dem, kViewWidth, kViewHeight, 1.0), kind, {}, grey.data(),
                       kViewWidth);
        benchmark::DoNotOptimize(grey.data());
    }
}
BENCHMARK(BM_ShadeView)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
