#include "view/WorldLayer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>

namespace view {

namespace {

// The scan's calibration is asked only every this many device pixels each way; between, the
// world position is interpolated (no calibration bends noticeably over so few pixels).
constexpr int kStep = 16;

// A position in the world as a fraction of Web Mercator's square from its north-west corner.
struct Fraction {
    double x = 0.0;
    double y = 0.0;
    bool ok = false;
};

Fraction FractionOf(const MapPos& geo) {
    if (!std::isfinite(geo.x) || !std::isfinite(geo.y) || std::abs(geo.y) >= 90.0)
        return {};
    const double lat = geo.y * std::numbers::pi / 180.0;
    return {(geo.x + 180.0) / 360.0, (1.0 - std::asinh(std::tan(lat)) / std::numbers::pi) / 2.0,
            true};
}

// The world under view pixel (x, y) of geometry scrolled by offset.
Fraction FractionAtView(const map::Georeference& georeference, const ViewGeometry& g,
                        ViewPoint offset, double x, double y) {
    return FractionOf(
        georeference.ToGeo(MapPos((x + offset.x) / g.Zoom(), (y + offset.y) / g.Zoom())));
}

// A world pixel, coarser levels standing in for tiles not there yet, each level remembering
// its last tile: neighbouring pixels mostly share one.
class WorldSampler {
public:
    WorldSampler(const map::TiledMap& tiles, int level) : tiles_(tiles), level_(level) {
        last_.fill({});
        // The levels' sizes once: asking the map for them at every pixel costs a frame's budget.
        end_ = std::min(tiles.LevelCount(), static_cast<int>(last_.size()));
        for (int l = level; l < end_; ++l)
            last_[static_cast<std::size_t>(l)].size = tiles.Level(l).width;
    }

    std::optional<map::MapPixel> At(double fx, double fy) {
        if (!(fx >= 0.0 && fx < 1.0 && fy >= 0.0 && fy < 1.0))
            return std::nullopt;
        for (int l = level_; l < end_; ++l) {
            Last& last = last_[static_cast<std::size_t>(l)];
            const int px = static_cast<int>(fx * last.size);
            const int py = static_cast<int>(fy * last.size);
            const int column = px / map::TiledMap::kTileSize;
            const int row = py / map::TiledMap::kTileSize;
            if (last.column != column || last.row != row) {
                last.column = column;
                last.row = row;
                last.tile = tiles_.Tile(l, column, row);
            }
            if (last.tile != nullptr)
                return last.tile[(py % map::TiledMap::kTileSize) * map::TiledMap::kTileSize +
                                 px % map::TiledMap::kTileSize];
        }
        return std::nullopt;
    }

    // n pixels along a line from (fx, fy) stepping (dfx, dfy) a pixel, into out; ground
    // where the world has none. The level's own tiles straight, a missing one through At.
    void Span(double fx, double fy, double dfx, double dfy, int n, map::MapPixel* out,
              map::MapPixel ground) {
        constexpr int kSize = map::TiledMap::kTileSize;
        Last& fine = last_[static_cast<std::size_t>(level_)];
        const double size = fine.size;
        for (int i = 0; i < n; ++i) {
            const double px = (fx + dfx * i) * size;
            const double py = (fy + dfy * i) * size;
            if (!(px >= 0.0 && px < size && py >= 0.0 && py < size)) {
                out[i] = ground;
                continue;
            }
            const int ix = static_cast<int>(px);
            const int iy = static_cast<int>(py);
            const int column = ix / kSize;
            const int row = iy / kSize;
            if (fine.column != column || fine.row != row) {
                fine.column = column;
                fine.row = row;
                fine.tile = tiles_.Tile(level_, column, row);
            }
            out[i] = fine.tile != nullptr ? fine.tile[(iy % kSize) * kSize + ix % kSize]
                                          : At(fx + dfx * i, fy + dfy * i).value_or(ground);
        }
    }

private:
    struct Last {
        int column = -1;
        int row = -1;
        const map::MapPixel* tile = nullptr;
        double size = 0; // the level's pixels across (the world is square)
    };
    const map::TiledMap& tiles_;
    int level_;
    int end_ = 0;
    std::array<Last, 32> last_{};
};

map::MapPixel Blend(map::MapPixel over, map::MapPixel under, unsigned alpha) {
    // Red and blue side by side in 16-bit halves, then green: x / 255 rounded in each half.
    const auto divide = [](std::uint32_t x) {
        x += 0x00800080u;
        return ((x + ((x >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    };
    const unsigned beta = 255u - alpha;
    const std::uint32_t rb = divide((over & 0x00FF00FFu) * alpha + (under & 0x00FF00FFu) * beta);
    const std::uint32_t g = divide(((over >> 8) & 0xFFu) * alpha + ((under >> 8) & 0xFFu) * beta);
    return 0xFF000000u | rb | (g << 8);
}

} // namespace

std::optional<int> WorldLevel(const WorldUnderlay& world, const map::Georeference& georeference,
                              const ViewGeometry& g) {
    if (!world.tiles || world.tiles->Empty() || !georeference.HasTransform() || g.Zoom() <= 0)
        return std::nullopt;
    const double x = g.ClientWidth() / 2.0;
    const double y = g.ClientHeight() / 2.0;
    const ViewPoint offset = g.PaintOffset();
    const Fraction middle = FractionAtView(georeference, g, offset, x, y);
    const Fraction right = FractionAtView(georeference, g, offset, x + kStep, y);
    const Fraction down = FractionAtView(georeference, g, offset, x, y + kStep);
    if (!middle.ok || !right.ok || !down.ok)
        return std::nullopt;
    // The world's width a view pixel spans, the finer of the two ways.
    const double perPixel = std::min(std::hypot(right.x - middle.x, right.y - middle.y),
                                     std::hypot(down.x - middle.x, down.y - middle.y)) /
                            kStep;
    const int coarsest = world.maxZoom - world.tiles->LevelCount() + 1;
    int zoom = world.maxZoom;
    if (perPixel > 0 && std::isfinite(perPixel))
        zoom = static_cast<int>(
            std::ceil(std::log2(1.0 / (perPixel * map::TiledMap::kTileSize)) - 1e-6));
    return world.maxZoom - std::clamp(zoom, coarsest, world.maxZoom);
}

std::vector<map::TileRange> WorldTilesInView(const WorldUnderlay& world,
                                             const map::Georeference& georeference,
                                             const ViewGeometry& g) {
    const std::optional<int> level = WorldLevel(world, georeference, g);
    if (!level)
        return {};
    // A turned view paints the square round its client area.
    double margin = 0.0;
    if (g.Turned())
        margin = std::hypot(g.ClientWidth(), g.ClientHeight()) / 2.0;
    constexpr int kNodes = 8;
    double west = 1.0;
    double east = 0.0;
    double north = 1.0;
    double south = 0.0;
    for (int i = 0; i <= kNodes; ++i)
        for (int j = 0; j <= kNodes; ++j) {
            const double x = -margin + (g.ClientWidth() + 2 * margin) * i / kNodes;
            const double y = -margin + (g.ClientHeight() + 2 * margin) * j / kNodes;
            const Fraction f = FractionAtView(georeference, g, g.PaintOffset(), x, y);
            if (!f.ok)
                continue;
            west = std::min(west, std::clamp(f.x, 0.0, 1.0));
            east = std::max(east, std::clamp(f.x, 0.0, 1.0));
            north = std::min(north, std::clamp(f.y, 0.0, 1.0));
            south = std::max(south, std::clamp(f.y, 0.0, 1.0));
        }
    std::vector<map::TileRange> ranges;
    if (west > east || north > south)
        return ranges;
    for (int l = *level; l < world.tiles->LevelCount(); ++l) {
        const map::TileLevel& tl = world.tiles->Level(l);
        ranges.push_back({l, static_cast<int>(west * tl.columns), static_cast<int>(north * tl.rows),
                          std::min(static_cast<int>(east * tl.columns) + 1, tl.columns),
                          std::min(static_cast<int>(south * tl.rows) + 1, tl.rows)});
    }
    return ranges;
}

void PaintWorldUnder(QImage& frame, QRect rows, const WorldUnderlay& world,
                     const map::Georeference& georeference, const ViewGeometry& g, ViewPoint offset,
                     double ratio, map::MapPixel ground) {
    const std::optional<int> level = WorldLevel(world, georeference, g);
    const int width = frame.width();
    const unsigned alpha =
        static_cast<unsigned>(std::lround(std::clamp(world.scanOpacity, 0.0, 1.0) * 255));
    const auto nodes = static_cast<std::size_t>(width / kStep + 2);
    // The world under a device pixel's centre at every kStep-th column of a node row.
    const auto nodeRow = [&](int y, std::vector<Fraction>& out) {
        out.resize(nodes);
        for (std::size_t k = 0; k < nodes; ++k)
            out[k] =
                FractionAtView(georeference, g, offset,
                               (static_cast<double>(k) * kStep + 0.5) / ratio, (y + 0.5) / ratio);
    };
    std::optional<WorldSampler> sampler;
    if (level)
        sampler.emplace(*world.tiles, *level);
    std::vector<Fraction> above;
    std::vector<Fraction> below;
    std::vector<Fraction> line(nodes);
    int aboveY = -1;
    for (int y = rows.top(); y <= rows.bottom(); ++y) {
        auto* pixels = reinterpret_cast<map::MapPixel*>(frame.scanLine(y));
        if (!sampler) {
            std::replace(pixels, pixels + width, kNoScan, ground);
            continue;
        }
        const int top = y / kStep * kStep;
        if (top != aboveY) {
            nodeRow(top, above);
            nodeRow(top + kStep, below);
            aboveY = top;
        }
        const double t = static_cast<double>(y - top) / kStep;
        for (std::size_t k = 0; k < nodes; ++k)
            line[k] = {above[k].x + (below[k].x - above[k].x) * t,
                       above[k].y + (below[k].y - above[k].y) * t, above[k].ok && below[k].ok};
        std::array<map::MapPixel, kStep> under{};
        for (int x0 = 0; x0 < width; x0 += kStep) {
            map::MapPixel* span = pixels + x0;
            const int n = std::min(kStep, width - x0);
            if (alpha == 255 && std::find(span, span + n, kNoScan) == span + n)
                continue;
            const Fraction& a = line[static_cast<std::size_t>(x0 / kStep)];
            const Fraction& b = line[static_cast<std::size_t>(x0 / kStep) + 1];
            if (a.ok && b.ok)
                sampler->Span(a.x, a.y, (b.x - a.x) / kStep, (b.y - a.y) / kStep, n, under.data(),
                              ground);
            else
                std::fill_n(under.begin(), n, ground);
            for (int i = 0; i < n; ++i)
                span[i] = span[i] == kNoScan
                              ? under[static_cast<std::size_t>(i)]
                              : Blend(span[i], under[static_cast<std::size_t>(i)], alpha);
        }
    }
}

} // namespace view
