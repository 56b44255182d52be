#include "series/CAAElliptical.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "series/CAAEarth.h"
#include "series/CAAPluto.h"

namespace quenaro {
namespace {

TEST(Elliptical, VenusOn1992December20) {
    // Tolerances: half a unit of the last printed digit.
    const CAAEllipticalResult venus = CAAElliptical::Calculate(2448976.5, CAAElliptical::VENUS);
    EXPECT_NEAR(venus.GeocentricDistance, 0.910947, 5e-7);
    EXPECT_NEAR(venus.LightTime, 0.005261, 5e-7);
    EXPECT_NEAR(venus.GeocentricLongitude, 313.0815, 5e-5);
    EXPECT_NEAR(venus.GeocentricLatitude, -2.0849, 5e-5);
    EXPECT_NEAR(venus.GeocentricRA, 21.07820, 5e-6);
    EXPECT_NEAR(venus.GeocentricDeclination, -18.88840, 5e-6);
}

TEST(Elliptical, PlanetsAtJ2000) {
    struct Expected {
        CAAElliptical::EllipticalObject object;
        double longitude;
        double latitude;
    };
    const std::array<Expected, 5> planets{{{CAAElliptical::MERCURY, 271.888, -0.995},
                                           {CAAElliptical::VENUS, 241.565, 2.066},
                                           {CAAElliptical::MARS, 327.963, -1.068},
                                           {CAAElliptical::JUPITER, 25.253, -1.262},
                                           {CAAElliptical::SATURN, 40.396, -2.445}}};
    for (const Expected& planet : planets) {
        const CAAEllipticalResult result = CAAElliptical::Calculate(2451545.0, planet.object);
        EXPECT_NEAR(result.GeocentricLongitude, planet.longitude, 5e-4) << planet.object;
        EXPECT_NEAR(result.GeocentricLatitude, planet.latitude, 5e-4) << planet.object;
    }
}

TEST(Elliptical, TheSunIsAtTheEarthsRadiusVectorOfTheDelayedInstant) {
    const double JD = 2448908.5;
    const CAAEllipticalResult sun = CAAElliptical::Calculate(JD, CAAElliptical::SUN);
    EXPECT_NEAR(sun.GeocentricDistance, CAAEarth::RadiusVector(JD - sun.LightTime), 1e-9);
    EXPECT_NEAR(sun.GeocentricLatitude, 0.0, 1e-3);
}

TEST(Elliptical, ResultsStayInRangeForEveryBodyOverFourCenturies) {
    for (int object = CAAElliptical::SUN; object <= CAAElliptical::PLUTO; ++object) {
        for (double JD = 2378496.5; JD < 2524593.5; JD += 3652.5 + 0.37 * object) {
            const CAAEllipticalResult result =
                CAAElliptical::Calculate(JD, static_cast<CAAElliptical::EllipticalObject>(object));
            EXPECT_GE(result.GeocentricRA, 0.0) << object << " JD " << JD;
            EXPECT_LT(result.GeocentricRA, 24.0) << object << " JD " << JD;
            EXPECT_LE(std::abs(result.GeocentricDeclination), 90.0) << object << " JD " << JD;
            EXPECT_GT(result.GeocentricLongitude, -0.01) << object << " JD " << JD;
            EXPECT_LT(result.GeocentricLongitude, 360.01) << object << " JD " << JD;
        }
    }
}

TEST(Elliptical, AnInvalidObjectThrowsTheCheckedCondition) {
    for (int invalid : {-1, 9, 1000}) {
        try {
            CAAElliptical::Calculate(2451545.0,
                                     static_cast<CAAElliptical::EllipticalObject>(invalid));
            ADD_FAILURE() << "no logic_error for " << invalid;
        } catch (const std::logic_error& error) {
            EXPECT_STREQ(error.what(), "false");
        }
    }
}

TEST(Elliptical, LightTimeIterationEndsWhereItDivergesFarOutsideTheSeries) {
    // 270000 years from J2000.0 the series' powers of tau are so large that the light-time
    // iteration for Mars never settles; it must still end and answer.
    const CAAEllipticalResult mars = CAAElliptical::Calculate(1e8, CAAElliptical::MARS);
    EXPECT_GE(mars.GeocentricRA, 0.0);
    EXPECT_LT(mars.GeocentricRA, 24.0);
    const double infinity = std::numeric_limits<double>::infinity();
    for (int object = CAAElliptical::SUN; object <= CAAElliptical::PLUTO; ++object) {
        for (double JD : {1e15, -1e9, infinity, -infinity, std::nan("")}) {
            CAAElliptical::Calculate(JD, static_cast<CAAElliptical::EllipticalObject>(object));
        }
    }
}

TEST(Pluto, HeliocentricPositionOn1992October13) {
    const double JD = 2448908.5;
    EXPECT_NEAR(CAAPluto::EclipticLongitude(JD), 232.7407, 5e-5);
    EXPECT_NEAR(CAAPluto::EclipticLatitude(JD), 14.5878, 5e-5);
    EXPECT_NEAR(CAAPluto::RadiusVector(JD), 29.7111, 5e-5);
}

}  // namespace
}  // namespace quenaro
