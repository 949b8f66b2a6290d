#pragma once

#include "view/ViewGeometry.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

class QPainter;

namespace view {

// How far a view scrolls, across or down, before a layer kept for it is drawn again: the area
// a layer covers is this much wider and higher than the view, anchored at scroll offsets that
// are whole steps of it.
inline constexpr int kLayerScrollStep = 256;

// The anchor at or before a scroll offset: a whole step.
int FloorToScrollStep(int value);

// Lines drawn once into an image of their own and blended into later frames instead of drawn
// again. Only the image's blocks that hold a pixel are blended: most of a view has none.
class LayerImage {
public:
    // A transparent image of size view pixels at ratio, with paint drawn into it (nothing when
    // paint is empty); false when its memory cannot be had.
    bool Build(QSize size, qreal ratio, const std::function<void(QPainter&)>& paint);
    // The part a view of viewSize scrolled shift past the image's top-left corner shows.
    void Blend(QPainter& painter, ViewPoint shift, QSize viewSize) const;
    // Gives the memory back.
    void Clear();

private:
    void FindFilledBlocks();

    QImage image_;              // null until built, and when it could not be had
    std::vector<QRect> filled_; // runs of blocks of image_ with pixels, in device pixels
};

} // namespace view
