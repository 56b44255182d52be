#include "series/CAAElliptical.h"

#include <cmath>
#include <stdexcept>

#include "series/AngleUnits.h"
#include "series/CAAAberration.h"
#include "series/CAACoordinateTransformation.h"
#include "series/CAAEarth.h"
#include "series/CAAFK5.h"
#include "series/CAAJupiter.h"
#include "series/CAAMars.h"
#include "series/CAAMercury.h"
#include "series/CAANeptune.h"
#include "series/CAANutation.h"
#include "series/CAAPluto.h"
#include "series/CAASaturn.h"
#include "series/CAASun.h"
#include "series/CAAUranus.h"
#include "series/CAAVenus.h"
#include "series/ReduceTo360.h"

namespace quenaro {

namespace {

/// Light time for 1 AU, days.
constexpr double lightTimeDaysPerAU = 0.0057755183;

/// A heliocentric (for the Sun: geocentric) ecliptic position: L, B in degrees, R in AU.
struct SeriesPosition {
    double L;
    double B;
    double R;
};

SeriesPosition seriesPosition(CAAElliptical::EllipticalObject object, double JD) {
    switch (object) {
        case CAAElliptical::SUN:
            return {CAASun::GeometricEclipticLongitude(JD), CAASun::GeometricEclipticLatitude(JD),
                    CAAEarth::RadiusVector(JD)};
        case CAAElliptical::MERCURY:
            return {CAAMercury::EclipticLongitude(JD), CAAMercury::EclipticLatitude(JD),
                    CAAMercury::RadiusVector(JD)};
        case CAAElliptical::VENUS:
            return {CAAVenus::EclipticLongitude(JD), CAAVenus::EclipticLatitude(JD),
                    CAAVenus::RadiusVector(JD)};
        case CAAElliptical::MARS:
            return {CAAMars::EclipticLongitude(JD), CAAMars::EclipticLatitude(JD),
                    CAAMars::RadiusVector(JD)};
        case CAAElliptical::JUPITER:
            return {CAAJupiter::EclipticLongitude(JD), CAAJupiter::EclipticLatitude(JD),
                    CAAJupiter::RadiusVector(JD)};
        case CAAElliptical::SATURN:
            return {CAASaturn::EclipticLongitude(JD), CAASaturn::EclipticLatitude(JD),
                    CAASaturn::RadiusVector(JD)};
        case CAAElliptical::URANUS:
            return {CAAUranus::EclipticLongitude(JD), CAAUranus::EclipticLatitude(JD),
                    CAAUranus::RadiusVector(JD)};
        case CAAElliptical::NEPTUNE:
            return {CAANeptune::EclipticLongitude(JD), CAANeptune::EclipticLatitude(JD),
                    CAANeptune::RadiusVector(JD)};
        case CAAElliptical::PLUTO:
            return {CAAPluto::EclipticLongitude(JD), CAAPluto::EclipticLatitude(JD),
                    CAAPluto::RadiusVector(JD)};
    }
    throw std::logic_error("false");
}

/// Rectangular geocentric ecliptic coordinates (AU) of a body, given its position and the
/// Earth's rectangular heliocentric coordinates (zero for the Sun).
struct Rectangular {
    double x;
    double y;
    double z;
};

Rectangular geocentric(const SeriesPosition& body, const Rectangular& earth) {
    const double L = DegreesToRadians(body.L);
    const double B = DegreesToRadians(body.B);
    const double cosB = std::cos(B);
    return {body.R * cosB * std::cos(L) - earth.x, body.R * cosB * std::sin(L) - earth.y,
            body.R * std::sin(B) - earth.z};
}

double length(const Rectangular& v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

}  // namespace

CAAEllipticalResult CAAElliptical::Calculate(double JD, EllipticalObject object) {
    if (object < SUN || object > PLUTO) {
        throw std::logic_error("false");
    }

    // The Earth at JD, without light time; nothing for the Sun, which is seen from the Earth.
    // The Sun's geometric longitude at JD, for the aberration: 180 degrees from the Earth's
    // longitude, or for the Sun itself its first (undelayed) light-time pass.
    Rectangular earth{0, 0, 0};
    double sunGeometricLongitude = 0;
    if (object != SUN) {
        const double earthLongitude = CAAEarth::EclipticLongitude(JD);
        sunGeometricLongitude = ReduceTo360(earthLongitude + 180);
        const double L0 = DegreesToRadians(earthLongitude);
        const double B0 = DegreesToRadians(CAAEarth::EclipticLatitude(JD));
        const double R0 = CAAEarth::RadiusVector(JD);
        const double cosB0 = std::cos(B0);
        earth = {R0 * cosB0 * std::cos(L0), R0 * cosB0 * std::sin(L0), R0 * std::sin(B0)};
    }

    // Light time by iteration: the first pass compares nothing, the second compares with zero,
    // so the series are evaluated at least three times (exactly three for every date within
    // 10000 years of J2000.0). Far outside the series' range (beyond about 100000 years) the
    // iteration can diverge or cycle; it then ends after maxLightTimePasses with the last pass.
    constexpr int maxLightTimePasses = 100;
    double delayedJD = JD;
    SeriesPosition previous{0, 0, 0};
    SeriesPosition current{0, 0, 0};
    for (int pass = 1; pass <= maxLightTimePasses; ++pass) {
        current = seriesPosition(object, delayedJD);
        if (pass == 1 && object == SUN) {
            sunGeometricLongitude = current.L;
        }
        if (pass > 1) {
            if (std::fabs(current.L - previous.L) > 0.00001 ||
                std::fabs(current.B - previous.B) > 0.00001 ||
                std::fabs(current.R - previous.R) > 0.000001) {
                previous = current;
            } else {
                break;
            }
        }
        const double distance = object == SUN ? current.R : length(geocentric(current, earth));
        delayedJD = JD - lightTimeDaysPerAU * distance;
    }

    const Rectangular position = geocentric(current, earth);
    CAAEllipticalResult result{};
    result.GeocentricLatitude = RadiansToDegrees(
        std::atan2(position.z, std::sqrt(position.x * position.x + position.y * position.y)));
    result.GeocentricDistance = length(position);
    result.GeocentricLongitude = ReduceTo360(RadiansToDegrees(std::atan2(position.y, position.x)));
    result.LightTime = result.GeocentricDistance * lightTimeDaysPerAU;

    const CAACoordinatePair aberration = CAAAberration::EclipticAberration(
        result.GeocentricLongitude, result.GeocentricLatitude, JD, sunGeometricLongitude);
    result.GeocentricLongitude += aberration.X;
    result.GeocentricLatitude += aberration.Y;

    const double fk5Longitude =
        CAAFK5::CorrectionInLongitude(result.GeocentricLongitude, result.GeocentricLatitude, JD);
    result.GeocentricLatitude += CAAFK5::CorrectionInLatitude(result.GeocentricLongitude, JD);
    result.GeocentricLongitude =
        (fk5Longitude + result.GeocentricLongitude) +
        CAACoordinateTransformation::DMSToDegrees(0, 0, CAANutation::NutationInLongitude(JD), true);

    const CAACoordinatePair equatorial = CAACoordinateTransformation::Ecliptic2Equatorial(
        result.GeocentricLongitude, result.GeocentricLatitude,
        CAANutation::MeanObliquityOfEcliptic(JD));
    result.GeocentricRA = equatorial.X;
    result.GeocentricDeclination = equatorial.Y;
    return result;
}

}  // namespace quenaro
