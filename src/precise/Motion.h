#pragma once

#include <array>

namespace quenaro {

/// A position and its velocity as rectangular vectors (velocity in the position's unit per
/// day).
struct Motion {
    std::array<double, 3> position;
    std::array<double, 3> velocity;
};

/// The rectangular motion of spherical coordinates (longitude and latitude in radians, a
/// radius) and their rates per day: x towards longitude 0, z to latitude 90 degrees.
Motion rectangularMotion(double longitude, double latitude, double radius, double longitudeRate,
                         double latitudeRate, double radiusRate);

}  // namespace quenaro
