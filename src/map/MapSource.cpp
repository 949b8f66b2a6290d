#include "map/MapSource.h"

#include "calib/CalibrationFile.h"
#include "map/AffineFit.h"
#include "map/GeoTiff.h"
#include "map/GroundOverlay.h"
#include "map/ImageHeader.h"
#include "map/KmzArchive.h"
#include "map/MbTiles.h"
#include "map/OziGrid.h"
#include "map/OziMapFile.h"
#include "map/PolynomialFit.h"
#include "map/Proj.h"
#include "map/WorldFile.h"
#include "platform/FileIo.h"

#include <algorithm>
#include <filesystem>
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
        source.grid = Shared(GridGeoreference::FromAffine(*wkt, *values, &error));
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
    const std::optional<std::array<double, 6>> affine = FitAffine(pixels, grid);
    if (!affine)
        return Failure(source.path, "its calibration points lie on one line");
    std::optional<PixelPolynomial> polynomial;
    if (file.polynomial)
        polynomial = OziPolynomial(file, pixels, grid, source.path, source.warnings);
    source.grid =
        Shared(polynomial ? GridGeoreference::FromPolynomial(*gridCrs, *affine, *polynomial, &error)
                          : GridGeoreference::FromAffine(*gridCrs, *affine, &error));
    if (!source.grid)
        return Failure(source.path, error);
    source.magneticVariation = file.magneticVariation;
    if (file.neatLineGeo.size() >= 3)
        source.outline = file.neatLineGeo;
    return {std::move(source), {}};
}

// The overlays' first image and its place; the others are named in a warning.
MapSourceResult PlaceOverlay(MapSource source, const GroundOverlays& read,
                             const GroundOverlay& overlay) {
    const ImageHeaderResult header =
        source.imageFd.Valid()
            ? ReadImageHeader(source.imageFd.Get(), source.path + ": " + overlay.href)
            : ReadImageHeader(source.imagePath);
    if (!header.header)
        return {std::nullopt, header.error};
    source.width = header.header->width;
    source.height = header.header->height;
    const auto affine = OverlayAffine(overlay, source.width, source.height);
    std::string error = "its ground overlay has no place";
    if (affine)
        source.grid = Shared(GridGeoreference::FromAffine(kWgs84, *affine, &error));
    if (!source.grid)
        return Failure(source.path, error);
    if (read.overlays.size() > 1)
        source.warnings.push_back(source.path + ": " + std::to_string(read.overlays.size() - 1) +
                                  " more ground overlays are not shown");
    return {std::move(source), {}};
}

MapSourceResult ReadKmlOverlay(MapSource source) {
    std::string document;
    if (const auto read = platform::ReadWholeFile(source.path, document, kMaxOverlayDocumentBytes);
        !read)
        return {std::nullopt, read.error};
    const GroundOverlays read = ParseGroundOverlays(document);
    if (!read.error.empty())
        return Failure(source.path, read.error);
    const GroundOverlay& overlay = read.overlays.front();
    const std::optional<std::string> relative = ContainedPath("", overlay.href);
    if (!relative)
        return Failure(source.path, "its image " + overlay.href + " is not a file beside it");
    source.imagePath = (fs::path(Folder(source.path)) / *relative).string();
    return PlaceOverlay(std::move(source), read, overlay);
}

MapSourceResult ReadKmz(MapSource source) {
    const KmzDocument document = ReadKmzDocument(source.path);
    if (!document.error.empty())
        return {std::nullopt, document.error};
    const GroundOverlays read = ParseGroundOverlays(document.text);
    if (!read.error.empty())
        return Failure(source.path, read.error);
    const GroundOverlay& overlay = read.overlays.front();
    const std::optional<std::string> entry = ContainedPath(document.folder, overlay.href);
    if (!entry)
        return Failure(source.path, "its image " + overlay.href + " is not inside the archive");
    KmzEntry image = ExtractKmzEntry(source.path, *entry);
    if (!image.fd.Valid())
        return {std::nullopt, image.error};
    source.imagePath = source.path;
    source.imageFd = std::move(image.fd);
    return PlaceOverlay(std::move(source), read, overlay);
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
            Shared(GridGeoreference::FromAffine(read.header->crs, read.header->worldFile, &why));
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
MapSourceResult ReadMbTiles(MapSource source) {
    const MbTilesInfoResult read = ReadMbTilesInfo(source.path);
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

MapSourceResult ReadMapSource(const std::string& path) {
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
        return ReadMbTiles(std::move(source));
    }
    return {std::nullopt, path + ": not a map of any kind QUILO opens"};
}

} // namespace map
