#pragma once

#include <array>
#include <cstddef>
#include <span>

namespace quenaro {

/// One VSOP87B term, A cos(B + C tau): A in rad (L, B) or AU (R), B in rad, C in rad per
/// Julian millennium (tau in Julian millennia of TDB from J2000.0).
struct Vsop87bTerm {
    double A;
    double B;
    double C;
};

/// One body's VSOP87B series. The terms are grouped by coordinate (0 L, 1 B, 2 R) and within a
/// coordinate by power of tau (0-5); ends[c][k] is one past the last term of coordinate c and
/// power k, the group starting where the one before it ends.
struct Vsop87bSeries {
    std::span<const Vsop87bTerm> terms;
    std::array<std::array<std::size_t, 6>, 3> ends;
};

/// One ELP/MPP02 term, A T^k sin(phi0 + phi1 T + phi2 T^2 + phi3 T^3 + phi4 T^4): A in
/// arcseconds (L, B) or km (R), phi in rad (per power of T, Julian centuries of TDB from
/// J2000.0).
struct ElpMpp02Term {
    double A;
    std::array<double, 5> phi;
};

/// The ELP/MPP02 lunar series. The terms are grouped as in Vsop87bSeries: ends[c][k] for
/// coordinate c (0 L, 1 B, 2 R) and power k of T (0-3). w1 is the Moon's mean longitude (rad),
/// p and q the polynomials of Laskar's rotation to the ecliptic of J2000, coefficients of
/// T^0 ... T^5.
struct ElpMpp02Series {
    std::span<const ElpMpp02Term> terms;
    std::array<std::array<std::size_t, 4>, 3> ends;
    std::array<double, 6> w1;
    std::array<double, 6> p;
    std::array<double, 6> q;
};

/// Delta T = TT - UT1 (seconds) at a moment given as a decimal Gregorian year.
struct DeltaTPoint {
    double year;
    double seconds;
};

}  // namespace quenaro
