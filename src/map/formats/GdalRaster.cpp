#include "map/formats/GdalRaster.h"

#include "calib/FitReport.h"
#include "calib/GridModel.h"
#include "calib/PolynomialFit.h"
#include "geo/Proj.h"
#include "map/formats/GdalLibrary.h"
#include "map/formats/MapSource.h"

#include <cpl_conv.h>
#include <cpl_string.h>
#include <gdal.h>
#include <ogr_api.h>
#include <ogr_srs_api.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cctype>
#include <cmath>
#include <cstring>

namespace map {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool OneOf(std::string_view extension, std::initializer_list<std::string_view> names) {
    return std::ranges::find(names, extension) != names.end();
}

// From this many control points GDAL's transformer fits the second order instead of the first.
constexpr int kSecondOrderPoints = 6;

std::atomic<ControlPointFit> chosenFit{ControlPointFit::Polynomial};

// The coordinate system for PROJ: its EPSG code when it is one, else its WKT; empty for none.
std::string CrsText(OGRSpatialReferenceH srs) {
    if (srs == nullptr)
        return {};
    const char* authority = OSRGetAuthorityName(srs, nullptr);
    const char* code = OSRGetAuthorityCode(srs, nullptr);
    if (authority != nullptr && code != nullptr && std::strcmp(authority, "EPSG") == 0)
        return "EPSG:" + std::string(code);
    char* wkt = nullptr;
    const std::array<const char*, 2> options{"FORMAT=WKT2_2019", nullptr};
    if (OSRExportToWktEx(srs, &wkt, options.data()) != OGRERR_NONE || wkt == nullptr) {
        CPLFree(wkt);
        return {};
    }
    std::string text = wkt;
    CPLFree(wkt);
    return text;
}

bool Finite(const std::array<double, 6>& values) {
    return std::ranges::all_of(values, [](double v) { return std::isfinite(v); });
}

// The vertices of the dataset's NEATLINE polygon, in its coordinate system.
std::vector<MapPos> NeatLine(GDALDatasetH dataset) {
    const char* text = GDALGetMetadataItem(dataset, "NEATLINE", nullptr);
    std::vector<MapPos> out;
    if (text == nullptr)
        return out;
    std::string wkt = text;
    char* cursor = wkt.data();
    OGRGeometryH geometry = nullptr;
    if (OGR_G_CreateFromWkt(&cursor, nullptr, &geometry) != OGRERR_NONE || geometry == nullptr)
        return out;
    if (OGR_G_GetGeometryCount(geometry) >= 1) {
        OGRGeometryH ring = OGR_G_GetGeometryRef(geometry, 0);
        const int count = std::min(OGR_G_GetPointCount(ring), 1000);
        for (int i = 0; i < count; ++i)
            out.emplace_back(OGR_G_GetX(ring, i), OGR_G_GetY(ring, i));
    }
    OGR_G_DestroyGeometry(geometry);
    if (out.size() > 1 && out.front() == out.back())
        out.pop_back();
    if (out.size() < 3)
        out.clear();
    return out;
}

// Control points fitted as GDAL's transformer fits them, in the points' own coordinate system.
std::shared_ptr<const GridGeoreference>
FitControlPoints(GDALDatasetH dataset, int width, int height, MapSource& source, std::string* why) {
    const int count = GDALGetGCPCount(dataset);
    const GDAL_GCP* gcps = GDALGetGCPs(dataset);
    const std::string crs = CrsText(GDALGetGCPSpatialRef(dataset));
    if (count < 3 || gcps == nullptr || crs.empty()) {
        *why = count < 3 ? "The file is not georeferenced; it opens uncalibrated."
                         : "The file's control points have no coordinate system; it opens "
                           "uncalibrated.";
        return nullptr;
    }
    std::string error;
    const auto toWgs84 = ProjTransform::Make(crs, kWgs84, &error);
    if (!toWgs84) {
        *why = "The control points' coordinate system cannot be used (" + error +
               "); it opens uncalibrated.";
        return nullptr;
    }
    std::vector<CalibrationPoint> points;
    std::vector<MapPos> pixels;
    std::vector<MapPos> grid;
    for (int i = 0; i < count; ++i) {
        MapPos geo(gcps[i].dfGCPX, gcps[i].dfGCPY);
        const MapPos pixel(gcps[i].dfGCPPixel, gcps[i].dfGCPLine);
        if (!std::isfinite(pixel.x) || !std::isfinite(pixel.y) || !toWgs84->Forward(geo))
            continue;
        points.push_back({pixel, geo});
        pixels.push_back(pixel);
        grid.emplace_back(gcps[i].dfGCPX, gcps[i].dfGCPY);
    }
    const GridModel model{GridKind::Named, crs};
    auto affine = GridGeoreference::Fit(model, points, &error);
    if (!affine) {
        *why = "The file's control points give no fit (" + error + "); it opens uncalibrated.";
        return nullptr;
    }
    std::shared_ptr<const GridGeoreference> placed = SharedGrid(std::move(affine));
    std::string order = "first order";
    const bool many = points.size() >= kSplinePoints;
    if (many && chosenFit == ControlPointFit::ThinPlateSpline) {
        std::optional<ThinPlateSpline> toGrid = ThinPlateSpline::Fit(pixels, grid, &error);
        std::optional<ThinPlateSpline> toPixel;
        if (toGrid)
            toPixel = ThinPlateSpline::Fit(grid, pixels, &error);
        std::optional<GridGeoreference> spline;
        if (toPixel)
            spline = GridGeoreference::FromSpline(crs, placed->WorldFile(), std::move(*toGrid),
                                                  std::move(*toPixel), &error,
                                                  ImageMiddle(width, height));
        if (spline) {
            placed = SharedGrid(std::move(spline));
            order = "thin plate spline, through every point, so their residuals are zero";
        } else {
            order = "first order (the thin plate spline: " + error + ")";
        }
    } else if (points.size() >= kSecondOrderPoints) {
        const PixelArea area{MapPos(0, 0), MapPos(width, height)};
        std::optional<PixelPolynomial> polynomial =
            PixelPolynomial::Fit(pixels, grid, 2, area, &error);
        std::optional<GridGeoreference> bent;
        if (polynomial)
            bent = GridGeoreference::FromPolynomial(crs, placed->WorldFile(), *polynomial, &error,
                                                    ImageMiddle(width, height));
        if (bent) {
            placed = SharedGrid(std::move(bent));
            order = "second order";
        } else {
            order = "first order (the second order " + error + ")";
        }
        if (many)
            order += ", or a thin plate spline when chosen";
    }
    const FitReport report = ReportFit(*placed, model, points);
    source.warnings.push_back(source.path + ": placed by " + std::to_string(points.size()) +
                              " control points, " + order + "; " + DescribeFit(report));
    return placed;
}

// The maps of a file of several (a PDF of several pages...), which GDAL lists as subdatasets;
// none for a file of one.
std::vector<MapChoice> Maps(GDALDatasetH dataset, const std::string& path) {
    // Far more than any atlas; a hostile list stays short.
    constexpr int kMaxMaps = 1000;
    std::vector<MapChoice> out;
    for (int i = 1; i <= kMaxMaps; ++i) {
        const std::string key = "SUBDATASET_" + std::to_string(i) + "_";
        if (GDALGetMetadataItem(dataset, (key + "NAME").c_str(), "SUBDATASETS") == nullptr)
            break;
        const char* desc = GDALGetMetadataItem(dataset, (key + "DESC").c_str(), "SUBDATASETS");
        std::string name = desc != nullptr ? desc : "";
        name = name.substr(0, name.find_first_of("\r\n"));
        out.push_back({path + '#' + std::to_string(i), std::move(name)});
    }
    if (out.size() < 2)
        out.clear();
    return out;
}

} // namespace

void SetControlPointFit(ControlPointFit fit) {
    chosenFit = fit;
}

bool IsGdalRaster(std::string_view head, std::string_view extension) {
    const std::size_t first = head.find_first_not_of(" \t\r\n");
    const std::string_view text = first == std::string_view::npos ? "" : head.substr(first);
    if (StartsWith(head, "%PDF-") || StartsWith(head, std::string_view("\0\0\0\x0CjP  \r\n", 10)) ||
        StartsWith(head, "\xFF\x4F\xFF\x51") || StartsWith(text, "<VRTDataset") ||
        StartsWith(head, "EHFA_HEADER_TAG") || StartsWith(head, std::string_view("RSW\0", 4)) ||
        StartsWith(head, std::string_view("\0WSR", 4)) ||
        StartsWith(head, std::string_view("MTW\0", 4)) || StartsWith(head, "DSAA") ||
        StartsWith(head, "DSBB") || StartsWith(head, "DSRB") || StartsWith(head, "UHL1"))
        return true;
    // A GeoPackage is an SQLite database with its own application id, which MBTiles lacks.
    if (StartsWith(head, std::string_view("SQLite format 3\0", 16)) && head.size() >= 72)
        return OneOf(head.substr(68, 4), {"GPKG", "GP10", "GP11"});
    if (StartsWith(head, "SQLite format 3"))
        return false;
    // Charts and grids without a signature of their own.
    if (OneOf(extension, {"kap", "cap", "nos"}))
        return head.find("BSB/") != std::string_view::npos ||
               head.find("NOS/") != std::string_view::npos;
    std::string lower(text.substr(0, 5));
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return OneOf(extension, {"dem", "hgt", "bil", "ers", "sdat", "rst", "ntf", "nitf", "img"}) ||
           (extension == "asc" && lower == "ncols");
}

MapSourceResult ReadGdalRaster(MapSource source, const std::function<bool()>&) {
    std::string error;
    const GdalDataset dataset = OpenGdalRaster(source.path, &error);
    if (!dataset)
        return SourceFailure(source.path, error);
    GDALDatasetH handle = dataset.get();
    source.format = &FormatOf(MapFileKind::Gdal);
    source.imagePath = source.path;
    source.width = GDALGetRasterXSize(handle);
    source.height = GDALGetRasterYSize(handle);
    std::string why;
    std::array<double, 6> gt{};
    const std::string crs = CrsText(GDALGetSpatialRef(handle));
    if (!crs.empty() && GDALGetGeoTransform(handle, gt.data()) == CE_None && Finite(gt)) {
        // Raster space has the top left corner at 0; a world file names the first pixel's centre.
        const std::array<double, 6> worldFile{gt[1],
                                              gt[4],
                                              gt[2],
                                              gt[5],
                                              gt[0] + 0.5 * gt[1] + 0.5 * gt[2],
                                              gt[3] + 0.5 * gt[4] + 0.5 * gt[5]};
        source.grid = SharedGrid(GridGeoreference::FromAffine(
            crs, worldFile, &why, ImageMiddle(source.width, source.height)));
        if (!source.grid)
            why =
                "The file's coordinate system cannot be used (" + why + "); it opens uncalibrated.";
        const auto toWgs84 = source.grid ? ProjTransform::Make(crs, kWgs84, nullptr) : nullptr;
        for (MapPos corner : toWgs84 ? NeatLine(handle) : std::vector<MapPos>{})
            if (toWgs84->Forward(corner))
                source.outline.push_back(corner);
    } else {
        source.grid = FitControlPoints(handle, source.width, source.height, source, &why);
    }
    if (!source.grid)
        source.warnings.push_back(source.path + ": " + why);
    if (base::SplitChosenMap(source.path).index == 0) {
        source.maps = Maps(handle, source.path);
        if (!source.maps.empty())
            source.warnings.push_back(
                source.path + ": it holds " + std::to_string(source.maps.size()) +
                " maps; the first is shown (" + source.path + "#N shows the N-th).");
    }
    return {std::move(source), {}};
}

std::vector<MapPos> GdalNeatLinePixels(void* dataset) {
    std::array<double, 6> gt{};
    std::array<double, 6> inverse{};
    std::vector<MapPos> line = NeatLine(dataset);
    if (line.empty() || GDALGetGeoTransform(dataset, gt.data()) != CE_None ||
        !GDALInvGeoTransform(gt.data(), inverse.data()))
        return {};
    for (MapPos& p : line) {
        p = MapPos(inverse[0] + inverse[1] * p.x + inverse[2] * p.y,
                   inverse[3] + inverse[4] * p.x + inverse[5] * p.y);
        // Crossings are sorted: a NaN among them would break the sort.
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            return {};
    }
    return line;
}

} // namespace map
