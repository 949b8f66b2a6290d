#include "view/MapPaint.h"

#include "calib/CGPSMapFuncs.h"
#include "gps/GpsFix.h"
#include "points/MapPoint.h"
#include "session/ViewSettings.h"
#include "view/PyramidImage.h"
#include "view/SymbolCache.h"
#include "view/SymbolPainter.h"
#include "view/TrailLayer.h"

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

std::optional<MapPos> GeoToImage(const MapScene& scene, const MapPos& geo) {
    // Before the map's first fit no position has a place on it.
    if (!scene.calibration.HasTransform())
        return std::nullopt;
    return scene.calibration.GeoToPixel(geo, scene.geometry.ImageHeight());
}

std::optional<ViewPoint> GeoToView(const MapScene& scene, const MapPos& geo, ViewPoint offset) {
    const std::optional<MapPos> pixel = GeoToImage(scene, geo);
    if (!pixel)
        return std::nullopt;
    return scene.geometry.ImageToScreen(*pixel, offset);
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
    scene.trailLayer.Draw(painter, scene);
}

void DrawGpsPosition(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    const gps::GpsFix& fix = scene.gpsFix;
    if (!fix.position.IsSet())
        return;
    const std::optional<ViewPoint> s = GeoToView(scene, fix.position, offset);
    if (!s || !scene.geometry.InClient(*s))
        return;
    // Through the symbol cache like the map points: its label would cost five text draws in
    // every frame.
    if (fix.hasFix) {
        scene.symbols.Draw(painter, scene.settings.positionMarker, ToQPoint(*s), scene.showLabels);
        return;
    }
    // Without a fix the last known position shows as a black marker.
    CMapPoint marker = scene.settings.positionMarker;
    marker.SetFillColour(kColourBlack);
    marker.SetLineColour(kColourBlack);
    scene.symbols.Draw(painter, marker, ToQPoint(*s), scene.showLabels);
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
