// Turning the star chart and switching its scale, as the mouse, fingers and the browser do.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "drawing/ChartInput.h"

namespace quenaro {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

TEST(ChartInput, FingersTurnTheChartByTheTurnOfTheLineThroughThem) {
    // Two fingers level, then the right one lower: the chart turns 45 degrees clockwise.
    const double turn = twoFingerTurn({0, 0}, {10, 0}, {0, 0}, {10, 10});
    EXPECT_NEAR(turnedBy(0.0, turn) / kDegree, 45.0, 1e-9);
    EXPECT_NEAR(angleAbout({0, 10}, {0, 0}) / kDegree, 90.0, 1e-9);  // below: clockwise
    // Turns stay within half a turn either way; a turn that is not a number changes nothing.
    EXPECT_NEAR(turnedBy(3.0, 0.5), 3.5 - 2 * std::numbers::pi, 1e-12);
    EXPECT_EQ(turnedBy(1.0, NAN), 1.0);
    EXPECT_EQ(turnedBy(1.0, INFINITY), 1.0);
}

TEST(DoubleTap, ASecondTapSoonAndNearMakesADoubleTapThatStartsNoOther) {
    struct Row {
        const char* name;
        Point second;
        double secondMilliseconds;
        bool doubleTap;
    };
    const Row rows[] = {
        {"soon and near", {110, 100}, 300, true},
        {"at the interval's end, 24 points away", {124, 100}, 400, true},
        {"too late", {100, 100}, 401, false},
        {"too far", {100, 125}, 100, false},
    };
    for (const Row& row : rows) {
        DoubleTap taps;
        EXPECT_FALSE(taps.tap({100, 100}, 0, 400)) << row.name;
        EXPECT_EQ(taps.tap(row.second, row.secondMilliseconds, 400), row.doubleTap) << row.name;
        // A third tap right after: a new first tap after a double tap, else a double one.
        EXPECT_EQ(taps.tap(row.second, row.secondMilliseconds + 10, 400), !row.doubleTap)
            << row.name;
    }
    DoubleTap interrupted;
    interrupted.tap({100, 100}, 0, 400);
    interrupted.reset();
    EXPECT_FALSE(interrupted.tap({100, 100}, 50, 400));
}

}  // namespace
}  // namespace quenaro
