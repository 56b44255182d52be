#include "precise/PrecisePositions.h"

#include <stdexcept>
#include <string>

#include "model/Ephemeris.h"
#include "precise/ApparentPlace.h"
#include "precise/DeltaT.h"
#include "time/TimeUnits.h"

namespace quenaro {

namespace {

PreciseBody preciseBody(int body) {
    switch (body) {
        case Ephemeris::Sun:
            return PreciseBody::Sun;
        case Ephemeris::Moon:
            return PreciseBody::Moon;
        case Ephemeris::Mercury:
            return PreciseBody::Mercury;
        case Ephemeris::Venus:
            return PreciseBody::Venus;
        case Ephemeris::Mars:
            return PreciseBody::Mars;
        case Ephemeris::Jupiter:
            return PreciseBody::Jupiter;
        case Ephemeris::Saturn:
            return PreciseBody::Saturn;
        default:
            throw std::out_of_range("No precise position for body index " + std::to_string(body));
    }
}

}  // namespace

double PrecisePositions::julianEphemerisDate(double julianDateUT) const {
    return julianDateUT + deltaTSeconds(julianDateUT) / kSecondsPerDay;
}

Coordinate PrecisePositions::apparentPlace(int body, double julianDateUT) const {
    const ApparentPlace place =
        quenaro::apparentPlace(preciseBody(body), julianEphemerisDate(julianDateUT));
    Coordinate coordinate;
    coordinate.longitude = place.longitude;
    coordinate.latitude = place.latitude;
    coordinate.radius = place.distanceKilometres;
    coordinate.rightAscension = place.rightAscension;
    coordinate.declination = place.declination;
    return coordinate;
}

double PrecisePositions::trueObliquity(double julianDateUT) const {
    return quenaro::trueObliquity(julianEphemerisDate(julianDateUT));
}

double PrecisePositions::deltaTSeconds(double julianDateUT) const {
    return quenaro::deltaTSeconds(decimalYearOfJulianDate(julianDateUT));
}

}  // namespace quenaro
