#include "precise/DeltaT.h"

#include <gtest/gtest.h>

#include <cmath>
#include <span>

#include "precise/tables/DeltaTTable.h"

namespace quenaro {
namespace {

TEST(DeltaT, FollowsTheTableAtItsValuesAndBetweenThem) {
    for (const DeltaTPoint& point : std::span<const DeltaTPoint>(g_DeltaTTable)) {
        ASSERT_DOUBLE_EQ(deltaTSeconds(point.year), point.seconds) << point.year;
    }
    // Halfway between 2000-01 (63.8285) and 2000-02 (63.8557), from the monthly values.
    EXPECT_NEAR(deltaTSeconds(2000.0 + 1 / 24.0), (63.8285 + 63.8557) / 2, 1e-3);
    EXPECT_NEAR(deltaTSeconds(decimalYearOfJulianDate(2451545.0)), 63.83, 0.01);
}

TEST(DeltaT, IsContinuousAtTheTableEndsAndTheEndsOfTheBlends) {
    // Left and right of each join differ by no more than Delta T's own change over the step
    // (under 2 s a year even in the polynomials' far past).
    constexpr double step = 1e-6;
    const double first = g_DeltaTTable[0].year;
    const double last = std::span<const DeltaTPoint>(g_DeltaTTable).back().year;
    for (const double join : {first, last, first - kDeltaTBlendYears, last + kDeltaTBlendYears,
                              -500.0, 500.0, 1600.0, 2050.0, 2150.0}) {
        const double before = deltaTSeconds(join - step);
        const double after = deltaTSeconds(join + step);
        // The polynomials' own pieces join to within a few seconds; the blend adds no jump.
        const double allowed =
            (join == first || join == last || join == first - kDeltaTBlendYears ||
             join == last + kDeltaTBlendYears)
                ? 1e-4
                : 5.0;
        EXPECT_NEAR(before, after, allowed) << join;
    }
}

TEST(DeltaT, OutsideTheTableBecomesTheLongTermModel) {
    // From 2132 on and 1557 back the Espenak-Meeus values themselves.
    EXPECT_NEAR(deltaTSeconds(2200.0), -20 + 32 * 3.8 * 3.8, 1e-9);
    EXPECT_NEAR(deltaTSeconds(2140.0), -20 + 32 * 3.2 * 3.2 - 0.5628 * 10, 1e-9);
    EXPECT_NEAR(deltaTSeconds(1000.0), 1574.2, 1e-9);
    EXPECT_NEAR(deltaTSeconds(-1000.0), -20 + 32 * 28.2 * 28.2, 1e-9);
    // Within the blends, between the table's end value and the polynomials.
    const double in2040 = deltaTSeconds(2040.0);
    EXPECT_GT(in2040, 70.4);
    EXPECT_LT(in2040, 62.92 + 0.32217 * 40 + 0.005589 * 1600);
    // Delta T grows steadily after the table: no fall back from the predictions' last value.
    double previous = deltaTSeconds(2032.0);
    for (double year = 2032.25; year < 2200; year += 0.25) {
        const double value = deltaTSeconds(year);
        ASSERT_GT(value, previous) << year;
        previous = value;
    }
}

TEST(DeltaT, NonFiniteYearGivesNaNAndFarYearsStayFinite) {
    EXPECT_TRUE(std::isnan(deltaTSeconds(NAN)));
    EXPECT_TRUE(std::isnan(deltaTSeconds(INFINITY)));
    EXPECT_TRUE(std::isfinite(deltaTSeconds(-9999.0)));
    EXPECT_TRUE(std::isfinite(deltaTSeconds(9999.0)));
}

}  // namespace
}  // namespace quenaro
