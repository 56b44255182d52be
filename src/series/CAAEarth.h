#pragma once

namespace quenaro {

/// The Earth's heliocentric ecliptic coordinates of date from the abridged VSOP87D series, and
/// the two low-order solar quantities the Moon's series need.
/// JD is a Julian date taken as dynamical time (no delta T applied).
class CAAEarth {
  public:
    /// Heliocentric ecliptic longitude, degrees in [0, 360].
    static double EclipticLongitude(double JD);
    /// Heliocentric ecliptic latitude, degrees.
    static double EclipticLatitude(double JD);
    /// Distance from the Sun, AU.
    static double RadiusVector(double JD);
    /// Mean anomaly of the Sun, degrees in [0, 360] (cubic polynomial in Julian centuries).
    static double SunMeanAnomaly(double JD);
    /// Eccentricity factor E = 1 - 0.002516 T - 0.0000074 T^2 (T in Julian centuries from
    /// J2000.0) that scales the Moon's terms in the Sun's mean anomaly; dimensionless, near 1.
    static double Eccentricity(double JD);
};

}  // namespace quenaro
