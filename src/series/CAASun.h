#pragma once

namespace quenaro {

/// The geocentric Sun from the Earth's VSOP87D series. JD is a Julian date taken as dynamical
/// time (no delta T applied).
class CAASun {
  public:
    /// Geometric ecliptic longitude of date: the Earth's heliocentric longitude + 180, reduced;
    /// degrees in [0, 360].
    static double GeometricEclipticLongitude(double JD);
    /// Geometric ecliptic latitude of date: minus the Earth's heliocentric latitude; degrees.
    static double GeometricEclipticLatitude(double JD);
    /// The geometric longitude corrected to the FK5 frame, degrees; not reduced again, so it
    /// can leave [0, 360] by the correction (about 0.000025°).
    static double GeometricFK5EclipticLongitude(double JD);
    /// Apparent longitude: the FK5 longitude plus the nutation in longitude minus the
    /// aberration 20.4898″ / R (R the Earth's radius vector in AU); degrees, not reduced again.
    static double ApparentEclipticLongtitude(double JD);
};

}  // namespace quenaro
