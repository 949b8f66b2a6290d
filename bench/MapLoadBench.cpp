// Load time of a large JPEG map (16384 x 16384, about 40 MB): from StartLoadMap to the first
// picture on screen (MapPreviewShown) and to the map itself (MapLoadFinished), beside the
// decoder alone reading the same file at 1/8 and at full scale into nothing, which is what
// a command-line JPEG decoder costs. The file is generated once into the temporary folder
// (QUILO_BENCH_JPEG names another). Wall-clock seconds per case.
#include "platform/JpegDecoder.h"
#include "platform/MessageBox.h"
#include "platform/SettingsStore.h"
#include "view/MapView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kSide = 16384;

// A scan-like picture: smooth washes, a grid of lines and fine grain, so the file compresses
// like a real map rather than like one colour.
bool WriteJpeg(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = kSide;
    info.image_height = kSide;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(kSide) * 3);
    std::uint32_t seed = 12345;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>(seed >> 27); // 0..31
            const bool line = x % 97 < 2 || y % 89 < 2 || (x + y) % 613 < 3;
            unsigned char* p = &row[static_cast<std::size_t>(x) * 3];
            p[0] = static_cast<unsigned char>(line ? 60 : 200 + (x / 64) % 40 - grain / 2);
            p[1] = static_cast<unsigned char>(line ? 60 : 180 + (y / 80) % 50 + grain / 4);
            p[2] = static_cast<unsigned char>(line ? 140 : 150 + ((x ^ y) / 128) % 60 - grain);
        }
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&info, &pointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

const std::string& BigJpeg() {
    static const std::string path = [] {
        if (const char* given = std::getenv("QUILO_BENCH_JPEG"))
            return std::string(given);
        std::string p = "/tmp/quilo-bench-map-16384.jpg";
        platform::JpegInfo info;
        if (!platform::ReadJpegInfo(p, &info).ok && !WriteJpeg(p))
            std::abort();
        return p;
    }();
    return path;
}

void DecodeIntoNothing(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    platform::JpegInfo info;
    if (!platform::ReadJpegInfo(BigJpeg(), &info).ok) {
        state.SkipWithError("no test file");
        return;
    }
    for (auto _ : state) {
        std::uint64_t sum = 0;
        const auto outcome =
            platform::DecodeJpeg(BigJpeg(), scale, info, [&](int, const std::uint32_t* row) {
                sum += row[0];
                return true;
            });
        benchmark::DoNotOptimize(sum);
        if (!outcome.ok)
            state.SkipWithError(outcome.error.c_str());
    }
}
BENCHMARK(DecodeIntoNothing)->Arg(8)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// range(0): 0 times the first picture, 1 the map itself.
void LoadMap(benchmark::State& state) {
    static const MemorySettingsStore store;
    const QString path = QString::fromStdString(BigJpeg());
    for (auto _ : state) {
        MapView view(store);
        view.resize(1280, 800);
        view.show();
        QEventLoop loop;
        QElapsedTimer clock;
        double previewSeconds = -1.0;
        double mapSeconds = -1.0;
        QObject::connect(&view, &MapView::MapPreviewShown, &view,
                         [&] { previewSeconds = clock.nsecsElapsed() * 1e-9; });
        QObject::connect(&view, &MapView::MapLoadFinished, &view,
                         [&](const QString&, bool loaded, const QString&) {
                             mapSeconds = loaded ? clock.nsecsElapsed() * 1e-9 : -1.0;
                             loop.quit();
                         });
        clock.start();
        view.StartLoadMap(path);
        loop.exec();
        const double seconds = state.range(0) == 0 ? previewSeconds : mapSeconds;
        if (seconds < 0.0) {
            state.SkipWithError("the map did not load");
            break;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(LoadMap)
    ->ArgName("map")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // "no calibration information" would wait for someone to press OK.
    platform::SetMessageHook([](const platform::Message&) {});
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
