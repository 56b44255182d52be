#pragma once

#include <span>

namespace quenaro {

/// One term of a VSOP87 table: its value is A cos(B + C tau), tau in Julian millennia from
/// J2000.0. A in 1e-8 radian (longitude, latitude) or 1e-8 AU (radius vector), B in radians,
/// C in radians per Julian millennium.
struct CAAVSOP87Term {
    double A;
    double B;
    double C;
};

/// The tables of one coordinate of one body, VSOP87D (Bretagnon & Francou 1988): the table at
/// index k is multiplied by tau^k.
using VSOP87Tables = std::span<const std::span<const CAAVSOP87Term>>;

/// The three coordinates of a body's VSOP87D series. Each table sum S_k is taken over its rows
/// in stored order; the value is ((S0 + S1 tau) + S2 tau^2) + ... over the tables present,
/// divided by 1e8. JD is a Julian date taken as dynamical time.
struct VSOP87Series {
    VSOP87Tables longitude;
    VSOP87Tables latitude;
    VSOP87Tables radiusVector;

    /// Heliocentric ecliptic longitude of date, degrees in [0, 360].
    double EclipticLongitude(double JD) const;
    /// Heliocentric ecliptic latitude of date, degrees, [-90, 90].
    double EclipticLatitude(double JD) const;
    /// Distance from the Sun, AU.
    double RadiusVector(double JD) const;
};

}  // namespace quenaro
