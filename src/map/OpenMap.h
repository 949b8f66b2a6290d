#pragma once

#include "map/MapSource.h"
#include "map/formats/MbTiles.h"
#include "map/pyramid/MapPyramid.h"
#include "map/pyramid/PyramidTarget.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace map {

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
    // Null: only JPEG and TIFF maps and maps kept in the cache open.
    const WholeImageDecoder* otherImages = nullptr;
    // The tiles of MBTiles files; null: those do not open. It must outlive the maps opened,
    // which decode their tiles as they are shown.
    const TileImageDecoder* tileImages = nullptr;
};

// One opened map file.
struct OpenedMap {
    MapPyramid map; // empty when the image could not be had, or after a stop
    // A tile set instead, read as it is shown (map is then empty).
    std::shared_ptr<TiledMap> tiles;
    std::string error;       // why, when map is empty and not stopped: without the path
    bool incomplete = false; // the file ends early: part of the image may be missing
    bool damaged = false;    // corrupt data was skipped: part of the image may be wrong
    // When set, a map shown at once and not kept yet: Commit (on any thread; it flushes to
    // the disk) keeps it for the next open.
    std::unique_ptr<PyramidTarget> keep;
    // What the map file says: its kind, its image and where its pixels lie (format null when
    // the file could not be read).
    MapSource source;
};

// Opens the map file at path, of any kind ReadMapSource reads, then its image: the pyramid kept
// from an earlier open of the same image when there is one, else the JPEG or TIFF stream (early
// picture, rows as they are stored), else the tiles of an MBTiles file (as a tile set read on
// demand at its own zooms), else the other decoder.
// The image is opened once; everything comes from that one file, whatever the path names
// meanwhile, and a file written to while it decoded is shown but not kept. An image taken out of
// an archive is never kept. A document of several ground overlays opens as one map: each overlay
// decoded in turn and drawn where it lies (one that does not decode is left out with a warning in
// source); the mosaic of a KMZ is kept under the archive.
OpenedMap OpenMap(const std::string& path, const OpenMapOptions& options, OpenMapEvents& events);

} // namespace map
