#include "map/formats/OverlayMosaic.h"

#include "base/MapPos.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace map {

namespace {

// A quit waits for no more than this many rows of a mosaic.
constexpr int kRowsPerCheck = 64;

// out.x = a*in.x + b*in.y + c, out.y = d*in.x + e*in.y + f; pixels counted from the corner of
// the image, not the centre of its first pixel as a world file has them.
struct Affine {
    double a, b, c, d, e, f;
};

Affine FromWorldFile(const std::array<double, 6>& wf) {
    return {wf[0], wf[2], wf[4] - 0.5 * (wf[0] + wf[2]),
            wf[1], wf[3], wf[5] - 0.5 * (wf[1] + wf[3])};
}

std::optional<Affine> Invert(const Affine& m) {
    const double det = m.a * m.e - m.b * m.d;
    if (!std::isfinite(det) || det == 0)
        return std::nullopt;
    return Affine{m.e / det,  -m.b / det, (m.b * m.f - m.e * m.c) / det,
                  -m.d / det, m.a / det,  (m.d * m.c - m.a * m.f) / det};
}

// outer after inner.
Affine Compose(const Affine& outer, const Affine& inner) {
    return {outer.a * inner.a + outer.b * inner.d,
            outer.a * inner.b + outer.b * inner.e,
            outer.a * inner.c + outer.b * inner.f + outer.c,
            outer.d * inner.a + outer.e * inner.d,
            outer.d * inner.b + outer.e * inner.e,
            outer.d * inner.c + outer.e * inner.f + outer.f};
}

MapPos Apply(const Affine& m, double x, double y) {
    return MapPos(m.a * x + m.b * y + m.c, m.d * x + m.e * y + m.f);
}

std::array<MapPos, 4> Corners(const Affine& m, int width, int height) {
    return {Apply(m, 0, 0), Apply(m, width, 0), Apply(m, width, height), Apply(m, 0, height)};
}

// Where 0 <= slope * x + offset < limit holds, as an interval of x (empty when lo > hi).
void Narrow(double slope, double offset, double limit, double& lo, double& hi) {
    if (slope == 0) {
        if (offset < 0 || offset >= limit)
            hi = lo - 1;
        return;
    }
    const double x0 = -offset / slope;
    const double x1 = (limit - offset) / slope;
    lo = std::max(lo, std::min(x0, x1));
    hi = std::min(hi, std::max(x0, x1));
}

} // namespace

std::optional<MosaicLayout> PlanMosaic(std::span<PlacedOverlay> overlays) {
    if (overlays.empty())
        return std::nullopt;
    double step[2] = {INFINITY, INFINITY}; // degrees of longitude and latitude per pixel
    double west = INFINITY, east = -INFINITY, south = INFINITY, north = -INFINITY;
    double firstCentre = 0;
    double own = 0; // the overlays' pixels
    for (std::size_t i = 0; i < overlays.size(); ++i) {
        PlacedOverlay& overlay = overlays[i];
        if (overlay.width <= 0 || overlay.height <= 0)
            return std::nullopt;
        own += static_cast<double>(overlay.width) * overlay.height;
        const double centre =
            Apply(FromWorldFile(overlay.affine), overlay.width / 2.0, overlay.height / 2.0).x;
        if (i == 0)
            firstCentre = centre;
        overlay.affine[4] -= 360.0 * std::round((centre - firstCentre) / 360.0);
        const Affine m = FromWorldFile(overlay.affine);
        const double det = std::abs(m.a * m.e - m.b * m.d);
        // The longest a step of one pixel along the mosaic's rows (or columns) may be without
        // passing over an overlay pixel.
        const double lon = det / std::hypot(m.d, m.e);
        const double lat = det / std::hypot(m.a, m.b);
        if (!std::isfinite(lon) || !std::isfinite(lat) || !(lon > 0) || !(lat > 0))
            return std::nullopt;
        step[0] = std::min(step[0], lon);
        step[1] = std::min(step[1], lat);
        for (const MapPos& corner : Corners(m, overlay.width, overlay.height)) {
            west = std::min(west, corner.x);
            east = std::max(east, corner.x);
            south = std::min(south, corner.y);
            north = std::max(north, corner.y);
        }
    }
    MosaicLayout layout;
    // A span that is a whole number of steps but for rounding adds no column.
    const auto size = [](double span, double step) {
        return std::max(1.0, std::ceil(span / step - 1e-6));
    };
    double width = size(east - west, step[0]);
    double height = size(north - south, step[1]);
    const double most =
        std::min(static_cast<double>(kMaxMosaicPixels), kMosaicPixelsPerOverlayPixel * own);
    layout.sparse = most < kMaxMosaicPixels && width * height > most;
    layout.coarser = std::max(
        {1.0, std::sqrt(width * height / most), width / kMaxMosaicSide, height / kMaxMosaicSide});
    while (layout.coarser > 1.0) {
        width = size(east - west, step[0] * layout.coarser);
        height = size(north - south, step[1] * layout.coarser);
        if (width * height <= most && width <= kMaxMosaicSide && height <= kMaxMosaicSide)
            break;
        layout.coarser *= 1.001;
    }
    const double lon = step[0] * layout.coarser;
    const double lat = step[1] * layout.coarser;
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    layout.affine = {lon, 0, 0, -lat, west + lon / 2, north - lat / 2};
    if (!std::all_of(layout.affine.begin(), layout.affine.end(),
                     [](double v) { return std::isfinite(v); }))
        return std::nullopt;
    return layout;
}

bool FillBlank(MapPyramid& mosaic, const MosaicCancelled& cancelled) {
    const std::vector<MapPixel> white(static_cast<std::size_t>(mosaic.Width()), 0xFFFFFFFFu);
    for (int y = 0; y < mosaic.Height(); ++y) {
        if (y % kRowsPerCheck == 0 && cancelled && cancelled())
            return false;
        mosaic.StoreRow(y, white.data());
    }
    return true;
}

bool DrawOverlay(MapPyramid& mosaic, const std::array<double, 6>& mosaicAffine,
                 const MapPyramid& image, const std::array<double, 6>& overlayAffine,
                 const MosaicCancelled& cancelled) {
    const Affine toGeo = FromWorldFile(mosaicAffine);
    const std::optional<Affine> fromGeo = Invert(FromWorldFile(overlayAffine));
    const std::optional<Affine> toMosaic = Invert(toGeo);
    if (!fromGeo || !toMosaic || image.Empty())
        return true;
    const int w = image.Width();
    const int h = image.Height();
    // Mosaic pixel to overlay pixel, and the overlay's corners on the mosaic.
    const Affine t = Compose(*fromGeo, toGeo);
    double top = INFINITY, bottom = -INFINITY;
    for (const MapPos& corner : Corners(Compose(*toMosaic, FromWorldFile(overlayAffine)), w, h)) {
        top = std::min(top, corner.y);
        bottom = std::max(bottom, corner.y);
    }
    const int firstRow = static_cast<int>(std::clamp(std::floor(top), 0.0, 1.0 * mosaic.Height()));
    const int endRow =
        static_cast<int>(std::clamp(std::ceil(bottom) + 1, 0.0, 1.0 * mosaic.Height()));
    std::vector<MapPixel> run;
    // The overlay's pixels read through the tile last read: neighbours mostly share it.
    constexpr int kTile = MapPyramid::kTileSize;
    const MapPixel* tile = nullptr;
    int tileColumn = -1;
    int tileRow = -1;
    const auto sample = [&](int x, int y) {
        if (x / kTile != tileColumn || y / kTile != tileRow) {
            tileColumn = x / kTile;
            tileRow = y / kTile;
            tile = image.Tile(0, tileColumn, tileRow);
        }
        return tile[(y % kTile) * kTile + x % kTile];
    };
    for (int y = firstRow; y < endRow; ++y) {
        if ((y - firstRow) % kRowsPerCheck == 0 && cancelled && cancelled())
            return false;
        const double cy = y + 0.5;
        // The centres on this row that fall on the overlay, widened by a pixel against rounding;
        // each centre is then tested itself.
        double lo = -INFINITY, hi = INFINITY;
        Narrow(t.a, t.b * cy + t.c, w, lo, hi);
        Narrow(t.d, t.e * cy + t.f, h, lo, hi);
        if (!(lo <= hi))
            continue;
        const int first =
            static_cast<int>(std::clamp(std::floor(lo - 0.5) - 1, 0.0, 1.0 * mosaic.Width()));
        const int end =
            static_cast<int>(std::clamp(std::ceil(hi - 0.5) + 2, 0.0, 1.0 * mosaic.Width()));
        run.clear();
        int runStart = first;
        const MapPos rowStart = Apply(t, 0, cy);
        for (int x = first; x <= end; ++x) {
            bool inside = false;
            if (x < end) {
                const double u = t.a * (x + 0.5) + rowStart.x;
                const double v = t.d * (x + 0.5) + rowStart.y;
                inside = u >= 0 && u < w && v >= 0 && v < h;
                if (inside) {
                    if (run.empty())
                        runStart = x;
                    run.push_back(sample(std::min(static_cast<int>(u), w - 1),
                                         std::min(static_cast<int>(v), h - 1)));
                }
            }
            if (!inside && !run.empty()) {
                mosaic.StoreSpan(runStart, y, run.data(), static_cast<int>(run.size()));
                run.clear();
            }
        }
    }
    return true;
}

} // namespace map
