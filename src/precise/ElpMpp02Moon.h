#pragma once

#include <array>

namespace quenaro {

/// The geocentric Moon from ELP/MPP02 (constants fitted to DE405) at the Julian date of TDB:
/// a rectangular vector in kilometres on the inertial mean ecliptic and equinox of J2000 (x
/// towards the equinox, z to the ecliptic's north pole). The series gives the longitude on the
/// mean ecliptic of date, V = W1 + sum of L, the latitude U = sum of B and the distance
/// r = sum of R; Laskar's rotation with the polynomials P and Q takes them to J2000. NaN
/// components for a non-finite date.
std::array<double, 3> elpMpp02Moon(double julianEphemerisDate);

}  // namespace quenaro
