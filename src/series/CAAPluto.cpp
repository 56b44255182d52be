#include "series/CAAPluto.h"

#include <cmath>
#include <cstddef>
#include <iterator>

#include "series/AngleUnits.h"
#include "series/ReduceTo360.h"
#include "series/tables/PlutoCoefficients.h"

namespace quenaro {

namespace {

/// Julian centuries from J2000.0 of a Julian date.
double centuries(double JD) {
    return (JD - 2451545) / 36525;
}

/// The sum over all terms of A sin(alpha) + B cos(alpha) of one coordinate's coefficients,
/// alpha = (J j + S s) + P p with j, s, p the mean longitudes of Jupiter, Saturn and Pluto.
double sumTerms(const CAAPlutoTerm (&coefficients)[std::size(g_PlutoArgumentCoefficients)],
                double T) {
    const double jupiterDegrees = 34.35 + 3034.9057 * T;
    const double saturnDegrees = 50.08 + 1222.1138 * T;
    const double plutoDegrees = 238.96 + 144.96 * T;
    double sum = 0;
    for (std::size_t row = 0; row < std::size(g_PlutoArgumentCoefficients); ++row) {
        const CAAPlutoArgument& argument = g_PlutoArgumentCoefficients[row];
        const double alpha = DegreesToRadians(
            (argument.J * jupiterDegrees + argument.S * saturnDegrees) + argument.P * plutoDegrees);
        sum += coefficients[row].A * std::sin(alpha) + coefficients[row].B * std::cos(alpha);
    }
    return sum;
}

}  // namespace

double CAAPluto::EclipticLongitude(double JD) {
    const double T = centuries(JD);
    return ReduceTo360(sumTerms(g_PlutoLongitudeCoefficients, T) / 1000000 +
                       (238.958116 + 144.96 * T));
}

double CAAPluto::EclipticLatitude(double JD) {
    return sumTerms(g_PlutoLatitudeCoefficients, centuries(JD)) / 1000000 - 3.908239;
}

double CAAPluto::RadiusVector(double JD) {
    return sumTerms(g_PlutoRadiusCoefficients, centuries(JD)) / 10000000 + 40.7241346;
}

}  // namespace quenaro
