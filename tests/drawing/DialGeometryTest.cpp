// Where the dial puts an angle, which way a drag turns, and how a drag of the ring adds up
// to whole days: many small moves as far as one big move, rounded toward minus infinity.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "drawing/DialDrag.h"
#include "drawing/DialLayout.h"

namespace quenaro {
namespace {

constexpr double kTolerance = 1e-9;
constexpr double kDegree = std::numbers::pi / 180;

TEST(DialGeometry, AnglesRunCounterclockwiseFromStraightDown) {
    struct Row {
        double angle;
        Point point;
    };
    const Row rows[] = {{0, {0, 10}},    {90, {10, 0}},   {180, {0, -10}},
                        {270, {-10, 0}}, {-90, {-10, 0}}, {450, {10, 0}}};
    for (const Row& row : rows) {
        const Point point = dialPoint(row.angle, 10.0);
        EXPECT_NEAR(point.x, row.point.x, kTolerance) << row.angle;
        EXPECT_NEAR(point.y, row.point.y, kTolerance) << row.angle;
    }
    EXPECT_FLOAT_EQ(dialRotation(180.0), 0.0f);  // LAST 180: Libra's start at the top
    EXPECT_FLOAT_EQ(dialRotation(270.0), -90.0f);
}

TEST(DialGeometry, TurnAboutTheCentreIsPositiveClockwiseAndTheShorterWayRound) {
    struct Row {
        Point from;
        Point to;
        double turnDegrees;
    };
    const Row rows[] = {
        {{10, 0}, {0, 10}, 90},        // right to bottom: clockwise on screen
        {{0, 10}, {10, 0}, -90},       // and back
        {{-10, 1}, {-10, -1}, 11.42},  // across the negative x axis, clockwise
        {{-10, -1}, {-10, 1}, -11.42}, {{10, 0}, {-10, 0}, 180},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(turnAboutCentre(row.from, row.to) / kDegree, row.turnDegrees, 0.01)
            << row.turnDegrees;
    }
    EXPECT_NEAR(sunTurnSeconds(std::numbers::pi / 2), 21600.0, 1e-6);  // a quarter day
}

TEST(RingDrag, ManySmallMovesGoAsFarAsOneBigMove) {
    struct Row {
        const char* name;
        double totalDegrees;
        int moves;
        int days;  // floor(total / 360 * 365.25)
    };
    const Row rows[] = {
        {"a tenth of a degree at a time, clockwise", 30.0, 300, 30},
        {"a tenth of a degree at a time, counterclockwise", -30.0, 300, -31},
        {"half a degree, worth less than a day, clockwise", 0.5, 1, 0},
        {"a sliver counterclockwise is a day back", -0.01, 1, -1},
        {"a whole turn in small steps is a year", 360.0, 3600, 365},
        {"two turns back", -720.0, 720, -731},
    };
    for (const Row& row : rows) {
        RingDrag slow;
        int slowDays = 0;
        for (int move = 0; move < row.moves; ++move) {
            slowDays += slow.turn(row.totalDegrees / row.moves * kDegree);
        }
        EXPECT_EQ(slowDays, row.days) << row.name;
        if (std::abs(row.totalDegrees) <= 180.0) {
            RingDrag fast;
            EXPECT_EQ(fast.turn(row.totalDegrees * kDegree), row.days) << row.name;
        }
    }
}

TEST(RingDrag, BackAndForthReturnsToTheStartAndNonsenseMovesNothing) {
    RingDrag drag;
    int days = drag.turn(10 * kDegree);  // 10.1 days: 10
    days += drag.turn(-10 * kDegree);    // back to 0
    EXPECT_EQ(days, 0);
    EXPECT_EQ(drag.turn(std::nan("")), 0);
    EXPECT_EQ(drag.turn(INFINITY), 0);
    EXPECT_EQ(drag.turn(1e300), 182);  // limited to half a turn: floor(182.625)
}

}  // namespace
}  // namespace quenaro
