#pragma once

#include <cmath>

#include "model/Ephemeris.h"
#include "time/EphemerisDate.h"
#include "time/TimeZone.h"

namespace quenaro::testing {

/// A model for wall time in the named zone at the place.
inline Ephemeris modelAt(int year, unsigned month, unsigned day, unsigned hour, unsigned minute,
                         const char* zoneName, double latitudeDegrees, double longitudeDegrees) {
    const EphemerisDate date =
        EphemerisDate::dateWithYear(year, month, day, hour, minute, 0, TimeZone::named(zoneName));
    return Ephemeris(date, latitudeDegrees, longitudeDegrees);
}

/// Signed difference a - b of two angles in degrees, in (-180, 180].
inline double angleDifference(double a, double b) {
    double difference = std::fmod(a - b, 360.0);
    if (difference > 180.0) {
        difference -= 360.0;
    } else if (difference <= -180.0) {
        difference += 360.0;
    }
    return difference;
}

}  // namespace quenaro::testing
