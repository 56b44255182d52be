#pragma once

#include <cstdint>

namespace quenaro {

/// One periodic term of the IAU 1980 nutation: integer multipliers of the fundamental
/// arguments, and the sine (longitude) and cosine (obliquity) coefficients with their rates per
/// Julian century, in units of 0.0001 arcsecond.
struct CAANutationTerm {
    std::int32_t D;       ///< multiplier of the Moon's mean elongation
    std::int32_t M;       ///< multiplier of the Sun's mean anomaly
    std::int32_t MPrime;  ///< multiplier of the Moon's mean anomaly
    std::int32_t F;       ///< multiplier of the Moon's argument of latitude
    std::int32_t Omega;   ///< multiplier of the longitude of the Moon's ascending node
    std::int32_t SinConst;
    double SinPerT;
    std::int32_t CosConst;
    double CosPerT;
};

/// Nutation (IAU 1980 theory, its 63 largest terms) and the mean obliquity of the ecliptic
/// (Laskar's polynomial). JD is a Julian date taken as dynamical time (no delta T applied).
class CAANutation {
  public:
    /// Nutation in longitude, delta psi, in arcseconds (within about ±20″).
    static double NutationInLongitude(double JD);

    /// Nutation in obliquity, delta epsilon, in arcseconds (within about ±10″).
    static double NutationInObliquity(double JD);

    /// Mean obliquity of the ecliptic epsilon0 in degrees (about 23.44 near J2000.0), without
    /// nutation; valid within 10000 years of J2000.0.
    static double MeanObliquityOfEcliptic(double JD);
};

}  // namespace quenaro
