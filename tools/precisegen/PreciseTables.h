#pragma once

#include <filesystem>
#include <vector>

#include "tablegen/GeneratedFile.h"

namespace quenaro::precisegen {

/// The VSOP87B terms kept: a term's largest size over the two centuries about J2000
/// (|A| 0.1^k for the power k of tau, |tau| <= 0.1), as an angle (an R term divided by the
/// body's mean distance, the constant term of its R0 series), must reach this many radians.
/// Cut there the series keep the Sun and Mercury-Saturn within 0.45 arcsecond of the numerical
/// ephemeris DE405 over 1960-2060 (3,190 of the 27,787 terms of these six bodies).
inline constexpr double kVsop87bAmplitudeCut = 3e-8;

/// Generates the precise source's tables from the shared data folder's `precise/` files:
/// - Vsop87bTerms.h and Vsop87b<Body>Terms.cpp: VSOP87B for the Earth and Mercury-Saturn,
///   cut at kVsop87bAmplitudeCut, terms grouped by coordinate and power in the data's order;
/// - ElpMpp02Terms.h/.cpp: all terms of ELP/MPP02 (DE405 fit) and its W1, P, Q polynomials;
/// - DeltaTTable.h/.cpp: Delta T as one rising sequence of years, see generateDeltaTRows.
/// Doubles are printed in their shortest form that reads back to the same value.
/// Throws std::runtime_error when a file is missing or malformed.
std::vector<tablegen::GeneratedFile> generatePreciseTables(
    const std::filesystem::path& dataDirectory);

/// One Delta T value: decimal Gregorian year, seconds.
struct DeltaTRow {
    double year;
    double seconds;
};

/// Delta T from precise/deltat.tsv as one table: the half-yearly historic values before the
/// first monthly one, the monthly values (month m of year y at y + (m - 1) / 12), then the
/// quarterly predictions after the last monthly value. The predictions were made before the
/// last monthly values and lie about 0.9 s below them where they meet; each is raised by that
/// difference (the prediction interpolated at the last monthly value's year) times a weight
/// falling linearly from 1 there to 0 at the predictions' last year, so that the table runs on
/// from the last observed value without a jump and ends on the predictions' own last value.
/// Throws std::runtime_error when a segment is missing, out of order or malformed.
std::vector<DeltaTRow> generateDeltaTRows(const std::filesystem::path& dataDirectory);

}  // namespace quenaro::precisegen
