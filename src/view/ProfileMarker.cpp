#include "view/ProfileMarker.h"

#include "view/MapScene.h"

#include <QPainter>

namespace view {

void DrawProfileMark(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (!scene.profileMarker)
        return;
    const std::optional<ViewPoint> at = GeoToView(scene, *scene.profileMarker, offset);
    if (!at || !scene.geometry.InClient(*at))
        return;
    const QPoint p(at->x, at->y);
    painter.save();
    // Dark under light, as the ruler: it shows on any map and on any track colour.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(40, 40, 40), 5));
    painter.drawEllipse(p, 7, 7);
    painter.setPen(QPen(QColor(255, 0, 255), 3));
    painter.drawEllipse(p, 7, 7);
    painter.fillRect(QRect(p.x() - 1, p.y() - 1, 3, 3), QColor(255, 0, 255));
    painter.restore();
}

} // namespace view
