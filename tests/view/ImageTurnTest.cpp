#include "view/ImageTurn.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace view {

namespace {

// Each pixel says where it is: x and y in red, green and the low bits of blue.
QRgb Coded(int x, int y) {
    return qRgb(x & 255, y & 255, (x >> 8 & 15) << 4 | (y >> 8 & 15));
}

QPoint Decoded(QRgb c) {
    return {qRed(c) | (qBlue(c) >> 4) << 8, qGreen(c) | (qBlue(c) & 15) << 8};
}

// Every pixel whose middle falls on the square takes the pixel under it, the others stay, and
// the picture turns the way a turned painter draws it.
TEST(ImageTurn, EachPixelTakesTheSquaresPixelUnderItsMiddleTable) {
    struct Row {
        const char* legend;
        double angle;
        QSize target;
        QSize square;
        QPointF middle;
        QPoint shift;
    };
    const Row rows[] = {
        {"no turn, moved", 0.0, {120, 90}, {200, 150}, {60, 45}, {30, 20}},
        {"a quarter turn", 90.0, {120, 90}, {200, 150}, {60, 45}, {40, 30}},
        {"course-up's odd angle", -61.633565, {160, 100}, {180, 190}, {80, 50}, {10, 45}},
        {"upside down", 180.0, {120, 90}, {120, 90}, {60, 45}, {0, 0}},
        {"a square smaller than the view: rows off it",
         30.0,
         {300, 260},
         {90, 70},
         {150, 130},
         {-100, -90}},
        {"a wide view past the square's corner",
         135.0,
         {400, 60},
         {256, 256},
         {200, 30},
         {20, 200}},
    };
    const QRgb untouched = qRgba(1, 2, 3, 0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        QImage square(row.square, QImage::Format_RGB32);
        for (int y = 0; y < square.height(); ++y)
            for (int x = 0; x < square.width(); ++x)
                square.setPixel(x, y, Coded(x, y));
        QImage target(row.target, QImage::Format_ARGB32_Premultiplied);
        target.fill(untouched);
        QImage byQt = target.copy();
        ASSERT_TRUE(TurnImage(target, square, row.angle, row.middle, row.shift));
        {
            QPainter painter(&byQt);
            painter.translate(row.middle);
            painter.rotate(row.angle);
            painter.translate(-row.middle - QPointF(row.shift));
            painter.drawImage(QPointF(0, 0), square);
        }
        const double r = row.angle * std::numbers::pi / 180.0;
        int onSquare = 0;
        int asQt = 0;
        for (int y = 0; y < target.height(); ++y) {
            for (int x = 0; x < target.width(); ++x) {
                const double px = x + 0.5 - row.middle.x();
                const double py = y + 0.5 - row.middle.y();
                const double qx =
                    std::cos(r) * px + std::sin(r) * py + row.middle.x() + row.shift.x();
                const double qy =
                    -std::sin(r) * px + std::cos(r) * py + row.middle.y() + row.shift.y();
                asQt += target.pixel(x, y) == byQt.pixel(x, y);
                // A middle on a pixel's edge may go either way.
                const auto onEdge = [](double v) { return std::abs(v - std::round(v)) < 1e-6; };
                if (onEdge(qx) || onEdge(qy))
                    continue;
                const bool inside =
                    qx >= 0 && qy >= 0 && qx < square.width() && qy < square.height();
                if (!inside) {
                    ASSERT_EQ(target.pixel(x, y), untouched) << x << "," << y;
                    continue;
                }
                ++onSquare;
                ASSERT_EQ(Decoded(target.pixel(x, y)), QPoint(static_cast<int>(std::floor(qx)),
                                                              static_cast<int>(std::floor(qy))))
                    << x << "," << y;
            }
        }
        EXPECT_GT(onSquare, 0);
        // Qt rounds its steps to 16 bits, so a few pixels next to an edge go the other way.
        EXPECT_GT(asQt, target.width() * target.height() * 97 / 100);
    }
}

TEST(ImageTurn, ImagesItCannotWriteAreLeftAlone) {
    QImage square(10, 10, QImage::Format_RGB32);
    square.fill(Qt::red);
    QImage grey(20, 20, QImage::Format_Grayscale8);
    grey.fill(0);
    EXPECT_FALSE(TurnImage(grey, square, 30.0, {10, 10}, {0, 0}));
    EXPECT_EQ(grey.pixel(10, 10), qRgb(0, 0, 0));
    QImage target(20, 20, QImage::Format_RGB32);
    EXPECT_FALSE(TurnImage(target, QImage(), 30.0, {10, 10}, {0, 0}));
}

} // namespace

} // namespace view
