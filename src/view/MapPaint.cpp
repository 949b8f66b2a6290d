#include "view/MapPaint.h"

#include "calib/CGPSMapFuncs.h"
#include "gps/GpsFix.h"
#include "points/MapPoint.h"
#include "session/ViewSettings.h"
#include "view/AlarmOverlay.h"
#include "view/GridOverlay.h"
#include "view/LiveOverlays.h"
#include "view/PointPlaces.h"
#include "view/ProfileMarker.h"
#include "view/PyramidImage.h"
#include "view/RulerLayer.h"
#include "view/ShadeLayer.h"
#include "view/SymbolCache.h"
#include "view/SymbolPainter.h"
#include "view/TrackLayer.h"
#include "view/TrailLayer.h"
#include "view/TurnedView.h"
#include "view/ViewOverlays.h"
#include "view/WorldLayer.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace view {

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

// Draws nothing: it marks in the table where the layers a still frame keeps end.
void KeptLayersEnd(QPainter& /*painter*/, const MapScene& /*scene*/, ViewPoint /*offset*/) {}

// Before the night tint darkens it further.
constexpr QRgb kNightGround = qRgb(96, 96, 96);

void InfoLinesLayer(QPainter& painter, const MapScene& scene, ViewPoint /*offset*/) {
    DrawInfoLines(painter, scene);
}

void ShadingLayer(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (scene.shading != nullptr)
        scene.shading->Draw(painter, scene, offset);
}

void GridLayer(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (scene.grid != nullptr)
        scene.grid->Draw(painter, scene, offset);
}

// Bottom to top. The outlines of other maps lie under the info lines; the hint on an empty
// view and the calibration marks, which are looked at for a while, over everything. The
// layers before KeptLayersEnd are kept as one picture while the view, the map and the session
// stay as they are (MapView's kept frame): one drawn there must change with nothing else.
constexpr auto kLayers = std::to_array<Layer>({
    PaintMap,         ShadingLayer,         GridLayer,
    DrawMapPoints,    DrawTracks,           PaintTrailLayer,
    DrawNightTint,    KeptLayersEnd,        DrawAccuracyCircle,
    DrawGoToLine,     DrawGpsPosition,      DrawAlarmCircle,
    DrawOffViewArrow, DrawSelection,        DrawScaleBar,
    DrawColourLegend, DrawArrivalNote,      DrawMapOutlines,
    DrawNorthArrow,   InfoLinesLayer,       DrawAlarmNotice,
    DrawNoMapHint,    DrawCalibrationMarks, DrawRuler,
    DrawProfileMark,
});

// Pixels of area whose tiles are not there yet, from the nearest coarser level that has them;
// ground where none has.
template <typename Sample>
void FillFromCoarser(const map::TiledMap& map, int level, QRect area, QImage& frame, QRgb ground,
                     const Sample& sample) {
    static QImage coarse;
    if (coarse.size() != frame.size())
        coarse = QImage(frame.size(), QImage::Format_RGB32);
    const auto left = static_cast<std::size_t>(area.left());
    const auto right = left + static_cast<std::size_t>(area.width());
    bool missing = true;
    for (int index = level + 1; index < map.LevelCount() && missing; ++index) {
        sample(index, area, coarse);
        missing = false;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            auto* to = reinterpret_cast<map::MapPixel*>(frame.scanLine(y));
            const auto* from = reinterpret_cast<const map::MapPixel*>(coarse.constScanLine(y));
            for (std::size_t x = left; x < right; ++x) {
                if (to[x] == kNoPixel)
                    to[x] = from[x];
                missing = missing || to[x] == kNoPixel;
            }
        }
    }
    if (!missing)
        return;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<map::MapPixel*>(frame.scanLine(y));
        std::replace(line + left, line + right, kNoPixel, static_cast<map::MapPixel>(ground));
    }
}

// The painter's image when map pixels can be written into it as they are: a 32-bit opaque
// format, the frame's size in device pixels, drawn on without a transform, clipped to one
// rectangle at most and not shared with another QImage (writing would copy it away from the
// painter).
QImage* DirectTarget(QPainter& painter, int width, int height) {
    QPaintDevice* device = painter.device();
    if (device == nullptr || device->devType() != QInternal::Image ||
        (painter.hasClipping() && painter.clipRegion().rectCount() > 1) ||
        painter.deviceTransform().type() != QTransform::TxNone ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    const bool opaqueFormat = image->format() == QImage::Format_RGB32 ||
                              image->format() == QImage::Format_ARGB32_Premultiplied;
    if (!opaqueFormat || image->width() != width || image->height() != height ||
        !image->isDetached())
        return nullptr;
    return image;
}

} // namespace

void PaintScene(QPainter& painter, const MapScene& scene) {
    PaintKeptLayers(painter, scene);
    PaintLiveLayers(painter, scene);
}

void PaintKeptLayers(QPainter& painter, const MapScene& scene) {
    const ViewPoint offset = scene.geometry.PaintOffset();
    for (const Layer layer : kLayers) {
        if (layer == KeptLayersEnd)
            return;
        layer(painter, scene, offset);
    }
}

void PaintLiveLayers(QPainter& painter, const MapScene& scene) {
    const ViewPoint offset = scene.geometry.PaintOffset();
    const auto* end = std::find(kLayers.begin(), kLayers.end(), &KeptLayersEnd);
    for (const auto* layer = end; layer != kLayers.end(); ++layer)
        (*layer)(painter, scene, offset);
}

bool KeptLayersShift(const MapScene& scene, qreal ratio) {
    // The grid and the shading of a turned view are drawn turned by the painter, whose
    // rounding depends on where a strip starts.
    const bool turnedByPainter =
        scene.geometry.Turned() && (scene.grid != nullptr || scene.shading != nullptr);
    return !turnedByPainter && ratio == 1.0 && scene.world == nullptr;
}

std::vector<std::size_t> ViewPlacements(const MapScene& scene) {
    if (scene.trackLayer == nullptr)
        return {};
    return scene.trackLayer->NamePoints(scene, scene.geometry.PaintOffset());
}

void PaintMap(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (scene.geometry.Turned())
        PaintTurnedMap(painter, scene, offset);
    else
        PaintMapIn(painter, scene, scene.geometry, offset);
}

QColor MapGround(const MapScene& scene) {
    // At night a dark grey: white would outshine the dimmed map.
    return scene.live != nullptr && scene.live->nightAmount > 0 ? QColor::fromRgb(kNightGround)
                                                                : QColor(Qt::white);
}

void PaintMapIn(QPainter& painter, const MapScene& scene, const ViewGeometry& g, ViewPoint offset,
                std::span<const QRect> only) {
    if (g.ClientWidth() == 0 || g.ClientHeight() == 0)
        return;
    const map::TiledMap& map = scene.map;
    const QColor ground = MapGround(scene);
    if (map.Empty()) {
        painter.fillRect(QRect(0, 0, g.ClientWidth(), g.ClientHeight()), ground);
        return;
    }
    // Every device pixel is given the level pixel under its centre, the whole frame by one
    // rule, so tile edges fall where the whole image's pixels would and leave no gaps: the
    // painter's scaling of each tile rounded every edge on its own. Below 100 % the nearest
    // finer level, so no more than every other pixel is skipped and a shrunk map shows
    // averaged pixels instead of shimmering; at 100 % and above full resolution: a map
    // enlarged 8 times shows its pixels, not a blur.
    const int level = map.LevelForZoom(g.Zoom());
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    // With a world map under the scan, what lies beyond the scan is left for it to fill.
    const bool underlay = scene.world != nullptr && scene.georeference.HasTransform();
    const map::MapPixel scanGround = underlay ? kNoScan : ground.rgb();
    const int width = static_cast<int>(std::ceil(g.ClientWidth() * ratio));
    const int height = static_cast<int>(std::ceil(g.ClientHeight() * ratio));
    // A pixel whose centre lies beyond the zoomed image's last whole pixel is margin.
    const auto samples = [&](int index, int count, int scroll, int imageSize, double origin,
                             int levelSize) {
        const double levelZoom = g.Zoom() * std::ldexp(1.0, index); // view pixels a level pixel
        const double end = std::trunc(imageSize * g.Zoom());
        std::vector<int> at(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const double centre = (i + 0.5) / ratio + scroll;
            at[static_cast<std::size_t>(i)] =
                centre >= 0.0 && centre < end
                    ? std::min(static_cast<int>(centre / levelZoom + origin), levelSize - 1)
                    : -1;
        }
        return at;
    };
    // Once per level for all the areas sampled.
    std::vector<std::optional<std::pair<std::vector<int>, std::vector<int>>>> sampled(
        static_cast<std::size_t>(map.LevelCount()));
    const auto sample = [&](int index, QRect area, QImage& out) {
        auto& at = sampled[static_cast<std::size_t>(index)];
        if (!at) {
            const map::TileLevel& l = map.Level(index);
            at.emplace(samples(index, width, offset.x, map.Width(), l.originX, l.width),
                       samples(index, height, offset.y, map.Height(), l.originY, l.height));
        }
        return SampleLevel(map, index, at->first, at->second, area, out, scanGround);
    };
    // Only the part the clip lets through (a repaint of an info line's band, a strip a scroll
    // uncovered), in the frame's device pixels. Not through the device transform: on a window
    // it also holds where the view lies in the window, and rows that far down were never drawn.
    QRect area(0, 0, width, height);
    if (painter.hasClipping())
        area &= (painter.worldTransform() * QTransform::fromScale(ratio, ratio))
                    .mapRect(painter.clipBoundingRect())
                    .toAlignedRect();
    std::vector<QRect> areas;
    if (only.empty())
        areas.push_back(area);
    for (const QRect& part : only)
        areas.push_back(area & part);
    // The world map under the scan is laid a whole row at a time.
    for (QRect& part : areas) {
        if (underlay)
            part = QRect(0, part.top(), width, part.height());
    }
    std::erase_if(areas, [](const QRect& part) { return part.isEmpty(); });
    if (areas.empty())
        return;
    // Straight into an image of the frame's size that takes the pixels as they are (the kept
    // frame): a second buffer would cost another pass over the whole frame.
    const auto fill = [&](QImage& out) {
        for (const QRect& part : areas) {
            if (!sample(level, part, out))
                FillFromCoarser(map, level, part, out, scanGround, sample);
            if (underlay)
                PaintWorldUnder(out, part, *scene.world, scene.georeference, g, offset, ratio,
                                ground.rgb());
        }
    };
    // Not where a row of the world map would be written beyond the clip.
    if (QImage* device =
            underlay && painter.hasClipping() ? nullptr : DirectTarget(painter, width, height)) {
        fill(*device);
        return;
    }
    // One frame's buffer, kept for the next: the paint runs on the window's thread only.
    static QImage frame;
    if (frame.width() != width || frame.height() != height)
        frame = QImage(width, height, QImage::Format_RGB32);
    fill(frame);
    // Device pixel for device pixel.
    frame.setDevicePixelRatio(ratio);
    for (const QRect& part : areas)
        painter.drawImage(QPointF(part.left() / ratio, part.top() / ratio), frame, QRectF(part));
}

std::vector<map::TileRange> TilesInView(const map::TiledMap& map, const ViewGeometry& geometry) {
    if (map.Empty() || geometry.ClientWidth() == 0 || geometry.ClientHeight() == 0)
        return {};
    const ImageRectF r = geometry.VisibleImageRectF(geometry.PaintOffset());
    // Every coarser level too, a quarter as many tiles each: what fills in while the view's
    // tiles come, or where they are missing, and a zoom out.
    std::vector<map::TileRange> ranges;
    for (int index = map.LevelForZoom(geometry.Zoom()); index < map.LevelCount(); ++index)
        ranges.push_back(map.TilesFor(index, r.left, r.top, r.width, r.height));
    return ranges;
}

void DrawMapPoints(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    if (!scene.showMapPoints)
        return;
    const QRect view(0, 0, scene.geometry.ClientWidth(), scene.geometry.ClientHeight());
    if (scene.pointPlaces == nullptr) {
        for (const CMapPoint& point : scene.mapPoints) {
            if (const std::optional<ViewPoint> s = GeoToView(scene, point.GetPosition(), offset))
                scene.symbols.DrawIn(painter, point, ToQPoint(*s), scene.showLabels, view);
        }
        return;
    }
    const std::vector<std::optional<MapPos>>& pixels = scene.pointPlaces->Of(scene);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::optional<ViewPoint> s =
            pixels[i] ? scene.geometry.ImageToScreen(*pixels[i], offset) : std::nullopt;
        if (s)
            scene.symbols.DrawIn(painter, scene.mapPoints[i], ToQPoint(*s), scene.showLabels, view);
    }
}

void DrawTrail(QPainter& painter, const MapScene& scene) {
    scene.trailLayer.Draw(painter, scene);
}

void DrawGpsPosition(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    const gps::GpsFix& fix = scene.gpsFix;
    if (!fix.position.IsSet() || DrawHeadingArrow(painter, scene, offset))
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
    if (!scene.selection)
        return;
    const std::optional<ViewPoint> s = scene.geometry.ImageToScreen(*scene.selection, offset);
    if (s && scene.geometry.InClient(*s))
        DrawSymbol(painter, ToQPoint(*s), kSymbolCrosshair, kColourBlack, kColourBlack, 3, {},
                   false);
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

} // namespace view
