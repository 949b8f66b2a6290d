#include "map/pyramid/TileCodec.h"

#include "platform/JpegTile.h"

#include <zstd.h>

#include <algorithm>
#include <memory>

namespace map {

namespace {

constexpr int kSide = TiledMap::kTileSize;
constexpr std::size_t kPlane = TiledMap::kTilePixels;
constexpr std::size_t kPlanes = 3 * kPlane;
constexpr int kLevel = 1;

struct FreeCompressor {
    void operator()(ZSTD_CCtx* c) const { ZSTD_freeCCtx(c); }
};
struct FreeDecompressor {
    void operator()(ZSTD_DCtx* d) const { ZSTD_freeDCtx(d); }
};

} // namespace

bool PackTile(const MapPixel* tile, std::string& out, TilePacking packing, int width, int height) {
    if (packing == TilePacking::Jpeg) {
        if (width >= kSide && height >= kSide)
            return platform::EncodeJpegTile(tile, kSide, kJpegTileQuality, out);
        thread_local std::unique_ptr<MapPixel[]> padded(new MapPixel[kPlane]);
        for (int y = 0; y < kSide; ++y) {
            const MapPixel* from = tile + std::min(y, height - 1) * kSide;
            MapPixel* to = padded.get() + y * kSide;
            std::copy(from, from + width, to);
            std::fill(to + width, to + kSide, from[width - 1]);
        }
        return platform::EncodeJpegTile(padded.get(), kSide, kJpegTileQuality, out);
    }
    // A context per thread: making one costs more than packing a tile.
    thread_local const std::unique_ptr<ZSTD_CCtx, FreeCompressor> context(ZSTD_createCCtx());
    thread_local std::unique_ptr<unsigned char[]> planes(new unsigned char[kPlanes]);
    if (!context)
        return false;
    // The checksum tells a damaged tile from a tile of other pixels.
    ZSTD_CCtx_setParameter(context.get(), ZSTD_c_compressionLevel, kLevel);
    ZSTD_CCtx_setParameter(context.get(), ZSTD_c_checksumFlag, 1);
    for (int channel = 0; channel < 3; ++channel) {
        const int shift = 16 - 8 * channel;
        unsigned char* plane = planes.get() + channel * kPlane;
        for (std::size_t row = 0; row < kPlane; row += kSide) {
            unsigned char left = 0;
            for (std::size_t x = row; x < row + kSide; ++x) {
                const auto value = static_cast<unsigned char>(tile[x] >> shift);
                plane[x] = static_cast<unsigned char>(value - left);
                left = value;
            }
        }
    }
    const std::size_t start = out.size();
    out.resize(start + ZSTD_compressBound(kPlanes));
    const std::size_t n = ZSTD_compress2(context.get(), out.data() + start, out.size() - start,
                                         planes.get(), kPlanes);
    out.resize(ZSTD_isError(n) ? start : start + n);
    return !ZSTD_isError(n);
}

bool UnpackTile(std::span<const std::byte> packed, MapPixel* tile) {
    // A JPEG starts with its start-of-image marker; a zstd frame never does.
    if (packed.size() >= 2 && packed[0] == std::byte{0xFF} && packed[1] == std::byte{0xD8})
        return platform::DecodeJpegTile(packed, tile, kSide);
    thread_local const std::unique_ptr<ZSTD_DCtx, FreeDecompressor> context(ZSTD_createDCtx());
    thread_local std::unique_ptr<unsigned char[]> planes(new unsigned char[kPlanes]);
    if (!context)
        return false;
    const std::size_t n =
        ZSTD_decompressDCtx(context.get(), planes.get(), kPlanes, packed.data(), packed.size());
    if (ZSTD_isError(n) || n != kPlanes)
        return false;
    const unsigned char* red = planes.get();
    const unsigned char* green = red + kPlane;
    const unsigned char* blue = green + kPlane;
    for (std::size_t row = 0; row < kPlane; row += kSide) {
        unsigned char r = 0;
        unsigned char g = 0;
        unsigned char b = 0;
        for (std::size_t x = row; x < row + kSide; ++x) {
            r = static_cast<unsigned char>(r + red[x]);
            g = static_cast<unsigned char>(g + green[x]);
            b = static_cast<unsigned char>(b + blue[x]);
            tile[x] = 0xFF000000u | MapPixel{r} << 16 | MapPixel{g} << 8 | b;
        }
    }
    return true;
}

} // namespace map
