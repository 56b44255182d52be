#pragma once

namespace quenaro {

/// The span of dates a series is meant for: Julian dates (UT, days) from the first instant of
/// `firstYear` up to, not including, the first instant of the year after `lastYear`.
struct SeriesSpan {
    double earliestJulianDate;
    double endJulianDate;
    int firstYear;
    int lastYear;

    /// Whether the Julian date lies in the span; false for NaN.
    constexpr bool contains(double julianDate) const {
        return julianDate >= earliestJulianDate && julianDate < endJulianDate;
    }
    /// Whether the calendar year lies in the span.
    constexpr bool containsYear(int year) const { return year >= firstYear && year <= lastYear; }
};

/// The VSOP87 planetary series (Earth, Sun, Mercury … Neptune) and the model built on them:
/// the years -4000 (from -4000-01-01, Julian calendar, JD 260057.5) to 8000 (up to
/// 8001-01-01, JD 4643365.5).
inline constexpr SeriesSpan kPlanetarySeriesSpan{260057.5, 4643365.5, -4000, 8000};

/// Pluto's periodic series: the years 1885 (from 1885-01-01, JD 2409542.5) to 2099 (up to
/// 2100-01-01, JD 2488069.5).
inline constexpr SeriesSpan kPlutoSeriesSpan{2409542.5, 2488069.5, 1885, 2099};

}  // namespace quenaro
