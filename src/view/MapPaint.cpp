#include "view/MapPaint.h"

#include "calib/CGPSMapFuncs.h"
#include "gps/GpsFix.h"
#include "points/MapPoint.h"
#include "session/ViewSettings.h"
#include "trail/TrailBuffer.h"
#include "view/PyramidImage.h"
#include "view/SymbolCache.h"
#include "view/SymbolPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

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
    const MapPyramid& map = scene.map;
    if (map.Empty())
        return;
    const ViewGeometry& g = scene.geometry;
    const double zoom = g.Zoom();
    // Below 100 % the nearest finer level, so no more than every other pixel is skipped and a
    // shrunk map shows averaged pixels instead of shimmering; at 100 % and above full
    // resolution, nearest-neighbour: a map enlarged 8 times shows its pixels, not a blur.
    const int level = map.LevelForZoom(zoom);
    const double scale = std::ldexp(1.0, level); // image pixels per level pixel
    const double levelZoom = zoom * scale;       // view pixels per level pixel
    // The visible part of the image, unrounded, so the map lies exactly under the overlays at
    // every zoom (whole image pixels would shift it by up to zoom - 1 view pixels).
    const ImageRectF visible = g.VisibleImageRectF(offset);
    const TileRange tiles =
        map.TilesFor(level, visible.left, visible.top, visible.width, visible.height);
    const QRectF inLevel(visible.left / scale, visible.top / scale, visible.width / scale,
                         visible.height / scale);
    const PyramidLevel& l = map.Level(level);
    constexpr int kTile = MapPyramid::kTileSize;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int row = tiles.firstRow; row < tiles.endRow; ++row) {
        for (int column = tiles.firstColumn; column < tiles.endColumn; ++column) {
            const QPointF origin(column * kTile, row * kTile);
            const QRectF tile(origin, QSizeF(std::min(kTile, l.width - column * kTile),
                                             std::min(kTile, l.height - row * kTile)));
            const QRectF source = tile & inLevel;
            if (source.isEmpty())
                continue;
            // Each edge from the same formula as its neighbour's, so tiles meet without seams.
            const QRectF target((source.left() - inLevel.left()) * levelZoom,
                                (source.top() - inLevel.top()) * levelZoom,
                                source.width() * levelZoom, source.height() * levelZoom);
            painter.drawImage(target, TileImage(map, level, column, row),
                              source.translated(-origin));
        }
    }
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
            scene.symbols.Draw(painter, point, ToQPoint(*s), scene.showLabels);
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

    // Gathered per shade level and drawn a level at a time, oldest first: one pen change per
    // level instead of per segment. The level only grows along the trail, so newer samples
    // still lie on top. Wide lines are stroked with flat ends and their round ends and joins
    // stamped as discs: the same shape at a fraction of the cost of round joins.
    std::array<std::vector<QLineF>, kTrailLevels> segments;
    std::array<std::vector<QPoint>, kTrailLevels> ends; // round ends and joins
    std::array<std::vector<QRect>, kTrailLevels> dots;
    // The sample number grows from trailLength - count (below 0 when breaks pushed the count
    // past the length) to trailLength - 1 for the newest.
    long long n = static_cast<long long>(trailLength) - static_cast<long long>(trail.Count());
    int lastRunLevel = -1; // the level whose segments end at the last drawn vertex, if any
    bool penDown = false;
    ViewPoint last;
    for (const MapPos& sample : trail.OldestToNewest()) {
        const int level = std::clamp(
            TrailShadeLevel(static_cast<int>(std::max<long long>(n, -2147483647LL)), trailLength),
            0, kTrailLevels - 1);
        const auto index = static_cast<std::size_t>(level);
        ++n;
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
                dots[index].push_back(QRect(s.x - 2 * t, s.y - 2 * t, 4 * t, 4 * t));
            continue;
        }
        if (!penDown) {
            penDown = true;
            lastRunLevel = -1;
            last = s;
            continue;
        }
        const QPointF from(last.x, last.y);
        QPointF a = from;
        QPointF b(s.x, s.y);
        if (ClipSegment(clip, a, b)) {
            segments[index].push_back(QLineF(a, b));
            // A segment going on from the level's last one shares its disc; a clipped end
            // lies outside the view and needs none.
            if ((lastRunLevel != level) && a == from)
                ends[index].push_back(QPoint(last.x, last.y));
            const bool whole = b == QPointF(s.x, s.y);
            if (whole)
                ends[index].push_back(QPoint(s.x, s.y));
            lastRunLevel = whole ? level : -1;
        } else {
            lastRunLevel = -1;
        }
        if (t > 2 && clip.contains(QPointF(s.x, s.y))) {
            const int h = t / 2;
            dots[index].push_back(QRect(s.x - h, s.y - h, 2 * h, 2 * h));
        }
        last = s;
    }

    painter.save();
    for (int level = 0; level < kTrailLevels; ++level) {
        const auto index = static_cast<std::size_t>(level);
        if (segments[index].empty() && dots[index].empty())
            continue;
        const TrailPens& pens = scene.trailPens;
        if (!segments[index].empty()) {
            painter.setPen(pens.LinePen(level));
            painter.drawLines(segments[index].data(), static_cast<int>(segments[index].size()));
            const QImage& disc = pens.Disc(level);
            if (!disc.isNull()) {
                const int r = disc.width() / 2;
                for (const QPoint& end : ends[index])
                    painter.drawImage(end - QPoint(r, r), disc);
            }
        }
        painter.setPen(pens.Pen(level));
        painter.setBrush(pens.Brush(level));
        for (const QRect& dot : dots[index])
            painter.drawEllipse(dot);
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
