#pragma once

#include "view/ViewGeometry.h"

#include <QImage>

#include <functional>

class QPainter;

namespace view {

// The layers under the live overlays (PaintKeptLayers) as last drawn, kept while nothing they
// show has changed: a repaint for a new status text, a window uncovered or a still frame then
// costs one copy of the picture instead of sampling the map and drawing the points and the
// trail again.
class KeptFrame {
public:
    // Everything outside the session and the overlays that decides the picture; those tell
    // the frame through Forget.
    struct Key {
        ViewGeometry geometry;
        qreal pixelRatio = 1.0;
        const void* map = nullptr;
        int nightAmount = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };

    // Draws the picture for key onto painter (where its clip lets it), drawing the picture
    // first with paint when the one kept is for another key or was forgotten.
    void Draw(QPainter& painter, const Key& key, const std::function<void(QPainter&)>& paint);
    // Something the picture shows changed: the next Draw paints it again.
    void Forget() { valid_ = false; }

private:
    QImage image_; // the device pixels of the client area
    Key key_;
    bool valid_ = false;
};

} // namespace view
