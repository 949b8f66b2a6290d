#include "view/ViewGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace view {

namespace {

ViewGeometry Make(int clientW, int clientH, int imageW, int imageH, double zoom = 1.0,
                  ViewPoint scroll = {}) {
    ViewGeometry g;
    g.SetClientSize(clientW, clientH);
    g.SetImageSize(imageW, imageH);
    g.SetZoom(zoom);
    g.SetScrollOffset(scroll);
    return g;
}

TEST(ViewGeometry, ImageToScreenTable) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        const char* legend;
        double zoom;
        MapPos image; // (x, y)
        ViewPoint offset;
        std::optional<ViewPoint> expected;
    };
    const Row rows[] = {
        {"rounds half up at 100%", 1.0, MapPos(10.4, 20.6), {0, 0}, ViewPoint{10, 21}},
        {"200%: 1.25 -> floor(3.0)", 2.0, MapPos(1.25, 0.0), {0, 0}, ViewPoint{3, 0}},
        {"200%: -1.25 -> floor(-2.0)", 2.0, MapPos(-1.25, 0.0), {0, 0}, ViewPoint{-2, 0}},
        {"offset is taken away", 1.0, MapPos(100.0, 50.0), {30, -20}, ViewPoint{70, 70}},
        {"25%", 0.25, MapPos(1001.0, 7.0), {0, 0}, ViewPoint{250, 2}},
        {"NaN is not placed", 1.0, MapPos(nan, 1.0), {0, 0}, std::nullopt},
        {"infinity is not placed", 1.0, MapPos(1.0, -inf), {0, 0}, std::nullopt},
        {"beyond 32 bits is not placed", 1.0, MapPos(3e9, 1.0), {0, 0}, std::nullopt},
        {"fits only after the offset",
         1.0,
         MapPos(2147483747.0, 0.0),
         {100, 0},
         ViewPoint{2147483647, 0}},
    };
    for (const Row& row : rows) {
        const ViewGeometry g = Make(240, 268, 1000, 800, row.zoom);
        EXPECT_EQ(g.ImageToScreen(row.image, row.offset), row.expected) << row.legend;
    }
}

TEST(ViewGeometry, PixelUnderPointerTable) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* legend;
        double x, y;
        ViewPoint expected;
    } rows[] = {
        {"whole pixels stay", 10.0, 20.0, {10, 20}},
        {"fractions below one half stay in the pixel", 10.2, 20.4, {10, 20}},
        {"fractions from one half on stay in the pixel too", 10.5, 20.999, {10, 20}},
        {"left of and above the view is the pixel there", -0.5, -1.25, {-1, -2}},
        {"saturates at 32 bits", 3e9, -3e9, {2147483647, -2147483647 - 1}},
        {"NaN is pixel 0", nan, 7.5, {0, 7}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PixelUnderPointer(row.x, row.y), row.expected) << row.legend;
}

TEST(ViewGeometry, ScreenToImageUsesScrollOffsetUnrounded) {
    ViewGeometry g = Make(240, 268, 1000, 800, 4.0, {10, -3});
    const MapPos p = g.ScreenToImage({3, 4});
    EXPECT_DOUBLE_EQ(p.x, 13 / 4.0);
    EXPECT_DOUBLE_EQ(p.y, 1 / 4.0);
    g.DragTo({0, 0}, {50, 50}); // a drag in progress does not change what a tap reads
    EXPECT_DOUBLE_EQ(g.ScreenToImage({3, 4}).x, 13 / 4.0);
}

TEST(ViewGeometry, VisibleImageRectTable) {
    struct Row {
        const char* legend;
        double zoom;
        ViewPoint offset;
        ImageRect expected;
    };
    const Row rows[] = {
        {"100% at origin", 1.0, {0, 0}, {0, 0, 240, 268}},
        {"25% with negative x offset", 0.25, {-10, 5}, {-40, 20, 920, 1092}},
        {"200% truncates toward zero", 2.0, {-3, 3}, {-1, 1, 119, 135}},
        {"saturates instead of wrapping",
         ViewGeometry::kMinZoom,
         {2147483647, 0},
         {2147483647, 0, 2147483647, 8576}},
    };
    for (const Row& row : rows) {
        const ViewGeometry g = Make(240, 268, 1000, 800, row.zoom);
        EXPECT_EQ(g.VisibleImageRect(row.offset), row.expected) << row.legend;
    }
}

TEST(ViewGeometry, CentringZoomAndKeysTable) {
    enum class Op { MapCentre, Zoom2, ZoomIn3, KeyRight, KeyUp, Resize, GpsOff, GpsOn, GpsNaN };
    struct Row {
        const char* legend;
        int clientW, clientH, imageW, imageH;
        Op op;
        ViewPoint expectedScroll;
    };
    const Row rows[] = {
        {"map centre of 1000x800 in 240x268", 240, 268, 1000, 800, Op::MapCentre, {380, 266}},
        {"map centre without a map", 240, 268, 0, 0, Op::MapCentre, {-120, -134}},
        {"odd width halves to 119", 239, 268, 1000, 800, Op::MapCentre, {381, 266}},
        {"zoom 2 keeps the middle pixel", 240, 268, 1000, 800, Op::Zoom2, {120, 134}},
        {"three zoom-in steps", 240, 268, 1000, 800, Op::ZoomIn3, {88, 98}},
        {"key step is a fifth of width 239", 239, 268, 1000, 800, Op::KeyRight, {47, 0}},
        {"up arrow also steps a fifth of the width", 240, 268, 1000, 800, Op::KeyUp, {0, -48}},
        {"resize keeps the offset", 240, 268, 1000, 800, Op::Resize, {0, 0}},
        {"GPS disconnected: no move", 240, 268, 1000, 800, Op::GpsOff, {0, 0}},
        {"GPS connected: centred", 240, 268, 1000, 800, Op::GpsOn, {80, 166}},
        {"GPS position NaN: no move", 240, 268, 1000, 800, Op::GpsNaN, {0, 0}},
    };
    for (const Row& row : rows) {
        ViewGeometry g = Make(row.clientW, row.clientH, row.imageW, row.imageH);
        switch (row.op) {
        case Op::MapCentre:
            g.GoToMapCentre();
            break;
        case Op::Zoom2:
            g.SetZoom(2.0);
            EXPECT_DOUBLE_EQ(g.ScreenToImage({120, 134}).x, 120.0) << row.legend;
            EXPECT_DOUBLE_EQ(g.ScreenToImage({120, 134}).y, 134.0) << row.legend;
            break;
        case Op::ZoomIn3: {
            double factor = 1.0;
            for (int i = 0; i < 3; ++i) {
                factor *= 1.2;
                g.SetZoom(factor);
            }
            EXPECT_EQ(g.Zoom(), 1.2 * 1.2 * 1.2) << row.legend;
            break;
        }
        case Op::KeyRight:
            g.ScrollByKey(ScrollKey::Right);
            break;
        case Op::KeyUp:
            g.ScrollByKey(ScrollKey::Up);
            break;
        case Op::Resize:
            g.SetClientSize(480, 100);
            break;
        case Op::GpsOff:
            EXPECT_FALSE(g.CentreOnGps(false, MapPos(200, 300))) << row.legend;
            break;
        case Op::GpsOn:
            EXPECT_TRUE(g.CentreOnGps(true, MapPos(200, 300))) << row.legend;
            break;
        case Op::GpsNaN:
            EXPECT_FALSE(g.CentreOnGps(true, MapPos(std::nan(""), 300))) << row.legend;
            break;
        }
        EXPECT_EQ(g.ScrollOffset(), row.expectedScroll) << row.legend;
    }
}

TEST(ViewGeometry, ZoomStaysPositiveFiniteAndBounded) {
    struct Row {
        const char* legend;
        double requested;
        double expected;
        int levels = 0; // of a tile set read on demand; 0 for a scan
        int side = 1000;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {"menu 25%", 0.25, 0.25},
        {"menu 800%", 8.0, 8.0},
        {"zero clamps to the minimum", 0.0, ViewGeometry::kMinZoom},
        {"negative clamps to the minimum", -2.0, ViewGeometry::kMinZoom},
        {"tiny clamps to the minimum", 1e-300, ViewGeometry::kMinZoom},
        {"infinity clamps to the maximum", inf, ViewGeometry::kMaxZoom},
        {"NaN keeps the previous zoom", std::nan(""), 1.5},
        {"tile set of zooms 0 to 18: down to zoom 0", 1e-300, std::ldexp(1.0, -18), 19},
        {"tile set of 3 zooms: down to its coarsest", 0.0, 0.25, 3},
        {"tile set: enlarged as a scan", inf, ViewGeometry::kMaxZoom, 19},
        {"tile set of 2^30 pixels: never beyond 32-bit pixels", inf, 1.0, 23, 1 << 30},
    };
    for (const Row& row : rows) {
        ViewGeometry g = Make(240, 268, row.side, 800, 1.0);
        if (row.levels > 0)
            g.SetTiledZoomRange(row.levels);
        g.SetZoom(1.5);
        g.SetZoom(row.requested);
        EXPECT_EQ(g.Zoom(), row.expected) << row.legend;
    }
}

TEST(ViewGeometry, DragShowsDragOffsetAndReleaseMovesScroll) {
    ViewGeometry g = Make(240, 268, 1000, 800, 1.0, {5, 5});
    g.Press();
    EXPECT_FALSE(g.Release({100, 100}, {100, 100})) << "press and release in place is a tap";
    g.Press();
    g.DragTo({100, 100}, {90, 120});
    EXPECT_TRUE(g.Dragging());
    EXPECT_EQ(g.PaintOffset(), (ViewPoint{15, -15}));
    EXPECT_EQ(g.ScrollOffset(), (ViewPoint{5, 5}));
    EXPECT_TRUE(g.Release({100, 100}, {90, 120}));
    EXPECT_FALSE(g.Dragging());
    EXPECT_EQ(g.ScrollOffset(), (ViewPoint{15, -15}));
    EXPECT_EQ(g.PaintOffset(), g.ScrollOffset());
}

TEST(ViewGeometry, ScrollingSaturatesAtThe32BitRange) {
    ViewGeometry g = Make(1000, 100, 0, 0, 1.0, {2147483600, -2147483600});
    g.ScrollByKey(ScrollKey::Right);
    g.ScrollByKey(ScrollKey::Up);
    EXPECT_EQ(g.ScrollOffset(), (ViewPoint{2147483647, -2147483647 - 1}));
}

TEST(ViewGeometry, LoadingAMapResetsZoomAndOffset) {
    ViewGeometry g = Make(240, 268, 1000, 800, 4.0, {50, 60});
    g.SetImageSize(300, 200);
    EXPECT_EQ(g.Zoom(), 1.0);
    EXPECT_EQ(g.ScrollOffset(), (ViewPoint{0, 0}));
    EXPECT_EQ(g.ImageWidth(), 300);
    EXPECT_EQ(g.ImageHeight(), 200);
}

// Course-up: whatever the turn, a tap, a drag, a zoom about the pointer and following the
// marker all find the map point the turned paint put under the pixel.
TEST(ViewGeometry, TurnedViewKeepsTapsDragsAndZoomsTable) {
    struct Row {
        const char* legend;
        double rotation;
        double zoom;
        ViewPoint scroll;
    };
    const Row rows[] = {
        {"a quarter turn", 90.0, 1.0, {0, 0}},
        {"an odd angle, zoomed in", 37.0, 2.5, {300, 120}},
        {"backwards, zoomed out", -150.0, 0.5, {-40, 60}},
        {"upside down", 180.0, 1.0, {100, 100}},
        {"a full turn is none", 360.0, 1.0, {10, 20}},
    };
    const auto near = [](ViewPoint a, ViewPoint b) {
        return std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1;
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        ViewGeometry g = Make(400, 300, 2000, 1500, row.zoom, row.scroll);
        g.SetRotation(row.rotation);
        const double tolerance = 1.0 / row.zoom;
        // A tap reads back the map point drawn under it.
        const MapPos p(310.0, 275.0);
        const std::optional<ViewPoint> s = g.ImageToScreen(p, g.ScrollOffset());
        ASSERT_TRUE(s);
        EXPECT_NEAR(g.ScreenToImage(*s).x, p.x, tolerance);
        EXPECT_NEAR(g.ScreenToImage(*s).y, p.y, tolerance);
        // The trail's canvas, whose pixels a scroll leaves alone, puts it within a pixel.
        for (const ViewPoint by : {ViewPoint{0, 0}, {1, 0}, {-7, 13}}) {
            const ViewPoint at{g.ScrollOffset().x + by.x, g.ScrollOffset().y + by.y};
            const ViewPoint c = g.CanvasPixel(p).value();
            const ViewPoint origin = g.CanvasOrigin(at).value();
            EXPECT_TRUE(near({c.x - origin.x, c.y - origin.y}, *g.ImageToScreen(p, at)));
        }
        // The map point under the finger at the press is under it at the release.
        const MapPos grabbed = g.ScreenToImage({120, 80});
        g.Press();
        g.DragTo({120, 80}, {260, 210});
        EXPECT_TRUE(g.Release({120, 80}, {260, 210}));
        EXPECT_NEAR(g.ScreenToImage({260, 210}).x, grabbed.x, tolerance);
        EXPECT_NEAR(g.ScreenToImage({260, 210}).y, grabbed.y, tolerance);
        // A zoom about the pointer keeps its point there; following keeps the marker low.
        g.ZoomAbout(row.zoom * 1.2, p, {50, 250});
        EXPECT_TRUE(near(*g.ImageToScreen(p, g.ScrollOffset()), {50, 250}));
        EXPECT_TRUE(g.PlaceAt(p, {200, 225}));
        EXPECT_TRUE(near(*g.ImageToScreen(p, g.ScrollOffset()), {200, 225}));
        // The tiles asked for cover every corner of the turned view.
        const ImageRectF shown = g.VisibleImageRectF(g.ScrollOffset());
        for (const ViewPoint corner : {ViewPoint{0, 0}, {400, 0}, {0, 300}, {400, 300}}) {
            const MapPos at = g.ScreenToImage(corner);
            EXPECT_GE(at.x, shown.left - 1e-9);
            EXPECT_LE(at.x, shown.left + shown.width + 1e-9);
            EXPECT_GE(at.y, shown.top - 1e-9);
            EXPECT_LE(at.y, shown.top + shown.height + 1e-9);
        }
    }
}

TEST(ViewGeometry, TurnIsClockwiseAboutTheMiddle) {
    ViewGeometry g = Make(400, 300, 2000, 1500);
    g.SetRotation(90.0);
    // 50 pixels right of the middle turns to 50 below it; the arrow key Right still moves the
    // view to the screen's right, so the map point at the middle moves left on the screen.
    EXPECT_EQ(g.ImageToScreen(MapPos(250, 150), {}), (ViewPoint{200, 200}));
    g.ScrollByKey(ScrollKey::Right);
    const std::optional<ViewPoint> was = g.ImageToScreen(MapPos(200, 150), g.ScrollOffset());
    EXPECT_EQ(was, (ViewPoint{120, 150}));
    // Scrolled to where the turned view leaves the 32-bit range, a tap still reads a place.
    g.SetScrollOffset({std::numeric_limits<int>::max() - 10, 0});
    ASSERT_FALSE(g.CanvasOrigin(g.ScrollOffset()));
    EXPECT_NEAR(g.ScreenToImage({200, 150}).x, std::numeric_limits<int>::max() - 10.0 + 200.0, 1.0);
    g.SetRotation(std::nan(""));
    EXPECT_FALSE(g.Turned());
}

} // namespace

} // namespace view
