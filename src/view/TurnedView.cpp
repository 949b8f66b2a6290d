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
#include <vector>

namespace view {

namespace {

constexpr int kArrowSide = 40;
constexpr int kArrowMargin = 8;

// Bands of rows of the square a view of width x height turned by degrees reads, each as wide
// as the view's turned outline crosses it and a pixel more each side: a turned view covers half
// of its square at 45 degrees, and sampling the rest would be wasted.
std::vector<QRect> TurnedBands(double degrees, int width, int height, QPoint shift, QSize square) {
    constexpr int kBand = 16;
    const double r = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(r);
    const double s = std::sin(r);
    const QPointF middle(width / 2.0, height / 2.0);
    // The view's corners on the square, in order round it.
    std::array<QPointF, 4> corners;
    const std::array<QPointF, 4> view = {
        {{0.0, 0.0}, {double(width), 0.0}, {double(width), double(height)}, {0.0, double(height)}}};
    for (std::size_t i = 0; i < view.size(); ++i) {
        const QPointF p = view[i] - middle;
        corners[i] = QPointF(c * p.x() + s * p.y(), -s * p.x() + c * p.y()) + middle + shift;
    }
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
    if (g.ClientWidth() == 0 || g.ClientHeight() == 0)
        return;
    // The box round the client area turned back: at a quarter turn no more pixels than the
    // view, at 45 degrees about twice as many. A pixel more each side for the rounding.
    const double r = g.Rotation() * std::numbers::pi / 180.0;
    const double c = std::abs(std::cos(r));
    const double s = std::abs(std::sin(r));
    const int width = static_cast<int>(std::ceil(g.ClientWidth() * c + g.ClientHeight() * s)) + 2;
    const int height = static_cast<int>(std::ceil(g.ClientWidth() * s + g.ClientHeight() * c)) + 2;
    const int dx = (width - g.ClientWidth()) / 2;
    const int dy = (height - g.ClientHeight()) / 2;
    ViewGeometry plain = g;
    plain.SetRotation(0.0);
    plain.SetClientSize(width, height);
    // Kept for the next frame: the paint runs on the window's thread only.
    static QImage square;
    if (square.width() != width || square.height() != height)
        square = QImage(width, height, QImage::Format_RGB32);
    {
        QPainter into(&square);
        const std::vector<QRect> bands =
            TurnedBands(g.Rotation(), g.ClientWidth(), g.ClientHeight(), {dx, dy}, square.size());
        PaintMapIn(into, scene, plain, {offset.x - dx, offset.y - dy}, bands);
    }
    const QPointF middle(g.ClientWidth() / 2.0, g.ClientHeight() / 2.0);
    // Straight into the frame where it can; through Qt's turn into anything else.
    QPaintDevice* device = painter.device();
    if (device != nullptr && device->devType() == QInternal::Image && !painter.hasClipping() &&
        painter.worldTransform().isIdentity() &&
        TurnImage(*static_cast<QImage*>(device), square, g.Rotation(), middle, {dx, dy}))
        return;
    painter.save();
    painter.translate(middle);
    painter.rotate(g.Rotation());
    painter.translate(-middle - QPointF(dx, dy));
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
