#pragma once

#include <QPoint>
#include <QPointF>

class QImage;

namespace view {

// Turns square onto target by nearest neighbour, as a painter turned by angle degrees
// (clockwise) about middle and moved by -shift draws it: each pixel of target whose middle
// falls on the square takes the square's pixel under it; the others are left as they are.
// Both 32-bit images; false, drawing nothing, for any other (or a target of another pixel
// ratio).
bool TurnImage(QImage& target, const QImage& square, double angle, QPointF middle, QPoint shift);

} // namespace view
