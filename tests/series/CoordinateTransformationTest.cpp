#include "series/CAACoordinateTransformation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "series/CAAParallax.h"

namespace quenaro {
namespace {

std::string logicErrorText(double degrees, double minutes, double seconds) {
    try {
        CAACoordinateTransformation::DMSToDegrees(degrees, minutes, seconds, false);
    } catch (const std::logic_error& error) {
        return error.what();
    }
    return "no logic_error";
}

TEST(DMSToDegrees, ConvertsWithTheSignFlagSetOrClear) {
    EXPECT_EQ(CAACoordinateTransformation::DMSToDegrees(0, 0, 3600, true), 1.0);
    EXPECT_DOUBLE_EQ(CAACoordinateTransformation::DMSToDegrees(23, 26, 21.448, true),
                     23.43929111111111);
    EXPECT_EQ(CAACoordinateTransformation::DMSToDegrees(1, 30, 0, false), -1.5);
    EXPECT_EQ(CAACoordinateTransformation::DMSToDegrees(0, 0, 36, false), -0.01);
}

TEST(DMSToDegrees, ANegativePartWithTheSignFlagClearThrowsTheCheckedCondition) {
    EXPECT_EQ(logicErrorText(-1, 0, 0), "Degrees >= 0");
    EXPECT_EQ(logicErrorText(0, -1, 0), "Minutes >= 0");
    EXPECT_EQ(logicErrorText(0, 0, -1), "Seconds >= 0");
    EXPECT_EQ(logicErrorText(-1, -1, -1), "Degrees >= 0");  // checked in that order
    EXPECT_EQ(logicErrorText(0, std::numeric_limits<double>::quiet_NaN(), 0), "Minutes >= 0");
}

TEST(Ecliptic2Equatorial, RotatesTheWorkedExample) {
    // Pollux: lambda 113.215630, beta 6.684170, epsilon 23.4392911 give
    // alpha 7.755263 h and delta 28.026183 deg, to the last printed digit.
    const CAACoordinatePair equatorial =
        CAACoordinateTransformation::Ecliptic2Equatorial(113.215630, 6.684170, 23.4392911);
    EXPECT_NEAR(equatorial.X, 7.755263, 5e-7);
    EXPECT_NEAR(equatorial.Y, 28.026183, 5e-7);
}

TEST(Ecliptic2Equatorial, RightAscensionStaysInZeroTo24AcrossTheHalfCircle) {
    const double epsilon = 23.4392911;
    const CAACoordinatePair pastHalf =
        CAACoordinateTransformation::Ecliptic2Equatorial(180.000001, 0, epsilon);
    EXPECT_GT(pastHalf.X, 12.0);
    EXPECT_LT(pastHalf.X, 12.00001);
    const CAACoordinatePair beforeFull =
        CAACoordinateTransformation::Ecliptic2Equatorial(359.999999, 0, epsilon);
    EXPECT_GT(beforeFull.X, 23.99999);
    EXPECT_LT(beforeFull.X, 24.0);
    EXPECT_NEAR(beforeFull.Y, 0.0, 1e-6);
}

TEST(Parallax, TheSolarParallaxConstantIsTheSineOf8Point794Arcseconds) {
    EXPECT_DOUBLE_EQ(g_AAParallax_C1, 4.263451510385646e-05);
}

}  // namespace
}  // namespace quenaro
