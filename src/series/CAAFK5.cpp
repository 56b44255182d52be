#include "series/CAAFK5.h"

#include <cmath>

#include "series/AngleUnits.h"
#include "series/CAACoordinateTransformation.h"

namespace quenaro {

namespace {

/// L' in radians: the longitude moved by the precession of the dynamical equinox.
double shiftedLongitudeRadians(double longitudeDegrees, double JD) {
    const double T = (JD - 2451545) / 36525;
    return DegreesToRadians(longitudeDegrees - 1.397 * T - 0.00031 * (T * T));
}

}  // namespace

double CAAFK5::CorrectionInLongitude(double Longitude, double Latitude, double JD) {
    const double shifted = shiftedLongitudeRadians(Longitude, JD);
    const double arcseconds = -0.09033 + 0.03916 * (std::cos(shifted) + std::sin(shifted)) *
                                             std::tan(DegreesToRadians(Latitude));
    return CAACoordinateTransformation::DMSToDegrees(0, 0, arcseconds, true);
}

double CAAFK5::CorrectionInLatitude(double Longitude, double JD) {
    const double shifted = shiftedLongitudeRadians(Longitude, JD);
    const double arcseconds = 0.03916 * (std::cos(shifted) - std::sin(shifted));
    return CAACoordinateTransformation::DMSToDegrees(0, 0, arcseconds, true);
}

}  // namespace quenaro
