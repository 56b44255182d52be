#include "precise/Motion.h"

#include <cmath>

namespace quenaro {

Motion rectangularMotion(double longitude, double latitude, double radius, double longitudeRate,
                         double latitudeRate, double radiusRate) {
    const double cosLongitude = std::cos(longitude);
    const double sinLongitude = std::sin(longitude);
    const double cosLatitude = std::cos(latitude);
    const double sinLatitude = std::sin(latitude);
    // d/dt of r cos(lat) along the equator's plane, and of r sin(lat) towards the pole.
    const double inPlane = radius * cosLatitude;
    const double inPlaneRate = radiusRate * cosLatitude - radius * sinLatitude * latitudeRate;
    return {{inPlane * cosLongitude, inPlane * sinLongitude, radius * sinLatitude},
            {inPlaneRate * cosLongitude - inPlane * sinLongitude * longitudeRate,
             inPlaneRate * sinLongitude + inPlane * cosLongitude * longitudeRate,
             radiusRate * sinLatitude + radius * cosLatitude * latitudeRate}};
}

}  // namespace quenaro
