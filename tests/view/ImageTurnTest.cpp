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

// Every pixel whose middle falls on the square takes the pixel under it, the others stay, the
// picture turns the way a turned painter draws it, and a frame whose corner lies elsewhere on
// the canvas shows every canvas pixel as it was (what lets a scrolled frame be shifted).
TEST(ImageTurn, EachPixelTakesTheSquaresPixelUnderItsMiddleTable) {
    struct Row {
        const char* legend;
        double angle;
        QSize target;
        QRect area; // of target
        QPoint corner;
        QSize square;
        QPoint at;
    };
    // at puts the area's middle on the square's middle, or near its corner (the last row).
    // clang-format off
    const Row rows[] = {
        {"no turn", 0.0, {120, 90}, {0, 0, 120, 90}, {30, 20}, {200, 150}, {0, 0}},
        {"a quarter turn", 90.0, {120, 90}, {0, 0, 120, 90}, {40, -160}, {200, 150}, {-215, -175}},
        {"course-up's odd angle", -61.633565, {160, 100}, {0, 0, 160, 100}, {-500, 900}, {190, 190}, {-1130, -13}},
        {"upside down, one strip", 180.0, {120, 90}, {0, 37, 120, 3}, {-130, -100}, {120, 90}, {10, 17}},
        {"a square smaller than the view: rows off it", 30.0, {300, 260}, {0, 0, 300, 260}, {-60, -60}, {90, 70}, {68, -19}},
        {"a column past the square's corner", 135.0, {400, 60}, {390, 0, 10, 60}, {-250, -120}, {256, 256}, {-166, -39}},
    };
    // clang-format on
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
        ASSERT_TRUE(TurnImage(target, row.area, row.corner, square, row.at, row.angle));
        {
            QPainter painter(&byQt);
            painter.setClipRect(row.area);
            painter.translate(-row.corner);
            painter.rotate(row.angle);
            painter.translate(row.at);
            painter.drawImage(QPointF(0, 0), square);
        }
        // The whole target from a corner a few pixels off.
        const QPoint moved(3, -2);
        QImage shifted(row.target, QImage::Format_ARGB32_Premultiplied);
        shifted.fill(untouched);
        TurnImage(shifted, shifted.rect(), row.corner + moved, square, row.at, row.angle);
        const double r = row.angle * std::numbers::pi / 180.0;
        int onSquare = 0;
        int asQt = 0;
        for (int y = 0; y < target.height(); ++y) {
            for (int x = 0; x < target.width(); ++x) {
                const QRgb got = target.pixel(x, y);
                asQt += got == byQt.pixel(x, y);
                if (!row.area.contains(x, y)) {
                    ASSERT_EQ(got, untouched) << x << "," << y;
                    continue;
                }
                const QPoint there = QPoint(x, y) - moved;
                if (shifted.rect().contains(there) && got != untouched) {
                    ASSERT_EQ(shifted.pixel(there), got) << x << "," << y;
                }
                const double px = x + 0.5 + row.corner.x();
                const double py = y + 0.5 + row.corner.y();
                const double qx = std::cos(r) * px + std::sin(r) * py - row.at.x();
                const double qy = -std::sin(r) * px + std::cos(r) * py - row.at.y();
                // A middle on a pixel's edge may go either way.
                const auto onEdge = [](double v) { return std::abs(v - std::round(v)) < 1e-6; };
                if (onEdge(qx) || onEdge(qy))
                    continue;
                const bool inside =
                    qx >= 0 && qy >= 0 && qx < square.width() && qy < square.height();
                if (!inside) {
                    ASSERT_EQ(got, untouched) << x << "," << y;
                    continue;
                }
                ++onSquare;
                ASSERT_EQ(Decoded(got), QPoint(static_cast<int>(std::floor(qx)),
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
    // Another depth, and the same depth with the bytes in another order.
    for (const QImage::Format format : {QImage::Format_Grayscale8, QImage::Format_RGBX8888}) {
        QImage other(20, 20, format);
        other.fill(Qt::black);
        EXPECT_FALSE(TurnImage(other, other.rect(), {0, 0}, square, {0, 0}, 30.0));
        EXPECT_EQ(other.pixel(10, 10), qRgb(0, 0, 0));
    }
    QImage target(20, 20, QImage::Format_RGB32);
    EXPECT_FALSE(TurnImage(target, target.rect(), {0, 0}, QImage(), {0, 0}, 30.0));
}

} // namespace

} // namespace view
