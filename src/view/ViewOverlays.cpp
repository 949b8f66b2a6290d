#include "view/ViewOverlays.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPolygon>

namespace view {

namespace {

constexpr int kMarkRadius = 7;

} // namespace

void DrawMapOutlines(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (scene.outlines == nullptr || scene.map.Empty() || !scene.georeference.HasTransform())
        return;
    painter.save();
    // Dark under light dashes: an edge shows on any map colour.
    QPen under(QColor(60, 0, 90), 3);
    QPen over(QColor(230, 120, 255), 1, Qt::DashLine);
    for (const std::vector<MapPos>& outline : *scene.outlines) {
        QPolygon polygon;
        for (const MapPos& corner : outline) {
            const std::optional<ViewPoint> at =
                scene.geometry.ImageToScreen(scene.georeference.ToPixel(corner), offset);
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

void DrawCalibrationMarks(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    const std::vector<MapPos>& pixels = scene.calibrationMarks;
    if (pixels.empty())
        return;
    const ViewGeometry& geometry = scene.geometry;
    painter.save();
    QFont font = painter.font();
    font.setBold(true);
    painter.setFont(font);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::optional<ViewPoint> at = geometry.ImageToScreen(pixels[i], offset);
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

void DrawNoMapHint(QPainter& painter, const MapScene& scene, ViewPoint /*offset*/) {
    if (!scene.noMapHint)
        return;
    painter.save();
    painter.setPen(*scene.noMapHint);
    const QRect client(0, 0, scene.geometry.ClientWidth(), scene.geometry.ClientHeight());
    painter.drawText(client.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     QObject::tr("Load a map with File > Load Map... or drop an image here"));
    painter.restore();
}

} // namespace view
