// The sky view on the real widget: each satellite where its elevation and azimuth put it,
// filled when used, in its signal's colour.
#include "view/SkyView.h"

#include <QImage>
#include <gtest/gtest.h>

namespace view {
namespace {

TEST(SkyViewTest, SatellitesLieWhereTheyAreSeenFilledWhenUsed) {
    using gps::Constellation;
    struct Row {
        const char* legend;
        gps::SkySatellite satellite;
        QPointF offset; // from the centre, in radii
        bool filled;
    };
    const Row rows[] = {
        {"used, overhead", {Constellation::Gps, 5, 90, 0, 45, {}, true}, {0, 0}, true},
        {"used, half way up in the east",
         {Constellation::Glonass, 70, 45, 90, 25, {}, true},
         {0.5, 0},
         true},
        {"used, low in the south",
         {Constellation::Galileo, 3, 9, 180, 35, {}, true},
         {0, 0.9},
         true},
        {"not used: an outline only",
         {Constellation::Gps, 9, 45, 270, 15, {}, false},
         {-0.5, 0},
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        SkyView sky;
        sky.resize(240, 240);
        sky.SetSky({row.satellite});
        const QImage image = sky.grab().toImage();
        const QPointF centre(120, 120);
        const double radius = (240 / 2.0 - sky.fontMetrics().height() - 2.0);
        const std::optional<QPointF> at = SkyPoint(row.satellite, centre, radius);
        ASSERT_TRUE(at);
        EXPECT_NEAR(at->x(), centre.x() + row.offset.x() * radius, 1e-9);
        EXPECT_NEAR(at->y(), centre.y() + row.offset.y() * radius, 1e-9);
        // A pixel off the mark's middle, clear of the rings and the cross through it.
        const QColor seen = image.pixelColor((*at + QPointF(1, 1)).toPoint());
        EXPECT_EQ(seen == SignalColour(row.satellite.snr), row.filled) << seen.name().toStdString();
    }
    EXPECT_FALSE(SkyPoint({Constellation::Gps, 7, {}, 90, 30, {}, true}, {0, 0}, 100));
}

} // namespace
} // namespace view
