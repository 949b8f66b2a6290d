#include "view/LiveOverlays.h"

#include "geo/RangeBearing.h"
#include "gps/GpsFix.h"
#include "points/MapPoint.h"
#include "session/MapSession.h"
#include "session/ViewSettings.h"
#include "view/InfoLines.h"
#include "view/MapScene.h"
#include "view/SymbolPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace view {

namespace {

// Spans this many view pixels: one pixel's length would drown in the calibration's rounding.
constexpr int kMeasureSpan = 100;
constexpr int kScaleBarMaxWidth = 150;
constexpr int kMargin = 8;

QPointF ToQPointF(ViewPoint p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

std::optional<ViewPoint> MarkerAt(const MapScene& scene, ViewPoint offset) {
    if (!scene.gpsFix.position.IsSet())
        return std::nullopt;
    return GeoToView(scene, scene.gpsFix.position, offset);
}

std::optional<double> ScreenCourse(const MapScene& scene, const MapPos& geo, double courseDeg) {
    return ImageCourse(scene.georeference, geo, courseDeg);
}

} // namespace

std::optional<double> ImageCourse(const map::Georeference& georeference, const MapPos& geo,
                                  double courseDeg) {
    if (!georeference.HasTransform())
        return std::nullopt;
    const double course = courseDeg * std::numbers::pi / 180.0;
    // About 11 m: straight on any map, and well above the doubles' rounding.
    constexpr double kStepDeg = 1e-4;
    const double cosLat = std::max(std::cos(geo.y * std::numbers::pi / 180.0), 1e-6);
    const MapPos ahead(geo.x + kStepDeg * std::sin(course) / cosLat,
                       geo.y + kStepDeg * std::cos(course));
    const MapPos from = georeference.ToPixel(geo);
    const MapPos to = georeference.ToPixel(ahead);
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    if (!std::isfinite(dx) || !std::isfinite(dy) || (dx == 0.0 && dy == 0.0))
        return std::nullopt;
    return std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
}

LiveOverlay LiveOverlayOf(const session::MapSession& session) {
    const session::LiveState& live = session.Live();
    const session::LiveSettings& settings = live.Settings();
    LiveOverlay overlay;
    if (session.GpsConnected()) {
        overlay.arrowCourse = live.ArrowCourse();
        if (settings.accuracyCircle)
            overlay.accuracyM = live.Details().accuracyM;
    }
    if (live.GoTo())
        overlay.goToPoint = live.GoTo()->point;
    overlay.scaleBar = settings.scaleBar;
    overlay.units = settings.units;
    overlay.arrivalNote = QString::fromStdString(live.ArrivalText(session.GpsFix()));
    overlay.nightAmount = settings.nightMode ? settings.nightAmount : 0;
    overlay.courseUp = settings.Turns();
    if (const auto& circle = live.Alarm().Circle()) {
        overlay.alarmCentre = circle->centre;
        overlay.alarmRadiusM = circle->radiusM;
    }
    overlay.alarmNotice = QString::fromStdString(live.AlarmText());
    return overlay;
}

QColor NightTint(int amount) {
    const double a = std::clamp(amount, 0, 100) / 100.0;
    // Blue goes first and green next: the red end keeps the eyes' dark adaptation.
    return QColor::fromRgbF(static_cast<float>(1.0 - 0.55 * a), static_cast<float>(1.0 - 0.75 * a),
                            static_cast<float>(1.0 - 0.92 * a));
}

std::optional<double> MetresPerViewPixel(const MapScene& scene, ViewPoint at, ViewPoint offset) {
    if (!scene.georeference.HasTransform())
        return std::nullopt;
    const double zoom = scene.geometry.Zoom();
    const MapPos a((at.x + offset.x) / zoom, (at.y + offset.y) / zoom);
    const MapPos b(a.x + kMeasureSpan / zoom, a.y);
    const double metres =
        calib::RangeAndBearing(scene.georeference.ToGeo(a), scene.georeference.ToGeo(b)).distance;
    if (!(metres > 0.0) || !std::isfinite(metres))
        return std::nullopt;
    return metres / kMeasureSpan;
}

void DrawNightTint(QPainter& painter, const MapScene& scene, ViewPoint /*offset*/) {
    if (scene.live == nullptr || scene.live->nightAmount <= 0)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Multiply);
    painter.fillRect(QRect(0, 0, scene.geometry.ClientWidth(), scene.geometry.ClientHeight()),
                     NightTint(scene.live->nightAmount));
    painter.restore();
}

void DrawAccuracyCircle(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (scene.live == nullptr || !scene.live->accuracyM || !scene.gpsFix.hasFix)
        return;
    const std::optional<ViewPoint> at = MarkerAt(scene, offset);
    if (!at)
        return;
    const std::optional<double> perPixel = MetresPerViewPixel(scene, *at, offset);
    if (!perPixel)
        return;
    const double radius = *scene.live->accuracyM / *perPixel;
    // Smaller than the marker it says nothing; larger than the view it only washes it out.
    if (radius < 3.0 ||
        radius > 4.0 * std::max(scene.geometry.ClientWidth(), scene.geometry.ClientHeight()))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(30, 90, 200, 200), 1.5));
    painter.setBrush(QColor(30, 90, 200, 40));
    painter.drawEllipse(ToQPointF(*at), radius, radius);
    painter.restore();
}

void DrawGoToLine(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (scene.live == nullptr || !scene.live->goToPoint)
        return;
    const std::optional<ViewPoint> to = GeoToView(scene, *scene.live->goToPoint, offset);
    if (!to)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(200, 0, 160), 2.0, Qt::DashLine));
    if (const std::optional<ViewPoint> from = MarkerAt(scene, offset))
        painter.drawLine(ToQPointF(*from), ToQPointF(*to));
    // The point itself: a ring that shows where the line ends even when the marker is off
    // the view.
    painter.setPen(QPen(QColor(200, 0, 160), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ToQPointF(*to), 7.0, 7.0);
    painter.restore();
}

bool DrawHeadingArrow(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (scene.live == nullptr || !scene.live->arrowCourse || !scene.gpsFix.hasFix)
        return false;
    const std::optional<ViewPoint> at = MarkerAt(scene, offset);
    if (!at || !scene.geometry.InClient(*at))
        return false;
    const double size = 6.0 + 3.0 * scene.settings.positionMarker.GetSize();
    const QPolygonF arrow(
        {{0.0, -size}, {0.6 * size, 0.7 * size}, {0.0, 0.35 * size}, {-0.6 * size, 0.7 * size}});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(ToQPointF(*at));
    painter.rotate(ScreenCourse(scene, scene.gpsFix.position, *scene.live->arrowCourse)
                       .value_or(*scene.live->arrowCourse) +
                   scene.geometry.Rotation());
    painter.setPen(QPen(ColourFromIndex(scene.settings.positionMarker.GetLineColour()), 1.5));
    painter.setBrush(ColourFromIndex(scene.settings.positionMarker.GetFillColour()));
    painter.drawPolygon(arrow);
    painter.restore();
    return true;
}

void DrawScaleBar(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (scene.live == nullptr || !scene.live->scaleBar)
        return;
    const ViewGeometry& g = scene.geometry;
    const std::optional<double> perPixel =
        MetresPerViewPixel(scene, {g.ClientWidth() / 2, g.ClientHeight() / 2}, offset);
    if (!perPixel)
        return;
    const int most = std::min(kScaleBarMaxWidth, g.ClientWidth() - 2 * kMargin);
    const session::ScaleLength length =
        session::RoundScaleLength(most * *perPixel, scene.live->units);
    if (length.text.empty())
        return;
    const int width = static_cast<int>(std::lround(length.metres / *perPixel));
    const QFontMetrics metrics(InfoFont());
    const int bottom = CursorLineRect(g.ClientWidth(), g.ClientHeight()).top() - kMargin;
    const QRect bar(kMargin, bottom - 5, width, 5);
    const QString text = QString::fromStdString(length.text);
    const QRect label(kMargin, bar.top() - metrics.height() - 2,
                      std::max(width, metrics.horizontalAdvance(text)), metrics.height());
    painter.save();
    // Readable on any map: black on a pale band.
    painter.fillRect(label.united(bar).adjusted(-3, -1, 3, 2), QColor(255, 255, 255, 190));
    painter.fillRect(bar, Qt::black);
    painter.fillRect(bar.adjusted(1, 1, -(width + 1) / 2, -1), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(InfoFont());
    painter.drawText(label, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine, text);
    painter.restore();
}

void DrawArrivalNote(QPainter& painter, const MapScene& scene, ViewPoint /*offset*/) {
    if (scene.live == nullptr || scene.live->arrivalNote.isEmpty())
        return;
    const ViewGeometry& g = scene.geometry;
    const QFontMetrics metrics(InfoFont());
    const QRect status = StatusLineRect(g.ClientWidth(), g.ClientHeight());
    const int width = metrics.horizontalAdvance(scene.live->arrivalNote) + 8;
    // Beside the status line, not over its words: right under it, at the right.
    const QRect note(g.ClientWidth() - width, status.bottom() + 1, width, status.height());
    painter.save();
    painter.fillRect(note, scene.infoBackground);
    painter.setPen(scene.infoText);
    painter.setFont(InfoFont());
    painter.drawText(note, Qt::AlignCenter | Qt::TextSingleLine, scene.live->arrivalNote);
    painter.restore();
}

void DrawOffViewArrow(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (scene.live == nullptr || !scene.gpsFix.position.IsSet())
        return;
    const std::optional<MapPos> image = GeoToImage(scene, scene.gpsFix.position);
    if (!image)
        return;
    const ViewGeometry& g = scene.geometry;
    const auto [x, y] = g.ImageToScreenF(*image, offset);
    const QPointF at(x, y);
    if (!std::isfinite(at.x()) || !std::isfinite(at.y()))
        return;
    // The part of the view the info lines leave; the marker shows when it lies there.
    const int top = scene.statusLine.visible
                        ? StatusLineRect(g.ClientWidth(), g.ClientHeight()).bottom() + 1
                        : 0;
    const int bottom = scene.cursorLine.visible
                           ? CursorLineRect(g.ClientWidth(), g.ClientHeight()).top()
                           : g.ClientHeight();
    const QRectF open(0, top, g.ClientWidth(), bottom - top);
    constexpr double kInset = 16.0;
    const QRectF inner = open.adjusted(kInset, kInset, -kInset, -kInset);
    if (open.contains(at) || inner.width() <= 0 || inner.height() <= 0)
        return;
    // From the middle towards the position, stopping at the inner edge.
    const QPointF centre = inner.center();
    const QPointF d = at - centre;
    double t = 1.0;
    if (d.x() != 0.0)
        t = std::min(t, inner.width() / 2.0 / std::abs(d.x()));
    if (d.y() != 0.0)
        t = std::min(t, inner.height() / 2.0 / std::abs(d.y()));
    const QPointF tip = centre + t * d;
    constexpr double kSize = 12.0;
    const QPolygonF arrow({{0.0, -kSize},
                           {0.6 * kSize, 0.7 * kSize},
                           {0.0, 0.35 * kSize},
                           {-0.6 * kSize, 0.7 * kSize}});
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(tip);
    painter.rotate(std::atan2(d.x(), -d.y()) * 180.0 / std::numbers::pi);
    painter.setPen(QPen(ColourFromIndex(scene.settings.positionMarker.GetLineColour()), 1.5));
    painter.setBrush(ColourFromIndex(scene.settings.positionMarker.GetFillColour()));
    painter.drawPolygon(arrow);
    painter.restore();
}

} // namespace view
