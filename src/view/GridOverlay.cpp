#include "view/GridOverlay.h"

#include "calib/MapGeoreference.h"
#include "view/MapScene.h"
#include "view/WideLines.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace view {

namespace {

// More lines than a screen can show apart would be a map far larger than a sheet.
constexpr double kMaxLines = 200;

// The grid coordinates of a point of the image, or nothing off the grid's domain.
std::optional<MapPos> ToGrid(const map::ProjTransform& toGrid, const MapScene& scene,
                             const MapPos& pixel) {
    MapPos p = scene.georeference.ToGeo(pixel);
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !toGrid.Forward(p))
        return std::nullopt;
    return p;
}

} // namespace

std::string OverlayCrs(const map::MapGeoreference& georeference, const MapPos& geo) {
    if (const auto& grid = georeference.Grid(); grid && grid->Model().kind == map::GridKind::Named)
        return grid->Model().crs;
    const int zone = std::clamp(static_cast<int>(std::floor((geo.x + 180.0) / 6.0)) + 1, 1, 60);
    return "EPSG:" + std::to_string((geo.y < 0 ? 32700 : 32600) + zone);
}

double GridSpacing(double metresPerPixel, double minPixels) {
    for (double decade = 100.0; decade <= 100000.0; decade *= 10.0)
        for (const double step : {1.0, 2.0, 5.0}) {
            const double spacing = decade * step;
            if (spacing <= 100000.0 && spacing >= metresPerPixel * minPixels)
                return spacing;
        }
    return 0.0;
}

void GridOverlay::SetColour(int index) {
    const bool known = index >= 0 && static_cast<std::size_t>(index) < kColours.size();
    colour_ = QColor::fromRgba(kColours[known ? static_cast<std::size_t>(index) : 0].rgb);
}

void GridOverlay::Draw(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    const ViewGeometry& g = scene.geometry;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    // The lines are placed for an area larger than the view, anchored at whole scroll steps,
    // and drawn into a layer that views scrolled within it blend: a scroll (the view following
    // the GPS) neither converts their points again nor draws them, and a first paint takes the
    // same area, so every frame shows what it would. A turned view and a fractional ratio do
    // not fall on whole pixels of the layer: there the lines are placed for the view and go
    // straight onto the frame.
    const bool layered = !g.Turned() && ratio == 1.0;
    ViewGeometry area = g;
    if (layered) {
        area.SetClientSize(g.ClientWidth() + kLayerScrollStep, g.ClientHeight() + kLayerScrollStep);
        area.SetScrollOffset({FloorToScrollStep(offset.x), FloorToScrollStep(offset.y)});
    } else {
        area.SetScrollOffset(offset);
    }
    const ViewPoint anchor = area.ScrollOffset();
    const Key key{scene.georeference,  anchor,       g.Zoom(),      area.ClientWidth(),
                  area.ClientHeight(), g.Rotation(), colour_.rgba()};
    if (placedFor_ != key) {
        lines_.clear();
        Place(scene, area);
        placedFor_ = key;
        layerValid_ = false;
    }
    if (lines_.empty())
        return;
    const auto draw = [this](QPainter& onto) {
        onto.save();
        // Within the clip the frame has: a repaint of a band must not draw beyond it.
        onto.setClipRect(clip_, Qt::IntersectClip);
        // Into an image pixel for pixel, by a rule a shift of the frame does not change (see
        // FillThinLine); anywhere else by Qt.
        if (const std::optional<PixelTarget> direct = DirectTarget(onto)) {
            for (const QPolygon& line : lines_)
                for (qsizetype i = 1; i < line.size(); ++i)
                    FillThinLine(*direct, line[i - 1], line[i], colour_.rgba(), i > 1);
        } else {
            QPen pen(colour_);
            pen.setCosmetic(true);
            onto.setPen(pen);
            for (const QPolygon& line : lines_)
                onto.drawPolyline(line);
        }
        onto.restore();
    };
    const QSize view(g.ClientWidth(), g.ClientHeight());
    if (layered && !layerValid_)
        layerValid_ = layer_.Build(QSize(area.ClientWidth(), area.ClientHeight()), ratio,
                                   [&](QPainter& layer) {
                                       layer.setRenderHints(painter.renderHints());
                                       draw(layer);
                                   });
    if (layered && layerValid_) {
        layer_.Blend(painter, {offset.x - anchor.x, offset.y - anchor.y}, view);
        return;
    }
    // Without the memory for the layer too, the lines placed for the area go on shifted.
    painter.save();
    painter.translate(anchor.x - offset.x, anchor.y - offset.y);
    draw(painter);
    painter.restore();
}

void GridOverlay::Place(const MapScene& scene, const ViewGeometry& g) {
    const ViewPoint offset = g.ScrollOffset();
    if (!scene.georeference.HasTransform() || g.ImageWidth() == 0 || g.ClientWidth() == 0)
        return;
    // The part of the map in the area, in image pixels.
    const ImageRectF shown = g.VisibleImageRectF(offset);
    const double left = std::max(0.0, shown.left);
    const double top = std::max(0.0, shown.top);
    const double right = std::min<double>(g.ImageWidth(), shown.left + shown.width);
    const double bottom = std::min<double>(g.ImageHeight(), shown.top + shown.height);
    if (!(right > left && bottom > top))
        return;

    const std::string crs =
        OverlayCrs(scene.georeference,
                   scene.georeference.ToGeo(MapPos((left + right) / 2, (top + bottom) / 2)));
    if (crs != crs_) {
        std::string ignored;
        crs_ = crs;
        toGrid_ = map::ProjTransform::Make(map::kWgs84, crs, &ignored);
    }
    if (!toGrid_)
        return;

    // The grid's extent over the part in view, from its edges and middle.
    double minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
    for (int i = 0; i <= 2; ++i)
        for (int j = 0; j <= 2; ++j) {
            const MapPos pixel(left + (right - left) * i / 2, top + (bottom - top) * j / 2);
            if (const std::optional<MapPos> p = ToGrid(*toGrid_, scene, pixel)) {
                minX = std::min(minX, p->x);
                maxX = std::max(maxX, p->x);
                minY = std::min(minY, p->y);
                maxY = std::max(maxY, p->y);
            }
        }
    if (!(maxX > minX && maxY > minY))
        return;
    // Metres per view pixel at the map's middle, not the area's: the same for every area, so a
    // scroll never changes the lines' spacing.
    constexpr double kProbe = 100.0; // image pixels
    const MapPos middle(g.ImageWidth() / 2.0, g.ImageHeight() / 2.0);
    const std::optional<MapPos> here = ToGrid(*toGrid_, scene, middle);
    const std::optional<MapPos> across = ToGrid(*toGrid_, scene, {middle.x + kProbe, middle.y});
    const std::optional<MapPos> down = ToGrid(*toGrid_, scene, {middle.x, middle.y + kProbe});
    if (!here || !across || !down)
        return;
    const double metresPerPixel = std::max(std::hypot(across->x - here->x, across->y - here->y),
                                           std::hypot(down->x - here->x, down->y - here->y)) /
                                  (kProbe * g.Zoom());
    const double spacing = GridSpacing(metresPerPixel, kMinSpacing);
    if (spacing == 0.0 || (maxX - minX) / spacing + (maxY - minY) / spacing > kMaxLines)
        return;

    // Over the map only: the extent's corners may reach past its edges.
    const std::optional<ViewPoint> topLeft = g.ImageToScreen(MapPos(left, top), offset);
    const std::optional<ViewPoint> bottomRight = g.ImageToScreen(MapPos(right, bottom), offset);
    if (!topLeft || !bottomRight)
        return;
    clip_ = QRect(QPoint(topLeft->x, topLeft->y), QPoint(bottomRight->x - 1, bottomRight->y - 1));
    // A turned map's edges are not the clip's: the lines may run a little past them.
    if (g.Turned())
        clip_ = QRect(0, 0, g.ClientWidth(), g.ClientHeight());
    // Eastings, then northings: each line across the extent, bent as the map's fit bends it,
    // through its crossings with the others. Those do not depend on the area placed for, so a
    // line placed for the next area lies on the same pixels.
    std::vector<MapPos> line;
    for (const bool easting : {true, false}) {
        const double low = easting ? minY : minX;
        const double high = easting ? maxY : maxX;
        const auto first = static_cast<long long>(std::ceil((easting ? minX : minY) / spacing));
        const auto last = static_cast<long long>(std::floor((easting ? maxX : maxY) / spacing));
        const auto start = static_cast<long long>(std::floor(low / spacing));
        const auto end = static_cast<long long>(std::ceil(high / spacing));
        for (long long n = first; n <= last; ++n) {
            const double at = static_cast<double>(n) * spacing;
            line.clear();
            for (long long k = start; k <= end; ++k) {
                const double along = static_cast<double>(k) * spacing;
                line.push_back(easting ? MapPos(at, along) : MapPos(along, at));
            }
            toGrid_->Inverse(line);
            QPolygon polygon;
            for (const MapPos& geo : line) {
                const std::optional<MapPos> pixel =
                    std::isfinite(geo.x) ? GeoToImage(scene, geo) : std::nullopt;
                const std::optional<ViewPoint> v =
                    pixel ? g.ImageToScreen(*pixel, offset) : std::nullopt;
                if (v)
                    polygon << QPoint(v->x, v->y);
            }
            if (polygon.size() >= 2)
                lines_.push_back(std::move(polygon));
        }
    }
}

} // namespace view
