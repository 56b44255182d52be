#include "series/VSOP87Series.h"

#include <cmath>

#include "series/AngleUnits.h"
#include "series/ReduceTo360.h"

namespace quenaro {

namespace {

/// ((S0 + S1 tau) + S2 tau^2) + ..., tau^k by repeated multiplication, in units of the tables.
double sumTables(VSOP87Tables tables, double JD) {
    const double tau = (JD - 2451545) / 365250;
    double value = 0;
    double tauPower = 1;
    for (std::size_t power = 0; power < tables.size(); ++power) {
        double sum = 0;
        for (const CAAVSOP87Term& term : tables[power]) {
            sum += term.A * std::cos(term.B + term.C * tau);
        }
        if (power == 0) {
            value = sum;
        } else {
            tauPower *= tau;
            value += sum * tauPower;
        }
    }
    return value / 100000000;
}

}  // namespace

double VSOP87Series::EclipticLongitude(double JD) const {
    return ReduceTo360(RadiansToDegrees(sumTables(longitude, JD)));
}

double VSOP87Series::EclipticLatitude(double JD) const {
    return RadiansToDegrees(sumTables(latitude, JD));
}

double VSOP87Series::RadiusVector(double JD) const {
    return sumTables(radiusVector, JD);
}

}  // namespace quenaro
