#include "view/ViewOverlays.h"

#include <QFont>
#include <QPainter>
#include <QPolygon>

namespace view {

namespace {

constexpr int kMarkRadius = 7;

} // namespace

void PaintMapOutlines(QPainter& painter, const ViewGeometry& geometry,
                      const map::Georeference& georeference,
                      const std::vector<std::vector<MapPos>>& outlines) {
    if (!georeference.HasTransform())
        return;
    painter.save();
    // Dark under light dashes: an edge shows on any map colour.
    QPen under(QColor(60, 0, 90), 3);
    QPen over(QColor(230, 120, 255), 1, Qt::DashLine);
    for (const std::vector<MapPos>& outline : outlines) {
        QPolygon polygon;
        for (const MapPos& corner : outline) {
            const std::optional<ViewPoint> at =
                geometry.ImageToScreen(georeference.ToPixel(corner), geometry.PaintOffset());
            if (!at)
                break;
            polygon << QPoint(at->x, at->y);
        }
        if (polygon.size() != static_cast<int>(outline.size()) || polygon.size() < 3)
            continue;
        for (const QPen& pen : {under, over}) {
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawPolygon(polygon);
        }
    }
    painter.restore();
}

void PaintCalibrationMarks(QPainter& painter, const ViewGeometry& geometry,
                           const std::vector<MapPos>& pixels) {
    painter.save();
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::optional<ViewPoint> at =
            geometry.ImageToScreen(pixels[i], geometry.PaintOffset());
        if (!at || !geometry.InClient(*at))
            continue;
        const QPoint centre(at->x, at->y);
        // White under magenta: the mark stays visible on dark and light map colours.
        for (const auto& [colour, width] :
             {std::pair{QColor(Qt::white), 4}, {QColor(Qt::magenta), 2}}) {
            painter.setPen(QPen(colour, width));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(centre, kMarkRadius, kMarkRadius);
        }
        const QString number = QString::number(i + 1);
        const QPoint textAt = centre + QPoint(kMarkRadius + 3, -kMarkRadius);
        painter.setPen(Qt::white);
        painter.drawText(textAt + QPoint(1, 1), number);
        painter.setPen(Qt::magenta);
        painter.drawText(textAt, number);
    }
    painter.restore();
}

void PaintNoMapHint(QPainter& painter, const ViewGeometry& geometry, const QColor& colour) {
    painter.save();
    painter.setPen(colour);
    const QRect client(0, 0, geometry.ClientWidth(), geometry.ClientHeight());
    painter.drawText(client.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     "Load a map with File > Load Map... or drop an image here");
    painter.restore();
}

} // namespace view
