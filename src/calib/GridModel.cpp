#include "calib/GridModel.h"

#include "base/Number.h"
#include "base/Text.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace map {

namespace {

using Affine = std::array<double, 6>; // {a, b, c, d, e, f}: x' = a*x + b*y + c, y' = d*x + e*y + f

// Points closer than this, in the image or on the ground, cannot pin a map down.
constexpr double kMinPixels = 1.0;
constexpr double kMinMetres = 1.0;
// Points whose spread across their main direction is under this share of the spread along it
// lie on one line for any practical purpose: the fit across it would be extrapolated a
// thousandfold.
constexpr double kMinThinness = 1e-3;

MapPos Apply(const Affine& t, const MapPos& p) {
    return MapPos(t[0] * p.x + t[1] * p.y + t[2], t[3] * p.x + t[4] * p.y + t[5]);
}

std::optional<Affine> Invert(const Affine& t) {
    const double det = t[0] * t[4] - t[1] * t[3];
    const double scale = std::fabs(t[0] * t[4]) + std::fabs(t[1] * t[3]);
    if (!std::isfinite(det) || !(std::fabs(det) > 1e-12 * scale))
        return std::nullopt;
    const double a = t[4] / det;
    const double b = -t[1] / det;
    const double d = -t[3] / det;
    const double e = t[0] / det;
    return Affine{a, b, -(a * t[2] + b * t[5]), d, e, -(d * t[2] + e * t[5])};
}

bool Finite(const MapPos& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

MapPos Mean(std::span<const MapPos> points) {
    MapPos sum;
    for (const MapPos& p : points)
        sum = MapPos(sum.x + p.x, sum.y + p.y);
    const auto n = static_cast<double>(points.size());
    return MapPos(sum.x / n, sum.y / n);
}

// The spread of the points about their mean: sums of squares {xx, xy, yy}.
std::array<double, 3> Spread(std::span<const MapPos> points, const MapPos& mean) {
    std::array<double, 3> s{};
    for (const MapPos& p : points) {
        const double dx = p.x - mean.x;
        const double dy = p.y - mean.y;
        s[0] += dx * dx;
        s[1] += dx * dy;
        s[2] += dy * dy;
    }
    return s;
}

// Whether the points span an area rather than a line: the square root of the ratio of the
// spread's smaller and larger principal values.
bool SpanArea(std::span<const MapPos> points) {
    const auto s = Spread(points, Mean(points));
    const double half = (s[0] + s[2]) / 2;
    const double root = std::hypot((s[0] - s[2]) / 2, s[1]);
    const double large = half + root;
    const double small = std::max(half - root, 0.0);
    return large > 0 && std::sqrt(small / large) >= kMinThinness;
}

// The affine from `from` to `to` by least squares (exact through three points): centred on the
// means, the offsets drop out and each output is a 2x2 system in the spread.
std::optional<Affine> FitAffine(std::span<const MapPos> from, std::span<const MapPos> to) {
    const MapPos mf = Mean(from);
    const MapPos mt = Mean(to);
    const auto s = Spread(from, mf);
    double sxX = 0, syX = 0, sxY = 0, syY = 0;
    for (std::size_t i = 0; i < from.size(); ++i) {
        const double dx = from[i].x - mf.x;
        const double dy = from[i].y - mf.y;
        sxX += dx * (to[i].x - mt.x);
        syX += dy * (to[i].x - mt.x);
        sxY += dx * (to[i].y - mt.y);
        syY += dy * (to[i].y - mt.y);
    }
    const double det = s[0] * s[2] - s[1] * s[1];
    if (!(std::fabs(det) > 0))
        return std::nullopt;
    const double a = (s[2] * sxX - s[1] * syX) / det;
    const double b = (s[0] * syX - s[1] * sxX) / det;
    const double d = (s[2] * sxY - s[1] * syY) / det;
    const double e = (s[0] * syY - s[1] * sxY) / det;
    const Affine t{a, b, mt.x - a * mf.x - b * mf.y, d, e, mt.y - d * mf.x - e * mf.y};
    if (!std::all_of(t.begin(), t.end(), [](double v) { return std::isfinite(v); }))
        return std::nullopt;
    return t;
}

// The mean position, longitudes taken relative to the first point's, so that a sheet across
// the 180th meridian is centred on it rather than half a world away.
MapPos Centre(std::span<const MapPos> geos) {
    double east = 0;
    for (const MapPos& p : geos)
        east += std::remainder(p.x - geos.front().x, 360.0);
    const double lon = geos.front().x + east / static_cast<double>(geos.size());
    return MapPos(std::remainder(lon, 360.0), Mean(geos).y);
}

std::string Number(double value) {
    return base::FormatShortest(value);
}

// The plane a model fits its affine in, for points whose mean position is `centre`. Every model
// but the graticule is a projection on WGS 84 that PROJ makes.
std::string GridCrsFor(const GridModel& model, const MapPos& centre) {
    // Centres rounded to a micro-degree: the text stays short, the plane is as good.
    const auto degrees = [](double v) { return Number(std::round(v * 1e6) / 1e6); };
    switch (model.kind) {
    case GridKind::Graticule:
        return std::string(kWgs84);
    case GridKind::Topographic:
        return "+proj=tmerc +lat_0=" + degrees(centre.y) + " +lon_0=" + degrees(centre.x) +
               " +k=1 +x_0=0 +y_0=0 +datum=WGS84 +units=m +type=crs";
    case GridKind::Chart:
        return "+proj=merc +lon_0=" + degrees(centre.x) +
               " +k=1 +x_0=0 +y_0=0 +datum=WGS84 +units=m +type=crs";
    case GridKind::Named:
        break;
    }
    return model.crs;
}

// "UTM 32N", "utm32n", "32 S", "UTM zone 32N": the WGS 84 UTM zone's EPSG code.
std::optional<std::string> UtmZone(std::string_view text) {
    std::string folded;
    for (const char c : text) {
        if (c != ' ' && c != '\t')
            folded += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    for (const std::string_view prefix : {"utm", "zone"}) {
        if (folded.starts_with(prefix))
            folded.erase(0, prefix.size());
    }
    if (folded.size() < 2 || (folded.back() != 'n' && folded.back() != 's'))
        return std::nullopt;
    const char hemisphere = folded.back();
    folded.pop_back();
    if (folded.size() > 2 ||
        !std::all_of(folded.begin(), folded.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const std::optional<int> zone = base::ParseExact<int>(folded, 1, 60);
    if (!zone)
        return std::string(); // a zone number that does not exist
    return "EPSG:" + std::to_string((hemisphere == 'n' ? 32600 : 32700) + *zone);
}

} // namespace

std::string GridModel::Name() const {
    switch (kind) {
    case GridKind::Graticule:
        return "graticule";
    case GridKind::Topographic:
        return "topographic";
    case GridKind::Chart:
        return "chart";
    case GridKind::Named:
        break;
    }
    return crs;
}

std::optional<GridModel> GridModel::Parse(std::string_view text, std::string* error) {
    std::string ignored;
    std::string& why = error != nullptr ? *error : ignored;
    const std::string_view trimmed = base::Trim(text, " \t\r\n");
    if (trimmed.empty()) {
        why = "no grid given";
        return std::nullopt;
    }
    std::string lower(trimmed);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    for (const GridKind kind : {GridKind::Graticule, GridKind::Topographic, GridKind::Chart}) {
        if (lower == GridModel{kind, {}}.Name())
            return GridModel{kind, {}};
    }
    const std::string shown(trimmed);
    if (const std::optional<std::string> utm = UtmZone(trimmed)) {
        if (utm->empty()) {
            why = shown + ": no such UTM zone (zones are 1 to 60, N or S)";
            return std::nullopt;
        }
        return GridModel{GridKind::Named, *utm};
    }
    std::string reason;
    const std::optional<CrsKind> kind = KindOfCrs(trimmed, &reason);
    if (!kind) {
        why = shown + ": unknown grid; give graticule, topographic, chart, a UTM zone (UTM 32N) "
                      "or a coordinate reference system (EPSG:32632)";
        return std::nullopt;
    }
    if (kind == CrsKind::Other) {
        why = shown + ": not a map grid (neither projected nor latitude/longitude)";
        return std::nullopt;
    }
    return GridModel{GridKind::Named, shown};
}

std::optional<GridGeoreference> GridGeoreference::Fit(const GridModel& model,
                                                      std::span<const CalibrationPoint> points,
                                                      std::string* error) {
    std::string ignored;
    std::string& why = error != nullptr ? *error : ignored;
    if (points.size() < 3) {
        why = "at least three calibration points are needed, " + std::to_string(points.size()) +
              " given";
        return std::nullopt;
    }
    std::vector<MapPos> pixels;
    std::vector<MapPos> geos;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const CalibrationPoint& p = points[i];
        const std::string which = "calibration point " + std::to_string(i + 1);
        if (!Finite(p.pixel) || !Finite(p.geo)) {
            why = which + " holds a number that is not finite";
            return std::nullopt;
        }
        if (std::fabs(p.geo.y) > 90 || std::fabs(p.geo.x) > 180) {
            why = which + " is off the earth (latitude beyond 90 or longitude beyond 180 degrees)";
            return std::nullopt;
        }
        for (std::size_t j = 0; j < i; ++j) {
            const CalibrationPoint& q = points[j];
            if (std::hypot(p.pixel.x - q.pixel.x, p.pixel.y - q.pixel.y) < kMinPixels ||
                GroundMetres(p.geo, q.geo) < kMinMetres) {
                why = "calibration points " + std::to_string(j + 1) + " and " +
                      std::to_string(i + 1) + " are too close together";
                return std::nullopt;
            }
        }
        pixels.push_back(p.pixel);
        geos.push_back(p.geo);
    }
    if (!SpanArea(pixels)) {
        why = "the calibration points lie on one line of the image";
        return std::nullopt;
    }

    GridGeoreference fit;
    fit.model_ = model;
    fit.gridCrs_ = GridCrsFor(model, Centre(geos));
    std::vector<MapPos> grid = geos;
    if (model.kind != GridKind::Graticule) {
        // The centred planes are on WGS 84 itself: to its PROJ-string twin PROJ goes straight,
        // where to EPSG:4326 it searches its database for datum shifts (0.7 ms against 15).
        const std::string_view wgs84 =
            model.kind == GridKind::Named ? kWgs84 : "+proj=longlat +datum=WGS84 +type=crs";
        fit.toWgs84_ = ProjTransform::Make(fit.gridCrs_, wgs84, &why);
        if (!fit.toWgs84_)
            return std::nullopt;
        fit.toWgs84_->Inverse(std::span<MapPos>(grid));
        for (std::size_t i = 0; i < grid.size(); ++i) {
            if (!Finite(grid[i])) {
                why = "calibration point " + std::to_string(i + 1) + " lies outside the grid " +
                      fit.gridCrs_;
                return std::nullopt;
            }
        }
    }
    if (model.kind == GridKind::Graticule || fit.toWgs84_->FromGeographic()) {
        // One run of longitudes across the 180th meridian, about the points' middle.
        const double middle = LongitudeNear(Centre(grid).x, grid.front().x);
        for (MapPos& p : grid)
            p.x = LongitudeNear(p.x, middle);
        fit.middleLongitude_ = middle;
    }
    if (!SpanArea(grid)) {
        why = "the positions of the calibration points lie on one line";
        return std::nullopt;
    }
    const std::optional<Affine> forward = FitAffine(pixels, grid);
    const std::optional<Affine> inverse = forward ? Invert(*forward) : std::nullopt;
    if (!inverse) {
        why = "the calibration points give no usable fit";
        return std::nullopt;
    }
    fit.pixelToGrid_ = *forward;
    fit.gridToPixel_ = *inverse;
    fit.points_.assign(points.begin(), points.end());
    double sumSquares = 0;
    for (const CalibrationPoint& p : points) {
        const double miss = GroundMetres(fit.ToGeo(p.pixel), p.geo);
        fit.residuals_.push_back(miss);
        sumSquares += miss * miss;
    }
    fit.rms_ = std::sqrt(sumSquares / static_cast<double>(points.size()));
    return fit;
}

std::optional<GridGeoreference> GridGeoreference::FromAffine(std::string_view crs,
                                                             const std::array<double, 6>& wf,
                                                             std::string* error,
                                                             std::optional<MapPos> middle) {
    std::string ignored;
    std::string& why = error != nullptr ? *error : ignored;
    if (!std::all_of(wf.begin(), wf.end(), [](double v) { return std::isfinite(v); })) {
        why = "the affine holds a number that is not finite";
        return std::nullopt;
    }
    // World files place the centre of the upper left pixel; positions count from its corner.
    const Affine forward{wf[0], wf[2], wf[4] - 0.5 * (wf[0] + wf[2]),
                         wf[1], wf[3], wf[5] - 0.5 * (wf[1] + wf[3])};
    const std::optional<Affine> inverse = Invert(forward);
    if (!inverse) {
        why = "the affine cannot be inverted (its pixels have no area)";
        return std::nullopt;
    }
    GridGeoreference geo;
    geo.toWgs84_ = ProjTransform::Make(crs, kWgs84, &why);
    if (!geo.toWgs84_)
        return std::nullopt;
    geo.model_ = GridModel{GridKind::Named, std::string(base::Trim(crs, " \t\r\n"))};
    geo.gridCrs_ = geo.model_.crs;
    geo.pixelToGrid_ = forward;
    geo.gridToPixel_ = *inverse;
    if (middle && geo.toWgs84_->FromGeographic())
        geo.middleLongitude_ = Apply(forward, *middle).x;
    return geo;
}

std::optional<GridGeoreference> GridGeoreference::FromPolynomial(std::string_view crs,
                                                                 const std::array<double, 6>& wf,
                                                                 PixelPolynomial polynomial,
                                                                 std::string* error,
                                                                 std::optional<MapPos> middle) {
    std::optional<GridGeoreference> geo = FromAffine(crs, wf, error, middle);
    if (geo)
        geo->polynomial_ = std::move(polynomial);
    return geo;
}

std::optional<GridGeoreference>
GridGeoreference::FromSpline(std::string_view crs, const std::array<double, 6>& wf,
                             ThinPlateSpline toGrid, ThinPlateSpline toPixel, std::string* error,
                             std::optional<MapPos> middle) {
    std::optional<GridGeoreference> geo = FromAffine(crs, wf, error, middle);
    if (geo)
        geo->spline_.emplace(std::move(toGrid), std::move(toPixel));
    return geo;
}

bool GridGeoreference::HasTransform() const {
    return true;
}

MapPos GridGeoreference::PixelToGrid(const MapPos& pixel) const {
    if (spline_)
        return spline_->first.Apply(pixel);
    return polynomial_ ? polynomial_->Apply(pixel) : Apply(pixelToGrid_, pixel);
}

MapPos GridGeoreference::GridToPixel(const MapPos& grid) const {
    if (spline_)
        return spline_->second.Apply(grid);
    const MapPos affine = Apply(gridToPixel_, grid);
    if (!polynomial_)
        return affine;
    // Far off the map, where the polynomial need not turn back, the affine's answer is as
    // good a place as any.
    return polynomial_->Invert(grid, affine).value_or(affine);
}

MapPos GridGeoreference::ToGeo(const MapPos& pixel) const {
    MapPos p = PixelToGrid(pixel);
    if (toWgs84_ && !toWgs84_->Forward(p))
        return MapPos(NAN, NAN);
    p.x = LongitudeNear(p.x, 0);
    return p;
}

MapPos GridGeoreference::ToPixel(const MapPos& geo) const {
    MapPos p = geo;
    if (toWgs84_ && !toWgs84_->Inverse(p))
        return MapPos(NAN, NAN);
    if (middleLongitude_)
        p.x = LongitudeNear(p.x, *middleLongitude_);
    return GridToPixel(p);
}

void GridGeoreference::ToPixels(std::span<MapPos> geo) const {
    if (toWgs84_)
        toWgs84_->Inverse(geo);
    for (MapPos& p : geo) {
        if (middleLongitude_)
            p.x = LongitudeNear(p.x, *middleLongitude_);
        p = GridToPixel(p);
    }
}

std::array<double, 6> GridGeoreference::WorldFile() const {
    const Affine& t = pixelToGrid_;
    return {t[0], t[3], t[1], t[4], t[2] + 0.5 * (t[0] + t[1]), t[5] + 0.5 * (t[3] + t[4])};
}

std::string GridGeoreference::Describe() const {
    std::string text = spline_                          ? "thin-plate-spline"
                       : polynomial_                    ? "polynomial"
                       : model_.kind == GridKind::Named ? "named"
                                                        : model_.Name();
    text += '\t' + gridCrs_;
    if (spline_)
        text += '\t' + std::to_string(spline_->first.Points());
    if (polynomial_)
        text += '\t' + std::to_string(polynomial_->Order());
    for (const double v : WorldFile())
        text += '\t' + Number(v);
    return text;
}

const GridModel& GridGeoreference::Model() const {
    return model_;
}
const std::string& GridGeoreference::GridCrs() const {
    return gridCrs_;
}
const std::vector<CalibrationPoint>& GridGeoreference::Points() const {
    return points_;
}
const std::vector<double>& GridGeoreference::ResidualsMetres() const {
    return residuals_;
}
double GridGeoreference::RmsMetres() const {
    return rms_;
}

double LongitudeNear(double lon, double near) {
    if (lon - near > 180)
        return lon - 360 * std::round((lon - near) / 360);
    if (lon - near < -180)
        return lon + 360 * std::round((near - lon) / 360);
    return lon;
}

std::optional<GridModel> BetterModel(const GridModel& current,
                                     std::span<const CalibrationPoint> points) {
    if (points.size() < 4)
        return std::nullopt;
    const std::optional<GridGeoreference> now = GridGeoreference::Fit(current, points, nullptr);
    std::optional<GridModel> best;
    double bestRms = now ? now->RmsMetres() : INFINITY;
    for (const GridKind kind : {GridKind::Topographic, GridKind::Chart, GridKind::Graticule}) {
        const GridModel other{kind, {}};
        if (other == current)
            continue;
        const std::optional<GridGeoreference> fit = GridGeoreference::Fit(other, points, nullptr);
        if (!fit || !(fit->RmsMetres() < bestRms))
            continue;
        if (now && !(fit->RmsMetres() < now->RmsMetres() / 2 &&
                     fit->RmsMetres() < now->RmsMetres() - kClearlyBetterMetres))
            continue;
        best = other;
        bestRms = fit->RmsMetres();
    }
    return best;
}

} // namespace map
