// The profile of a 100 000-point track (a day's walk, a fix a second, with heights, speeds and
// a break every 10 000 points) redrawn in a 1000 x 240 dock: the columns built afresh from
// the samples and painted, as after a resize or a new fix; and building the samples themselves,
// as when the track is chosen.
#include "trail/Profile.h"
#include "view/ProfilePlot.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

trail::Track Walk(int points) {
    trail::Track track(1);
    for (int i = 0; i < points; ++i) {
        if (i > 0 && i % 10'000 == 0)
            track.emplace_back();
        track.back().push_back({MapPos(11.0 + 0.0001 * std::sin(i / 50.0), 48.0 + i * 0.00001),
                                1'748'772'000'000 + i * 1000LL,
                                500.0 + 300 * std::sin(i / 3000.0) + 5 * std::sin(i / 7.0),
                                2.0 + std::sin(i / 100.0)});
    }
    return track;
}

void BM_ProfileOf100000PointsRedrawn(benchmark::State& state) {
    const auto axis = static_cast<trail::ProfileAxis>(state.range(0));
    const trail::ProfileSeries series = trail::SeriesOf(Walk(100'000), axis);
    view::ProfilePlot plot;
    plot.resize(1000, 240);
    plot.SetSeries(&series);
    plot.SetCursor(50'000);
    QImage image(plot.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        plot.SeriesChanged();
        QPainter painter(&image);
        plot.Paint(painter);
    }
    state.SetLabel(axis == trail::ProfileAxis::Time ? "by time" : "by distance");
}
BENCHMARK(BM_ProfileOf100000PointsRedrawn)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ProfileSamplesOf100000Points(benchmark::State& state) {
    const trail::Track track = Walk(100'000);
    for (auto _ : state) {
        const trail::ProfileSeries series = trail::SeriesOf(track, trail::ProfileAxis::Distance);
        benchmark::DoNotOptimize(series.Samples().data());
    }
}
BENCHMARK(BM_ProfileSamplesOf100000Points)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
