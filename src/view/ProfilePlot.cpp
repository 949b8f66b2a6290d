#include "view/ProfilePlot.h"

#include "base/Number.h"

#include <QFontMetrics>
#include <QLine>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace view {

namespace {

constexpr int kLeft = 52; // room for the limits' labels
constexpr int kRight = 8;
constexpr int kTop = 4;
constexpr int kBandGap = 6;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The lowest and highest value of the columns; none without any.
std::optional<std::pair<double, double>>
Limits(std::initializer_list<const std::vector<trail::ProfileColumn>*> sets) {
    double low = INFINITY, high = -INFINITY;
    for (const auto* columns : sets)
        for (const trail::ProfileColumn& c : *columns)
            if (!c.Gap()) {
                low = std::min(low, c.low);
                high = std::max(high, c.high);
            }
    if (!(low <= high))
        return std::nullopt;
    // A flat line sits in the middle of its band.
    if (high - low < 1.0)
        return std::pair(low - 0.5, high + 0.5);
    return std::pair(low, high);
}

// The columns in band, between limits: a filled area under the line when fill is given, and
// each column's low to high over it.
void DrawColumns(QPainter& painter, const std::vector<trail::ProfileColumn>& columns, QRect band,
                 std::pair<double, double> limits, QColor line, std::optional<QColor> fill) {
    const double scale = (band.height() - 1) / (limits.second - limits.first);
    const auto y = [&](double v) {
        return band.bottom() - static_cast<int>(std::lround((v - limits.first) * scale));
    };
    std::vector<QLine> lines, under;
    lines.reserve(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const trail::ProfileColumn& c = columns[i];
        if (c.Gap())
            continue;
        const int x = band.left() + static_cast<int>(i);
        lines.emplace_back(x, y(c.low), x, y(c.high));
        if (fill)
            under.emplace_back(x, y(c.low) + 1, x, band.bottom());
    }
    if (fill) {
        painter.setPen(*fill);
        painter.drawLines(under.data(), static_cast<int>(under.size()));
    }
    painter.setPen(line);
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

QString AxisText(double x, trail::ProfileAxis axis) {
    if (axis == trail::ProfileAxis::Distance)
        return Text(base::FormatFixed(x / 1000.0, 2) + " km");
    const auto whole = static_cast<long long>(std::lround(x));
    return QString::asprintf("%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60, whole % 60);
}

} // namespace

ProfilePlot::ProfilePlot(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumHeight(140);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ProfilePlot::SetSeries(const trail::ProfileSeries* series) {
    series_ = series;
    cursor_.reset();
    SeriesChanged();
}

void ProfilePlot::SeriesChanged() {
    columns_.reset();
    if (cursor_ && (series_ == nullptr || *cursor_ >= series_->Samples().size()))
        cursor_.reset();
    update();
}

void ProfilePlot::SetMissingTiles(QStringList tiles) {
    missingTiles_ = std::move(tiles);
    update();
}

void ProfilePlot::SetCursor(std::optional<std::size_t> sample) {
    cursor_ = sample;
    update();
}

QRect ProfilePlot::Area() const {
    const int lines = 2 + (missingTiles_.isEmpty() ? 0 : 1); // the axis, the cursor's values
    const int bottom = height() - lines * fontMetrics().height() - 4;
    return {kLeft, kTop, std::max(width() - kLeft - kRight, 0), std::max(bottom - kTop, 0)};
}

std::optional<int> ProfilePlot::XOf(std::size_t sample) const {
    const QRect area = Area();
    if (series_ == nullptr || sample >= series_->Samples().size() || area.width() < 1)
        return std::nullopt;
    const auto range = series_->Range();
    const double span = range->second > range->first ? range->second - range->first : 1.0;
    const double x = series_->Samples()[sample].x;
    const int column =
        std::clamp(static_cast<int>(std::floor((x - range->first) / span * area.width())), 0,
                   area.width() - 1);
    return area.left() + column;
}

void ProfilePlot::MoveCursorTo(int x) {
    const QRect area = Area();
    if (series_ == nullptr || area.width() < 1)
        return;
    const auto range = series_->Range();
    if (!range)
        return;
    const double span = range->second > range->first ? range->second - range->first : 1.0;
    // The middle of the pixel column.
    const double at = range->first + (x - area.left() + 0.5) / area.width() * span;
    const std::optional<std::size_t> nearest = series_->NearestTo(at);
    if (!nearest || nearest == cursor_)
        return;
    SetCursor(nearest);
    emit CursorMoved(*nearest);
}

void ProfilePlot::mouseMoveEvent(QMouseEvent* event) {
    MoveCursorTo(event->position().toPoint().x());
}

void ProfilePlot::mousePressEvent(QMouseEvent* event) {
    MoveCursorTo(event->position().toPoint().x());
}

void ProfilePlot::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    Paint(painter);
}

void ProfilePlot::Paint(QPainter& painter) {
    const QRect area = Area();
    const QFontMetrics metrics(painter.font());
    const QColor text = palette().color(QPalette::Text);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (series_ == nullptr || series_->Samples().empty() || area.width() < 1 ||
        area.height() < 2 * kBandGap) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter, tr("No track points to show"));
        return;
    }
    if (!columns_)
        columns_ = trail::ColumnsOf(*series_, area.width());
    const trail::ProfileColumns& c = *columns_;
    // Heights over three fifths, speeds under them.
    const int heightsHigh = (area.height() - kBandGap) * 3 / 5;
    const QRect heights(area.left(), area.top(), area.width(), heightsHigh);
    const QRect speeds(area.left(), heights.bottom() + kBandGap + 1, area.width(),
                       area.bottom() - heights.bottom() - kBandGap);
    painter.fillRect(heights, palette().color(QPalette::AlternateBase));
    painter.fillRect(speeds, palette().color(QPalette::AlternateBase));
    // Where the terrain model has no heights, hatched: never an empty stretch that reads as
    // the ground falling away.
    for (std::size_t i = 0; i < c.demMissing.size();) {
        if (!c.demMissing[i]) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < c.demMissing.size() && c.demMissing[end])
            ++end;
        painter.fillRect(QRect(heights.left() + static_cast<int>(i), heights.top(),
                               static_cast<int>(end - i), heights.height()),
                         QBrush(QColor(200, 40, 40), Qt::BDiagPattern));
        i = end;
    }
    const auto label = [&](QRect band, std::pair<double, double> limits, const char* unit) {
        painter.setPen(text);
        const QRect left(0, band.top(), kLeft - 4, metrics.height());
        painter.drawText(left, Qt::AlignRight | Qt::AlignTop,
                         Text(base::FormatFixed(limits.second, 0)) + " " + unit);
        painter.drawText(left.translated(0, band.height() - metrics.height()),
                         Qt::AlignRight | Qt::AlignBottom,
                         Text(base::FormatFixed(limits.first, 0)) + " " + unit);
    };
    if (const auto limits = Limits({&c.height, &c.dem})) {
        DrawColumns(painter, c.height, heights, *limits, QColor(30, 70, 160),
                    QColor(180, 200, 235));
        if (series_->HasDem())
            DrawColumns(painter, c.dem, heights, *limits, QColor(150, 90, 30), std::nullopt);
        label(heights, *limits, "m");
    }
    if (const auto limits = Limits({&c.speed})) {
        DrawColumns(painter, c.speed, speeds, *limits, QColor(20, 120, 40), QColor(190, 230, 195));
        label(speeds, *limits, "km/h");
    }
    // The axis's ends, then what the cursor reads, then the missing tiles.
    const trail::ProfileAxis axis = series_->Axis();
    QRect line(area.left(), area.bottom() + 2, area.width(), metrics.height());
    painter.setPen(text);
    painter.drawText(line, Qt::AlignLeft, AxisText(c.from, axis));
    painter.drawText(line, Qt::AlignRight, AxisText(c.to, axis));
    line.translate(0, metrics.height());
    if (cursor_ && *cursor_ < series_->Samples().size()) {
        const trail::ProfileSample& s = series_->Samples()[*cursor_];
        QStringList read{AxisText(s.x, axis)};
        if (std::isfinite(s.heightM))
            read << Text(base::FormatFixed(s.heightM, 0)) + " m";
        if (series_->HasDem())
            read << (std::isfinite(s.demM) ? tr("DEM %1 m").arg(Text(base::FormatFixed(s.demM, 0)))
                                           : tr("DEM none"));
        if (std::isfinite(s.speedKmh))
            read << Text(base::FormatFixed(s.speedKmh, 1)) + " km/h";
        painter.drawText(line, Qt::AlignLeft, read.join("   "));
        const int x = *XOf(*cursor_);
        painter.setPen(QPen(QColor(255, 0, 255), 1));
        painter.drawLine(x, area.top(), x, area.bottom());
        painter.setPen(text);
    }
    if (!missingTiles_.isEmpty()) {
        line.translate(0, metrics.height());
        painter.drawText(line, Qt::AlignLeft | Qt::TextSingleLine,
                         metrics.elidedText(tr("No DEM data in: %1").arg(missingTiles_.join(", ")),
                                            Qt::ElideRight, line.width()));
    }
}

} // namespace view
