#pragma once

#include "map/formats/ImageDecoder.h"
#include "map/pyramid/MapPyramid.h"
#include "map/pyramid/PyramidTarget.h"

#include <functional>
#include <memory>
#include <string>

namespace map {

// Streams a JPEG map into its pyramid: rows go straight into level 0 as they are decoded, and
// a second thread builds the reduced levels band by band behind them, after first decoding a
// small picture of the whole map at 1/8 scale for the caller to show meanwhile. No image of
// the whole map is ever held besides the pyramid, so maps far beyond what fits twice in
// memory load. A map whose pyramid is beyond the cache's bound or the memory is not held at all:
// it streams into its cache entry (PyramidStreamEntry) and shows from there.
struct JpegPyramidOptions {
    // Fraction done, from the decoding thread; false stops the load (the result is then empty
    // with no error).
    std::function<bool(double)> progress = [](double) { return true; };
    // Asked from the second thread while the picture decodes; true stops the load as a false
    // from progress does.
    std::function<bool()> cancelled = [] { return false; };
    // Gets the small picture (its own pyramid, 1/8 of the map's size) from the second thread,
    // before the load ends. Empty: no picture is made.
    std::function<void(MapPyramid)> preview;
    // Gets the map's pyramid and how many of its full-resolution rows are stored, from the
    // decoding thread after each band of rows; those rows never change again, so the caller
    // may show them while the rest decodes. Only after a picture was given.
    std::function<void(MapPyramid, int rows)> rowsStored;
    // Maps of fewer pixels decode too fast for a picture to be worth it.
    long long previewMinPixels = 2048LL * 2048;
    // Where the pyramid is built.
    std::function<std::unique_ptr<PyramidTarget>(int width, int height, std::string* error)> target;
    // Where a map too big for that streams instead (asked first; null: target), its tiles cut
    // as the rows come; no rows are then shown before the end.
    MakePyramidStream stream;
};

struct JpegPyramid {
    MapPyramid map; // empty after a failure or a stop
    // The map streamed into its cache entry instead (map is then empty).
    std::shared_ptr<TiledMap> tiles;
    std::string error;      // why, after a failure: plain English without the path
    bool endsEarly = false; // the file is cut short: the rest of the map is grey
    bool damaged = false;   // corrupt data was skipped: part of the map may be wrong
    // A whole map's place, not yet committed: map shows at once, and Commit (on any thread,
    // it flushes a gigabyte to the disk) keeps it for the next open.
    std::unique_ptr<PyramidTarget> keep;
};

// Scale of the small picture against the map.
inline constexpr int kJpegPreviewScale = 8;

// fd: the open map file (platform::OpenRegularFile), read with pread only.
JpegPyramid LoadJpegPyramid(int fd, const JpegPyramidOptions& options);

// The JPEG decoder row (ImageDecoder): the header through the decoder's header reader, the
// pixels streamed as LoadJpegPyramid does, with the open's early picture and rows.
ImageHeaderResult JpegImageHeader(int fd, const std::string& path, const DecodeContext* context);
DecodedImage DecodeJpegImage(int fd, const std::string& path, const DecodeContext& context);

} // namespace map
