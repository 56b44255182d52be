#include "series/CAAMoon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "series/CAAPhysicalMoon.h"

namespace quenaro {
namespace {

// 1992 April 12.0 TD. Tolerances: half a unit of the last printed digit.
constexpr double april1992 = 2448724.5;

struct Librations {
    double ldash, bdash, ldash2, bdash2, epsilon, omega, deltaPsi, sigma, I, rho;
};

Librations librations(double JD, double longitude, double latitude) {
    Librations l{};
    CAAPhysicalMoon::CalculateOpticalLibration(JD, longitude, latitude, l.ldash, l.bdash, l.ldash2,
                                               l.bdash2, l.epsilon, l.omega, l.deltaPsi, l.sigma,
                                               l.I, l.rho);
    return l;
}

TEST(Moon, PositionOn1992April12) {
    EXPECT_NEAR(CAAMoon::EclipticLongitude(april1992), 133.167264, 5e-7);
    EXPECT_NEAR(CAAMoon::EclipticLatitude(april1992), -3.229126, 5e-7);
    EXPECT_NEAR(CAAMoon::RadiusVector(april1992), 368409.7, 0.05);
}

TEST(PhysicalMoon, LibrationsOn1992April12) {
    const Librations l = librations(april1992, 133.167264, -3.229126);
    EXPECT_NEAR(l.ldash, -1.206, 5e-4);
    EXPECT_NEAR(l.bdash, 4.194, 5e-4);
    EXPECT_NEAR(l.ldash2, -0.025, 5e-4);
    EXPECT_NEAR(l.bdash2, 0.006, 5e-4);
    EXPECT_DOUBLE_EQ(l.I, 0.026920307448610938);  // 1.54242 degrees
    EXPECT_NEAR(l.epsilon, 23.44, 0.01);          // true obliquity, degrees
}

TEST(PhysicalMoon, SelenographicSunOn1992April12) {
    const CAASelenographicSun sun = CAAPhysicalMoon::CalculateSelenographicPositionOfSun(april1992);
    EXPECT_NEAR(sun.Longitude, 67.89, 5e-3);
    EXPECT_NEAR(sun.Latitude, 1.46, 5e-3);
    EXPECT_NEAR(sun.Colongitude, 22.11, 5e-3);
}

TEST(PhysicalMoon, OpticalLibrationInLongitudeIsReturnedAsTheSmallerAngle) {
    // The raw angle A - F sweeps the whole circle as lambda does; l' must come back in
    // (-180, 180], never as e.g. 270.
    double smallest = 0;
    double largest = 0;
    for (double longitude = 0; longitude < 360; longitude += 2.5) {
        const double ldash = librations(april1992, longitude, 0).ldash;
        EXPECT_GT(ldash, -180.0) << "lambda " << longitude;
        EXPECT_LE(ldash, 180.0) << "lambda " << longitude;
        smallest = std::min(smallest, ldash);
        largest = std::max(largest, ldash);
    }
    EXPECT_LT(smallest, -170.0);
    EXPECT_GT(largest, 170.0);
}

TEST(PhysicalMoon, ColongitudeStaysInRangeThroughALunation) {
    for (double JD = april1992; JD < april1992 + 29.6; JD += 0.73) {
        const CAASelenographicSun sun = CAAPhysicalMoon::CalculateSelenographicPositionOfSun(JD);
        EXPECT_GE(sun.Colongitude, 0.0) << "JD " << JD;
        EXPECT_LE(sun.Colongitude, 360.0) << "JD " << JD;
        EXPECT_LT(std::abs(sun.Latitude), 1.6) << "JD " << JD;
        EXPECT_GT(sun.Longitude, -181.0) << "JD " << JD;
        EXPECT_LT(sun.Longitude, 181.0) << "JD " << JD;
    }
}

}  // namespace
}  // namespace quenaro
