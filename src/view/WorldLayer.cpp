#include "view/WorldLayer.h"

#include "view/LayerImage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <vector>

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

namespace {

// The world's pixels under the device pixels of a view scrolled by offset, row by row: the
// scan's calibration asked at nodes kStep device pixels apart, positions between interpolated.
class WorldRows {
public:
    WorldRows(const WorldUnderlay& world, const map::Georeference& georeference,
              const ViewGeometry& g, ViewPoint offset, double ratio, int width,
              map::MapPixel ground)
        : georeference_(georeference), g_(g), offset_(offset), ratio_(ratio), ground_(ground),
          nodes_(static_cast<std::size_t>(width / kStep + 2)) {
        if (const std::optional<int> level = WorldLevel(world, georeference, g))
            sampler_.emplace(*world.tiles, *level);
    }

    [[nodiscard]] bool HasWorld() const { return sampler_.has_value(); }

    // Device row y's pixels from column x0 on, n of them (within one kStep run), into out.
    void Run(int y, int x0, int n, map::MapPixel* out) {
        Row(y);
        const Fraction& a = line_[static_cast<std::size_t>(x0 / kStep)];
        const Fraction& b = line_[static_cast<std::size_t>(x0 / kStep) + 1];
        if (sampler_ && a.ok && b.ok) {
            const double s = static_cast<double>(x0 % kStep) / kStep;
            const double dx = (b.x - a.x) / kStep;
            const double dy = (b.y - a.y) / kStep;
            sampler_->Span(a.x + (b.x - a.x) * s, a.y + (b.y - a.y) * s, dx, dy, n, out, ground_);
        } else {
            std::fill_n(out, n, ground_);
        }
    }

private:
    // The world under a device pixel's centre at every kStep-th column of node row y.
    void NodeRow(int y, std::vector<Fraction>& out) const {
        out.resize(nodes_);
        for (std::size_t k = 0; k < nodes_; ++k)
            out[k] =
                FractionAtView(georeference_, g_, offset_,
                               (static_cast<double>(k) * kStep + 0.5) / ratio_, (y + 0.5) / ratio_);
    }

    void Row(int y) {
        if (y == lineY_)
            return;
        const int top = y / kStep * kStep;
        if (top != aboveY_) {
            NodeRow(top, above_);
            NodeRow(top + kStep, below_);
            aboveY_ = top;
        }
        const double t = static_cast<double>(y - top) / kStep;
        line_.resize(nodes_);
        for (std::size_t k = 0; k < nodes_; ++k)
            line_[k] = {above_[k].x + (below_[k].x - above_[k].x) * t,
                        above_[k].y + (below_[k].y - above_[k].y) * t,
                        above_[k].ok && below_[k].ok};
        lineY_ = y;
    }

    const map::Georeference& georeference_;
    const ViewGeometry& g_;
    ViewPoint offset_;
    double ratio_;
    map::MapPixel ground_;
    std::size_t nodes_;
    std::optional<WorldSampler> sampler_;
    std::vector<Fraction> above_;
    std::vector<Fraction> below_;
    std::vector<Fraction> line_;
    int aboveY_ = -1;
    int lineY_ = -1;
};

} // namespace

void PaintWorldUnder(QImage& frame, QRect rows, const WorldUnderlay& world,
                     const map::MapGeoreference& georeference, const ViewGeometry& g,
                     ViewPoint offset, double ratio, map::MapPixel ground) {
    const int width = frame.width();
    const unsigned alpha =
        static_cast<unsigned>(std::lround(std::clamp(world.scanOpacity, 0.0, 1.0) * 255));
    const auto compose = [alpha](map::MapPixel* pixels, const map::MapPixel* under, int n) {
        for (int i = 0; i < n; ++i)
            pixels[i] = pixels[i] == kNoScan ? under[i] : Blend(pixels[i], under[i], alpha);
    };
    const auto line = [&frame](int y) {
        return reinterpret_cast<map::MapPixel*>(frame.scanLine(y));
    };
    // Where the view scrolls whole device pixels, the world under an area larger than the view
    // is kept, and a scroll within it only reads it: sampling the world costs several frames'
    // budget. A first paint takes the same area, so every frame shows what it would.
    if (!g.Turned() && ratio == 1.0) {
        WorldPicture& picture = world.picture;
        const ViewPoint anchor{FloorToScrollStep(offset.x), FloorToScrollStep(offset.y)};
        const WorldPicture::Key key{anchor,
                                    width + kLayerScrollStep,
                                    frame.height() + kLayerScrollStep,
                                    g.Zoom(),
                                    georeference,
                                    world.tiles.get(),
                                    world.arrivals,
                                    ground};
        if (!picture.valid || !(key == picture.key)) {
            picture.valid = false;
            WorldRows source(world, georeference, g, anchor, 1.0, key.width, ground);
            picture.hasWorld = source.HasWorld();
            picture.pixels.resize(static_cast<std::size_t>(key.width) * key.height);
            for (int y = 0; picture.hasWorld && y < key.height; ++y)
                for (int x0 = 0; x0 < key.width; x0 += kStep)
                    source.Run(y, x0, std::min(kStep, key.width - x0),
                               picture.pixels.data() + static_cast<std::size_t>(y) * key.width +
                                   x0);
            picture.key = key;
            picture.valid = true;
        }
        for (int y = rows.top(); y <= rows.bottom(); ++y) {
            map::MapPixel* pixels = line(y);
            if (!picture.hasWorld)
                std::replace(pixels, pixels + width, kNoScan, ground);
            else
                compose(pixels,
                        picture.pixels.data() +
                            static_cast<std::size_t>(y + offset.y - anchor.y) * key.width +
                            (offset.x - anchor.x),
                        width);
        }
        return;
    }
    WorldRows source(world, georeference, g, offset, ratio, width, ground);
    std::array<map::MapPixel, kStep> under{};
    for (int y = rows.top(); y <= rows.bottom(); ++y) {
        map::MapPixel* pixels = line(y);
        if (!source.HasWorld()) {
            std::replace(pixels, pixels + width, kNoScan, ground);
            continue;
        }
        for (int x0 = 0; x0 < width; x0 += kStep) {
            map::MapPixel* span = pixels + x0;
            const int n = std::min(kStep, width - x0);
            if (alpha == 255 && std::find(span, span + n, kNoScan) == span + n)
                continue;
            source.Run(y, x0, n, under.data());
            compose(span, under.data(), n);
        }
    }
}

} // namespace view
