#pragma once

#include "base/MapPos.h"
#include "calib/Georeference.h"
#include "calib/PolynomialFit.h"
#include "calib/ThinPlateSpline.h"
#include "geo/Proj.h"

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace map {

// The grid a paper map is drawn on, which decides in what plane the affine from pixels is fitted.
enum class GridKind {
    Graticule,   // latitude/longitude lines: the handheld's affine on degrees
    Topographic, // a projected sheet: a Transverse Mercator centred on the points
    Chart,       // a nautical chart: Mercator
    Named,       // a known CRS (UTM zone, EPSG code, PROJ text): exact
};

struct GridModel {
    GridKind kind = GridKind::Topographic;
    std::string crs; // Named only: the definition PROJ is given

    // "graticule", "topographic", "chart", or the CRS definition.
    [[nodiscard]] std::string Name() const;
    // The inverse of Name; also takes "UTM 32N" / "32N" / "EPSG:NNNN" and any PROJ definition
    // for a named grid. Nothing, with *error naming the text and the reason, otherwise.
    static std::optional<GridModel> Parse(std::string_view text, std::string* error);

    friend bool operator==(const GridModel&, const GridModel&) = default;
};

// One calibration point: an image pixel (column, row from the top edge) and its WGS 84
// position (latitude in y, longitude in x).
struct CalibrationPoint {
    MapPos pixel;
    MapPos geo;
    friend bool operator==(const CalibrationPoint&, const CalibrationPoint&) = default;
};

// A map's pixels placed on the earth by an affine in a grid's plane: fitted through calibration
// points (exactly through three, least squares through more) or given outright (world files,
// GeoTIFF). Pixels and positions as Georeference has them.
class GridGeoreference final : public Georeference {
public:
    // Fits model through points (at least three, not on one line in the image nor on the
    // ground). Nothing, with *error, when the grid cannot be made or the points do not fit.
    static std::optional<GridGeoreference>
    Fit(const GridModel& model, std::span<const CalibrationPoint> points, std::string* error);
    // A given affine from pixels to the grid crs, in a world file's order: A (x scale), D,
    // B, E (y scale), C, F (the centre of the upper left pixel). The upper left pixel spans
    // 0..1 of the image's positions, so for a pixel position p:
    //   gridX = A*(p.x - 0.5) + B*(p.y - 0.5) + C,  gridY = D*(p.x - 0.5) + E*(p.y - 0.5) + F
    // Nothing, with *error, for a crs PROJ cannot make or an affine that cannot be inverted.
    // middle: the pixel in the middle of the image, near which a grid of longitudes places
    // positions; without it, longitudes are taken as they come.
    static std::optional<GridGeoreference> FromAffine(std::string_view crs,
                                                      const std::array<double, 6>& worldFile,
                                                      std::string* error,
                                                      std::optional<MapPos> middle = {});
    // A given polynomial from pixels to the grid crs (a .map that asks for one), with the
    // affine nearest it, as FromAffine takes it, from which ToPixel starts its search.
    static std::optional<GridGeoreference> FromPolynomial(std::string_view crs,
                                                          const std::array<double, 6>& worldFile,
                                                          PixelPolynomial polynomial,
                                                          std::string* error,
                                                          std::optional<MapPos> middle = {});
    // Thin plate splines from pixels to the grid crs and back (GDAL's transformer fits the two
    // ways apart, and so is each used here), with the nearest affine, as FromAffine takes it.
    static std::optional<GridGeoreference>
    FromSpline(std::string_view crs, const std::array<double, 6>& worldFile, ThinPlateSpline toGrid,
               ThinPlateSpline toPixel, std::string* error, std::optional<MapPos> middle = {});

    [[nodiscard]] bool HasTransform() const override;
    // Longitudes from -180 to 180.
    [[nodiscard]] MapPos ToGeo(const MapPos& pixel) const override;
    // A map across the 180th meridian takes either longitude of a meridian near it.
    [[nodiscard]] MapPos ToPixel(const MapPos& geo) const override;
    // The model ("graticule", "topographic", "chart" or "named"), the grid CRS and the affine
    // in a world file's order, tab-separated; for a polynomial, "polynomial", the grid CRS, the
    // order and the nearest affine; for a spline, "thin-plate-spline", the grid CRS, the number
    // of points and the nearest affine.
    [[nodiscard]] std::string Describe() const override;
    // ToPixel for many positions at once (a trail after a calibration change), in place, with
    // one PROJ call; a position that cannot be converted becomes non-finite.
    void ToPixels(std::span<MapPos> geo) const;
    // The affine in a world file's order, as FromAffine takes it (for a polynomial, the affine
    // nearest it).
    [[nodiscard]] std::array<double, 6> WorldFile() const;

    [[nodiscard]] const GridModel& Model() const;
    // The CRS the affine is fitted in (the centred Transverse Mercator of a topographic model).
    [[nodiscard]] const std::string& GridCrs() const;
    [[nodiscard]] MapPos PixelToGrid(const MapPos& pixel) const;
    [[nodiscard]] MapPos GridToPixel(const MapPos& grid) const;
    // The points it was fitted through, and how far the fit misses each on the ground, metres.
    [[nodiscard]] const std::vector<CalibrationPoint>& Points() const;
    [[nodiscard]] const std::vector<double>& ResidualsMetres() const;
    [[nodiscard]] double RmsMetres() const;

private:
    GridGeoreference() = default;
    GridModel model_;
    std::string gridCrs_;
    std::shared_ptr<const ProjTransform> toWgs84_; // grid -> WGS 84
    // Both as {a, b, c, d, e, f}: out.x = a*in.x + b*in.y + c, out.y = d*in.x + e*in.y + f.
    std::array<double, 6> pixelToGrid_{};
    std::array<double, 6> gridToPixel_{};
    // When set, it takes pixels to the grid in the affine's place, and gridToPixel_ only starts
    // the search for its inverse.
    std::optional<PixelPolynomial> polynomial_;
    // When set, they take pixels to the grid and back in the affine's place.
    std::optional<std::pair<ThinPlateSpline, ThinPlateSpline>> spline_;
    // When the grid is latitude/longitude: the longitude of the map's middle, near which its
    // longitudes are taken.
    std::optional<double> middleLongitude_;
    std::vector<CalibrationPoint> points_;
    std::vector<double> residuals_;
    double rms_ = 0.0;
};

// lon moved by a whole turn to lie within 180 degrees of near, so that a map across the 180th
// meridian has one run of longitudes; unchanged, to the bit, when it lies there already.
double LongitudeNear(double lon, double near);

// Which of the other models (graticule, topographic, chart) fits points clearly better than
// `current`, if any. Clearly better: its RMS is under half the current one's and at least
// kClearlyBetterMetres smaller, so reading errors of a few metres never suggest a change;
// with three points every model fits exactly and none is better. When `current` cannot be
// fitted at all, the best model that can.
inline constexpr double kClearlyBetterMetres = 2.0;
std::optional<GridModel> BetterModel(const GridModel& current,
                                     std::span<const CalibrationPoint> points);

} // namespace map
