#include <gtest/gtest.h>

#include "series/CAAEarth.h"
#include "series/CAASun.h"

namespace quenaro {
namespace {

// 1992 October 13.0 TD. Tolerances are half a unit of the last printed digit, except the
// apparent longitude: the abridged tables printed with rounded amplitudes give 199.906060,
// the full-precision terms 199.9060608, so it is compared to 1e-6 degree.
constexpr double october1992 = 2448908.5;

TEST(Earth, HeliocentricPositionOn1992October13) {
    EXPECT_NEAR(CAAEarth::EclipticLongitude(october1992), 19.907372, 5e-7);
    EXPECT_NEAR(CAAEarth::EclipticLatitude(october1992) * 3600, -0.644, 5e-4);
    EXPECT_NEAR(CAAEarth::RadiusVector(october1992), 0.99760775, 5e-9);
}

TEST(Sun, GeometricFK5AndApparentLongitudeOn1992October13) {
    EXPECT_NEAR(CAASun::GeometricEclipticLongitude(october1992), 199.907372, 5e-7);
    EXPECT_NEAR(CAASun::GeometricEclipticLatitude(october1992) * 3600, 0.644, 5e-4);
    EXPECT_NEAR(CAASun::GeometricFK5EclipticLongitude(october1992), 199.907347, 5e-7);
    EXPECT_NEAR(CAASun::ApparentEclipticLongtitude(october1992), 199.906060, 1e-6);
}

TEST(Earth, SeriesStayInTheirRangesOverTwoMillennia) {
    // Longitudes reduced to [0, 360]; the Earth within 0.983-1.017 AU of the Sun and within
    // 3" of the ecliptic of date; the eccentricity factor within 0.002516 * 10 + 0.0000074 * 100
    // of 1 over these ten centuries either side of J2000.0.
    for (double JD = 2086308.0; JD < 2816788.0; JD += 311.7) {
        const double longitude = CAASun::GeometricEclipticLongitude(JD);
        EXPECT_GE(longitude, 0.0) << "JD " << JD;
        EXPECT_LE(longitude, 360.0) << "JD " << JD;
        const double anomaly = CAAEarth::SunMeanAnomaly(JD);
        EXPECT_GE(anomaly, 0.0) << "JD " << JD;
        EXPECT_LE(anomaly, 360.0) << "JD " << JD;
        EXPECT_NEAR(CAAEarth::RadiusVector(JD), 1.0, 0.0175) << "JD " << JD;
        EXPECT_LT(std::abs(CAAEarth::EclipticLatitude(JD)) * 3600, 3.0) << "JD " << JD;
        EXPECT_NEAR(CAAEarth::Eccentricity(JD), 1.0, 0.026) << "JD " << JD;
    }
}

}  // namespace
}  // namespace quenaro
