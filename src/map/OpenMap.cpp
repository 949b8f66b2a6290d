#include "map/OpenMap.h"

#include "map/formats/KmzArchive.h"
#include "map/formats/OverlayMosaic.h"
#include "map/pyramid/PyramidCache.h"
#include "map/tiles/TileCache.h"
#include "map/tiles/TileSourceMap.h"
#include "platform/FileIo.h"

#include <sys/stat.h>

#include <limits>

namespace map {

namespace {

// What every write to a file moves; the status change time cannot be set back by anyone.
bool SameFileState(const struct stat& a, const struct stat& b) {
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec && a.st_ctim.tv_sec == b.st_ctim.tv_sec &&
           a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// What the decode of one overlay of a mosaic tells: its share of the progress, and no picture
// (an overlay is not the map).
class OverlayEvents final : public OpenMapEvents {
public:
    OverlayEvents(OpenMapEvents& events, double from, double share)
        : events_(events), from_(from), share_(share) {}
    bool Progress(double done) override { return events_.Progress(from_ + share_ * done); }
    bool Cancelled() override { return events_.Cancelled(); }
    void EarlyPicture(MapPyramid) override {}
    void RowsStored(MapPyramid, int, int) override {}

private:
    OpenMapEvents& events_;
    double from_;
    double share_;
};

// One overlay's image decoded whole into a pyramid of its own in memory (bounded as any map's
// is), to be drawn into the mosaic and dropped before the next.
DecodedImage DecodeOverlay(const MapSource& source, const OverlayImage& overlay,
                           const OpenMapOptions& options, OpenMapEvents& events) {
    DecodedImage out;
    int err = 0;
    platform::UniqueFd fd;
    if (source.format->kind == MapFileKind::Kmz) {
        KmzEntry entry = ExtractKmzEntry(source.path, overlay.image);
        fd = std::move(entry.fd);
        out.error = std::move(entry.error);
    } else {
        fd = platform::OpenRegularFile(overlay.image, &err);
        out.error = platform::ErrorText(err);
    }
    if (!fd.Valid())
        return out;
    out.error.clear();
    OpenMapOptions plain = options;
    plain.earlyPictureMinPixels = std::numeric_limits<long long>::max();
    const PyramidCache none{std::filesystem::path()};
    const MakePyramidTarget target = [&](int w, int h, std::string* error) {
        return NewPyramidTarget(none, overlay.image, fd.Get(), w, h, error);
    };
    return DecoderFor(fd.Get()).decode(fd.Get(), overlay.image, {plain, target, events});
}

// Several overlays of one document as one map: each decoded in turn and drawn into the mosaic
// where it lies, later ones over earlier ones. A KMZ holds all its images, so its mosaic is kept
// in the cache under the archive; a KML's images lie beside it and may change without it, so
// its mosaic is built there (a large one on disk) but never kept.
OpenedMap OpenMosaic(MapSource source, const OpenMapOptions& options, OpenMapEvents& events) {
    OpenedMap out;
    int err = 0;
    const platform::UniqueFd fd = platform::OpenRegularFile(source.path, &err);
    if (!fd.Valid()) {
        out.error = platform::ErrorText(err);
        return out;
    }
    struct stat before {};
    ::fstat(fd.Get(), &before);
    const bool keepable = source.format->kind == MapFileKind::Kmz;
    const PyramidCache cache(options.cacheFolder, options.cacheLimit);
    if (keepable)
        out.tiles = cache.Open(source.path, fd.Get(), source.width, source.height);
    if (out.tiles) {
        out.source = std::move(source);
        return out;
    }
    std::unique_ptr<PyramidTarget> place =
        NewPyramidTarget(cache, source.path, fd.Get(), source.width, source.height, &out.error);
    if (!place)
        return out;
    MapPyramid& mosaic = place->Pyramid();
    const MosaicCancelled cancelled = [&events] { return events.Cancelled(); };
    if (!FillBlank(mosaic, cancelled))
        return {};
    // Decoding takes most of the time; the reduced levels the rest.
    constexpr double kDecodeShare = 0.9;
    const double share = kDecodeShare / static_cast<double>(source.overlays.size());
    const std::array<double, 6> grid = source.grid->WorldFile();
    bool lost = false;
    std::size_t drawn = 0;
    std::string firstError;
    for (std::size_t i = 0; i < source.overlays.size(); ++i) {
        const OverlayImage& overlay = source.overlays[i];
        OverlayEvents part(events, share * static_cast<double>(i), share);
        DecodedImage image = DecodeOverlay(source, overlay, options, part);
        if (image.map.Empty() && image.error.empty())
            return {}; // stopped
        if (!image.map.Empty() && (image.map.Width() != overlay.placed.width ||
                                   image.map.Height() != overlay.placed.height))
            image.error = "its pixels are not the size its header says";
        if (image.map.Empty() || !image.error.empty()) {
            const std::string why = overlay.href + ": " + image.error;
            source.warnings.push_back(source.path + ": " + why + "; that overlay is left out");
            if (firstError.empty())
                firstError = why;
            lost = true;
            continue;
        }
        out.incomplete = out.incomplete || image.incomplete;
        out.damaged = out.damaged || image.damaged;
        if (!DrawOverlay(mosaic, grid, image.map, overlay.placed.affine, cancelled))
            return {};
        ++drawn;
    }
    if (drawn == 0) {
        out.error = "none of its " + std::to_string(source.overlays.size()) +
                    " ground overlays decodes (" + firstError + ")";
        return out;
    }
    if (!mosaic.BuildReducedLevels([&events](double done) {
            return events.Progress(kDecodeShare + (1 - kDecodeShare) * done);
        }))
        return {};
    struct stat after {};
    // A mosaic missing a part, or of an archive written to meanwhile, is shown this once.
    if (!keepable || lost || out.incomplete || out.damaged || ::fstat(fd.Get(), &after) != 0 ||
        !SameFileState(before, after)) {
        out.map = place->Discard();
    } else {
        out.map = place->Pyramid();
        out.keep = std::move(place);
    }
    out.source = std::move(source);
    return out;
}

// A tile source is no file of the table: its row is its own, named for what --info prints.
constexpr MapFormat kTileSourceFormat{
    MapFileKind::MbTiles, "tile-source", "Tile Sources (*.tiles)", "*.tiles", "", nullptr, nullptr};

OpenedMap OpenTileSource(const std::string& path, const OpenMapOptions& options) {
    OpenedMap out;
    const TileSourceResult found = path.ends_with(".tiles")
                                       ? ReadTileSourceFile(path)
                                       : FindTileSource(path, TileSourceFolders());
    if (!found.source) {
        out.error = found.error;
        return out;
    }
    if (options.tileImages == nullptr) {
        out.error = "no decoder of map tiles";
        return out;
    }
    TileSourceOptions tileOptions;
    tileOptions.userAgent = options.tileUserAgent;
    tileOptions.cacheFolder = TileCacheFolder();
    tileOptions.cacheLimit = tileOptions.state->cacheLimit;
    TileSourceMap opened = OpenTileSourceMap(*found.source, tileOptions, *options.tileImages);
    if (!opened.map) {
        out.error = std::move(opened.error);
        return out;
    }
    std::string why;
    out.source.grid =
        SharedGrid(GridGeoreference::FromAffine(kWebMercator, opened.tiles.WorldFile(), &why));
    if (!out.source.grid) {
        out.error = why;
        return out;
    }
    out.source.format = &kTileSourceFormat;
    out.source.path = out.source.imagePath = path;
    out.source.width = opened.tiles.Width();
    out.source.height = opened.tiles.Height();
    // A server named only by its address is still named where its tiles show.
    out.source.attribution =
        opened.attribution.empty() ? "Tiles: " + found.source->name : std::move(opened.attribution);
    if (!opened.note.empty())
        out.source.warnings.push_back(found.source->name + ": " + opened.note);
    out.tiles = std::move(opened.map);
    return out;
}

// The pixels of the map file at mapPath, and what the file says of them; *kind the kind of map
// it shows (ShownKind).
OpenedMap OpenPixels(const std::string& mapPath, const OpenMapOptions& options,
                     OpenMapEvents& events, std::string* kind) {
    if (IsTileSourcePath(mapPath)) {
        *kind = std::string(kTileSourceFormat.name);
        return OpenTileSource(mapPath, options);
    }
    OpenedMap out;
    const auto cancelled = [&events] { return events.Cancelled(); };
    MapSourceResult read = ReadMapSource(mapPath, cancelled);
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
    const bool separateImage = HasSeparateImage(source);
    if (!source.overlays.empty()) {
        *kind = ShownKind(source, ImageKind::Jpeg, false);
        return OpenMosaic(std::move(source), options, events);
    }
    const std::string& path = source.imagePath;
    // Opened once, without waiting on a FIFO: the cache's key, the size and every decode come
    // from this one file, whatever the path names meanwhile.
    // One of a file's several maps ("FILE#N") comes from the file.
    const base::ChosenMap chosen = source.format->kind == MapFileKind::Gdal
                                       ? base::SplitChosenMap(path)
                                       : base::ChosenMap{path, 0};
    int err = 0;
    platform::UniqueFd fd = source.imageFd.Valid() ? std::move(source.imageFd)
                                                   : platform::OpenRegularFile(chosen.file, &err);
    if (!fd.Valid()) {
        out.error =
            path == mapPath ? platform::ErrorText(err) : path + ": " + platform::ErrorText(err);
        return out;
    }
    const bool fromArchive = path == mapPath && source.format->kind == MapFileKind::Kmz;
    // The cache keys a pyramid by its file (and which of its maps): not samples stretched by
    // percentiles, which the next open may not ask for.
    const bool notKeyed = source.format->kind == MapFileKind::Gdal &&
                          (options.stretchLowPercent > 0 || options.stretchHighPercent < 100);
    struct stat before {};
    ::fstat(fd.Get(), &before);
    // A map opened before comes back from the cache, mapped, without a decode (and so
    // without an early picture).
    const PyramidCache cache(fromArchive || notKeyed ? std::filesystem::path()
                                                     : options.cacheFolder,
                             options.cacheLimit);
    const MakePyramidTarget target = [&](int w, int h, std::string* error) {
        return NewPyramidTarget(cache, path, fd.Get(), w, h, error);
    };
    const MakePyramidStream stream =
        [&](int w, int h, std::string* error) -> std::unique_ptr<PyramidStreamEntry> {
        if (!cache.Streams(w, h))
            return nullptr;
        return cache.CreateStream(path, fd.Get(), w, h, error);
    };
    const DecodeContext context{options, target, events, &stream};
    const ImageDecoder& decoder = DecoderFor(fd.Get(), *source.format);
    const ImageHeaderResult header = decoder.header(fd.Get(), path, &context);
    *kind = ShownKind(source, header.header ? header.header->kind : ImageKind::Jpeg, separateImage);
    if (header.header)
        out.tiles = cache.Open(path, fd.Get(), header.header->width, header.header->height);
    if (out.tiles) {
        out.source = std::move(source);
        return out;
    }
    // JPEG and TIFF maps stream into their pyramid, so their size is bound by the cache or
    // memory, not by what a whole-image decoder agrees to hold.
    static_cast<DecodedImage&>(out) = decoder.decode(fd.Get(), path, context);
    // Written to while it decoded: shown this once, never kept under a key it may not match.
    struct stat after {};
    if (out.keep && (::fstat(fd.Get(), &after) != 0 || !SameFileState(before, after))) {
        out.map = out.keep->Discard();
        out.keep.reset();
    }
    out.source = std::move(source);
    return out;
}

} // namespace

bool IsTileSourcePath(std::string_view path) {
    return path.ends_with(".tiles") || path.starts_with("http://") || path.starts_with("https://");
}

OpenedMap OpenMap(const std::string& mapPath, const OpenMapOptions& options,
                  OpenMapEvents& events) {
    std::string kind;
    OpenedMap out = OpenPixels(mapPath, options, events, &kind);
    if (out.map.Empty() && !out.tiles)
        return out;
    if (!out.tiles)
        out.tiles = std::make_shared<MapPyramid>(std::move(out.map));
    out.map = MapPyramid();
    // Placed here, off the window's thread, as the folder's listing places it.
    out.shown = PlaceShownMap(mapPath, out.source, std::move(kind), out.tiles->Width(),
                              out.tiles->Height(), out.tiles, out.placement);
    return out;
}

} // namespace map
