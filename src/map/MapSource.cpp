#include "map/MapSource.h"

#include "calib/AffineFit.h"
#include "calib/CalibrationFile.h"
#include "calib/PolynomialFit.h"
#include "geo/Proj.h"
#include "map/formats/GeoTiff.h"
#include "map/formats/GroundOverlay.h"
#include "map/formats/ImageHeader.h"
#include "map/formats/KmzArchive.h"
#include "map/formats/MbTiles.h"
#include "map/formats/OziGrid.h"
#include "map/formats/OziMapFile.h"
#include "map/formats/WorldFile.h"
#include "platform/FileIo.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace map {

namespace {

namespace fs = std::filesystem;

MapSourceResult Failure(const std::string& path, const std::string& reason) {
    return {std::nullopt, path + ": " + reason};
}

std::string Folder(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::shared_ptr<const GridGeoreference> Shared(std::optional<GridGeoreference> grid) {
    return grid ? std::make_shared<const GridGeoreference>(std::move(*grid)) : nullptr;
}

// The pixel in the middle of an image, near which a grid of longitudes places positions (a map
// across the 180th meridian); nothing when the size is not known.
std::optional<MapPos> Middle(int width, int height) {
    if (width <= 0 || height <= 0)
        return std::nullopt;
    return MapPos(width / 2.0, height / 2.0);
}

// The same from the image's header, read only for a grid of longitudes (crs), which alone
// needs it; the transform made to tell is the one FromAffine then takes from PROJ's kept ones.
std::optional<MapPos> ImageMiddle(const std::string& imagePath, std::string_view crs) {
    const auto toWgs84 = ProjTransform::Make(crs, kWgs84, nullptr);
    if (!toWgs84 || !toWgs84->FromGeographic())
        return std::nullopt;
    const ImageHeaderResult read = ReadImageHeader(imagePath);
    return read.header ? Middle(read.header->width, read.header->height) : std::nullopt;
}

// An image's world file, with the grid from the .prj beside it; a world file without its .prj
// leaves the map unplaced, with a warning, until its grid is named.
MapSourceResult ReadWorldFile(MapSource source, const std::string& worldPath) {
    std::string bytes;
    if (const auto read = platform::ReadWholeFile(worldPath, bytes, kMaxWorldFileBytes); !read)
        return {std::nullopt, read.error};
    std::string error;
    const std::optional<WorldFileValues> values = ParseWorldFile(bytes, &error);
    if (!values)
        return Failure(worldPath, error);
    source.worldFile = worldPath;
    const std::string prjPath = FindFileIgnoringCase(PrjNames(source.imagePath));
    if (prjPath.empty()) {
        source.warnings.push_back(worldPath + ": no .prj beside it names the grid");
        return {std::move(source), {}};
    }
    std::string prj;
    if (const auto read = platform::ReadWholeFile(prjPath, prj, kMaxPrjBytes); !read)
        return {std::nullopt, read.error};
    const std::optional<std::string> wkt = PrjDefinition(prj, &error);
    if (wkt)
        source.grid = Shared(GridGeoreference::FromAffine(*wkt, *values, &error,
                                                          ImageMiddle(source.imagePath, *wkt)));
    if (!source.grid)
        return Failure(prjPath, error);
    return {std::move(source), {}};
}

MapSourceResult ReadImage(MapSource source) {
    source.imagePath = source.path;
    // The handheld's calibration, which the user edits, comes before any other.
    std::error_code ec;
    if (fs::exists(calib::CalibrationFileName(calib::MapBaseName(source.path)), ec))
        return {std::move(source), {}};
    const std::string world = FindFileIgnoringCase(WorldFileNames(source.path));
    if (world.empty())
        return {std::move(source), {}};
    return ReadWorldFile(std::move(source), world);
}

MapSourceResult ReadWorldFileMap(MapSource source) {
    const std::string image = FindFileIgnoringCase(ImageNamesOfWorldFile(source.path));
    if (image.empty())
        return Failure(source.path, "no image beside it");
    const std::string world = source.path;
    source.imagePath = image;
    return ReadWorldFile(std::move(source), world);
}

// The polynomial a .map asks for: of the third order when twice its ten terms in points
// over-determine it, else of the second; none, with a warning naming the reason, when the points
// cannot carry either, and the affine places the map.
std::optional<PixelPolynomial> OziPolynomial(const OziMapFile& file,
                                             const std::vector<MapPos>& pixels,
                                             const std::vector<MapPos>& grid,
                                             const std::string& path,
                                             std::vector<std::string>& warnings) {
    // The image and the points, wherever they lie: where the polynomial must stay sound.
    PixelArea area{MapPos(0, 0), MapPos(file.imageWidth, file.imageHeight)};
    for (const MapPos& p : pixels) {
        area.min = MapPos(std::min(area.min.x, p.x), std::min(area.min.y, p.y));
        area.max = MapPos(std::max(area.max.x, p.x), std::max(area.max.y, p.y));
    }
    std::string why;
    const bool many = pixels.size() >= 2 * PolynomialTerms(kMaxPolynomialOrder);
    for (int order = many ? kMaxPolynomialOrder : 2; order >= 2; --order) {
        if (std::optional<PixelPolynomial> fit =
                PixelPolynomial::Fit(pixels, grid, order, area, &why))
            return fit;
    }
    warnings.push_back(path +
                       ": its polynomial calibration is shown as the nearest affine: " + why);
    return std::nullopt;
}

MapSourceResult ReadOziMap(MapSource source) {
    std::string bytes;
    if (const auto read = platform::ReadWholeFile(source.path, bytes, kMaxOziMapBytes); !read)
        return {std::nullopt, read.error};
    OziMapParse parsed = ParseOziMap(bytes);
    if (!parsed.map)
        return Failure(source.path, parsed.error);
    const OziMapFile& file = *parsed.map;
    source.imagePath = FindOziImage(source.path, file.imagePath);
    if (source.imagePath.empty())
        return Failure(source.path, "its image " + file.imagePath + " is not beside it");
    std::string error;
    const std::optional<std::string> gridCrs = OziGridCrs(file, &error);
    const std::optional<std::string> datumCrs = OziDatumCrs(file.datum, &error);
    if (!gridCrs || !datumCrs)
        return Failure(source.path, error);
    const auto toGrid = ProjTransform::Make(*datumCrs, *gridCrs, &error);
    if (!toGrid)
        return Failure(source.path, error);
    std::vector<MapPos> pixels;
    std::vector<MapPos> grid;
    for (const OziPoint& point : file.points) {
        MapPos at;
        if (point.grid) {
            at = MapPos(point.grid->easting, point.grid->northing);
        } else {
            at = *point.geo;
            if (!toGrid->Forward(at))
                return Failure(source.path, "a calibration point lies outside its projection");
        }
        pixels.push_back(point.pixel);
        grid.push_back(at);
    }
    if (toGrid->ToGeographic()) {
        // One run of longitudes for a sheet across the 180th meridian.
        for (MapPos& p : grid)
            p.x = LongitudeNear(p.x, grid.front().x);
    }
    const std::optional<std::array<double, 6>> affine = FitAffine(pixels, grid);
    if (!affine)
        return Failure(source.path, "its calibration points lie on one line");
    std::optional<PixelPolynomial> polynomial;
    if (file.polynomial)
        polynomial = OziPolynomial(file, pixels, grid, source.path, source.warnings);
    const std::optional<MapPos> middle = file.imageWidth > 0
                                             ? Middle(file.imageWidth, file.imageHeight)
                                             : ImageMiddle(source.imagePath, *gridCrs);
    source.grid =
        Shared(polynomial ? GridGeoreference::FromPolynomial(*gridCrs, *affine, *polynomial, &error,
                                                             middle)
                          : GridGeoreference::FromAffine(*gridCrs, *affine, &error, middle));
    if (!source.grid)
        return Failure(source.path, error);
    source.magneticVariation = file.magneticVariation;
    if (file.neatLineGeo.size() >= 3)
        source.outline = file.neatLineGeo;
    return {std::move(source), {}};
}

// An overlay's image in a KMZ is read for its header alone from its first bytes: a listing
// must not inflate every image. A JPEG whose header lies further on is read whole.
constexpr std::size_t kOverlayHeadBytes = std::size_t{256} << 10;

// The header of an overlay's image; with keep, an image in the archive is taken out whole and
// kept there for the decode.
ImageHeaderResult OverlayHeader(const MapSource& source, bool archive, const std::string& image,
                                const std::string& href, platform::UniqueFd* keep) {
    if (!archive)
        return ReadImageHeader(image);
    const std::string name = source.path + ": " + href;
    KmzEntry entry = ExtractKmzEntry(source.path, image, keep != nullptr ? 0 : kOverlayHeadBytes);
    if (!entry.fd.Valid())
        return {std::nullopt, entry.error};
    ImageHeaderResult header = ReadImageHeader(entry.fd.Get(), name);
    struct stat st {};
    if (!header.header && keep == nullptr && ::fstat(entry.fd.Get(), &st) == 0 &&
        static_cast<std::size_t>(st.st_size) >= kOverlayHeadBytes) {
        entry = ExtractKmzEntry(source.path, image);
        if (!entry.fd.Valid())
            return {std::nullopt, entry.error};
        header = ReadImageHeader(entry.fd.Get(), name);
    }
    if (keep != nullptr)
        *keep = std::move(entry.fd);
    return header;
}

// An overlay's image found, its header read and the overlay placed on it; nothing, with
// *error, when one of them cannot be.
std::optional<OverlayImage> FindOverlay(const MapSource& source, const GroundOverlay& overlay,
                                        bool archive, const std::string& folder,
                                        platform::UniqueFd* keep, std::string* error) {
    const std::optional<std::string> contained = ContainedPath(archive ? folder : "", overlay.href);
    if (!contained) {
        *error = source.path + ": its image " + overlay.href +
                 (archive ? " is not inside the archive" : " is not a file beside it");
        return std::nullopt;
    }
    OverlayImage out;
    out.href = overlay.href;
    out.image = archive ? *contained : (fs::path(Folder(source.path)) / *contained).string();
    const ImageHeaderResult header = OverlayHeader(source, archive, out.image, overlay.href, keep);
    if (!header.header) {
        *error = header.error;
        return std::nullopt;
    }
    out.placed.width = header.header->width;
    out.placed.height = header.header->height;
    const auto affine = OverlayAffine(overlay, out.placed.width, out.placed.height);
    if (!affine) {
        *error = source.path + ": its ground overlay " + overlay.href + " has no place";
        return std::nullopt;
    }
    out.placed.affine = *affine;
    out.quad = overlay.quad;
    return out;
}

// The ground overlays of a document (in a KMZ when archive, its links starting at folder):
// one is shown as it is; several as one map, through their common grid. An overlay whose
// image is missing or unreadable is left out with a warning while another remains.
MapSourceResult PlaceOverlays(MapSource source, std::string_view document, bool archive,
                              const std::string& folder) {
    const GroundOverlays read = ParseGroundOverlays(document);
    if (!read.error.empty())
        return Failure(source.path, read.error);
    const bool single = read.overlays.size() == 1;
    platform::UniqueFd kept;
    std::vector<OverlayImage> found;
    std::string firstError;
    for (const GroundOverlay& overlay : read.overlays) {
        std::string error;
        std::optional<OverlayImage> image =
            FindOverlay(source, overlay, archive, folder, single ? &kept : nullptr, &error);
        if (image) {
            found.push_back(std::move(*image));
            continue;
        }
        if (single)
            return {std::nullopt, error};
        if (firstError.empty())
            firstError = error;
        source.warnings.push_back(error + "; that overlay is left out");
    }
    if (found.empty()) {
        const std::string prefix = source.path + ": ";
        return Failure(
            source.path,
            "none of its " + std::to_string(read.overlays.size()) +
                " ground overlays can be shown (" +
                (firstError.starts_with(prefix) ? firstError.substr(prefix.size()) : firstError) +
                ")");
    }
    std::string error;
    if (found.size() == 1) {
        const OverlayImage& only = found.front();
        source.imagePath = archive ? source.path : only.image;
        if (archive && !kept.Valid()) {
            KmzEntry entry = ExtractKmzEntry(source.path, only.image);
            if (!entry.fd.Valid())
                return {std::nullopt, entry.error};
            kept = std::move(entry.fd);
        }
        source.imageFd = std::move(kept);
        source.width = only.placed.width;
        source.height = only.placed.height;
        const std::optional<MapPos> middle = Middle(only.placed.width, only.placed.height);
        // A quad that is no parallelogram bends the image onto its corners.
        std::optional<PixelPolynomial> bent;
        if (only.quad)
            bent = QuadPolynomial(*only.quad, only.placed.width, only.placed.height);
        source.grid =
            Shared(bent ? GridGeoreference::FromPolynomial(kWgs84, only.placed.affine,
                                                           std::move(*bent), &error, middle)
                        : GridGeoreference::FromAffine(kWgs84, only.placed.affine, &error, middle));
        if (!source.grid)
            return Failure(source.path, error);
        return {std::move(source), {}};
    }
    std::vector<PlacedOverlay> placed;
    for (const OverlayImage& image : found)
        placed.push_back(image.placed);
    const std::optional<MosaicLayout> layout = PlanMosaic(placed);
    if (layout)
        source.grid = Shared(GridGeoreference::FromAffine(kWgs84, layout->affine, &error,
                                                          Middle(layout->width, layout->height)));
    if (!source.grid)
        return Failure(source.path, "its ground overlays have no common grid");
    for (std::size_t i = 0; i < found.size(); ++i)
        found[i].placed = placed[i];
    source.imagePath = source.path;
    source.width = layout->width;
    source.height = layout->height;
    source.overlays = std::move(found);
    if (layout->coarser > 1.0)
        source.warnings.push_back(
            source.path + ": its ground overlays are shown coarser than " +
            "the finest of them, as a map of " + std::to_string(layout->width) + " x " +
            std::to_string(layout->height) + " pixels" +
            (layout->sparse ? ": at the finest one's detail it would hold far more pixels "
                              "than they do"
                            : ""));
    return {std::move(source), {}};
}

MapSourceResult ReadKmlOverlay(MapSource source) {
    std::string document;
    if (const auto read = platform::ReadWholeFile(source.path, document, kMaxOverlayDocumentBytes);
        !read)
        return {std::nullopt, read.error};
    return PlaceOverlays(std::move(source), document, false, {});
}

MapSourceResult ReadKmz(MapSource source) {
    const KmzDocument document = ReadKmzDocument(source.path);
    if (!document.error.empty())
        return {std::nullopt, document.error};
    return PlaceOverlays(std::move(source), document.text, true, document.folder);
}

// A GeoTIFF its tags place; else, like any image, by the calibration or world file beside it,
// or uncalibrated with the tags' reason.
MapSourceResult ReadGeoTiff(MapSource source) {
    int err = 0;
    const platform::UniqueFd fd = platform::OpenRegularFile(source.path, &err);
    if (!fd.Valid())
        return Failure(source.path, platform::ErrorText(err));
    const GeoTiffHeaderResult read = ReadGeoTiffHeader(fd.Get());
    if (!read.header)
        return Failure(source.path, read.error);
    std::string why = read.header->warning;
    if (!read.header->crs.empty()) {
        source.grid =
            Shared(GridGeoreference::FromAffine(read.header->crs, read.header->worldFile, &why,
                                                Middle(read.header->width, read.header->height)));
        if (source.grid) {
            source.imagePath = source.path;
            source.width = read.header->width;
            source.height = read.header->height;
            return {std::move(source), {}};
        }
        why = "The file's coordinate system cannot be used (" + why + "); it opens uncalibrated.";
    }
    const std::string path = source.path;
    MapSourceResult beside = ReadImage(std::move(source));
    std::error_code ec;
    if (beside.source && beside.source->worldFile.empty() &&
        !fs::exists(calib::CalibrationFileName(calib::MapBaseName(path)), ec))
        beside.source->warnings.push_back(path + ": " + why);
    return beside;
}

// A tile set: always Web Mercator, its extent from the tiles it holds.
MapSourceResult ReadMbTiles(MapSource source, const std::function<bool()>& cancelled) {
    const MbTilesInfoResult read = ReadMbTilesInfo(source.path, cancelled);
    if (!read.info && read.error.empty())
        return {};
    if (!read.info)
        return Failure(source.path, read.error);
    std::string why;
    source.grid = Shared(GridGeoreference::FromAffine(kWebMercator, read.info->WorldFile(), &why));
    if (!source.grid)
        return Failure(source.path, why);
    source.imagePath = source.path;
    source.width = read.info->Width();
    source.height = read.info->Height();
    return {std::move(source), {}};
}

} // namespace

std::string FindOziImage(const std::string& mapPath, const std::string& written) {
    const std::string folder = Folder(mapPath);
    std::string relative = written;
    for (char& c : relative)
        c = c == '\\' ? '/' : c;
    std::error_code ec;
    // A path with a drive letter names another computer's folder.
    if (relative.find(':') == std::string::npos && !relative.empty() && relative.front() != '/') {
        const fs::path beside = fs::path(folder) / relative;
        if (fs::is_regular_file(beside, ec))
            return beside.string();
    }
    const std::string name = fs::path(relative).filename().string();
    if (name.empty())
        return {};
    return FindFileIgnoringCase({(fs::path(folder) / name).string()});
}

MapSourceResult ReadMapSource(const std::string& path, const std::function<bool()>& cancelled) {
    const RecognisedMap recognised = RecogniseMapFile(path);
    if (recognised.format == nullptr)
        return {std::nullopt, recognised.error, !recognised.unrecognised};
    MapSource source;
    source.format = recognised.format;
    source.path = path;
    switch (recognised.format->kind) {
    case MapFileKind::Image:
        return ReadImage(std::move(source));
    case MapFileKind::WorldFile:
        return ReadWorldFileMap(std::move(source));
    case MapFileKind::OziMap:
        return ReadOziMap(std::move(source));
    case MapFileKind::KmlOverlay:
        return ReadKmlOverlay(std::move(source));
    case MapFileKind::Kmz:
        return ReadKmz(std::move(source));
    case MapFileKind::GeoTiff:
        return ReadGeoTiff(std::move(source));
    case MapFileKind::MbTiles:
        return ReadMbTiles(std::move(source), cancelled);
    }
    return {std::nullopt, path + ": not a map of any kind QUILO opens"};
}

} // namespace map
