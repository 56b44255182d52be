#include "precise/DeltaT.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "precise/tables/DeltaTTable.h"

namespace quenaro {

namespace {

/// c[0] + c[1] u + c[2] u^2 + ...
template <std::size_t N>
double polynomial(const double (&coefficients)[N], double u) {
    double value = 0.0;
    for (std::size_t i = N; i-- > 0;) {
        value = value * u + coefficients[i];
    }
    return value;
}

/// Espenak and Meeus's Delta T polynomials for the spans outside the table, seconds.
double espenakMeeus(double year) {
    const double longTerm = -20.0 + 32.0 * std::pow((year - 1820.0) / 100.0, 2);
    if (year < -500.0 || year >= 2150.0) {
        return longTerm;
    }
    if (year < 500.0) {
        constexpr double c[] = {10583.6,    -1014.41,    33.78311,    -5.952053,
                                -0.1798452, 0.022174192, 0.0090316521};
        return polynomial(c, year / 100.0);
    }
    if (year < 1600.0) {
        constexpr double c[] = {1574.2,     -556.01,      71.23472,    0.319781,
                                -0.8503463, -0.005050998, 0.0083572073};
        return polynomial(c, (year - 1000.0) / 100.0);
    }
    if (year < 1700.0) {
        constexpr double c[] = {120.0, -0.9808, -0.01532, 1.0 / 7129.0};
        return polynomial(c, year - 1600.0);
    }
    if (year < 2050.0) {
        // Between 1700 and 2005 the table is used; this is the polynomial from 2005.
        constexpr double c[] = {62.92, 0.32217, 0.005589};
        return polynomial(c, year - 2000.0);
    }
    return longTerm - 0.5628 * (2150.0 - year);
}

}  // namespace

double deltaTSeconds(double decimalYear) {
    if (!std::isfinite(decimalYear)) {
        return NAN;
    }
    const std::span<const DeltaTPoint> table(g_DeltaTTable);
    const DeltaTPoint& first = table.front();
    const DeltaTPoint& last = table.back();
    if (decimalYear < first.year || decimalYear > last.year) {
        const DeltaTPoint& end = decimalYear < first.year ? first : last;
        const double weight =
            std::max(0.0, 1.0 - std::abs(decimalYear - end.year) / kDeltaTBlendYears);
        return espenakMeeus(decimalYear) + weight * (end.seconds - espenakMeeus(end.year));
    }
    const auto after =
        std::lower_bound(table.begin() + 1, table.end() - 1, decimalYear,
                         [](const DeltaTPoint& point, double year) { return point.year < year; });
    const DeltaTPoint& before = *(after - 1);
    return before.seconds + (after->seconds - before.seconds) * (decimalYear - before.year) /
                                (after->year - before.year);
}

double decimalYearOfJulianDate(double julianDate) {
    return 2000.0 + (julianDate - 2451544.5) / 365.2425;
}

}  // namespace quenaro
