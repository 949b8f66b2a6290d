#include "view/SkyView.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace view {

namespace {

constexpr double kMarkRadius = 6.0;
// A bar this strong reaches the top; stronger ones stop there.
constexpr int kStrongestSnr = 50;

QPainterPath MarkShape(gps::Constellation system, QPointF at) {
    const double r = kMarkRadius;
    QPainterPath path;
    switch (system) {
    case gps::Constellation::Gps:
        path.addEllipse(at, r, r);
        break;
    case gps::Constellation::Glonass:
        path.addRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
        break;
    case gps::Constellation::Galileo:
        path.addPolygon(QPolygonF(
            {at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r), at + QPointF(-r, 0)}));
        break;
    case gps::Constellation::Beidou:
        path.addPolygon(QPolygonF({at + QPointF(0, -r), at + QPointF(r, r), at + QPointF(-r, r)}));
        break;
    default:
        path.addPolygon(QPolygonF({at + QPointF(-r, -r), at + QPointF(r, -r), at + QPointF(0, r)}));
        break;
    }
    path.closeSubpath();
    return path;
}

// Used satellites are filled; the others are drawn in outline, a thicker pen so the colour
// still reads.
void UseLook(QPainter& painter, const gps::SkySatellite& s) {
    const QColor colour = SignalColour(s.snr);
    painter.setPen(QPen(s.used ? colour.darker(160) : colour, s.used ? 1.0 : 2.0));
    painter.setBrush(s.used ? QBrush(colour) : QBrush(Qt::NoBrush));
}

} // namespace

QColor SignalColour(std::optional<int> snr) {
    if (!snr || *snr <= 0)
        return QColor(150, 150, 150);
    if (*snr < 20)
        return QColor(220, 40, 30);
    if (*snr < 30)
        return QColor(240, 140, 0);
    if (*snr < 40)
        return QColor(220, 200, 0);
    return QColor(30, 170, 50);
}

std::optional<QPointF> SkyPoint(const gps::SkySatellite& s, QPointF centre, double radius) {
    if (!s.elevation || !s.azimuth)
        return std::nullopt;
    const double r = radius * (90.0 - std::clamp(*s.elevation, 0, 90)) / 90.0;
    const double a = *s.azimuth * std::numbers::pi / 180.0;
    return centre + QPointF(r * std::sin(a), -r * std::cos(a));
}

SkyView::SkyView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 120);
}

void SkyView::SetSky(std::vector<gps::SkySatellite> sky) {
    if (sky == sky_)
        return;
    sky_ = std::move(sky);
    update();
}

void SkyView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor ink = palette().color(QPalette::WindowText);
    const QFontMetrics metrics = painter.fontMetrics();
    const double side = std::min(width(), height());
    const double radius = side / 2.0 - metrics.height() - 2.0;
    const QPointF centre(width() / 2.0, height() / 2.0);
    painter.setPen(QPen(ink, 1.0));
    painter.setBrush(Qt::NoBrush);
    for (const double elevation : {0.0, 30.0, 60.0}) {
        const double r = radius * (90.0 - elevation) / 90.0;
        painter.drawEllipse(centre, r, r);
    }
    painter.drawLine(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
    painter.drawLine(centre - QPointF(0, radius), centre + QPointF(0, radius));
    const double label = radius + metrics.height() / 2.0 + 1.0;
    const struct {
        const char* text;
        QPointF at;
    } directions[] = {{"N", {0, -label}}, {"E", {label, 0}}, {"S", {0, label}}, {"W", {-label, 0}}};
    for (const auto& d : directions) {
        const QPointF at = centre + d.at;
        painter.drawText(QRectF(at.x() - 10, at.y() - 10, 20, 20), Qt::AlignCenter, d.text);
    }
    QFont small = painter.font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    for (const gps::SkySatellite& s : sky_) {
        const std::optional<QPointF> at = SkyPoint(s, centre, radius);
        if (!at)
            continue;
        UseLook(painter, s);
        painter.drawPath(MarkShape(s.system, *at));
        painter.save();
        painter.setFont(small);
        painter.setPen(ink);
        painter.drawText(*at + QPointF(kMarkRadius + 1, -kMarkRadius), QString::number(s.prn));
        painter.restore();
    }
}

SignalBars::SignalBars(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(60);
}

void SignalBars::SetSky(std::vector<gps::SkySatellite> sky) {
    // Those without a signal have no bar; the strongest first is no help, so in sky order.
    sky.erase(
        std::remove_if(sky.begin(), sky.end(), [](const gps::SkySatellite& s) { return !s.snr; }),
        sky.end());
    if (sky == sky_)
        return;
    sky_ = std::move(sky);
    update();
}

void SignalBars::paintEvent(QPaintEvent* /*event*/) {
    if (sky_.empty())
        return;
    QPainter painter(this);
    QFont small = painter.font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    painter.setFont(small);
    const int labelHeight = painter.fontMetrics().height();
    const double slot = static_cast<double>(width()) / static_cast<double>(sky_.size());
    const double barWidth = std::max(2.0, slot * 0.7);
    const double top = 2.0;
    const double bottom = height() - labelHeight - 1.0;
    for (std::size_t i = 0; i < sky_.size(); ++i) {
        const gps::SkySatellite& s = sky_[i];
        const double strength = std::min(*s.snr, kStrongestSnr) / double(kStrongestSnr);
        const double x = i * slot + (slot - barWidth) / 2.0;
        const double h = std::max(1.0, (bottom - top) * strength);
        UseLook(painter, s);
        painter.drawRect(QRectF(x, bottom - h, barWidth, h));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(i * slot, bottom, slot, labelHeight), Qt::AlignCenter,
                         QString::number(s.prn));
    }
}

} // namespace view
