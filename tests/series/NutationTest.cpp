#include "series/CAANutation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "series/CAAAberration.h"
#include "series/CAAFK5.h"
#include "series/CAASun.h"

namespace quenaro {
namespace {

TEST(Nutation, WorkedExampleOf1987April10) {
    // JD 2446895.5: delta psi -3.788", delta epsilon +9.443", epsilon0 23 deg 26' 27.407",
    // each to the last printed digit.
    const double JD = 2446895.5;
    EXPECT_NEAR(CAANutation::NutationInLongitude(JD), -3.788, 5e-4);
    EXPECT_NEAR(CAANutation::NutationInObliquity(JD), 9.443, 5e-4);
    const double obliquityArcseconds =
        (CAANutation::MeanObliquityOfEcliptic(JD) - 23.0 - 26.0 / 60.0) * 3600.0;
    EXPECT_NEAR(obliquityArcseconds, 27.407, 5e-4);
}

TEST(Nutation, MeanObliquityAtJ2000IsTheConstantTerm) {
    EXPECT_DOUBLE_EQ(CAANutation::MeanObliquityOfEcliptic(2451545.0), 23.43929111111111);
}

TEST(Nutation, StaysWithinItsAmplitudeOverTwoCenturies) {
    // The 18.6-year term dominates: |delta psi| < 19", |delta epsilon| < 10.3".
    for (double JD = 2415020.5; JD < 2488070.5; JD += 97.3) {
        EXPECT_LT(std::abs(CAANutation::NutationInLongitude(JD)), 19.0) << "JD " << JD;
        EXPECT_LT(std::abs(CAANutation::NutationInObliquity(JD)), 10.3) << "JD " << JD;
    }
}

TEST(Aberration, DisplacesABodyOnTheEclipticTowardsTheApex) {
    // A body in the Sun's direction is pulled back by the aberration constant 20.49552",
    // changed by at most e * 20.5" = 0.35" by the orbit's eccentricity; one 90 degrees
    // ahead of the Sun only by that eccentricity term; the latitude of a body on the ecliptic
    // does not change.
    const double JD = 2448976.5;
    const double sunDegrees = CAASun::GeometricEclipticLongitude(JD);
    const CAACoordinatePair conjunction = CAAAberration::EclipticAberration(sunDegrees, 0, JD);
    EXPECT_NEAR(conjunction.X * 3600, -20.49552, 0.35);
    EXPECT_EQ(conjunction.Y, 0.0);
    const CAACoordinatePair quadrature = CAAAberration::EclipticAberration(sunDegrees + 90, 0, JD);
    EXPECT_NEAR(quadrature.X * 3600, 0.0, 0.35);
}

TEST(FK5, CorrectionsAreTheFixedOffsetAndASmallPeriodicTerm) {
    // On the ecliptic only the constant -0.09033" remains in longitude; the latitude term is
    // at most 0.03916" * sqrt(2).
    const double JD = 2448976.5;
    EXPECT_DOUBLE_EQ(CAAFK5::CorrectionInLongitude(313.0810, 0, JD), -0.09033 / 3600);
    for (double longitude = 0; longitude < 360; longitude += 15) {
        EXPECT_LE(std::abs(CAAFK5::CorrectionInLatitude(longitude, JD)) * 3600,
                  0.03916 * std::sqrt(2.0) + 1e-12);
    }
}

}  // namespace
}  // namespace quenaro
