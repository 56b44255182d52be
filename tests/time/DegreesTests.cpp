#include "time/Degrees.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

namespace quenaro {
namespace {

TEST(DegreesTest, TrigonometryKeepsItsRoundingDomainsAndTheSignOfZero) {
    // Exact doubles: pi is rounded, and dividing by 180 before multiplying by pi fixes the
    // last bit (the other orders give 0.29237170472273677 and 0.95630475596303544).
    EXPECT_EQ(sind(30.0), 0.49999999999999994);
    EXPECT_EQ(cosd(90.0), 6.123233995736766e-17);
    EXPECT_EQ(sind(17.0), 0.29237170472273671);
    EXPECT_EQ(cosd(17.0), 0.95630475596303555);
    EXPECT_NEAR(tand(45.0), 1.0, 1e-15);
    EXPECT_EQ(asind(1.0), 90.0);
    EXPECT_EQ(acosd(-1.0), 180.0);
    EXPECT_TRUE(std::isnan(asind(1.0000000001)));
    EXPECT_TRUE(std::isnan(acosd(-1.5)));
    EXPECT_EQ(atan2d(0.0, -1.0), 180.0);
    EXPECT_EQ(atan2d(-0.0, -1.0), -180.0);
    EXPECT_EQ(atan2d(1.0, 0.0), 90.0);
}

TEST(DegreesTest, Mod360ReducesIntoZeroTo360) {
    for (const auto& [degrees, expected] :
         {std::pair{-10.0, 350.0}, {-370.0, 350.0}, {725.0, 5.0}, {360.0, 0.0}, {359.5, 359.5}}) {
        EXPECT_NEAR(mod360(degrees), expected, 1e-12) << "mod360(" << degrees << ")";
    }
    // 360 - 1e-14 rounds to 360 in double precision, so the upper end is reached exactly.
    EXPECT_EQ(mod360(-1e-14), 360.0);
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    for (double nonFinite : {std::nan(""), kInfinity, -kInfinity}) {
        EXPECT_TRUE(std::isnan(mod360(nonFinite))) << "mod360(" << nonFinite << ")";
    }
}

}  // namespace
}  // namespace quenaro
