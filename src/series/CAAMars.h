#pragma once

namespace quenaro {

/// Mars's heliocentric ecliptic coordinates of date from the abridged VSOP87D series.
/// JD is a Julian date taken as dynamical time (no delta T applied).
class CAAMars {
  public:
    /// Heliocentric ecliptic longitude, degrees in [0, 360].
    static double EclipticLongitude(double JD);
    /// Heliocentric ecliptic latitude, degrees.
    static double EclipticLatitude(double JD);
    /// Distance from the Sun, AU.
    static double RadiusVector(double JD);
};

}  // namespace quenaro
