#include "view/TurnedView.h"

#include "session/MapSession.h"
#include "view/ImageTurn.h"
#include "view/InfoLines.h"
#include "view/LiveOverlays.h"
#include "view/MapPaint.h"
#include "view/MapScene.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

namespace view {

namespace {

constexpr int kArrowSide = 40;
constexpr int kArrowMargin = 8;

// Bands of rows of a square of size square that the turn reads, each as wide as the outline
// corners (on the square) crosses it and a pixel more each side: a turned view covers half of
// the box round it at 45 degrees, and sampling the rest would be wasted.
std::vector<QRect> TurnedBands(const std::array<QPointF, 4>& corners, QSize square) {
    constexpr int kBand = 16;
    std::vector<QRect> bands;
    for (int top = 0; top < square.height(); top += kBand) {
        const double y0 = top;
        const double y1 = top + kBand;
        double left = INFINITY;
        double right = -INFINITY;
        const auto take = [&](double x) {
            left = std::min(left, x);
            right = std::max(right, x);
        };
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const QPointF a = corners[i];
            const QPointF b = corners[(i + 1) % corners.size()];
            if (a.y() >= y0 && a.y() <= y1)
                take(a.x());
            // Where the edge crosses the band's top and bottom.
            for (const double y : {y0, y1}) {
                if ((a.y() - y) * (b.y() - y) < 0.0)
                    take(a.x() + (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()));
            }
        }
        if (left > right)
            continue;
        const int x0 = std::max(0, static_cast<int>(std::floor(left)) - 1);
        const int x1 = std::min(square.width(), static_cast<int>(std::ceil(right)) + 2);
        if (x0 < x1)
            bands.emplace_back(x0, top, x1 - x0, std::min(kBand, square.height() - top));
    }
    return bands;
}

} // namespace

void PaintTurnedMap(QPainter& painter, const MapScene& scene, ViewPoint offset) {
    const ViewGeometry& g = scene.geometry;
    // Only the clip's part: a strip a scroll uncovered.
    QRect area(0, 0, g.ClientWidth(), g.ClientHeight());
    if (painter.hasClipping())
        area &= painter.clipBoundingRect().toAlignedRect();
    if (area.isEmpty())
        return;
    // A view scrolled to where the turn leaves the 32-bit range has nothing of the map to show.
    const std::optional<ViewPoint> origin = g.CanvasOrigin(offset);
    if (!origin) {
        painter.fillRect(area, MapGround(scene));
        return;
    }
    const QPoint corner(origin->x, origin->y);
    // The box round the area turned back onto the unturned map, a pixel more each side: the
    // square of the map sampled and turned.
    std::array<QPointF, 4> back = TurnedBackCorners(area.translated(corner), g.Rotation());
    double left = INFINITY;
    double top = INFINITY;
    double right = -INFINITY;
    double bottom = -INFINITY;
    for (const QPointF& p : back) {
        left = std::min(left, p.x());
        top = std::min(top, p.y());
        right = std::max(right, p.x());
        bottom = std::max(bottom, p.y());
    }
    constexpr double kFar = 2e9;
    if (!(std::abs(left) < kFar && std::abs(top) < kFar && std::abs(right) < kFar &&
          std::abs(bottom) < kFar)) {
        painter.fillRect(area, MapGround(scene));
        return;
    }
    const QPoint at(static_cast<int>(std::floor(left)) - 1, static_cast<int>(std::floor(top)) - 1);
    const int width = static_cast<int>(std::ceil(right)) + 1 - at.x();
    const int height = static_cast<int>(std::ceil(bottom)) + 1 - at.y();
    for (QPointF& p : back)
        p -= at;
    ViewGeometry plain = g;
    plain.SetRotation(0.0);
    plain.SetClientSize(width, height);
    // Kept for the next frame: the paint runs on the window's thread only.
    static std::vector<QRgb> pixels;
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (pixels.size() < count)
        pixels.resize(count);
    QImage square(reinterpret_cast<uchar*>(pixels.data()), width, height,
                  static_cast<qsizetype>(width) * 4, QImage::Format_RGB32);
    {
        QPainter into(&square);
        const std::vector<QRect> bands = TurnedBands(back, square.size());
        PaintMapIn(into, scene, plain, {at.x(), at.y()}, bands);
    }
    // Straight into the frame where it can; through Qt's turn into anything else.
    QPaintDevice* device = painter.device();
    if (device != nullptr && device->devType() == QInternal::Image &&
        device->devicePixelRatio() == 1 && painter.worldTransform().isIdentity() &&
        (!painter.hasClipping() || painter.clipRegion().rectCount() <= 1) &&
        TurnImage(*static_cast<QImage*>(device), area, corner, square, at, g.Rotation()))
        return;
    painter.save();
    painter.translate(-corner);
    painter.rotate(g.Rotation());
    painter.translate(at);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPointF(0, 0), square);
    painter.restore();
}

QRect NorthArrowRect(int clientWidth, int clientHeight) {
    const QRect status = StatusLineRect(clientWidth, clientHeight);
    return {clientWidth - kArrowSide - kArrowMargin, status.bottom() + 1 + kArrowMargin, kArrowSide,
            kArrowSide};
}

void DrawNorthArrow(QPainter& painter, const MapScene& scene, ViewPoint /*offset*/) {
    if (scene.live == nullptr || !(scene.live->courseUp || scene.geometry.Turned()))
        return;
    const ViewGeometry& g = scene.geometry;
    // North where the view's middle is: a grid's north bends away from it across a sheet.
    double north = g.Rotation();
    if (scene.georeference.HasTransform()) {
        const MapPos middle = g.ScreenToImage({g.ClientWidth() / 2, g.ClientHeight() / 2});
        north +=
            ImageCourse(scene.georeference, scene.georeference.ToGeo(middle), 0.0).value_or(0.0);
    }
    const QRect r = NorthArrowRect(g.ClientWidth(), g.ClientHeight());
    const double h = r.height() / 2.0 - 3.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor(60, 60, 60), 1.0));
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(r.adjusted(1, 1, -1, -1));
    painter.translate(QRectF(r).center());
    painter.rotate(north);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawPolygon(QPolygonF({{0.0, -h}, {0.3 * h, 0.0}, {-0.3 * h, 0.0}}));
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({{0.0, h}, {0.3 * h, 0.0}, {-0.3 * h, 0.0}}));
    painter.restore();
}

double UpRotation(const session::MapSession& session, double handTurn) {
    if (!session.Live().Settings().Turns())
        return handTurn;
    const std::optional<double> course = session.Live().UpCourse();
    const gps::GpsFix& fix = session.GpsFix();
    if (!course || !fix.position.IsSet())
        return 0.0;
    const std::optional<double> angle = ImageCourse(session.Georeference(), fix.position, *course);
    return angle ? -*angle : 0.0;
}

ViewPoint MarkerAnchor(const ViewGeometry& geometry) {
    if (!geometry.Turned())
        return {geometry.ClientWidth() / 2, geometry.ClientHeight() / 2};
    return {geometry.ClientWidth() / 2, geometry.ClientHeight() * 3 / 4};
}

} // namespace view
