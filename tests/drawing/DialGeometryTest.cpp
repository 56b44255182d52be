// Where the dial puts an angle, which way a drag turns, and how a drag of the ring adds up
// to whole days: many small moves as far as one big move, rounded toward minus infinity.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "drawing/DialDrag.h"
#include "drawing/DialInput.h"
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

TEST(DialInput, APressHoldsTheSunNearItTheRingBeyondSevenTenthsAndNothingElse) {
    const DialLayout dial = DialLayout::forWidth(320);  // R = 160
    const double sunAngle = 180.0;                      // at the top, 128 points up
    struct Row {
        const char* name;
        Point at;
        OrreryHold held;
    };
    const Row rows[] = {
        {"on the Sun", {160, 32}, OrreryHold::Sun},
        {"31 points from the Sun, inside the ring", {160 + 30, 40}, OrreryHold::Sun},
        {"the ring, away from the Sun", {160, 160 + 150}, OrreryHold::Ring},
        {"between half and seven tenths", {160 + 100, 160}, OrreryHold::None},
        {"the dead centre", {170, 170}, OrreryHold::None},
        {"outside the dial", {319, 319}, OrreryHold::None},
    };
    for (const Row& row : rows) {
        DialInput input;
        EXPECT_EQ(input.press(row.at, dial, sunAngle), row.held) << row.name;
        EXPECT_EQ(input.held(), row.held) << row.name;
    }
}

TEST(DialInput, DragsMoveTheTimeByTheSunsTurnAndTheDateByTheRingsWholeDays) {
    const DialLayout dial = DialLayout::forWidth(320);
    DialInput sun;
    ASSERT_EQ(sun.press({160, 32}, dial, 180.0), OrreryHold::Sun);
    // A quarter turn clockwise on screen, from the top to the right: six hours later.
    EXPECT_NEAR(sun.move({160 + 128, 160}, dial), 21600.0, 1e-6);
    sun.release();
    EXPECT_EQ(sun.move({160, 288}, dial), 0.0);

    DialInput ring;
    ASSERT_EQ(ring.press({160, 310}, dial, 180.0), OrreryHold::Ring);
    double seconds = 0.0;
    for (int step = 1; step <= 360; ++step) {  // a whole turn clockwise, a degree a move
        seconds += ring.move(dial.at(-static_cast<double>(step), 0.9375), dial);
    }
    EXPECT_EQ(seconds, 365 * 86400.0);
}

TEST(WheelNotches, EighthsAddUpToNotchesOfFifteenDegrees) {
    WheelNotches wheel;
    EXPECT_EQ(wheel.turn(60), 0);
    EXPECT_EQ(wheel.turn(60), 1);
    EXPECT_EQ(wheel.turn(-240), -2);
    EXPECT_EQ(wheel.turn(2147483647), 10000);  // no real wheel: limited, no overflow
}

}  // namespace
}  // namespace quenaro
