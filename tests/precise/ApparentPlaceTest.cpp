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

struct ReferencePlace {
    PreciseBody body;
    double julianEphemerisDate;
    double rightAscension;
    double declination;
};

/// Apparent places from the numerical ephemeris DE405 through ERFA's IAU 2006/2000A chain,
/// written by `de405_reference.py table` beside this test (1960-2060, the span of the
/// Chebyshev records it reads).
constexpr ReferencePlace kDE405Places[] = {
    {PreciseBody::Sun, 2437000.5, 347.517183505, -5.354513668},
    {PreciseBody::Moon, 2437000.5, 93.317028074, 18.183510982},
    {PreciseBody::Mercury, 2437000.5, 352.830549141, 0.843614523},
    {PreciseBody::Venus, 2437000.5, 321.469453040, -15.827672414},
    {PreciseBody::Mars, 2437000.5, 312.534093316, -18.803861277},
    {PreciseBody::Jupiter, 2437000.5, 270.776322188, -23.009986049},
    {PreciseBody::Saturn, 2437000.5, 287.658803344, -21.955764493},
    {PreciseBody::Sun, 2444239.5, 280.569205530, -23.083894761},
    {PreciseBody::Moon, 2444239.5, 82.797229844, 18.552825336},
    {PreciseBody::Mercury, 2444239.5, 267.761851354, -24.002506540},
    {PreciseBody::Venus, 2444239.5, 314.380047397, -19.092233327},
    {PreciseBody::Mars, 2444239.5, 166.452732200, 9.193265311},
    {PreciseBody::Jupiter, 2444239.5, 162.150097775, 8.788482728},
    {PreciseBody::Saturn, 2444239.5, 178.095003654, 3.181104828},
    {PreciseBody::Sun, 2451545.0, 281.277569621, -23.032488639},
    {PreciseBody::Moon, 2451545.0, 222.443599057, -10.897905576},
    {PreciseBody::Mercury, 2451545.0, 272.073381831, -24.418845804},
    {PreciseBody::Venus, 2451545.0, 239.891851645, -18.448718976},
    {PreciseBody::Mars, 2451545.0, 330.516262391, -13.182689289},
    {PreciseBody::Jupiter, 2451545.0, 23.867832635, 8.594250857},
    {PreciseBody::Saturn, 2451545.0, 38.765416820, 12.614774672},
    {PreciseBody::Sun, 2455197.5, 281.366745197, -23.027353209},
    {PreciseBody::Moon, 2455197.5, 104.453573241, 23.501522650},
    {PreciseBody::Mercury, 2455197.5, 290.323442755, -20.473504652},
    {PreciseBody::Venus, 2455197.5, 278.573071887, -23.642039617},
    {PreciseBody::Mars, 2455197.5, 142.476090483, 18.752236875},
    {PreciseBody::Jupiter, 2455197.5, 328.921154922, -13.609107792},
    {PreciseBody::Saturn, 2455197.5, 185.043483564, 0.309205116},
    {PreciseBody::Sun, 2461383.25, 255.503691113, -22.768749069},
    {PreciseBody::Moon, 2461383.25, 251.470925728, -27.093897410},
    {PreciseBody::Mercury, 2461383.25, 241.744345681, -20.263902777},
    {PreciseBody::Venus, 2461383.25, 211.595917599, -10.326366322},
    {PreciseBody::Mars, 2461383.25, 157.424788376, 12.168996562},
    {PreciseBody::Jupiter, 2461383.25, 149.499916104, 13.297110901},
    {PreciseBody::Saturn, 2461383.25, 8.295973288, 0.800015289},
    {PreciseBody::Sun, 2469807.5, 281.687950057, -22.996320625},
    {PreciseBody::Moon, 2469807.5, 15.910935367, 10.446893024},
    {PreciseBody::Mercury, 2469807.5, 270.064139805, -20.295579647},
    {PreciseBody::Venus, 2469807.5, 282.284301612, -23.559151298},
    {PreciseBody::Mars, 2469807.5, 225.478188237, -16.366452125},
    {PreciseBody::Jupiter, 2469807.5, 124.045009867, 20.223280726},
    {PreciseBody::Saturn, 2469807.5, 299.689079802, -20.838754107},
    {PreciseBody::Sun, 2473000.5, 185.615815795, -2.428680616},
    {PreciseBody::Moon, 2473000.5, 327.931965228, -18.178739897},
    {PreciseBody::Mercury, 2473000.5, 197.725871998, -7.532373613},
    {PreciseBody::Venus, 2473000.5, 203.565299525, -18.224584596},
    {PreciseBody::Mars, 2473000.5, 126.739678309, 20.235256288},
    {PreciseBody::Jupiter, 2473000.5, 19.961962600, 6.682389717},
    {PreciseBody::Saturn, 2473000.5, 47.158212884, 14.995941645},
};

TEST(ApparentPlace, AgreesWithDE405WithinHalfAnArcsecond) {
    for (const ReferencePlace& reference : kDE405Places) {
        const ApparentPlace place = apparentPlace(reference.body, reference.julianEphemerisDate);
        const double cosDeclination = std::cos(reference.declination * M_PI / 180);
        const double raError =
            std::remainder(place.rightAscension - reference.rightAscension, 360.0) * cosDeclination;
        const double decError = place.declination - reference.declination;
        EXPECT_LT(std::hypot(raError, decError), 0.5 * arcsecond)
            << int(reference.body) << " at JD " << reference.julianEphemerisDate;
    }
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
