#include "precise/ApparentPlace.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quenaro {
namespace {

constexpr double arcsecond = 1.0 / 3600;

TEST(ApparentPlace, AgreesWithTheWorkedExamplesWithinTheirMethodsErrors) {
    // The worked examples use the abridged series, IAU 1980 nutation and no light deflection;
    // their errors (the abridged series' truncation, about a second of arc for the Sun and the
    // planets, up to 10 for the Moon; Venus's deflection, up to 0.7) set the tolerances.
    // Measured: Venus 0.9 and 1.4 arcseconds off, the Sun 0.27, the Moon 2.0 and 0.24.
    const ApparentPlace venus = apparentPlace(PreciseBody::Venus, 2448976.5);
    EXPECT_NEAR(venus.rightAscension * std::cos(venus.declination * M_PI / 180),
                21.07820 * 15 * std::cos(-18.88840 * M_PI / 180), 2 * arcsecond);
    EXPECT_NEAR(venus.declination, -18.88840, 2 * arcsecond);

    const ApparentPlace sun = apparentPlace(PreciseBody::Sun, 2448908.5);
    EXPECT_NEAR(sun.longitude, 199.9060608, 1 * arcsecond);
    EXPECT_NEAR(sun.latitude, 0.0, 1 * arcsecond);
    EXPECT_NEAR(sun.distanceKilometres / 149597870.7, 0.99760775, 2e-6);

    const ApparentPlace moon = apparentPlace(PreciseBody::Moon, 2448724.5);
    EXPECT_NEAR(moon.longitude, 133.167264, 10 * arcsecond);
    EXPECT_NEAR(moon.latitude, -3.229126, 4 * arcsecond);
    EXPECT_NEAR(moon.distanceKilometres, 368409.7, 10.0);
}

TEST(ApparentPlace, EquatorialAndEclipticPlacesAreOneDirection) {
    // The equatorial place turned by the true obliquity of date gives the ecliptic one: the
    // worked example's mean obliquity 23 26' 27.407" (IAU 1980; IAU 2006's is 0.04 arcsecond
    // less) plus its nutation in obliquity, 9.443 arcseconds.
    for (const PreciseBody body : {PreciseBody::Sun, PreciseBody::Moon, PreciseBody::Mercury,
                                   PreciseBody::Jupiter, PreciseBody::Saturn}) {
        const ApparentPlace place = apparentPlace(body, 2446895.5);
        const double epsilon = (23.0 + (26 * 60 + 27.407 + 9.443) * arcsecond) * M_PI / 180;
        const double a = place.rightAscension * M_PI / 180;
        const double d = place.declination * M_PI / 180;
        const double longitude = std::atan2(
            std::sin(a) * std::cos(epsilon) + std::tan(d) * std::sin(epsilon), std::cos(a));
        const double latitude = std::asin(std::sin(d) * std::cos(epsilon) -
                                          std::cos(d) * std::sin(epsilon) * std::sin(a));
        EXPECT_NEAR(std::remainder(longitude * 180 / M_PI - place.longitude, 360.0), 0.0,
                    0.1 * arcsecond);
        EXPECT_NEAR(latitude * 180 / M_PI, place.latitude, 0.1 * arcsecond);
    }
}

TEST(ApparentPlace, NonFiniteDateGivesNaN) {
    const ApparentPlace place = apparentPlace(PreciseBody::Mars, NAN);
    EXPECT_TRUE(std::isnan(place.rightAscension));
    EXPECT_TRUE(std::isnan(place.distanceKilometres));
}

}  // namespace
}  // namespace quenaro
