#include "app/ToolbarIcons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace app {

namespace {

constexpr int kIconSize = 32;
const QColor kInk(40, 40, 48);
const QColor kGpsFill(255, 220, 0);
const QColor kGpsLine(220, 0, 0);
const QColor kTrailGreen(0, 170, 0);

// A map sheet turned a little, under the course-up and heading-up marks.
void DrawTurnedSheet(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(244, 240, 226));
    p.translate(16, 18);
    p.rotate(-25);
    p.drawRect(QRectF(-11, -10, 22, 20));
    p.resetTransform();
}

QPixmap Blank() {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void Magnifier(QPainter& p, bool plus) {
    p.setPen(QPen(kInk, 3));
    p.setBrush(QColor(230, 240, 255));
    p.drawEllipse(QPointF(13, 13), 9, 9);
    p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
    p.setPen(QPen(kInk, 2.5));
    p.drawLine(QPointF(8.5, 13), QPointF(17.5, 13));
    if (plus)
        p.drawLine(QPointF(13, 8.5), QPointF(13, 17.5));
}

void GpsMarker(QPainter& p, QPointF centre, double radius) {
    p.setPen(QPen(kGpsLine, 2.5));
    p.setBrush(kGpsFill);
    p.drawEllipse(centre, radius, radius);
}

} // namespace

QIcon MakeToolbarIcon(ToolbarIcon which) {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case ToolbarIcon::ZoomIn:
        Magnifier(p, true);
        break;
    case ToolbarIcon::ZoomOut:
        Magnifier(p, false);
        break;
    case ToolbarIcon::CentreOnGps:
        // Cross hairs closing in on the marker.
        p.setPen(QPen(kInk, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16, 16), 12, 12);
        p.drawLine(QPointF(16, 1), QPointF(16, 8));
        p.drawLine(QPointF(16, 24), QPointF(16, 31));
        p.drawLine(QPointF(1, 16), QPointF(8, 16));
        p.drawLine(QPointF(24, 16), QPointF(31, 16));
        GpsMarker(p, {16, 16}, 5);
        break;
    case ToolbarIcon::FollowGps: {
        // The marker leading, an arrow of travel behind it.
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(3, 27), QPointF(17, 13));
        QPolygonF head;
        head << QPointF(21, 9) << QPointF(11, 11) << QPointF(19, 19);
        p.setBrush(kInk);
        p.drawPolygon(head);
        GpsMarker(p, {24, 7}, 5);
        break;
    }
    case ToolbarIcon::GpsTrail: {
        QPainterPath path;
        path.moveTo(3, 27);
        path.cubicTo(10, 10, 18, 30, 24, 10);
        p.setPen(QPen(kTrailGreen, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        GpsMarker(p, {25, 8}, 5);
        break;
    }
    case ToolbarIcon::MapPoints: {
        // The three symbol shapes of the map points.
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(0, 120, 255));
        p.drawEllipse(QPointF(9, 9), 6, 6);
        p.setBrush(QColor(255, 0, 255));
        p.drawRect(QRectF(18, 4, 11, 11));
        QPolygonF triangle;
        triangle << QPointF(16, 17) << QPointF(24, 30) << QPointF(8, 30);
        p.setBrush(QColor(0, 200, 200));
        p.drawPolygon(triangle);
        break;
    }
    case ToolbarIcon::Labels: {
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(255, 0, 0));
        p.drawEllipse(QPointF(6, 24), 4, 4);
        QFont font("DejaVu Sans");
        font.setPixelSize(17);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(9, 0, 23, 24), Qt::AlignCenter, "Ab");
        break;
    }
    case ToolbarIcon::CourseUp: {
        // The marker's arrow pointing straight up out of a turned map sheet.
        DrawTurnedSheet(p);
        p.setBrush(kGpsLine);
        p.drawPolygon(QPolygonF({{16, 2}, {23, 24}, {16, 19}, {9, 24}}));
        break;
    }
    case ToolbarIcon::NightMode: {
        // A crescent moon: a disc with a disc cut out of it.
        QPainterPath moon;
        moon.addEllipse(QPointF(16, 16), 12, 12);
        QPainterPath bite;
        bite.addEllipse(QPointF(22, 11), 10, 10);
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(240, 200, 90));
        p.drawPath(moon.subtracted(bite));
        break;
    }
    case ToolbarIcon::HeadingUp: {
        // A bow pointing up out of a turned sheet: the way the craft faces, not where it goes.
        DrawTurnedSheet(p);
        p.setBrush(kGpsLine);
        p.drawPolygon(QPolygonF({{16, 2}, {22, 12}, {22, 26}, {10, 26}, {10, 12}}));
        break;
    }
    }
    p.end();
    return QIcon(pixmap);
}

QIcon MakeToolbarToggleIcon() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 4, 26, 24));
    p.setBrush(QColor(200, 210, 230));
    p.drawRect(QRectF(3, 19, 26, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(6 + i * 8, 21, 5, 5));
    p.end();
    return QIcon(pixmap);
}

QIcon MakeAppIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(244, 240, 226));
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 6, 6);
    p.setPen(QPen(QColor(150, 192, 232), 8));
    p.drawLine(QPointF(6, 20), QPointF(58, 44));
    p.setPen(QPen(QColor(140, 140, 140), 5));
    p.drawLine(QPointF(22, 6), QPointF(22, 58));
    p.setPen(QPen(kTrailGreen, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 54), QPointF(36, 34));
    p.setPen(QPen(kGpsLine, 4));
    p.setBrush(kGpsFill);
    p.drawEllipse(QPointF(40, 30), 9, 9);
    p.end();
    return QIcon(pixmap);
}

} // namespace app
