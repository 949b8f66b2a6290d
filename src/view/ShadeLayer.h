#pragma once

#include "calib/MapGeoreference.h"
#include "terrain/Shading.h"
#include "view/ViewGeometry.h"

#include <QImage>
#include <QObject>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <tuple>
#include <vector>

class QPainter;
namespace terrain {
class DemFolder;
}

namespace view {

struct MapScene;

// View > Hill Shading and Slope Shading: which, and how strongly it covers the map.
struct ShadeChoice {
    terrain::ShadeKind kind = terrain::ShadeKind::Hill;
    double opacity = 0.5; // 0..1
    friend bool operator==(const ShadeChoice&, const ShadeChoice&) = default;
};

// One square of shading in the view's zoomed, unturned image pixels, what a worker computes.
struct ShadeTileJob {
    int column = 0; // the square's place, kTileSide pixels a step
    int row = 0;
    double zoom = 1.0;
    terrain::ShadeKind kind = terrain::ShadeKind::Hill;
    map::MapGeoreference georeference;
    std::shared_ptr<terrain::DemFolder> dem;
};

// The shading of one square: each pixel's grey from the DEM heights under the pixels around
// it, taken where the map places them, at the DEM's resolution that matches the pixel's ground
// (averaged samples for a shrunk view, bilinear between samples for an enlarged one); clear
// where the DEM has no heights. Null when it has none at all.
QImage ShadeTile(const ShadeTileJob& job);

// The shading laid over the map: squares of it computed on a worker thread (never on the
// window's), kept for the view's next frames (at most kKeptTiles, the least recently drawn let
// go first) and drawn with the choice's opacity as they come; Ready says one came.
class ShadeLayer : public QObject {
    Q_OBJECT

public:
    static constexpr int kTileSide = 256;
    static constexpr std::size_t kKeptTiles = 96;

    explicit ShadeLayer(QObject* parent = nullptr);
    ~ShadeLayer() override;

    // The DEM and the choice the next frames draw with; nothing is drawn without a DEM.
    void Use(std::shared_ptr<terrain::DemFolder> dem, ShadeChoice choice);
    // Draws the squares in view that are there; asks the worker for the others, those in view
    // first and no others.
    void Draw(QPainter& painter, const MapScene& scene, ViewPoint offset);
    // Asks for the squares in view without drawing, and blocks until they are all computed
    // (a screenshot shows them all).
    void WaitForView(const MapScene& scene);

signals:
    void Ready();

private:
    using Key = std::tuple<std::uint64_t, int, double, int, int>; // generation, kind, zoom, c, r
    struct Done {
        Key key;
        QImage image;
    };
    // The squares the scene shows, each drawn when kept and asked for when not.
    void Visit(const MapScene& scene, ViewPoint offset, QPainter* painter);
    void Collect();
    void Run();

    std::shared_ptr<terrain::DemFolder> dem_;
    ShadeChoice choice_;
    std::optional<map::MapGeoreference> georeference_; // the one the kept squares were made for
    const void* map_ = nullptr;
    std::uint64_t generation_ = 0;
    std::uint64_t tick_ = 0;
    struct Kept {
        QImage image;
        std::uint64_t used = 0;
    };
    std::map<Key, Kept> kept_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::pair<Key, ShadeTileJob>> queue_;
    std::optional<Key> working_;
    std::vector<Done> done_;
    bool stop_ = false;
    std::thread worker_;
};

} // namespace view
