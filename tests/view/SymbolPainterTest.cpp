#include "view/SymbolPainter.h"

#include "PixelHelpers.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace view {

namespace {

using pixels::Blank;
using pixels::ChangedBox;

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kYellow = qRgb(255, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kBlack = qRgb(0, 0, 0);

QImage Draw(int symbol, int line, int fill, int size, const QString& label = {},
            bool showLabel = false, QColor background = Qt::white) {
    QImage image = Blank(100, 100, background);
    QPainter painter(&image);
    DrawSymbol(painter, {50, 50}, symbol, line, fill, size, label, showLabel);
    return image;
}

TEST(DrawSymbol, ExtentsOutlineAndFillOfEachShapeAndSize) {
    for (int symbol : {kSymbolCircle, kSymbolTriangle, kSymbolSquare, kSymbolCrosshair}) {
        for (int size = 0; size <= 4; ++size) {
            SCOPED_TRACE(testing::Message() << "symbol " << symbol << " size " << size);
            const QImage image = Draw(symbol, kColourRed, kColourYellow, size);
            const int r = 2 * size + 1;
            const QRect box = ChangedBox(image, kWhite);
            if (size < 4) {
                EXPECT_EQ(box, QRect(QPoint(50 - r, 50 - r), QPoint(50 + r, 50 + r)));
            } else {
                // A 4-pixel pen straddles the outline: the shape grows by about 2 pixels.
                EXPECT_TRUE(box.contains(QRect(QPoint(41, 41), QPoint(59, 59))));
                EXPECT_LE(box.width(), 2 * r + 1 + 4);
            }
            if (symbol == kSymbolCrosshair) {
                EXPECT_EQ(image.pixel(53, 53), kWhite) << "a crosshair has no fill";
                EXPECT_EQ(image.pixel(50, 50 - r), kRed);
                EXPECT_EQ(image.pixel(50 + r, 50), kRed);
                continue;
            }
            if (size == 0)
                continue; // r = 1: all outline
            // Outline width on the centre row, from the left edge.
            const int row = 50;
            int x = 0;
            while (image.pixel(x, row) == kWhite)
                ++x;
            int outline = 0;
            while (image.pixel(x + outline, row) == kRed)
                ++outline;
            EXPECT_EQ(outline, size == 4 ? 4 : 1);
            EXPECT_EQ(image.pixel(x + outline, row), kYellow);
            EXPECT_EQ(image.pixel(50, 50 + (symbol == kSymbolTriangle ? 2 : 0)), kYellow);
        }
    }
}

TEST(DrawSymbol, CrosshairOfSize3CoversColumnsAndRows43To57) {
    const QImage image = Draw(kSymbolCrosshair, kColourBlack, kColourBlack, 3);
    for (int i = 0; i < 100; ++i) {
        const bool arm = i >= 43 && i <= 57;
        EXPECT_EQ(image.pixel(i, 50) == kBlack, arm) << "column " << i;
        EXPECT_EQ(image.pixel(50, i) == kBlack, arm) << "row " << i;
    }
    EXPECT_EQ(ChangedBox(image, kWhite), QRect(QPoint(43, 43), QPoint(57, 57)));
}

TEST(DrawSymbol, UnknownIndicesTable) {
    struct Row {
        const char* legend;
        int symbol, line, fill;
        QRgb centre; // pixel at the centre
        QRgb offArm; // pixel at (51, 51): fill for shapes, background for the crosshair
    };
    const Row rows[] = {
        {"line colour 8 is black", kSymbolCrosshair, 8, 0, kBlack, kWhite},
        {"line colour -1 is black", kSymbolCrosshair, -1, 0, kBlack, kWhite},
        {"fill colour 8 is black", kSymbolSquare, kColourRed, 8, kBlack, kBlack},
        {"fill colour -1 is black", kSymbolCircle, kColourRed, -1, kBlack, kBlack},
        {"symbol 5 is a crosshair", 5, kColourRed, kColourYellow, kRed, kWhite},
        {"symbol -1 is a crosshair", -1, kColourRed, kColourYellow, kRed, kWhite},
    };
    for (const Row& row : rows) {
        const QImage image = Draw(row.symbol, row.line, row.fill, 2);
        EXPECT_EQ(image.pixel(50, 50), row.centre) << row.legend;
        EXPECT_EQ(image.pixel(51, 51), row.offArm) << row.legend;
    }
}

TEST(DrawSymbol, LabelsTable) {
    struct Row {
        const char* legend;
        int symbol;
        QString label;
        bool show;
        bool textExpected;
    };
    const Row rows[] = {
        {"invisible draws no label", kSymbolInvisible, "gps", true, false},
        {"empty label", kSymbolCircle, "", true, false},
        {"labels off", kSymbolCircle, "gps", false, false},
        {"labelled circle", kSymbolCircle, "gps", true, true},
    };
    for (const Row& row : rows) {
        const QImage image =
            Draw(row.symbol, kColourRed, kColourYellow, 2, row.label, row.show, Qt::blue);
        const QRect right(QPoint(56, 0), QPoint(99, 99));
        const bool changed = pixels::Count(image, kBlue, right) != right.width() * right.height();
        EXPECT_EQ(changed, row.textExpected) << row.legend;
        if (row.symbol == kSymbolInvisible) {
            EXPECT_EQ(ChangedBox(image, kBlue), QRect()) << row.legend;
        }
    }
}

TEST(DrawSymbol, LabelStandsRightOfTheSymbolWithAOnePixelWhiteOutline) {
    // Default GPS marker: circle, size 2 (r = 5), red line, yellow fill.
    const QImage image = Draw(kSymbolCircle, kColourRed, kColourYellow, 2, "gps", true, Qt::blue);
    QRect text;
    int white = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 56; x < 100; ++x) {
            const QRgb c = image.pixel(x, y);
            if (c == kRed)
                text |= QRect(x, y, 1, 1);
            if (c == kWhite) {
                ++white;
                // Every outline pixel touches the text.
                const bool touches = image.pixel(x - 1, y) == kRed ||
                                     image.pixel(x + 1, y) == kRed ||
                                     image.pixel(x, y - 1) == kRed || image.pixel(x, y + 1) == kRed;
                EXPECT_TRUE(touches) << x << "," << y;
            }
            if (c == kRed) {
                // ... and every text pixel is surrounded by text or outline, never background.
                for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
                    EXPECT_NE(image.pixel(x + d.x(), y + d.y()), kBlue) << x << "," << y;
            }
        }
    }
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GE(text.left(), 57) << "text starts at x + r + 2";
    EXPECT_LE(text.left(), 59);
    EXPECT_GE(text.top(), 50) << "the text cell's top is on the centre's row";
    EXPECT_LT(text.top(), 50 + QFontMetrics(LabelFont()).height());
    EXPECT_GT(white, 0);
    EXPECT_EQ(image.pixel(56, 50), kBlue) << "nothing between symbol and outline at its row";
}

TEST(TrailPens, RampColoursAndWidths) {
    TrailPens pens;
    pens.Rebuild(kColourGreen, 3);
    EXPECT_EQ(pens.Pen(10).color(), QColor(0, 127, 0));
    EXPECT_EQ(pens.Pen(19).color(), QColor(0, 242, 0));
    EXPECT_EQ(pens.Brush(19).color(), QColor(0, 242, 0));
    EXPECT_EQ(pens.Pen(0).color(), QColor(0, 0, 0));
    EXPECT_EQ(pens.Pen(19).width(), 6);
    EXPECT_EQ(pens.Pen(-5).color(), pens.Pen(0).color()) << "below the ramp takes level 0";
    EXPECT_EQ(pens.Pen(99).color(), pens.Pen(19).color()) << "above the ramp takes level 19";
    pens.Rebuild(kColourWhite, 0);
    EXPECT_EQ(pens.Pen(19).color(), QColor(242, 242, 242));
    EXPECT_EQ(pens.Pen(19).width(), 0);
}

} // namespace

} // namespace view
