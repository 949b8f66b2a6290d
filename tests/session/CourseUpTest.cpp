// The course a course-up map puts up: averaged, held when slow, turned only by a real change.
#include "session/CourseUp.h"
#include "session/LiveState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

namespace {

using session::CourseSmoother;

struct Fix {
    double speedMps;
    double courseDeg;
};

TEST(CourseUpTest, SmoothedCourseTable) {
    struct Row {
        const char* legend;
        int windowS;
        std::vector<Fix> fixes; // one a second
        std::optional<double> up;
    };
    const Row rows[] = {
        {"steady course", 5, {{5, 90}, {5, 90}, {5, 90}}, 90.0},
        {"never fast enough", 5, {{0.9, 90}, {0.5, 45}}, std::nullopt},
        {"north across 0 averages to 0, not 180", 5, {{5, 350}, {5, 10}}, 0.0},
        {"a jitter within the step leaves the map", 5, {{5, 100}, {5, 104}, {5, 102}}, 100.0},
        {"beyond the step the map turns", 5, {{5, 100}, {5, 110}}, 105.0},
        {"the window forgets older courses", 2, {{5, 0}, {5, 0}, {5, 90}, {5, 90}}, 90.0},
        {"a long window still remembers them", 10, {{5, 0}, {5, 0}, {5, 90}, {5, 90}}, 45.0},
        {"stopped: the last course is held", 5, {{5, 200}, {0.2, 10}, {0.2, 30}}, 200.0},
        {"between the limits after a stop: still held", 5, {{5, 200}, {0.5, 10}, {1.2, 10}}, 200.0},
        {"between the limits while moving: still turning", 5, {{5, 200}, {1.2, 220}}, 210.0},
        {"moving again after a stop: the new course alone", 5, {{5, 200}, {0.1, 0}, {2, 20}}, 20.0},
        {"an unknown speed is a stop", 10, {{5, 0}, {NAN, 0}, {5, 90}}, 90.0},
        {"circling holds what was up", 5, {{5, 0}, {5, 90}, {5, 180}, {5, 270}}, 90.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        CourseSmoother smoother(row.windowS);
        std::int64_t t = 1'000'000;
        for (const Fix& fix : row.fixes) {
            smoother.Add(t, fix.speedMps, fix.courseDeg);
            t += 1000;
        }
        ASSERT_EQ(smoother.Course().has_value(), row.up.has_value());
        if (row.up) {
            EXPECT_NEAR(std::remainder(*smoother.Course() - *row.up, 360.0), 0.0, 1e-9);
        }
    }
}

// Heading-up puts up the receiver's true heading while one keeps coming, and the smoothed
// course once none has come for a few seconds; course-up never looks at a heading.
TEST(CourseUpTest, HeadingOrCourseTable) {
    struct Update {
        double speedMps;
        double courseDeg;
        std::optional<double> heading; // none: no HDT or THS in this second
    };
    struct Row {
        const char* legend;
        bool courseUp, headingUp;
        std::vector<Update> updates; // one a second
        std::optional<double> up;
        bool missing; // the status line says the heading is missing
    };
    const std::nullopt_t none = std::nullopt;
    const Row rows[] = {
        {"course-up ignores a heading", true, false, {{5, 90, 10}, {5, 90, 10}}, 90.0, false},
        {"heading-up takes the newest heading",
         false,
         true,
         {{5, 90, 10}, {5, 90, 12}},
         12.0,
         false},
        {"a heading turns the map standing still", false, true, {{0, 0, 200}}, 200.0, false},
        {"no heading: the smoothed course",
         false,
         true,
         {{5, 90, none}, {5, 90, none}},
         90.0,
         true},
        {"a heading 3 s old still counts",
         false,
         true,
         {{5, 90, 10}, {5, 90, none}, {5, 90, none}, {5, 90, none}},
         10.0,
         false},
        {"4 s old: the course",
         false,
         true,
         {{5, 90, 10}, {5, 90, none}, {5, 90, none}, {5, 90, none}, {5, 90, none}},
         90.0,
         true},
        {"neither: north up", false, false, {{5, 90, 10}}, none, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        session::LiveSettings settings;
        settings.courseUp = row.courseUp;
        settings.headingUp = row.headingUp;
        session::LiveState live;
        live.SetSettings(settings);
        gps::GpsUpdate update;
        update.handled = true;
        update.details.utcMs = 1'765'188'000'000;
        for (const Update& u : row.updates) {
            update.details.speedMps = u.speedMps;
            update.details.courseTrue = u.courseDeg;
            if (u.heading) {
                update.details.headingTrue = u.heading;
                ++update.details.headings;
            }
            live.Apply(update);
            *update.details.utcMs += 1000;
        }
        EXPECT_EQ(live.UpCourse(), row.up);
        EXPECT_EQ(live.HeadingMissing(), row.missing);
    }
}

} // namespace
