#include "view/AlarmOverlay.h"

#include "view/InfoLines.h"
#include "view/LiveOverlays.h"
#include "view/MapScene.h"

#include <QFontMetrics>
#include <QPainter>

namespace view {

void DrawAlarmCircle(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (scene.live == nullptr || !scene.live->alarmCentre)
        return;
    const std::optional<ViewPoint> at = GeoToView(scene, *scene.live->alarmCentre, offset);
    if (!at)
        return;
    const std::optional<double> perPixel = MetresPerViewPixel(scene, *at, offset);
    if (!perPixel)
        return;
    const double radius = scene.live->alarmRadiusM / *perPixel;
    const QPointF centre(at->x, at->y);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    // Red dashes over white: the ring shows on any map colour.
    painter.setPen(QPen(QColor(255, 255, 255, 220), 4.0));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(QColor(220, 0, 0), 2.0, Qt::DashLine));
    painter.drawEllipse(centre, radius, radius);
    painter.drawLine(centre - QPointF(5, 0), centre + QPointF(5, 0));
    painter.drawLine(centre - QPointF(0, 5), centre + QPointF(0, 5));
    painter.restore();
}

void DrawAlarmNotice(QPainter& painter, const MapScene& scene, ViewPoint /*offset*/) {
    if (scene.live == nullptr || scene.live->alarmNotice.isEmpty())
        return;
    const ViewGeometry& g = scene.geometry;
    QFont font = InfoFont();
    font.setPointSizeF(font.pointSizeF() * 2.0);
    font.setBold(true);
    const QFontMetrics metrics(font);
    const QRect text(8, 0, g.ClientWidth() - 16, g.ClientHeight());
    const QRect needed =
        metrics.boundingRect(text, Qt::AlignCenter | Qt::TextWordWrap, scene.live->alarmNotice);
    const QRect band(0, (g.ClientHeight() - needed.height()) / 2 - 12, g.ClientWidth(),
                     needed.height() + 24);
    painter.save();
    painter.fillRect(band, QColor(200, 0, 0));
    painter.setPen(Qt::white);
    painter.setFont(font);
    painter.drawText(band.adjusted(8, 0, -8, 0), Qt::AlignCenter | Qt::TextWordWrap,
                     scene.live->alarmNotice);
    painter.restore();
}

} // namespace view
