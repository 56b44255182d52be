// The planet groups of the Ephemeris model: apparent geocentric ecliptic coordinates of
// date (light time, aberration, FK5 and nutation in longitude applied), seen from the
// Earth's centre, from the planetary series.

#include <stdexcept>
#include <string>

#include "model/Ephemeris.h"
#include "series/CAAElliptical.h"

namespace quenaro {

namespace {
CAAEllipticalResult planetAt(const EphemerisDate& date, CAAElliptical::EllipticalObject planet) {
    return CAAElliptical::Calculate(date.julianDate(), planet);
}
}  // namespace

Coordinate Ephemeris::planetEclipticPosition(int planet) const {
    CAAElliptical::EllipticalObject object = CAAElliptical::SATURN;
    switch (planet) {
        case Mercury:
            object = CAAElliptical::MERCURY;
            break;
        case Venus:
            object = CAAElliptical::VENUS;
            break;
        case Mars:
            object = CAAElliptical::MARS;
            break;
        case Jupiter:
            object = CAAElliptical::JUPITER;
            break;
        case Saturn:
            break;
        default:
            throw std::out_of_range("No planet with index " + std::to_string(planet) +
                                    ": expected 2 (Mercury), 3 (Venus), 5 (Mars), "
                                    "6 (Jupiter) or 7 (Saturn)");
    }
    const CAAEllipticalResult result = planetAt(myDate, object);
    Coordinate position;
    position.latitude = result.GeocentricLatitude;
    position.longitude = result.GeocentricLongitude;
    return position;
}

double Ephemeris::mercuryLongitude() const {
    return planetAt(myDate, CAAElliptical::MERCURY).GeocentricLongitude;
}

double Ephemeris::mercuryLatitude() const {
    return planetAt(myDate, CAAElliptical::MERCURY).GeocentricLatitude;
}

double Ephemeris::venusLongitude() const {
    return planetAt(myDate, CAAElliptical::VENUS).GeocentricLongitude;
}

double Ephemeris::venusLatitude() const {
    return planetAt(myDate, CAAElliptical::VENUS).GeocentricLatitude;
}

double Ephemeris::marsLongitude() const {
    return planetAt(myDate, CAAElliptical::MARS).GeocentricLongitude;
}

double Ephemeris::marsLatitude() const {
    return planetAt(myDate, CAAElliptical::MARS).GeocentricLatitude;
}

double Ephemeris::jupiterLongitude() const {
    return planetAt(myDate, CAAElliptical::JUPITER).GeocentricLongitude;
}

double Ephemeris::jupiterLatitude() const {
    return planetAt(myDate, CAAElliptical::JUPITER).GeocentricLatitude;
}

double Ephemeris::saturnLongitude() const {
    return planetAt(myDate, CAAElliptical::SATURN).GeocentricLongitude;
}

double Ephemeris::saturnLatitude() const {
    return planetAt(myDate, CAAElliptical::SATURN).GeocentricLatitude;
}

}  // namespace quenaro
