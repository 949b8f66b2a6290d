#pragma once

#include <QPoint>
#include <QRect>

#include <array>

class QImage;

namespace view {

// A turned view's map: target pixel (x, y) is canvas pixel (x, y) + corner (see ViewGeometry),
// and shows the pixel of the unturned zoomed map under the canvas pixel's middle turned back
// by degrees. square holds that map's pixels from pixel at on. Worked out in integers from the
// canvas pixel alone, so a canvas pixel reads the same map pixel in every frame that shows it,
// wherever the frame's corner lies: a scrolled frame can be shifted instead of turned again.

// The four corners of canvas area (in canvas pixels) turned back onto the unturned map.
std::array<QPointF, 4> TurnedBackCorners(QRect area, double degrees);

// Fills area of target so; a pixel whose middle falls off the square is left as it was. Both
// images hold 32-bit ARGB words (RGB32, ARGB32 or its premultiplied form), the square opaque;
// false, drawing nothing, for any other format.
bool TurnImage(QImage& target, QRect area, QPoint corner, const QImage& square, QPoint at,
               double degrees);

} // namespace view
