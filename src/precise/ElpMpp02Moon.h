#pragma once

#include "precise/Motion.h"

namespace quenaro {

/// The geocentric Moon from ELP/MPP02 (constants fitted to DE405) at the Julian date of TDB:
/// a rectangular vector in kilometres on the inertial mean ecliptic and equinox of J2000 (x
/// towards the equinox, z to the ecliptic's north pole). The series gives the longitude on the
/// mean ecliptic of date, V = W1 + sum of L, the latitude U = sum of B and the distance
/// r = sum of R; Laskar's rotation with the polynomials P and Q takes them to J2000. The
/// velocity (km per day) comes from the series' derivatives in the same pass (the rotation's
/// own change, under 1e-9 of it a day, left out). NaN components for a non-finite date.
Motion elpMpp02Moon(double julianEphemerisDate);

}  // namespace quenaro
