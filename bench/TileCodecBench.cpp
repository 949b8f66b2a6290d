// The codec of the map cache's tiles: 64 tiles of 256 x 256 pixels cut from a 2048 x 2048 scan
// (the scan pattern of open-bench through cjpeg -quality 85 and djpeg, so the pixels carry a
// JPEG's noise as a decoded scan does), each compressed and decompressed alone as the cache
// does. Candidates: LZ4 (default acceleration) and zstd at levels 1 and 3 of the pixels, the
// cache's own packing (map::PackTile: zstd 1 of planes of differences), and JPEGs of quality
// 85, 90 and 95 (the packing of maps beyond the cache's bound).
//   Codec/compress/NAME, Codec/decompress/NAME  CPU per tile; counters: ratio (raw bytes /
//                                               packed bytes), mb_per_s of raw pixels and
//                                               mean_error (a channel's mean difference)
// Needs cjpeg and djpeg (libjpeg-turbo-progs).
#include "ScanPattern.h"
#include "map/pyramid/TileCodec.h"
#include "platform/JpegTile.h"

#include <benchmark/benchmark.h>
#include <lz4.h>
#include <zstd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr int kSide = 2048;
constexpr int kTile = 256;
constexpr std::size_t kTileBytes = std::size_t{kTile} * kTile * 4;

using Tile = std::vector<std::uint32_t>;

// The decoded scan's tiles, made once.
const std::vector<Tile>& Tiles() {
    static const std::vector<Tile> tiles = [] {
        const std::filesystem::path jpeg =
            std::filesystem::temp_directory_path() /
            ("quilo-codec-bench-" + std::to_string(::getpid()) + ".jpg");
        {
            FILE* encoder =
                ::popen(("cjpeg -quality 85 -outfile '" + jpeg.string() + "'").c_str(), "w");
            if (encoder == nullptr)
                std::abort();
            std::fprintf(encoder, "P6\n%d %d\n255\n", kSide, kSide);
            std::vector<unsigned char> rgb(std::size_t{kSide} * 3);
            for (int y = 0; y < kSide; ++y) {
                WriteScanRow(y, rgb, kSide);
                std::fwrite(rgb.data(), 1, rgb.size(), encoder);
            }
            if (::pclose(encoder) != 0)
                std::abort();
        }
        FILE* decoder = ::popen(("djpeg -pnm '" + jpeg.string() + "'").c_str(), "r");
        int width = 0;
        int height = 0;
        int maxValue = 0;
        if (decoder == nullptr ||
            std::fscanf(decoder, "P6 %d %d %d", &width, &height, &maxValue) != 3 ||
            width != kSide || height != kSide || std::fgetc(decoder) == EOF)
            std::abort();
        std::vector<unsigned char> rgb(std::size_t{kSide} * kSide * 3);
        if (std::fread(rgb.data(), 1, rgb.size(), decoder) != rgb.size())
            std::abort();
        ::pclose(decoder);
        std::filesystem::remove(jpeg);
        std::vector<Tile> out;
        for (int ty = 0; ty < kSide / kTile; ++ty)
            for (int tx = 0; tx < kSide / kTile; ++tx) {
                Tile tile(std::size_t{kTile} * kTile);
                for (int y = 0; y < kTile; ++y)
                    for (int x = 0; x < kTile; ++x) {
                        const unsigned char* p =
                            &rgb[((static_cast<std::size_t>(ty) * kTile + y) * kSide + tx * kTile +
                                  x) *
                                 3];
                        tile[static_cast<std::size_t>(y) * kTile + x] =
                            0xFF000000u | p[0] << 16 | p[1] << 8 | p[2];
                    }
                out.push_back(std::move(tile));
            }
        return out;
    }();
    return tiles;
}

struct Codec {
    const char* name;
    std::size_t (*compress)(const Tile&, std::string&);
    bool (*decompress)(const std::string&, Tile&);
};

std::size_t Lz4Compress(const Tile& tile, std::string& out) {
    out.resize(static_cast<std::size_t>(LZ4_compressBound(static_cast<int>(kTileBytes))));
    const int n = LZ4_compress_default(reinterpret_cast<const char*>(tile.data()), out.data(),
                                       static_cast<int>(kTileBytes), static_cast<int>(out.size()));
    out.resize(static_cast<std::size_t>(n));
    return out.size();
}

bool Lz4Decompress(const std::string& in, Tile& tile) {
    return LZ4_decompress_safe(in.data(), reinterpret_cast<char*>(tile.data()),
                               static_cast<int>(in.size()),
                               static_cast<int>(kTileBytes)) == static_cast<int>(kTileBytes);
}

template <int Level> std::size_t ZstdCompress(const Tile& tile, std::string& out) {
    static ZSTD_CCtx* context = ZSTD_createCCtx();
    out.resize(ZSTD_compressBound(kTileBytes));
    const std::size_t n =
        ZSTD_compressCCtx(context, out.data(), out.size(), tile.data(), kTileBytes, Level);
    out.resize(ZSTD_isError(n) ? 0 : n);
    return out.size();
}

bool ZstdDecompress(const std::string& in, Tile& tile) {
    static ZSTD_DCtx* context = ZSTD_createDCtx();
    return ZSTD_decompressDCtx(context, tile.data(), kTileBytes, in.data(), in.size()) ==
           kTileBytes;
}

std::size_t PlanesCompress(const Tile& tile, std::string& out) {
    out.clear();
    return map::PackTile(tile.data(), out) ? out.size() : 0;
}

bool PlanesDecompress(const std::string& in, Tile& tile) {
    return map::UnpackTile(std::as_bytes(std::span(in)), tile.data());
}

template <int Quality> std::size_t JpegCompress(const Tile& tile, std::string& out) {
    out.clear();
    return platform::EncodeJpegTile(tile.data(), kTile, Quality, out) ? out.size() : 0;
}

bool JpegDecompress(const std::string& in, Tile& tile) {
    return platform::DecodeJpegTile(std::as_bytes(std::span(in)), tile.data(), kTile);
}

const Codec kCodecs[] = {
    {"lz4", &Lz4Compress, &Lz4Decompress},
    {"zstd1", &ZstdCompress<1>, &ZstdDecompress},
    {"zstd3", &ZstdCompress<3>, &ZstdDecompress},
    {"planes-zstd1", &PlanesCompress, &PlanesDecompress},
    {"jpeg85", &JpegCompress<85>, &JpegDecompress},
    {"jpeg90", &JpegCompress<90>, &JpegDecompress},
    {"jpeg95", &JpegCompress<95>, &JpegDecompress},
};

void Compress(benchmark::State& state, const Codec& codec) {
    const std::vector<Tile>& tiles = Tiles();
    std::string packed;
    std::size_t raw = 0;
    std::size_t out = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        out += codec.compress(tiles[i % tiles.size()], packed);
        raw += kTileBytes;
        ++i;
    }
    state.counters["ratio"] = static_cast<double>(raw) / static_cast<double>(out);
    state.counters["mb_per_s"] =
        benchmark::Counter(static_cast<double>(raw) / 1e6, benchmark::Counter::kIsRate);
}

void Decompress(benchmark::State& state, const Codec& codec) {
    std::vector<std::string> packed;
    for (const Tile& tile : Tiles()) {
        packed.emplace_back();
        codec.compress(tile, packed.back());
    }
    Tile tile(std::size_t{kTile} * kTile);
    std::size_t raw = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        if (!codec.decompress(packed[i % packed.size()], tile)) {
            state.SkipWithError("a tile did not decompress");
            return;
        }
        benchmark::DoNotOptimize(tile.data());
        raw += kTileBytes;
        ++i;
    }
    state.counters["mb_per_s"] =
        benchmark::Counter(static_cast<double>(raw) / 1e6, benchmark::Counter::kIsRate);
    // What a lossy codec changes: the mean difference of a colour channel, over every tile.
    double error = 0;
    for (std::size_t t = 0; t < packed.size(); ++t) {
        codec.decompress(packed[t], tile);
        for (std::size_t p = 0; p < tile.size(); ++p)
            for (int shift = 0; shift < 24; shift += 8)
                error += std::abs(static_cast<int>(tile[p] >> shift & 0xFF) -
                                  static_cast<int>(Tiles()[t][p] >> shift & 0xFF));
    }
    state.counters["mean_error"] =
        error / (3.0 * static_cast<double>(packed.size()) * static_cast<double>(tile.size()));
}

} // namespace

int main(int argc, char** argv) {
    for (const Codec& codec : kCodecs) {
        benchmark::RegisterBenchmark((std::string("Codec/compress/") + codec.name).c_str(),
                                     [&codec](benchmark::State& s) { Compress(s, codec); });
        benchmark::RegisterBenchmark((std::string("Codec/decompress/") + codec.name).c_str(),
                                     [&codec](benchmark::State& s) { Decompress(s, codec); });
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
