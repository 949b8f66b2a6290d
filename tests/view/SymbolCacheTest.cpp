#include "view/SymbolCache.h"

#include "PixelHelpers.h"
#include "points/MapPoint.h"
#include "view/SymbolPainter.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace view {

namespace {

QImage Paint(const std::function<void(QPainter&)>& draw) {
    QImage image = pixels::Blank(120, 60, Qt::cyan);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    draw(painter);
    return image;
}

TEST(SymbolCache, CopiesArePixelForPixelTheDirectDrawingTable) {
    struct Row {
        int symbol, line, fill, size;
        const char* name;
        bool label;
    };
    const Row rows[] = {
        {1, 0, 2, 0, "WP1000", true},    {2, 4, 5, 4, "Triangle gy", true},
        {3, 7, 1, 2, "", true},          {4, 3, 3, 3, "Cross", true},
        {1, 0, 2, 0, "WP1000", false},   {9, 1, 1, 1, "unknown index", true},
        {0, 1, 1, 1, "invisible", true},
    };
    SymbolCache cache;
    for (const Row& row : rows) {
        const CMapPoint point(row.name, MapPos(0, 52), row.symbol, row.line, row.fill, row.size,
                              "");
        const QImage direct =
            Paint([&](QPainter& p) { DrawMapPoint(point, p, QPoint(30, 25), row.label); });
        // Twice: once drawn into the cache, once copied from it.
        for (int pass = 0; pass < 2; ++pass) {
            const QImage cached =
                Paint([&](QPainter& p) { cache.Draw(p, point, QPoint(30, 25), row.label); });
            EXPECT_EQ(cached, direct) << row.name << " pass " << pass;
        }
    }
}

// A map point is drawn exactly when any of its symbol or label falls in view, wherever its
// middle lies: beside the view, far off it, or near the end of the 32-bit range.
TEST(SymbolCache, DrawnInTheViewWhenAnyOfItShowsTable) {
    const QRect view(20, 10, 80, 40);
    const char* const kLong = "A name long enough to reach well into the view";
    const struct {
        QPoint centre;
        const char* name;
        int symbol;
        bool label;
        bool shows;
    } rows[] = {
        {{50, 30}, "In view", 1, true, true},
        {{17, 30}, "", 3, true, true},        // left of it, the square reaching in
        {{50, 52}, "", 1, true, true},        // below it, the circle reaching in
        {{10, 30}, "", 1, true, false},       // left of it, out of reach
        {{-100, 30}, kLong, 2, true, true},   // far left, the label reaching in
        {{-100, 30}, kLong, 2, false, false}, // the same without its label
        {{50, 30}, "Invisible", 0, true, false},
        {{2'147'483'000, 30}, kLong, 1, true, false},
    };
    const QImage blank = Paint([](QPainter&) {});
    for (const auto& row : rows) {
        const CMapPoint point(row.name, MapPos(0, 52), row.symbol, 0, 2, 2, "");
        SymbolCache cache;
        // What a drawing of the whole point leaves in view, where it can be drawn at all.
        QImage direct = blank;
        if (std::abs(row.centre.x()) < 10'000) {
            direct = Paint([&](QPainter& p) { cache.Draw(p, point, row.centre, row.label); });
            EXPECT_EQ(pixels::Count(direct, qRgb(0, 255, 255), view) < view.width() * view.height(),
                      row.shows)
                << row.name << " at " << row.centre.x() << ": the row is not the case it names";
        }
        const QImage in =
            Paint([&](QPainter& p) { cache.DrawIn(p, point, row.centre, row.label, view); });
        EXPECT_EQ(in, row.shows ? direct : blank) << row.name << " at " << row.centre.x();
    }
}

} // namespace

} // namespace view
