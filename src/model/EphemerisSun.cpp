// The Sun group of the Ephemeris model: a short analytical theory of the Sun's apparent
// position (good to about 0.01 degree) and what derives from it.

#include <cmath>

#include "model/Ephemeris.h"
#include "time/Degrees.h"

namespace quenaro {

namespace {
constexpr double kKilometresPerAU = 149597869.0;
}

void Ephemeris::sunCoordinate(Coordinate& coordinate) const {
    if (myPositionSource) {
        coordinate = myPositionSource->apparentPlace(Sun, myJulianDate);
        coordinate.declination = mod360(coordinate.declination);
        return;
    }
    const double t = julianCenturies();
    const double eccentricity = 0.016708617 + t * (-0.000042037 + t * -0.0000001236);
    const double meanAnomaly = 357.5291 + t * (35999.0503 + t * (-0.0001559 + t * -0.00000048));
    const double equationOfCentre = (1.9146 + t * (-0.004817 + t * -0.000014)) * sind(meanAnomaly) +
                                    (0.019993 + t * -0.000101) * sind(2.0 * meanAnomaly) +
                                    0.00029 * sind(3.0 * meanAnomaly);
    const double meanLongitude = 280.46645 + t * (36000.76983 + t * 0.0003032);
    const double trueLongitude = mod360(meanLongitude + equationOfCentre);
    const double radiusAU = 1.000001018 * (1.0 - eccentricity * eccentricity) /
                            (1.0 + eccentricity * cosd(meanAnomaly + equationOfCentre));
    coordinate.radius = radiusAU * kKilometresPerAU;

    const double node = 125.04452 + t * (-1934.136261 + t * 0.0020708);
    double lambda = trueLongitude - 0.00569 - 0.00478 * sind(node);
    // Aberration: 20.4898 arcseconds divided by the distance in astronomical units.
    lambda = mod360(lambda + -0.005691611111111111 / (coordinate.radius / kKilometresPerAU));
    coordinate.latitude = 0.0;
    coordinate.longitude = lambda;
    calcGeocentric(coordinate);
}

Coordinate Ephemeris::sunCoordinate() {
    calcHorizontal(mySun);
    return mySun;
}

double Ephemeris::sunDistance() const {
    Coordinate sun;
    sunCoordinate(sun);
    return sun.radius / kKilometresPerAU;
}

double Ephemeris::sunDiameter() const {
    return 2.0 * 959.63 / sunDistance();
}

EphemerisDate Ephemeris::sunRise() const {
    return *calcRiseSet(RiseEvent, Sun);
}

EphemerisDate Ephemeris::sunSet() const {
    return *calcRiseSet(SetEvent, Sun);
}

EphemerisDate Ephemeris::sunTransit() const {
    return *calcRiseSet(TransitEvent, Sun);
}

double Ephemeris::lengthOfDay() const {
    const std::array<EphemerisDate, 3> times = calcTimes(HorizonAltitude, Sun);
    return times[SetIndex].timeIntervalSinceDate(times[RiseIndex]);
}

std::string Ephemeris::sunZodiacPositionString() const {
    return zodiacPositionString(mySun.longitude);
}

double Ephemeris::sunLHA() const {
    return lha(mySun);
}

double Ephemeris::sunGHA() const {
    return gha(mySun);
}

double Ephemeris::meanAnomalyOfTheSun() const {
    const double t = julianCenturies();
    return 357.5291092 + t * (35999.0502909 + t * -0.0001536);
}

}  // namespace quenaro
