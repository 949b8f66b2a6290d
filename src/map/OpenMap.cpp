#include "map/OpenMap.h"

#include "map/GeoTiff.h"
#include "map/GeoTiffPyramid.h"
#include "map/JpegPyramid.h"
#include "map/PyramidCache.h"
#include "map/TiffFile.h"
#include "platform/FileIo.h"
#include "platform/JpegDecoder.h"

#include <sys/stat.h>

#include <optional>

namespace map {

namespace {

// What every write to a file moves; the status change time cannot be set back by anyone.
bool SameFileState(const struct stat& a, const struct stat& b) {
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec && a.st_ctim.tv_sec == b.st_ctim.tv_sec &&
           a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

OpenedMap DecodeJpeg(int fd, const OpenMapOptions& options, const MakePyramidTarget& target,
                     OpenMapEvents& events) {
    JpegPyramidOptions jpeg;
    jpeg.progress = [&events](double done) { return events.Progress(done); };
    jpeg.cancelled = [&events] { return events.Cancelled(); };
    jpeg.preview = [&events](MapPyramid picture) { events.EarlyPicture(std::move(picture)); };
    jpeg.rowsStored = [&events](MapPyramid map, int rows) {
        const int columns = map.Width();
        events.RowsStored(std::move(map), columns, rows);
    };
    jpeg.previewMinPixels = options.earlyPictureMinPixels;
    jpeg.target = target;
    JpegPyramid loaded = LoadJpegPyramid(fd, jpeg);
    OpenedMap out;
    out.map = std::move(loaded.map);
    out.error = std::move(loaded.error);
    out.incomplete = loaded.endsEarly;
    out.damaged = loaded.damaged;
    out.keep = std::move(loaded.keep);
    return out;
}

OpenedMap DecodeTiff(int fd, const OpenMapOptions& options, const MakePyramidTarget& target,
                     OpenMapEvents& events) {
    GeoTiffPyramidOptions tiff;
    tiff.progress = [&events](double done) { return events.Progress(done); };
    tiff.preview = [&events](MapPyramid picture) { events.EarlyPicture(std::move(picture)); };
    tiff.regionStored = [&events](MapPyramid map, int columns, int rows) {
        events.RowsStored(std::move(map), columns, rows);
    };
    tiff.previewMinPixels = options.earlyPictureMinPixels;
    tiff.firstColumns = options.firstViewWidth;
    tiff.firstRows = options.firstViewHeight;
    tiff.target = target;
    GeoTiffPyramid loaded = LoadGeoTiffPyramid(fd, tiff);
    OpenedMap out;
    out.map = std::move(loaded.map);
    out.error = std::move(loaded.error);
    out.keep = std::move(loaded.keep);
    return out;
}

OpenedMap DecodeTiles(const std::string& path, const MbTilesInfo& info,
                      const OpenMapOptions& options, const MakePyramidTarget& target,
                      OpenMapEvents& events) {
    OpenedMap out;
    if (options.tileImages == nullptr) {
        out.error = "no decoder of map tiles";
        return out;
    }
    MbTilesPyramidOptions tiles;
    tiles.progress = [&events](double done) { return events.Progress(done); };
    tiles.decoder = options.tileImages;
    tiles.target = target;
    MbTilesPyramid loaded = LoadMbTilesPyramid(path, info, tiles);
    out.map = std::move(loaded.map);
    out.error = std::move(loaded.error);
    out.damaged = loaded.damaged;
    out.keep = std::move(loaded.keep);
    return out;
}

OpenedMap DecodeOther(int fd, const OpenMapOptions& options, const MakePyramidTarget& target,
                      OpenMapEvents& events) {
    OpenedMap out;
    if (options.otherImages == nullptr) {
        out.error = "not a JPEG image";
        return out;
    }
    WholeImageDecoder::Decoded decoded = options.otherImages->Decode(
        fd, target, [&events](double done) { return events.Progress(done); });
    out.error = std::move(decoded.error);
    out.incomplete = decoded.incomplete;
    if (!decoded.place)
        return out;
    // Part of a file that ends early is missing: shown this once, never kept.
    if (decoded.incomplete) {
        out.map = decoded.place->Discard();
    } else {
        out.map = decoded.place->Pyramid();
        out.keep = std::move(decoded.place);
    }
    return out;
}

} // namespace

OpenedMap OpenMap(const std::string& mapPath, const OpenMapOptions& options,
                  OpenMapEvents& events) {
    OpenedMap out;
    MapSourceResult read = ReadMapSource(mapPath);
    // A file of no known kind goes to the image decoders, which decide by its content as ever
    // (they may read more kinds of image than recognition knows).
    if (!read.source && !read.recognised) {
        read.source.emplace();
        read.source->format = &FormatOf(MapFileKind::Image);
        read.source->path = read.source->imagePath = mapPath;
    }
    if (!read.source) {
        // The caller names the file it opened; another file (a .prj, the image) is named here.
        const std::string prefix = mapPath + ": ";
        out.error = read.error.starts_with(prefix) ? read.error.substr(prefix.size()) : read.error;
        return out;
    }
    MapSource source = std::move(*read.source);
    const std::string& path = source.imagePath;
    // Opened once, without waiting on a FIFO: the cache's key, the size and every decode come
    // from this one file, whatever the path names meanwhile.
    int err = 0;
    platform::UniqueFd fd =
        source.imageFd.Valid() ? std::move(source.imageFd) : platform::OpenRegularFile(path, &err);
    if (!fd.Valid()) {
        out.error =
            path == mapPath ? platform::ErrorText(err) : path + ": " + platform::ErrorText(err);
        return out;
    }
    const bool fromArchive = path == mapPath && source.format->kind == MapFileKind::Kmz;
    struct stat before {};
    ::fstat(fd.Get(), &before);
    const bool jpeg = platform::IsJpegFile(fd.Get());
    const bool tiff = !jpeg && IsTiffFile(fd.Get());
    std::optional<MbTilesInfo> tiles;
    if (!jpeg && !tiff && IsMbTilesFile(fd.Get())) {
        MbTilesInfoResult read = ReadMbTilesInfo(path);
        if (!read.info) {
            out.error = std::move(read.error);
            return out;
        }
        tiles = read.info;
    }
    int width = 0;
    int height = 0;
    if (jpeg) {
        platform::JpegInfo info;
        if (platform::ReadJpegInfo(fd.Get(), &info).ok) {
            width = info.width;
            height = info.height;
        }
    } else if (tiles) {
        width = tiles->Width();
        height = tiles->Height();
    } else if (tiff) {
        if (const GeoTiffHeaderResult header = ReadGeoTiffHeader(fd.Get()); header.header) {
            width = header.header->width;
            height = header.header->height;
        }
    } else if (options.otherImages != nullptr &&
               !options.otherImages->HeaderSize(fd.Get(), &width, &height)) {
        width = height = 0;
    }
    // A map opened before comes back from the cache, mapped, without a decode (and so
    // without an early picture).
    const PyramidCache cache(fromArchive ? std::filesystem::path() : options.cacheFolder);
    if (width > 0 && height > 0)
        out.map = cache.Open(path, fd.Get(), width, height);
    if (!out.map.Empty()) {
        out.source = std::move(source);
        return out;
    }
    const MakePyramidTarget target = [&](int w, int h, std::string* error) {
        return NewPyramidTarget(cache, path, fd.Get(), w, h, error);
    };
    // JPEG and TIFF maps stream into their pyramid, so their size is bound by the cache or
    // memory, not by what a whole-image decoder agrees to hold.
    out = jpeg    ? DecodeJpeg(fd.Get(), options, target, events)
          : tiff  ? DecodeTiff(fd.Get(), options, target, events)
          : tiles ? DecodeTiles(path, *tiles, options, target, events)
                  : DecodeOther(fd.Get(), options, target, events);
    // Written to while it decoded: shown this once, never kept under a key it may not match.
    struct stat after {};
    if (out.keep && (::fstat(fd.Get(), &after) != 0 || !SameFileState(before, after))) {
        out.map = out.keep->Discard();
        out.keep.reset();
    }
    out.source = std::move(source);
    return out;
}

} // namespace map
