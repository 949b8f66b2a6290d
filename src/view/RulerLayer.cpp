#include "view/RulerLayer.h"

#include "view/InfoLines.h"
#include "view/MapScene.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace view {

void DrawRuler(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (scene.ruler == nullptr)
        return;
    QPolygon line;
    for (const MapPos& point : *scene.ruler)
        if (const std::optional<ViewPoint> at = GeoToView(scene, point, offset))
            line << QPoint(at->x, at->y);
    painter.save();
    // Dark under light: the legs show on any map colour.
    for (const auto& [colour, width] :
         {std::pair{QColor(40, 40, 40), 4}, std::pair{QColor(255, 230, 0), 2}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(line);
        for (const QPoint& p : line)
            painter.drawEllipse(p, 4, 4);
    }
    const QFontMetrics metrics(painter.font());
    const int width = metrics.horizontalAdvance(scene.rulerText) + 12;
    const QRect status =
        StatusLineRect(scene.geometry.ClientWidth(), scene.geometry.ClientHeight());
    const QRect box(4, status.bottom() + 4, width, metrics.height() + 6);
    painter.fillRect(box, QColor(255, 255, 255, 230));
    painter.setPen(Qt::black);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawText(box, Qt::AlignCenter, scene.rulerText);
    painter.restore();
}

} // namespace view
