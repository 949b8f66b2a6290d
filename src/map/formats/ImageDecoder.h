#pragma once

#include "map/formats/ImageHeader.h"
#include "map/formats/MapFormats.h"
#include "map/pyramid/MapPyramid.h"
#include "map/pyramid/PyramidCache.h"
#include "map/pyramid/PyramidTarget.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace map {

class TileImageDecoder;

// What an open tells while it runs. The calls come from the threads that decode, never from
// the caller's own: an implementation hands them over.
class OpenMapEvents {
public:
    virtual ~OpenMapEvents() = default;
    // Fraction done; false stops the open (its result is then empty with no error).
    virtual bool Progress(double done) = 0;
    // Asked while nothing else is heard from (the picture decoding); true stops as Progress
    // returning false does.
    virtual bool Cancelled() = 0;
    // A small picture of the whole map (its own pyramid, 1/kJpegPreviewScale of the map's size)
    // to show while the rest decodes; only for large JPEG and TIFF maps (a TIFF's is blank).
    virtual void EarlyPicture(MapPyramid picture) = 0;
    // The map's pyramid and the region of its full-resolution pixels stored from the top left
    // corner (all columns of the first rows of a JPEG; a tiled TIFF's first view, then its
    // first rows); those pixels never change again. Only after an early picture.
    virtual void RowsStored(MapPyramid map, int columns, int rows) = 0;
};

// Makes the place a map of width x height is built in; null, with *error, when there is none.
using MakePyramidTarget =
    std::function<std::unique_ptr<PyramidTarget>(int width, int height, std::string* error)>;

// Makes the cache entry a map too big to be built in memory streams into; null when the map is
// not one, or, with *error, when there is none.
using MakePyramidStream =
    std::function<std::unique_ptr<PyramidStreamEntry>(int width, int height, std::string* error)>;

// The decoder of the image files the map room does not read itself (PNG, GIF, BMP...): they
// decode whole in memory, with a library of the caller's choosing.
class WholeImageDecoder {
public:
    struct Decoded {
        std::unique_ptr<PyramidTarget> place; // filled; null after a failure or a stop
        std::string error;                    // why, after a failure
        bool incomplete = false;              // the file ends early: part may be missing
    };
    virtual ~WholeImageDecoder() = default;
    // The size the header of the image file fd says, without decoding it; false when it says
    // none.
    [[nodiscard]] virtual bool HeaderSize(int fd, int* width, int* height) const = 0;
    // Decodes the image file fd into the place target makes for its size, telling progress
    // the fraction done (false stops).
    [[nodiscard]] virtual Decoded Decode(int fd, const MakePyramidTarget& target,
                                         const std::function<bool(double)>& progress) const = 0;
};

struct OpenMapOptions {
    // JPEG and TIFF maps of at least this many pixels show an early picture while they decode.
    long long earlyPictureMinPixels = 2048LL * 2048;
    // The view the map opens in (100 %, from the top left corner), in pixels: a tiled TIFF
    // decodes its tiles first.
    int firstViewWidth = 0;
    int firstViewHeight = 0;
    // Where opened maps are kept for the next open (PyramidCache); empty keeps none.
    std::filesystem::path cacheFolder;
    // The most the folder holds; a map whose pyramid's pixels are beyond it streams into it.
    std::uint64_t cacheLimit = PyramidCache::kDefaultLimit;
    // Null: only JPEG and TIFF maps and maps kept in the cache open.
    const WholeImageDecoder* otherImages = nullptr;
    // The tiles of MBTiles files; null: those do not open. It must outlive the maps opened,
    // which decode their tiles as they are shown.
    const TileImageDecoder* tileImages = nullptr;
    // What a tile server is told asks ("QUILO/<version>").
    std::string tileUserAgent = "QUILO";
    // Samples that are no bytes (elevations, 16-bit scans) are stretched between these
    // percentiles of their values; 0 and 100: between their own low and high.
    double stretchLowPercent = 0.0;
    double stretchHighPercent = 100.0;
};

// An image decoded into its pyramid.
struct DecodedImage {
    MapPyramid map; // empty when the image could not be had, or after a stop
    // A tile set instead, read as it is shown (map is then empty).
    std::shared_ptr<TiledMap> tiles;
    std::string error;       // why, when map is empty and not stopped: without the path
    bool incomplete = false; // the file ends early: part of the image may be missing
    bool damaged = false;    // corrupt data was skipped: part of the image may be wrong
    // When set, a map shown at once and not kept yet: Commit (on any thread; it flushes to
    // the disk) keeps it for the next open.
    std::unique_ptr<PyramidTarget> keep;
};

// What an open hands every decoder.
struct DecodeContext {
    const OpenMapOptions& options;
    const MakePyramidTarget& target; // where the pixels go
    OpenMapEvents& events;
    // Where the pixels of a map beyond the cache's bound go instead, for the decoders that
    // stream (JPEG); null: nowhere.
    const MakePyramidStream* stream = nullptr;
};

// One row per kind of image content: how it is told from its first bytes, how big it is, and
// how it is decoded into its pyramid. Nothing else looks at an image's bytes to tell its kind.
// A .map or a world file names an image of one of these; a GeoTIFF or an MBTiles file is its
// own.
struct ImageDecoder {
    std::string_view name; // "jpeg", "tiff", "tiles", "image"
    bool (*is)(int fd);
    // The kind and size the header of the file fd says (path names it in errors; a tile set
    // is opened by it), no pixel decoded. context is the open's, when an open asks: its other
    // decoder may know more kinds.
    ImageHeaderResult (*header)(int fd, const std::string& path, const DecodeContext* context);
    DecodedImage (*decode)(int fd, const std::string& path, const DecodeContext& context);
};

// Every row, in the order they are tried; the last takes every file the others do not.
std::span<const ImageDecoder> ImageDecoders();

// The row of the image file fd (read with pread, its offset left alone).
const ImageDecoder& DecoderFor(int fd);
// The row of the image of a map file of kind format: GDAL's for a raster GDAL reads, which
// no content tells, else as DecoderFor(fd).
const ImageDecoder& DecoderFor(int fd, const MapFormat& format);

} // namespace map
