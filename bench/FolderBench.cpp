// A map folder of 200 sheets, made once into a temporary folder: 100 UTM sheets with their
// world files and .prj (the image from GDAL's gdal_create, the grid from gdalsrsinfo) and 100
// handheld maps with their calibration files, in ten subfolders.
//   BM_IndexFolder  indexing it with no index kept: every map read for its outline and scale,
//                   the index written
//   BM_ReopenIndex  indexing it again with its index kept: the folder walked, the index read
// Wall-clock milliseconds; the goals are under 2 s and under 50 ms. The index is made once:
// PROJ's conversions are kept for the life of the process, and a second index in the same
// process would not show what a first one costs.
#include "calib/CalibrationFile.h"
#include "map/MapFolder.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kSheets = 200;

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct Folder {
    fs::path root;
    fs::path cache;
    bool ok = false;

    Folder() {
        std::string pattern = fs::temp_directory_path() / "quilo-folder-bench-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            return;
        root = fs::path(pattern) / "maps";
        cache = fs::path(pattern) / "cache";
        const fs::path image = fs::path(pattern) / "sheet.png";
        if (std::system(
                ("gdal_create -q -of PNG -outsize 2000 1600 -burn 90 '" + image.string() + "'")
                    .c_str()) != 0)
            return;
        const std::string prj = Output("gdalsrsinfo -o wkt_esri EPSG:32632");
        for (int i = 0; i < kSheets; ++i) {
            const fs::path folder = root / ("part" + std::to_string(i % 10));
            fs::create_directories(folder);
            const fs::path png = folder / ("sheet" + std::to_string(i) + ".png");
            fs::copy_file(image, png);
            const double east = 400000 + (i % 20) * 10000;
            const double north = 5200000 - (i / 20) * 8000;
            if (i % 2 == 0) {
                Write(fs::path(png).replace_extension(".pgw"),
                      "5\n0\n0\n-5\n" + std::to_string(east + 2.5) + '\n' +
                          std::to_string(north - 2.5) + '\n');
                Write(fs::path(png).replace_extension(".prj"), prj);
            } else {
                calib::CGPSMapFuncs calibration;
                const double lon = 6 + (i % 20) * 0.13;
                const double lat = 47 - (i / 20) * 0.07;
                calibration.AddCalibrationPoint(MapPos(0, 0), MapPos(lon, lat - 0.07));
                calibration.AddCalibrationPoint(MapPos(2000, 0), MapPos(lon + 0.13, lat - 0.07));
                calibration.AddCalibrationPoint(MapPos(0, 1600), MapPos(lon, lat));
                if (!calib::SaveCalibrationFile(fs::path(png).replace_extension(".mcd"),
                                                calibration))
                    return;
            }
        }
        ok = true;
    }
    ~Folder() {
        std::error_code ignored;
        if (!root.empty())
            fs::remove_all(root.parent_path(), ignored);
    }
};

Folder& TheFolder() {
    static Folder folder;
    return folder;
}

void Check(benchmark::State& state, const map::IndexedFolder& indexed) {
    if (!indexed.index || map::MapsByDetail(*indexed.index).size() != kSheets)
        state.SkipWithError("the folder's maps were not all indexed");
}

void BM_IndexFolder(benchmark::State& state) {
    Folder& folder = TheFolder();
    if (!folder.ok) {
        state.SkipWithError("cannot make the folder (gdal_create, gdalsrsinfo)");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(folder.cache);
        state.ResumeTiming();
        Check(state, map::IndexMapFolder(folder.root, folder.cache));
    }
    state.counters["maps"] = kSheets;
}
BENCHMARK(BM_IndexFolder)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_ReopenIndex(benchmark::State& state) {
    Folder& folder = TheFolder();
    if (!folder.ok) {
        state.SkipWithError("cannot make the folder (gdal_create, gdalsrsinfo)");
        return;
    }
    Check(state, map::IndexMapFolder(folder.root, folder.cache));
    for (auto _ : state) {
        const map::IndexedFolder indexed = map::IndexMapFolder(folder.root, folder.cache);
        if (indexed.readAfresh != 0)
            state.SkipWithError("the kept index was not used");
    }
}
BENCHMARK(BM_ReopenIndex)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
