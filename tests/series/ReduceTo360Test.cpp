#include "series/ReduceTo360.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quenaro {
namespace {

TEST(ReduceTo360, KeepsBothEndsOfTheRangeByTheTurnConvention) {
    EXPECT_EQ(ReduceTo360(0.0), 0.0);
    EXPECT_EQ(ReduceTo360(360.0), 360.0);  // a positive multiple stays 360, not 0
    EXPECT_EQ(ReduceTo360(720.0), 360.0);
    EXPECT_EQ(ReduceTo360(-360.0), 0.0);
    EXPECT_EQ(ReduceTo360(-10.0), 350.0);
    EXPECT_EQ(ReduceTo360(725.0), 5.0);
    EXPECT_EQ(ReduceTo360(-370.0), 350.0);
}

TEST(ReduceTo360, ReturnsNonFiniteValuesAsTheyAreInsteadOfLoopingForever) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(ReduceTo360(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_EQ(ReduceTo360(infinity), infinity);
    EXPECT_EQ(ReduceTo360(-infinity), -infinity);
}

TEST(ReduceTo360, ReducesValuesBeyondAMillionTurnsByRemainderWithTheSameEnds) {
    // -1e12 = -2777777778 turns + 80 degrees, exactly.
    EXPECT_EQ(ReduceTo360(-1e12), 80.0);
    const double huge = ReduceTo360(1e300);
    EXPECT_GE(huge, 0.0);
    EXPECT_LE(huge, 360.0);
    // Just past the loop limit of 360 million degrees.
    EXPECT_EQ(ReduceTo360(360000010.0), 10.0);
    EXPECT_EQ(ReduceTo360(-360000010.0), 350.0);
    // Exact multiples keep the loops' convention: positive gives 360, negative gives 0.
    EXPECT_EQ(ReduceTo360(360.0 * 2e6), 360.0);
    EXPECT_EQ(ReduceTo360(-360.0 * 2e6), 0.0);
    EXPECT_FALSE(std::signbit(ReduceTo360(-360.0 * 2e6)));
    // At the limit itself the loops still run: 999999 turns down to 360.
    EXPECT_EQ(ReduceTo360(360.0 * 1e6), 360.0);
}

}  // namespace
}  // namespace quenaro
