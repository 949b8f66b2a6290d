#include "view/SymbolCache.h"

#include "PixelHelpers.h"
#include "points/MapPoint.h"
#include "view/SymbolPainter.h"

#include <QPainter>
#include <gtest/gtest.h>

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

} // namespace

} // namespace view
