#include "view/ShadeLayer.h"

#include "terrain/DemFolder.h"
#include "view/MapScene.h"

#include <QMetaObject>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace view {

namespace {

// Positions are converted every kStep pixels and interpolated between: a map's placement
// bends far too gently for the difference to show, and a conversion can cost a projection.
constexpr int kStep = 8;

// The ground of a step of dLat, dLon degrees at latitude lat, in metres (the ellipsoid's
// degree lengths).
double GroundMetres(double lat, double dLat, double dLon) {
    const double phi = lat * std::numbers::pi / 180.0;
    const double perLat = 111132.92 - 559.82 * std::cos(2 * phi) + 1.175 * std::cos(4 * phi);
    const double perLon = 111412.84 * std::cos(phi) - 93.5 * std::cos(3 * phi);
    return std::hypot(dLat * perLat, dLon * perLon);
}

} // namespace

QImage ShadeTile(const ShadeTileJob& job) {
    constexpr int kSide = ShadeLayer::kTileSide;
    // A pixel more each side: Horn's gradient of a pixel needs its eight neighbours.
    constexpr int kWindow = kSide + 2;
    constexpr int kNodes = (kWindow - 1 + kStep - 1) / kStep + 1;
    const double x0 = job.column * kSide - 1.0;
    const double y0 = job.row * kSide - 1.0;
    std::vector<MapPos> nodes(kNodes * kNodes);
    for (int j = 0; j < kNodes; ++j)
        for (int i = 0; i < kNodes; ++i)
            nodes[j * kNodes + i] = job.georeference.ToGeo(
                {(x0 + i * kStep + 0.5) / job.zoom, (y0 + j * kStep + 0.5) / job.zoom});
    std::vector<MapPos> positions(kWindow * kWindow);
    for (int y = 0; y < kWindow; ++y) {
        const int j = std::min(y / kStep, kNodes - 2);
        const double fy = (y - j * kStep) / static_cast<double>(kStep);
        for (int x = 0; x < kWindow; ++x) {
            const int i = std::min(x / kStep, kNodes - 2);
            const double fx = (x - i * kStep) / static_cast<double>(kStep);
            const MapPos& a = nodes[j * kNodes + i];
            const MapPos& b = nodes[j * kNodes + i + 1];
            const MapPos& c = nodes[(j + 1) * kNodes + i];
            const MapPos& d = nodes[(j + 1) * kNodes + i + 1];
            positions[y * kWindow + x] = {
                (1 - fy) * ((1 - fx) * a.x + fx * b.x) + fy * ((1 - fx) * c.x + fx * d.x),
                (1 - fy) * ((1 - fx) * a.y + fx * b.y) + fy * ((1 - fx) * c.y + fx * d.y)};
        }
    }
    // The pixel's ground, east and south, at the square's middle.
    const int m = kNodes / 2;
    const MapPos& middle = nodes[m * kNodes + m];
    const MapPos& east = nodes[m * kNodes + m + 1];
    const MapPos& south = nodes[(m + 1) * kNodes + m];
    const double xMetres = GroundMetres(middle.y, east.y - middle.y, east.x - middle.x) / kStep;
    const double yMetres = GroundMetres(middle.y, south.y - middle.y, south.x - middle.x) / kStep;
    if (!(xMetres > 0.0 && yMetres > 0.0 && std::isfinite(xMetres) && std::isfinite(yMetres)))
        return {};

    std::vector<float> heights(positions.size());
    job.dem->Heights(positions, std::max(xMetres, yMetres), heights.data());
    if (std::all_of(heights.begin(), heights.end(), [](float h) { return std::isnan(h); }))
        return {};
    terrain::HeightWindow window;
    window.heights = heights.data();
    window.width = window.height = kWindow;
    window.stride = kWindow;
    window.xStep = xMetres;
    window.yStep = -yMetres;
    std::vector<std::uint8_t> grey(positions.size());
    terrain::Shade(window, job.kind, {}, grey.data(), kWindow);

    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < kSide; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const std::uint8_t* from = grey.data() + (y + 1) * kWindow + 1;
        for (int x = 0; x < kSide; ++x)
            line[x] = from[x] == 0 ? 0 : qRgb(from[x], from[x], from[x]);
    }
    return image;
}

ShadeLayer::ShadeLayer(QObject* parent) : QObject(parent) {}

ShadeLayer::~ShadeLayer() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable())
        worker_.join();
}

void ShadeLayer::Use(std::shared_ptr<terrain::DemFolder> dem, ShadeChoice choice) {
    if (dem != dem_) {
        ++generation_;
        kept_.clear();
        dem_ = std::move(dem);
    }
    choice_ = choice;
}

void ShadeLayer::Draw(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    Visit(scene, offset, &painter);
}

void ShadeLayer::WaitForView(const MapScene& scene) {
    Visit(scene, scene.geometry.PaintOffset(), nullptr);
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return queue_.empty() && !working_; });
    }
    Collect();
}

void ShadeLayer::Visit(const MapScene& scene, ViewPoint offset, QPainter* painter) {
    const ViewGeometry& g = scene.geometry;
    if (!dem_ || scene.map.Empty() || !scene.georeference.HasTransform() || g.ClientWidth() == 0 ||
        g.ClientHeight() == 0)
        return;
    if (&scene.map != map_ || !georeference_ || !(*georeference_ == scene.georeference)) {
        ++generation_;
        kept_.clear();
        map_ = &scene.map;
        georeference_ = scene.georeference;
    }
    Collect();
    // A turned view shows the squares under the box round it, turned as the map is.
    int width = g.ClientWidth();
    int height = g.ClientHeight();
    if (g.Turned()) {
        const double turn = g.Rotation() * std::numbers::pi / 180.0;
        const double c = std::abs(std::cos(turn));
        const double s = std::abs(std::sin(turn));
        width = static_cast<int>(std::ceil(g.ClientWidth() * c + g.ClientHeight() * s)) + 2;
        height = static_cast<int>(std::ceil(g.ClientWidth() * s + g.ClientHeight() * c)) + 2;
    }
    const int originX = offset.x - (width - g.ClientWidth()) / 2;
    const int originY = offset.y - (height - g.ClientHeight()) / 2;
    const double zoom = g.Zoom();
    const int right = std::min(originX + width, static_cast<int>(scene.map.Width() * zoom));
    const int bottom = std::min(originY + height, static_cast<int>(scene.map.Height() * zoom));
    const int left = std::max(originX, 0);
    const int top = std::max(originY, 0);
    std::vector<std::pair<Key, ShadeTileJob>> wanted;
    if (painter != nullptr) {
        painter->save();
        painter->setOpacity(choice_.opacity);
        if (g.Turned()) {
            // Turned onto the canvas as the map is.
            const ViewPoint corner = g.CanvasOrigin(offset).value_or(ViewPoint{});
            painter->translate(-corner.x, -corner.y);
            painter->rotate(g.Rotation());
            painter->translate(originX, originY);
        }
    }
    for (int r = top / kTileSide; top < bottom && r <= (bottom - 1) / kTileSide; ++r)
        for (int c = left / kTileSide; left < right && c <= (right - 1) / kTileSide; ++c) {
            const Key key{generation_, static_cast<int>(choice_.kind), zoom, c, r};
            if (const auto found = kept_.find(key); found != kept_.end()) {
                found->second.used = ++tick_;
                if (painter != nullptr && !found->second.image.isNull())
                    painter->drawImage(QPoint(c * kTileSide - originX, r * kTileSide - originY),
                                       found->second.image);
                continue;
            }
            wanted.push_back({key, {c, r, zoom, choice_.kind, scene.georeference, dem_}});
        }
    if (painter != nullptr)
        painter->restore();
    {
        const std::lock_guard lock(mutex_);
        queue_.clear();
        for (auto& item : wanted)
            if (item.first != working_)
                queue_.push_back(std::move(item));
        if (!queue_.empty() && !worker_.joinable())
            worker_ = std::thread([this] { Run(); });
    }
    changed_.notify_all();
}

void ShadeLayer::Collect() {
    std::vector<Done> done;
    {
        const std::lock_guard lock(mutex_);
        done.swap(done_);
    }
    for (Done& d : done) {
        if (std::get<0>(d.key) != generation_)
            continue;
        kept_[d.key] = {std::move(d.image), ++tick_};
    }
    while (kept_.size() > kKeptTiles)
        kept_.erase(std::min_element(kept_.begin(), kept_.end(), [](const auto& a, const auto& b) {
            return a.second.used < b.second.used;
        }));
}

void ShadeLayer::Run() {
    for (;;) {
        std::pair<Key, ShadeTileJob> item;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return stop_ || !queue_.empty(); });
            if (stop_)
                return;
            item = std::move(queue_.front());
            queue_.pop_front();
            working_ = item.first;
        }
        QImage image = ShadeTile(item.second);
        {
            const std::lock_guard lock(mutex_);
            done_.push_back({item.first, std::move(image)});
            working_.reset();
        }
        changed_.notify_all();
        // Dropped with this object if it goes first: its destructor joins this thread.
        QMetaObject::invokeMethod(
            this,
            [this] {
                Collect();
                emit Ready();
            },
            Qt::QueuedConnection);
    }
}

} // namespace view
