#include "view/MapPaint.h"

#include "calib/CGPSMapFuncs.h"
#include "gps/GpsFix.h"
#include "points/MapPoint.h"
#include "session/ViewSettings.h"
#include "trail/TrailBuffer.h"
#include "view/SymbolPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

QPoint ToQPoint(ViewPoint p) {
    return {p.x, p.y};
}

// Cuts the segment a-b down to the part inside rect (Liang-Barsky, in doubles). Lines are
// clipped here rather than by the painter: vertices far outside the view, at high zoom, must
// neither cost rasterising nor reach the painter's fixed-point range. False when nothing of
// the segment is inside.
bool ClipSegment(QRectF rect, QPointF& a, QPointF& b) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0.0;
    double t1 = 1.0;
    const std::array<std::pair<double, double>, 4> edges = {{
        {-dx, a.x() - rect.left()},
        {dx, rect.right() - a.x()},
        {-dy, a.y() - rect.top()},
        {dy, rect.bottom() - a.y()},
    }};
    for (const auto& [p, q] : edges) {
        if (p == 0.0) {
            if (q < 0.0)
                return false;
            continue;
        }
        const double t = q / p;
        if (p < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}

void PaintTrailLayer(QPainter& painter, const MapScene& scene, ViewPoint /*offset*/) {
    // Redrawing a long trail on every drag step would make dragging sluggish.
    if (!scene.geometry.Dragging())
        DrawTrail(painter, scene);
}

using Layer = void (*)(QPainter&, const MapScene&, ViewPoint);

void InfoLinesLayer(QPainter& painter, const MapScene& scene, ViewPoint /*offset*/) {
    DrawInfoLines(painter, scene);
}

// Bottom to top.
constexpr std::array<Layer, 7> kLayers = {
    PaintMap,        PaintMargins,  DrawMapPoints,  PaintTrailLayer,
    DrawGpsPosition, DrawSelection, InfoLinesLayer,
};

int InfoLineHeight() {
    return QFontMetrics(InfoFont()).height();
}

} // namespace

void PaintScene(QPainter& painter, const MapScene& scene) {
    const ViewPoint offset = scene.geometry.PaintOffset();
    for (const Layer layer : kLayers)
        layer(painter, scene, offset);
}

std::optional<ViewPoint> GeoToView(const MapScene& scene, const MapPos& geo, ViewPoint offset) {
    // Before the map's first fit no position has a place on it.
    if (!scene.calibration.HasTransform())
        return std::nullopt;
    const MapPos pixel = scene.calibration.GeoToPixel(geo, scene.geometry.ImageHeight());
    return scene.geometry.ImageToScreen(pixel, offset);
}

void PaintMap(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    const ViewGeometry& g = scene.geometry;
    if (scene.mapImage.isNull())
        return;
    // The visible part of the image, unrounded, so the map lies exactly under the overlays at
    // every zoom (whole image pixels would shift it by up to zoom - 1 view pixels).
    const ImageRectF visible = g.VisibleImageRectF(offset);
    const QRectF source(visible.left, visible.top, visible.width, visible.height);
    const QRectF inImage = source & QRectF(scene.mapImage.rect());
    if (inImage.isEmpty())
        return;
    const double zoom = g.Zoom();
    const QRectF target((inImage.left() - source.left()) * zoom,
                        (inImage.top() - source.top()) * zoom, inImage.width() * zoom,
                        inImage.height() * zoom);
    // Nearest-neighbour: a map enlarged 8 times shows its pixels, not a blur.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, scene.mapImage, inImage);
}

void PaintMargins(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    const ViewGeometry& g = scene.geometry;
    const int cw = g.ClientWidth();
    const int ch = g.ClientHeight();
    const double zoomedWidth = g.ImageWidth() * g.Zoom();
    const double zoomedHeight = g.ImageHeight() * g.Zoom();
    const auto fill = [&](double left, double top, double right, double bottom) {
        // Clamped to the client area first: the offsets may lie anywhere in 32 bits.
        const int l = static_cast<int>(std::clamp(left, 0.0, static_cast<double>(cw)));
        const int t = static_cast<int>(std::clamp(top, 0.0, static_cast<double>(ch)));
        const int r = static_cast<int>(std::clamp(right, 0.0, static_cast<double>(cw)));
        const int b = static_cast<int>(std::clamp(bottom, 0.0, static_cast<double>(ch)));
        if (r > l && b > t)
            painter.fillRect(QRect(l, t, r - l, b - t), Qt::white);
    };
    // Each test in doubles, as offset + client size may not fit 32 bits.
    if (static_cast<double>(offset.x) + cw > zoomedWidth)
        fill(std::trunc(zoomedWidth) - offset.x, 0, cw, ch);
    if (static_cast<double>(offset.y) + ch > zoomedHeight)
        fill(0, std::trunc(zoomedHeight) - offset.y, cw, ch);
    if (offset.x < 0)
        fill(0, 0, -static_cast<double>(offset.x), ch);
    if (offset.y < 0)
        fill(0, 0, cw, -static_cast<double>(offset.y));
}

void DrawMapPoints(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (!scene.showMapPoints)
        return;
    for (const CMapPoint& point : scene.mapPoints) {
        const std::optional<ViewPoint> s = GeoToView(scene, point.GetPosition(), offset);
        if (s && scene.geometry.InClient(*s))
            DrawMapPoint(point, painter, ToQPoint(*s), scene.showLabels);
    }
}

void DrawTrail(QPainter& painter, const MapScene& scene) {
    const trail::TrailBuffer& trail = scene.trail;
    if (!scene.showTrail || trail.Empty())
        return;
    const ViewGeometry& g = scene.geometry;
    const ViewPoint offset = g.ScrollOffset();
    const int t = ClampSizeValue(scene.settings.trailSize);
    const int trailLength = scene.settings.trailLength;
    const bool lines = scene.settings.trailStyle == 1;
    // Beyond this rectangle nothing of a line or its round end shows.
    const double margin = 2.0 * t + 2.0;
    const QRectF clip(-margin, -margin, g.ClientWidth() + 2 * margin,
                      g.ClientHeight() + 2 * margin);

    painter.save();
    // The sample number grows from trailLength - count (below 0 when breaks pushed the count
    // past the length) to trailLength - 1 for the newest.
    long long n = static_cast<long long>(trailLength) - static_cast<long long>(trail.Count());
    int currentLevel = -1;
    bool penDown = false;
    ViewPoint last;
    for (const MapPos& sample : trail.OldestToNewest()) {
        const int level =
            TrailShadeLevel(static_cast<int>(std::max<long long>(n, -2147483647LL)), trailLength);
        ++n;
        if (level != currentLevel) {
            painter.setPen(scene.trailPens.Pen(level));
            painter.setBrush(scene.trailPens.Brush(level));
            currentLevel = level;
        }
        if (!sample.IsSet()) {
            penDown = false;
            continue;
        }
        const std::optional<ViewPoint> converted = GeoToView(scene, sample, offset);
        if (!converted) {
            // Cannot be placed: a line to it would go anywhere, so it ends the segment.
            penDown = false;
            continue;
        }
        const ViewPoint s = *converted;
        if (penDown) {
            const double dx = static_cast<double>(s.x) - last.x;
            const double dy = static_cast<double>(s.y) - last.y;
            if (dx * dx + dy * dy < 9.0)
                continue; // within 3 pixels of the last drawn vertex
        }
        if (!lines) {
            if (g.InClient(s))
                painter.drawEllipse(QRect(s.x - 2 * t, s.y - 2 * t, 4 * t, 4 * t));
            continue;
        }
        if (!penDown) {
            penDown = true;
            last = s;
            continue;
        }
        QPointF a(last.x, last.y);
        QPointF b(s.x, s.y);
        if (ClipSegment(clip, a, b))
            painter.drawLine(a, b);
        if (t > 2 && clip.contains(QPointF(s.x, s.y))) {
            const int h = t / 2;
            painter.drawEllipse(QRect(s.x - h, s.y - h, 2 * h, 2 * h));
        }
        last = s;
    }
    painter.restore();
}

void DrawGpsPosition(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    const gps::GpsFix& fix = scene.gpsFix;
    if (!fix.position.IsSet())
        return;
    const std::optional<ViewPoint> s = GeoToView(scene, fix.position, offset);
    if (!s || !scene.geometry.InClient(*s))
        return;
    if (fix.hasFix) {
        DrawMapPoint(scene.settings.positionMarker, painter, ToQPoint(*s), scene.showLabels);
        return;
    }
    // Without a fix the last known position shows as a black marker.
    CMapPoint marker = scene.settings.positionMarker;
    marker.SetFillColour(kColourBlack);
    marker.SetLineColour(kColourBlack);
    DrawMapPoint(marker, painter, ToQPoint(*s), scene.showLabels);
}

void DrawSelection(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    const std::optional<ViewPoint> s = scene.geometry.ImageToScreen(scene.selection, offset);
    if (s && scene.geometry.InClient(*s))
        DrawSymbol(painter, ToQPoint(*s), kSymbolCrosshair, kColourBlack, kColourBlack, 3, {},
                   false);
}

QRect StatusLineRect(int clientWidth, int /*clientHeight*/) {
    return QRect(0, 0, clientWidth, InfoLineHeight() - 1);
}

QRect CursorLineRect(int clientWidth, int clientHeight) {
    const int h = InfoLineHeight();
    return QRect(0, clientHeight - h + 1, clientWidth, h - 1);
}

void DrawInfoLines(QPainter& painter, const MapScene& scene) {
    const int cw = scene.geometry.ClientWidth();
    const int ch = scene.geometry.ClientHeight();
    const std::pair<const InfoLine*, QRect> lines[] = {
        {&scene.statusLine, StatusLineRect(cw, ch)},
        {&scene.cursorLine, CursorLineRect(cw, ch)},
    };
    painter.save();
    painter.setFont(InfoFont());
    painter.setPen(scene.infoText);
    for (const auto& [line, rect] : lines) {
        if (!line->visible)
            continue;
        painter.fillRect(rect, scene.infoBackground);
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line->text);
    }
    painter.restore();
}
