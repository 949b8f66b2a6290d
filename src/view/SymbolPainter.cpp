#include "view/SymbolPainter.h"

#include "points/MapPoint.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace view {

namespace {

// Wide pens end and join round, as the handheld's geometric pens did; a width of 0 is Qt's
// one-pixel cosmetic pen, the same as the handheld's thinnest pen.
QPen SolidPen(const QColor& colour, int width) {
    QPen pen(colour, width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::SquareCap,
             width > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    return pen;
}

} // namespace

QColor ColourFromIndex(int colourIndex) {
    const Rgb c = RgbFromIndex(colourIndex);
    return QColor(c.r, c.g, c.b);
}

QFont HandheldFont(double pointSize) {
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    // Crisp one-colour glyphs, so the white outline of a label is exactly one pixel wide.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

const QFont& LabelFont() {
    // Created on first use and kept for the program's life, shared by every label.
    static const QFont* const font = new QFont(HandheldFont(8.0));
    return *font;
}

void DrawSymbol(QPainter& painter, QPoint centre, int symbol, int lineColour, int fillColour,
                int size, const QString& label, bool showLabel) {
    if (symbol == kSymbolInvisible)
        return;
    const int x = centre.x();
    const int y = centre.y();
    const int r = SymbolRadius(size);
    const QColor line = ColourFromIndex(lineColour);

    painter.save();
    painter.setPen(SolidPen(line, SymbolPenWidth(size)));
    painter.setBrush(ColourFromIndex(fillColour));
    switch (symbol) {
    case kSymbolCircle:
        painter.drawEllipse(QRect(x - r, y - r, 2 * r, 2 * r));
        break;
    case kSymbolTriangle: {
        const QPolygon triangle({QPoint(x, y - r), QPoint(x + r, y + r), QPoint(x - r, y + r)});
        painter.drawPolygon(triangle);
        // Qt's one-pixel outline leaves out a corner; the shape must span x - r .. x + r.
        if (painter.pen().width() == 0)
            painter.drawPoints(triangle);
        break;
    }
    case kSymbolSquare:
        painter.drawRect(QRect(x - r, y - r, 2 * r, 2 * r));
        break;
    default: // the crosshair, also for any unknown index
        painter.drawLine(QPoint(x, y - r), QPoint(x, y + r));
        painter.drawLine(QPoint(x - r, y), QPoint(x + r, y));
        break;
    }

    if (showLabel && !label.isEmpty()) {
        painter.setFont(LabelFont());
        // The label's top is on the centre's row.
        const int baseline = y + QFontMetrics(painter.font()).ascent();
        const QPoint outline[] = {{x + r + 1, baseline},
                                  {x + r + 3, baseline},
                                  {x + r + 2, baseline - 1},
                                  {x + r + 2, baseline + 1}};
        painter.setPen(Qt::white);
        for (const QPoint& at : outline)
            painter.drawText(at, label);
        painter.setPen(line);
        painter.drawText(QPoint(x + r + 2, baseline), label);
    }
    painter.restore();
}

void TrailPens::Rebuild(int trailColour, int trailSize) {
    const auto ramp = TrailShadeRamp(trailColour);
    const int width = TrailPenWidth(trailSize);
    for (std::size_t i = 0; i < ramp.size(); ++i) {
        const QColor colour(ramp[i].r, ramp[i].g, ramp[i].b);
        pens_[i] = SolidPen(colour, width);
        brushes_[i] = QBrush(colour);
        linePens_[i] = pens_[i];
        discs_[i] = QImage();
        if (width <= 1)
            continue;
        linePens_[i].setCapStyle(Qt::FlatCap);
        linePens_[i].setJoinStyle(Qt::BevelJoin);
        discs_[i] = QImage(width + 1, width + 1, QImage::Format_ARGB32_Premultiplied);
        discs_[i].fill(Qt::transparent);
        QPainter painter(&discs_[i]);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QRectF(0.5, 0.5, width, width));
    }
}

const QPen& TrailPens::LinePen(int level) const {
    return linePens_[static_cast<std::size_t>(std::clamp(level, 0, kTrailLevels - 1))];
}

const QImage& TrailPens::Disc(int level) const {
    return discs_[static_cast<std::size_t>(std::clamp(level, 0, kTrailLevels - 1))];
}

const QPen& TrailPens::Pen(int level) const {
    return pens_[static_cast<std::size_t>(std::clamp(level, 0, kTrailLevels - 1))];
}

const QBrush& TrailPens::Brush(int level) const {
    return brushes_[static_cast<std::size_t>(std::clamp(level, 0, kTrailLevels - 1))];
}

void DrawMapPoint(const CMapPoint& point, QPainter& painter, QPoint centre, bool showLabel) {
    DrawSymbol(painter, centre, point.GetSymbol(), point.GetLineColour(), point.GetFillColour(),
               point.GetSize(), QString::fromStdString(point.GetName()), showLabel);
}

} // namespace view
