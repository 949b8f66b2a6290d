// Paint time of one map view frame at 1280 x 800: a 12000 x 9000 map at zoom 0.25, 1 and 8,
// 9999 trail samples drawn as lines and 2000 labelled map points, the view centred on the map.
// Reports the median of repeated runs per zoom.
#include "view/MapView.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

namespace {

constexpr int kMapWidth = 12000;
constexpr int kMapHeight = 9000;
constexpr int kTrailSamples = 9999;
constexpr int kMapPoints = 2000;

// A fixed pseudo-random sequence, so every run paints the same scene.
struct Lcg {
    std::uint64_t state = 0x2545F4914F6CDD1DULL;
    double Next() { // [0, 1)
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state >> 11) / 9007199254740992.0;
    }
};

QImage MakeMap() {
    QImage map(kMapWidth, kMapHeight, QImage::Format_RGB32);
    // Stripes and a grid rather than one colour: scaling cost must not depend on a trivial
    // image.
    for (int y = 0; y < kMapHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(map.scanLine(y));
        for (int x = 0; x < kMapWidth; ++x)
            line[x] = (x % 100 == 0 || y % 100 == 0) ? qRgb(90, 90, 90)
                                                     : qRgb(240, 230 - (x / 40) % 40, 200 + y % 50);
    }
    return map;
}

MapView& SharedView() {
    static MapView* view = [] {
        static const MemorySettingsStore store;
        auto* v = new MapView(store);
        v->resize(1280, 800);
        v->show();
        v->SetMapImage(MakeMap());

        session::MapSession scene = v->Session();
        // 0.12 degree of longitude across, 0.06 of latitude down, north up.
        calib::CGPSMapFuncs calibration;
        calibration.AddCalibrationPoint(MapPos(0, 0), MapPos(-1.06, 51.40));
        calibration.AddCalibrationPoint(MapPos(kMapWidth, 0), MapPos(-0.94, 51.40));
        calibration.AddCalibrationPoint(MapPos(0, kMapHeight), MapPos(-1.06, 51.46));
        scene.SetCalibration(calibration);

        Lcg random;
        std::vector<CMapPoint> mapPoints;
        for (int i = 0; i < kMapPoints; ++i) {
            const MapPos pixel(random.Next() * kMapWidth, random.Next() * kMapHeight);
            mapPoints.emplace_back("WP" + std::to_string(1000 + i), scene.PixelToGeo(pixel),
                                   1 + i % 4, i % 8, (i + 3) % 8, i % 5, "");
        }
        scene.SetMapPoints(std::move(mapPoints));

        // A wandering walk with steps of about 20 pixels, kept on the map.
        trail::TrailBuffer trail;
        double x = kMapWidth / 2.0;
        double y = kMapHeight / 2.0;
        for (int i = 0; i < kTrailSamples; ++i) {
            x = std::clamp(x + (random.Next() - 0.5) * 40.0, 1.0, kMapWidth - 1.0);
            y = std::clamp(y + (random.Next() - 0.5) * 40.0, 1.0, kMapHeight - 1.0);
            trail.AddFront(scene.PixelToGeo(MapPos(x, y)));
        }
        scene.SetTrail(trail);
        ViewSettings settings = scene.Settings();
        settings.trailLength = kTrailSamples;
        settings.trailStyle = 1;
        scene.SetSettings(settings);

        session::ShowFlags flags;
        flags.mapPoints = flags.labels = flags.trail = true;
        flags.statusInfo = flags.cursorInfo = true;
        scene.SetShowFlags(flags);
        v->SetSession(std::move(scene));
        return v;
    }();
    return *view;
}

void PaintFrame(benchmark::State& state) {
    MapView& view = SharedView();
    view.SetZoom(static_cast<double>(state.range(0)) / 100.0);
    view.GoToMapCentre();
    // The window's backing store format on the raster engine.
    QImage frame(1280, 800, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&frame);
        view.PaintFrame(painter);
        painter.end();
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.SetLabel("zoom " + std::to_string(state.range(0)) + "%");
}

BENCHMARK(PaintFrame)
    ->Arg(25)
    ->Arg(100)
    ->Arg(800)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
