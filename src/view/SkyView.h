#pragma once

#include "gps/GpsDetails.h"

#include <QColor>
#include <QPointF>
#include <QWidget>

#include <optional>
#include <vector>

namespace view {

// The colour of a satellite by its signal strength (dB-Hz): grey unknown or none, red weak,
// orange, yellow, green strong.
QColor SignalColour(std::optional<int> snr);

// Where a satellite lies on a sky plot of the given radius about centre: the horizon on the
// rim, the zenith in the middle, north up and east right. None without elevation or azimuth.
std::optional<QPointF> SkyPoint(const gps::SkySatellite& satellite, QPointF centre, double radius);

// The sky as the receiver sees it: rings at the horizon, 30 and 60 degrees, the four
// directions, and each satellite at its elevation and azimuth, coloured by its signal, filled
// when used in the fix, shaped by its constellation (GPS a circle, GLONASS a square, Galileo
// a diamond, BeiDou a triangle, the others a triangle pointing down).
class SkyView : public QWidget {
public:
    explicit SkyView(QWidget* parent = nullptr);
    void SetSky(std::vector<gps::SkySatellite> sky);
    [[nodiscard]] QSize sizeHint() const override { return {200, 200}; }
    [[nodiscard]] bool hasHeightForWidth() const override { return true; }
    // Square, but no taller than kMaxSide: a wide panel must still fit the boxes below it.
    static constexpr int kMaxSide = 200;
    [[nodiscard]] int heightForWidth(int width) const override {
        return width < kMaxSide ? width : kMaxSide;
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<gps::SkySatellite> sky_;
};

// One bar a satellite with a signal, as high as its strength, in the sky view's colours,
// filled when used, the number under it.
class SignalBars : public QWidget {
public:
    explicit SignalBars(QWidget* parent = nullptr);
    void SetSky(std::vector<gps::SkySatellite> sky);
    [[nodiscard]] QSize sizeHint() const override { return {200, 80}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<gps::SkySatellite> sky_;
};

} // namespace view
