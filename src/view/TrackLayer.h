#pragma once

#include "base/MapPos.h"
#include "calib/MapGeoreference.h"
#include "trail/TrackColouring.h"
#include "view/LayerImage.h"
#include "view/ViewGeometry.h"

#include <QPoint>
#include <QRgb>
#include <QSize>

#include <cstdint>
#include <optional>
#include <vector>

class QPainter;

namespace view {

struct MapScene;

// How the tracks and the live trail are coloured: by a value between limits (the user's, or
// else those of everything shown), or plain.
struct ValueColouring {
    trail::ColourBy by = trail::ColourBy::Plain;
    std::optional<trail::ValueLimits> limits; // none: from the values shown
    friend bool operator==(const ValueColouring&, const ValueColouring&) = default;
};

// The open tracks as drawn: each whole, in its colour or coloured by value, with its name at
// its start. The tracks' places on the map and their colours are kept while the tracks, the
// map's georeference and the colouring stay: a frame then only scales and scrolls them.
class TrackLayer {
public:
    void Draw(QPainter& painter, const MapScene& scene, ViewPoint offset);
    // The limits the colours were last spread between; none while plain or without values.
    [[nodiscard]] std::optional<trail::ValueLimits> Limits() const { return limits_; }

    // The track and point whose drawn place is nearest to view pixel at, within radius pixels;
    // none when no shown track passes there.
    struct Hit {
        std::size_t track = 0;
        std::size_t segment = 0;
        std::size_t point = 0;
    };
    [[nodiscard]] std::optional<Hit> HitTest(const MapScene& scene, ViewPoint at, int radius) const;

    // The shown tracks whose names a view scrolled by offset shows, each with the point of the
    // track the name is drawn at, as pairs of numbers.
    [[nodiscard]] std::vector<std::size_t> NamePoints(const MapScene& scene, ViewPoint offset);

private:
    struct NameAt {
        std::size_t track = 0;
        std::size_t point = 0; // counted through the track's segments
        QPoint at;             // in the view
    };
    [[nodiscard]] std::vector<NameAt> NamesAt(const MapScene& scene, ViewPoint offset) const;
    void Place(const MapScene& scene);
    void Colour(const MapScene& scene);
    // The shown tracks' lines for an area of size area whose corner is canvas pixel corner
    // (ViewGeometry::ImageToCanvas).
    void DrawLines(QPainter& painter, const MapScene& scene, ViewPoint corner, QSize area) const;
    // Each shown track's name at its first point in view.
    void DrawNames(QPainter& painter, const MapScene& scene, ViewPoint offset) const;

    // What decides the layer's pixels besides the scroll within its area.
    struct LayerKey {
        ViewPoint anchor;
        QSize size;
        double zoom = 0.0;
        double rotation = 0.0;
        std::uint64_t tracksVersion = 0;
        std::uint64_t drawn = 0;
        friend bool operator==(const LayerKey&, const LayerKey&) = default;
    };
    LayerImage layer_;
    LayerKey layerKey_;
    bool layerValid_ = false;
    // Grows whenever the places or the colours of the points are taken again.
    std::uint64_t drawn_ = 0;

    std::uint64_t placedVersion_ = ~std::uint64_t{0};
    std::uint64_t colouredVersion_ = ~std::uint64_t{0};
    map::MapGeoreference georeference_;
    ValueColouring colouring_;
    // The tracks' values by the measure, and their own limits.
    std::vector<std::vector<std::vector<double>>> values_;
    std::optional<trail::ValueLimits> tracksLimits_;
    // The live trail's limits, and the points and measure they were taken from.
    std::optional<trail::ValueLimits> recentLimits_;
    std::size_t recentCount_ = 0;
    std::int64_t recentNewestMs_ = 0;
    trail::ColourBy recentBy_ = trail::ColourBy::Plain;
    // Image pixels of every point, by track and segment; NaN where a point has no place.
    std::vector<std::vector<std::vector<MapPos>>> pixels_;
    // The colour of every point while coloured by value, by track and segment.
    std::vector<std::vector<std::vector<QRgb>>> colours_;
    std::optional<trail::ValueLimits> limits_;
};

// The tracks of the scene, under the live trail.
void DrawTracks(QPainter& painter, const MapScene& scene, ViewPoint offset);
// The colour legend (the ramp, its limits, what it measures) in the bottom right corner while
// anything is coloured by value.
void DrawColourLegend(QPainter& painter, const MapScene& scene, ViewPoint offset);

} // namespace view
