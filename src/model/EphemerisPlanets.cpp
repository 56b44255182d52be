// The planet groups of the Ephemeris model: apparent geocentric ecliptic coordinates of
// date (light time, aberration, FK5 and nutation in longitude applied), seen from the
// Earth's centre, from the planetary series.

#include <stdexcept>
#include <string>

#include "model/Ephemeris.h"
#include "series/CAAElliptical.h"
#include "time/Degrees.h"

namespace quenaro {

namespace {
CAAEllipticalResult planetAt(const EphemerisDate& date, CAAElliptical::EllipticalObject planet) {
    return CAAElliptical::Calculate(date.julianDate(), planet);
}

/// The elliptical object of a planet index; throws std::out_of_range for an index other than
/// Mercury, Venus, Mars, Jupiter or Saturn.
CAAElliptical::EllipticalObject ellipticalObject(int planet) {
    switch (planet) {
        case Ephemeris::Mercury:
            return CAAElliptical::MERCURY;
        case Ephemeris::Venus:
            return CAAElliptical::VENUS;
        case Ephemeris::Mars:
            return CAAElliptical::MARS;
        case Ephemeris::Jupiter:
            return CAAElliptical::JUPITER;
        case Ephemeris::Saturn:
            return CAAElliptical::SATURN;
        default:
            throw std::out_of_range("No planet with index " + std::to_string(planet) +
                                    ": expected 2 (Mercury), 3 (Venus), 5 (Mars), "
                                    "6 (Jupiter) or 7 (Saturn)");
    }
}
}  // namespace

Coordinate Ephemeris::planetEclipticPosition(int planet) const {
    const CAAElliptical::EllipticalObject object = ellipticalObject(planet);
    if (myPositionSource) {
        const Coordinate place = myPositionSource->apparentPlace(planet, myJulianDate);
        Coordinate position;
        position.latitude = place.latitude;
        position.longitude = place.longitude;
        return position;
    }
    const CAAEllipticalResult result = planetAt(myDate, object);
    Coordinate position;
    position.latitude = result.GeocentricLatitude;
    position.longitude = result.GeocentricLongitude;
    return position;
}

Coordinate Ephemeris::planetPosition(int planet) const {
    if (myPositionSource) {
        ellipticalObject(planet);  // the index check
        Coordinate position = myPositionSource->apparentPlace(planet, myJulianDate);
        position.radius = 0.0;
        position.declination = mod360(position.declination);
        return position;
    }
    Coordinate position = planetEclipticPosition(planet);
    calcGeocentric(position);
    return position;
}

double Ephemeris::mercuryLongitude() const {
    return planetEclipticPosition(Mercury).longitude;
}

double Ephemeris::mercuryLatitude() const {
    return planetEclipticPosition(Mercury).latitude;
}

double Ephemeris::venusLongitude() const {
    return planetEclipticPosition(Venus).longitude;
}

double Ephemeris::venusLatitude() const {
    return planetEclipticPosition(Venus).latitude;
}

double Ephemeris::marsLongitude() const {
    return planetEclipticPosition(Mars).longitude;
}

double Ephemeris::marsLatitude() const {
    return planetEclipticPosition(Mars).latitude;
}

double Ephemeris::jupiterLongitude() const {
    return planetEclipticPosition(Jupiter).longitude;
}

double Ephemeris::jupiterLatitude() const {
    return planetEclipticPosition(Jupiter).latitude;
}

double Ephemeris::saturnLongitude() const {
    return planetEclipticPosition(Saturn).longitude;
}

double Ephemeris::saturnLatitude() const {
    return planetEclipticPosition(Saturn).latitude;
}

}  // namespace quenaro
