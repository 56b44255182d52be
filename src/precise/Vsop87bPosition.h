#pragma once

#include <array>

#include "precise/Motion.h"
#include "precise/PreciseTerms.h"

namespace quenaro {

/// A heliocentric position from VSOP87B on the ecliptic and equinox of J2000 (the dynamical
/// frame of the theory): longitude and latitude in radians, the longitude in [0, 2 pi), the
/// radius vector in AU.
struct HeliocentricPosition {
    double longitude;
    double latitude;
    double radius;

    /// The same position as a rectangular vector in AU (x towards the equinox, z to the
    /// ecliptic's north pole).
    std::array<double, 3> rectangular() const;
};

/// The body's position at the Julian date of TDB (TT to within 2 ms), summing the series'
/// terms A cos(B + C tau) times tau^k, tau in Julian millennia from J2000.0. NaN fields for a
/// non-finite date.
HeliocentricPosition vsop87bPosition(const Vsop87bSeries& series, double julianEphemerisDate);

/// The body's position and velocity (AU, AU per day) as rectangular vectors in the frame of
/// HeliocentricPosition::rectangular(), from the series and their derivatives in one pass.
Motion vsop87bMotion(const Vsop87bSeries& series, double julianEphemerisDate);

}  // namespace quenaro
