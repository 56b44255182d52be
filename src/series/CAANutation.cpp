#include "series/CAANutation.h"

#include <cmath>

#include "series/AngleUnits.h"
#include "series/CAACoordinateTransformation.h"
#include "series/ReduceTo360.h"
#include "series/tables/NutationCoefficients.h"

namespace quenaro {

namespace {

/// Julian centuries from J2000.0 and the five fundamental arguments in degrees, [0, 360].
struct FundamentalArguments {
    double T;
    double D;
    double M;
    double MPrime;
    double F;
    double Omega;
};

FundamentalArguments fundamentalArguments(double JD) {
    const double T = (JD - 2451545) / 36525;
    const double T2 = T * T;
    const double T3 = T2 * T;
    return {T,
            ReduceTo360(((297.85036 + 445267.11148 * T) + -0.0019142 * T2) + T3 / 189474),
            ReduceTo360(((357.52772 + 35999.05034 * T) + -0.0001603 * T2) + T3 / -300000),
            ReduceTo360(((134.96298 + 477198.867398 * T) + 0.0086972 * T2) + T3 / 56250),
            ReduceTo360(((93.27191 + 483202.017538 * T) + -0.0036825 * T2) + T3 / 327270),
            ReduceTo360(((125.04452 + -1934.136261 * T) + 0.0020708 * T2) + T3 / 450000)};
}

/// The argument of one term, in radians.
double termArgument(const CAANutationTerm& term, const FundamentalArguments& arguments) {
    return DegreesToRadians(
        (((term.D * arguments.D + term.M * arguments.M) + term.MPrime * arguments.MPrime) +
         term.F * arguments.F) +
        term.Omega * arguments.Omega);
}

}  // namespace

double CAANutation::NutationInLongitude(double JD) {
    const FundamentalArguments arguments = fundamentalArguments(JD);
    double arcseconds = 0;
    for (const CAANutationTerm& term : g_NutationCoefficients) {
        arcseconds += (term.SinConst + term.SinPerT * arguments.T) *
                      std::sin(termArgument(term, arguments)) * 0.0001;
    }
    return arcseconds;
}

double CAANutation::NutationInObliquity(double JD) {
    const FundamentalArguments arguments = fundamentalArguments(JD);
    double arcseconds = 0;
    for (const CAANutationTerm& term : g_NutationCoefficients) {
        arcseconds += (term.CosConst + term.CosPerT * arguments.T) *
                      std::cos(termArgument(term, arguments)) * 0.0001;
    }
    return arcseconds;
}

double CAANutation::MeanObliquityOfEcliptic(double JD) {
    const double U = (JD - 2451545) / 3652500;
    const double U2 = U * U;
    const double U3 = U2 * U;
    const double U4 = U3 * U;
    const double U5 = U4 * U;
    const double U6 = U5 * U;
    const double U7 = U6 * U;
    const double U8 = U7 * U;
    const double U9 = U8 * U;
    const double U10 = U9 * U;
    auto arcseconds = [](double seconds) {
        return CAACoordinateTransformation::DMSToDegrees(0, 0, seconds, true);
    };
    return CAACoordinateTransformation::DMSToDegrees(23, 26, 21.448, true) -
           arcseconds(4680.93) * U - arcseconds(1.55) * U2 + arcseconds(1999.25) * U3 -
           arcseconds(51.38) * U4 - arcseconds(249.67) * U5 - arcseconds(39.05) * U6 +
           arcseconds(7.12) * U7 + arcseconds(27.87) * U8 + arcseconds(5.79) * U9 +
           arcseconds(2.45) * U10;
}

}  // namespace quenaro
