#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <optional>

class QPainter;

namespace view {

// The image a painter draws into pixel for pixel: device pixels of one to one, moved by whole
// pixels at most, drawn over plainly, clipped to one rectangle at most.
struct PixelTarget {
    QImage* image = nullptr;
    QRect clip;    // device pixels that may be written
    QPoint origin; // the device pixel of the painter's (0, 0)
};

// The painter's image (32-bit, premultiplied where it has alpha) as a PixelTarget; none where
// it draws otherwise (another device or format, a scale or turn, a clip of many rectangles, a
// blend).
std::optional<PixelTarget> DirectTarget(QPainter& painter);

// Fills every pixel whose middle lies within width / 2 of the line from a to b, between its ends
// (flat ends) or also within width / 2 of an end (round ends), in colour, which must be opaque.
// Which pixels those are follows from a pixel's place relative to a alone, never from where the
// image lies or where a clip cuts the line: the same line drawn into an image shifted by whole
// pixels gives the same pixels, shifted. Qt's own rasteriser cuts a line where it leaves the
// image and rounds the cut, which moves an edge pixel now and then.
void FillWideLine(const PixelTarget& target, QPoint a, QPoint b, double width, QRgb colour,
                  bool roundEnds);

// A line one pixel thick from a to b, both ends included (a's left out with fromJoin, where the
// line goes on from another that ended there): a pixel in each column (or row, for a steep
// line), the one nearest the line (a tie goes right or down); as above, shifted with the
// image. A translucent colour is laid over what is there.
void FillThinLine(const PixelTarget& target, QPoint a, QPoint b, QRgb colour,
                  bool fromJoin = false);

} // namespace view
