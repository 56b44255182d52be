#pragma once

namespace quenaro {

/// The years over which the difference between the Delta T table and the long-term model is
/// faded out beyond each end of the table.
inline constexpr double kDeltaTBlendYears = 100.0;

/// Delta T = TT - UT1 in seconds at a decimal Gregorian year.
/// - 1657.0 to 2032.0: the table (observed values, then predictions joined to them), linearly
///   interpolated.
/// - Outside it: the polynomials of Espenak and Meeus (Five Millennium Canon of Solar Eclipses,
///   2006) plus the difference between the table and these polynomials at the table's nearest
///   end, faded linearly to nothing over kDeltaTBlendYears. Delta T is thus continuous at both
///   ends (the polynomials lie 3.7 s below the table in 1657 and 8.5 s above it in 2032, too
///   much to fade over a few years without an unphysical slope) and becomes the polynomials'
///   own from 1557 back and from 2132 on.
/// NaN for a non-finite year.
double deltaTSeconds(double decimalYear);

/// The decimal Gregorian year of a Julian date (mean Gregorian years of 365.2425 days from
/// 2000.0, the start of 2000-01-01), as
/// precise as Delta T needs.
double decimalYearOfJulianDate(double julianDate);

}  // namespace quenaro
