#pragma once

#include "view/Symbols.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPoint>
#include <QString>

#include <array>

class CMapPoint;
class QPainter;

namespace view {

// Colour index 0..7 to its colour; any other index gives black.
QColor ColourFromIndex(int colourIndex);

// The font of the handheld at pointSize: "Tahoma" when installed, otherwise the system's
// sans-serif at the same point size, without antialiasing.
QFont HandheldFont(double pointSize);
// The 8 pt of the symbol labels.
const QFont& LabelFont();

// Draws one symbol centred on a view pixel. Symbol 0 draws nothing, not even the label;
// indices 1..3 are a circle, an apex-up triangle and a square spanning centre +/- r (r = 2s + 1)
// on both axes, filled with the fill colour and outlined in the line colour (pen 1 pixel, 4 at
// size value 4); any other index is a crosshair whose arms reach exactly r pixels from the
// centre. With showLabel and a non-empty label, the label's top-left corner is at
// (x + r + 2, y) in the line colour over a one-pixel white outline. Expects a painter with
// antialiasing off; leaves its pen, brush and font as it found them.
void DrawSymbol(QPainter& painter, QPoint centre, int symbol, int lineColour, int fillColour,
                int size, const QString& label, bool showLabel);

// DrawSymbol with the point's symbol, colours and size and its name as the label.
void DrawMapPoint(const CMapPoint& point, QPainter& painter, QPoint centre, bool showLabel);

// The 20 pens and brushes the trail fades through, from black (level 0) toward the trail
// colour (level 19 at 242/255 of it). Pen width is twice the trail size value.
class TrailPens {
public:
    TrailPens() { Rebuild(kColourGreen, 2); }
    void Rebuild(int trailColour, int trailSize);

    // Levels outside 0..19 take the nearest end of the ramp.
    [[nodiscard]] const QPen& Pen(int level) const;
    [[nodiscard]] const QBrush& Brush(int level) const;
    // For the trail's lines: Pen with flat ends when it is wide, whose round ends and joins
    // are then the disc (null for a thin pen) stamped centred on each vertex.
    [[nodiscard]] const QPen& LinePen(int level) const;
    [[nodiscard]] const QImage& Disc(int level) const;

private:
    std::array<QPen, kTrailLevels> pens_;
    std::array<QPen, kTrailLevels> linePens_;
    std::array<QBrush, kTrailLevels> brushes_;
    std::array<QImage, kTrailLevels> discs_;
};

} // namespace view
