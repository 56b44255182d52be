#include "series/CAAAberration.h"

#include <cmath>

#include "series/AngleUnits.h"
#include "series/CAASun.h"

namespace quenaro {

CAACoordinatePair CAAAberration::EclipticAberration(double Longitude, double Latitude, double JD) {
    return EclipticAberration(Longitude, Latitude, JD, CAASun::GeometricEclipticLongitude(JD));
}

CAACoordinatePair CAAAberration::EclipticAberration(double Longitude, double Latitude, double JD,
                                                    double SunGeometricLongitude) {
    const double T = (JD - 2451545) / 36525;
    const double T2 = T * T;
    const double eccentricity = 0.016708634 - 0.000042037 * T - 0.0000001267 * T2;
    const double perihelionDegrees = 102.93735 + 1.71946 * T + 0.00046 * T2;
    const double sunMinusBody = DegreesToRadians(SunGeometricLongitude - Longitude);
    const double perihelionMinusBody = DegreesToRadians(perihelionDegrees - Longitude);
    const double latitudeRadians = DegreesToRadians(Latitude);

    constexpr double kappaArcseconds = 20.49552;
    const double longitudeArcseconds =
        (-kappaArcseconds * std::cos(sunMinusBody) +
         eccentricity * kappaArcseconds * std::cos(perihelionMinusBody)) /
        std::cos(latitudeRadians);
    const double latitudeArcseconds =
        -kappaArcseconds * std::sin(latitudeRadians) *
        (std::sin(sunMinusBody) - eccentricity * std::sin(perihelionMinusBody));
    return {longitudeArcseconds / 3600, latitudeArcseconds / 3600};
}

}  // namespace quenaro
