#pragma once

#include "calib/CGPSMapFuncs.h"
#include "calib/MapPos.h"
#include "view/SymbolPainter.h"
#include "view/Symbols.h"

#include <QImage>
#include <QLineF>
#include <QPoint>
#include <QRect>

#include <array>
#include <vector>

class QPainter;
struct MapScene;

// The trail's lines and dots, drawn into an image of their own that is kept: a frame whose
// trail comes out exactly as the last one's blends the kept image instead of drawing thousands
// of lines again. Repaints that leave the trail alone (the info lines, the GPS marker, the
// selection) come far more often than changes to it.
class TrailLayer {
public:
    // Draws the trail of scene with the scroll offset, as DrawTrail describes.
    void Draw(QPainter& painter, const MapScene& scene);

private:
    // What one frame draws, per shade level, oldest level first.
    struct Shapes {
        std::array<std::vector<QLineF>, kTrailLevels> segments;
        std::array<std::vector<QPoint>, kTrailLevels> ends; // round ends and joins
        std::array<std::vector<QRect>, kTrailLevels> dots;
        int width = 0; // of the client area
        int height = 0;
        qreal pixelRatio = 1.0;

        // Empties the lists, keeping their memory for the next frame.
        void Clear();
        [[nodiscard]] bool Empty() const;
        // Bit for bit: two equal lists draw the same pixels.
        [[nodiscard]] bool SameAs(const Shapes& other) const;
    };

    // A sample as the drawing takes it, apart from zoom and scroll.
    struct Placed {
        MapPos pixel; // in the image
        int level = 0;
        bool placed = false; // false for a break and while the map has no transform
    };

    // Brings placed_ up to date with the scene's trail, calibration and trail length.
    void Place(const MapScene& scene);
    void Collect(const MapScene& scene, Shapes& shapes) const;
    static void Render(QPainter& painter, const Shapes& shapes, const TrailPens& pens);
    [[nodiscard]] bool PensUnchanged(const TrailPens& pens) const;

    // Converting thousands of positions would be most of a frame's work; the results stay
    // while what they were computed from does.
    std::vector<MapPos> samples_; // oldest first
    calib::CGPSMapFuncs calibration_;
    int imageHeight_ = 0;
    int trailLength_ = 0;
    std::vector<Placed> placed_;

    Shapes next_;
    Shapes drawn_;   // what image_ holds
    TrailPens pens_; // the pens image_ was drawn with
    QImage image_;   // null until drawn, and when it could not be had
};
