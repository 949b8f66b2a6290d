#pragma once

#include "view/ViewGeometry.h"

#include <QImage>
#include <QPoint>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace view {

// The layers under the live overlays (PaintKeptLayers) as last drawn, kept while nothing they
// show has changed: a repaint for a new status text, a window uncovered or a still frame then
// costs one copy of the picture instead of sampling the map and drawing the points and the
// trail again. A view scrolled by whole pixels (following the GPS, a drag) shifts the picture
// and draws only the strips it uncovers, where the layers allow it.
class KeptFrame {
public:
    // Everything outside the session and the overlays that decides the picture; those tell
    // the frame through Forget.
    struct Key {
        ViewGeometry geometry;
        qreal pixelRatio = 1.0;
        const void* map = nullptr;
        int nightAmount = 0;
        // The layers draw each pixel from the map's place under it (KeptLayersShift), apart
        // from what they place by the view (ViewPlacements).
        bool shifts = false;
        std::vector<std::size_t> placed;
        friend bool operator==(const Key&, const Key&) = default;
    };

    // Draws the picture for key onto painter (where its clip lets it), drawing the picture
    // first with paint when the one kept is for another key or was forgotten (or only the
    // strips a scroll uncovered, paint then clipped to each).
    void Draw(QPainter& painter, const Key& key, const std::function<void(QPainter&)>& paint);
    // Something the picture shows changed: the next Draw paints it again.
    void Forget() { valid_ = false; }

private:
    // The shift in device pixels that turns the kept picture into key's; none when key's
    // differs otherwise.
    [[nodiscard]] std::optional<QPoint> ShiftTo(const Key& key) const;
    // Moves the kept picture by -shift and paints what it uncovered.
    void Shift(QPoint shift, const std::function<void(QPainter&)>& paint, const QPainter& like);

    QImage image_; // the device pixels of the client area
    Key key_;
    bool valid_ = false;
};

} // namespace view
