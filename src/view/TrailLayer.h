#pragma once

#include "base/MapPos.h"
#include "calib/MapGeoreference.h"
#include "view/LayerImage.h"
#include "view/SymbolPainter.h"
#include "view/Symbols.h"
#include "view/TrackLayer.h"
#include "view/ViewGeometry.h"

#include <QImage>
#include <QLine>
#include <QPoint>
#include <QRect>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class QPainter;

namespace view {

struct MapScene;

// The trail's lines and dots. Once a frame draws the trail exactly as the last one did, they
// are drawn into an image of their own that is kept, and later such frames blend the image
// instead of drawing thousands of lines again: repaints that leave the trail alone (the info
// lines, the GPS marker, the selection) come far more often than changes to it. On a view
// that is not turned the trail is drawn for a larger area than the view, anchored at scroll
// offsets that are whole steps, so that a scroll (the view following the GPS) shifts the image
// instead of drawing the trail again until the view leaves it; a first paint draws the same
// area, so every frame shows what it would. A turned view does the same on its canvas.
class TrailLayer {
public:
    // Draws the trail of scene with the scroll offset, as DrawTrail describes.
    void Draw(QPainter& painter, const MapScene& scene);

private:
    // A sample as the drawing takes it, apart from zoom and scroll.
    struct Placed {
        MapPos pixel; // in the image
        int level = 0;
        bool placed = false;        // false for a break and while the map has no transform
        std::optional<QRgb> colour; // coloured by value: the value's colour faded by age
    };

    // What one frame draws, per shade level, oldest level first.
    struct Shapes {
        // Lines between whole canvas pixels, as sampled (not cut where they leave the area:
        // a cut's rounding would move their edges); only those with a part within clip.
        std::array<std::vector<QLine>, kTrailLevels> segments;
        std::array<std::vector<QPoint>, kTrailLevels> ends; // round ends and joins
        std::array<std::vector<QRect>, kTrailLevels> dots;
        // Coloured by value: the lines and dots by their colour, drawn this wide.
        std::map<QRgb, std::vector<QLine>> valueSegments;
        std::map<QRgb, std::vector<QRect>> valueDots;
        int valueWidth = 1;
        QRectF clip; // beyond it nothing of a line shows

        // Empties the lists, keeping their memory for the next frame.
        void Clear();
        [[nodiscard]] bool Empty() const;
    };

    // Everything besides the placed samples and the pens that decides the shapes and their
    // pixels.
    struct FrameKey {
        ViewPoint anchor; // the scroll offset (a turned view: canvas pixel) of the area's corner
        int areaWidth = 0;
        int areaHeight = 0;
        double zoom = 0.0;
        int width = 0;
        int height = 0;
        int trailSize = 0;
        int trailStyle = 0;
        qreal pixelRatio = 0.0;
        double rotation = 0.0;
        friend bool operator==(const FrameKey&, const FrameKey&) = default;
    };

    // Brings placed_ up to date with the scene's trail, georeference, trail length and
    // colouring; true when it had to.
    bool Place(const MapScene& scene);
    // How many of samples_, from the newest back, begin walk (the trail now): those keep their
    // pixels.
    [[nodiscard]] std::size_t KeptSamples(const std::vector<MapPos>& walk) const;
    void Collect(const MapScene& scene, const FrameKey& key);
    // The colour of each sample by the value of the recent point it was recorded from.
    void ColourByValue(const MapScene& scene);
    static void Render(QPainter& painter, const Shapes& shapes, const TrailPens& pens);
    // Renders shapes_ straight onto the frame of a view scrolled shift past the area's anchor.
    void RenderShifted(QPainter& painter, ViewPoint shift) const;
    [[nodiscard]] bool PensUnchanged(const TrailPens& pens) const;
    // Draws shapes_ into layer_; false when its memory cannot be had.
    bool BuildLayer();

    // Converting thousands of positions would be most of a frame's work; the results stay
    // while what they were computed from does.
    std::vector<MapPos> samples_; // oldest first
    map::MapGeoreference georeference_;
    int trailLength_ = 0;
    ValueColouring colouring_;
    std::optional<trail::ValueLimits> limits_;
    std::size_t recentCount_ = 0;
    std::int64_t recentNewestMs_ = 0;
    std::vector<Placed> placed_;

    Shapes shapes_;
    FrameKey shapesKey_; // the frame shapes_ were gathered for
    TrailPens pens_;     // and the pens they are drawn with
    // Nothing yet; shapes_ up to date; layer_ as well.
    enum class State { None, Shapes, Layer } state_ = State::None;
    LayerImage layer_;
};

} // namespace view
