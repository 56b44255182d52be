#include "model/Degrees.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quenaro {
namespace {

TEST(DegreesTest, ForwardFunctionsKeepTheirRoundingOfPi) {
    // Exact doubles: dividing by 180 before multiplying by pi fixes the last bit.
    EXPECT_EQ(sind(30.0), 0.49999999999999994);
    EXPECT_NEAR(cosd(90.0), 6.123233995736766e-17, 1e-30);
    EXPECT_NE(cosd(90.0), 0.0);
    EXPECT_NEAR(tand(45.0), 1.0, 1e-15);
}

TEST(DegreesTest, InverseFunctionsReturnDegreesAndNaNOutsideTheirDomain) {
    EXPECT_EQ(asind(1.0), 90.0);
    EXPECT_EQ(acosd(-1.0), 180.0);
    EXPECT_TRUE(std::isnan(asind(1.0000000001)));
    EXPECT_TRUE(std::isnan(acosd(-1.5)));
}

TEST(DegreesTest, Atan2dKeepsTheSignOfZero) {
    EXPECT_EQ(atan2d(0.0, -1.0), 180.0);
    EXPECT_EQ(atan2d(-0.0, -1.0), -180.0);
    EXPECT_EQ(atan2d(1.0, 0.0), 90.0);
}

TEST(DegreesTest, Mod360ReducesIntoZeroTo360) {
    struct Case {
        double degrees;
        double expected;
    };
    const Case cases[] = {{-10.0, 350.0}, {-370.0, 350.0}, {725.0, 5.0},
                          {360.0, 0.0},   {0.0, 0.0},      {359.5, 359.5}};
    for (const Case& c : cases) {
        EXPECT_NEAR(mod360(c.degrees), c.expected, 1e-12) << "mod360(" << c.degrees << ")";
    }
    // 360 - 1e-14 rounds to 360 in double precision, so the upper end is reached exactly.
    EXPECT_EQ(mod360(-1e-14), 360.0);
}

TEST(DegreesTest, Mod360OfNonFiniteInputIsNaN) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(mod360(std::nan(""))));
    EXPECT_TRUE(std::isnan(mod360(kInfinity)));
    EXPECT_TRUE(std::isnan(mod360(-kInfinity)));
}

}  // namespace
}  // namespace quenaro
