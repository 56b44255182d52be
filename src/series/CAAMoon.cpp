#include "series/CAAMoon.h"

#include <cmath>
#include <cstddef>
#include <iterator>

#include "series/AngleUnits.h"
#include "series/CAAEarth.h"
#include "series/CAANutation.h"
#include "series/ReduceTo360.h"
#include "series/tables/MoonCoefficients.h"

namespace quenaro {

namespace {

double centuries(double JD) {
    return (JD - 2451545) / 36525;
}

/// (((c0 + c1 T) + c2 T^2) + T^3 / c3) + T^4 / c4, reduced to [0, 360].
double meanElement(double JD, double c0, double c1, double c2, double c3, double c4) {
    const double T = centuries(JD);
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    return ReduceTo360((((c0 + c1 * T) + c2 * T2) + T3 / c3) + T4 / c4);
}

/// The arguments every periodic term is built from: the mean longitude in degrees, the mean
/// elements and the Sun's mean anomaly in radians, the eccentricity factor and its square, and
/// the additive arguments A1, A2, A3 in radians.
struct MoonArguments {
    double LPrimeDegrees;
    double LPrime;
    double D;
    double M;
    double MPrime;
    double F;
    double E;
    double ESquared;
    double A1;
    double A2;
    double A3;

    explicit MoonArguments(double JD)
        : LPrimeDegrees(CAAMoon::MeanLongitude(JD)),
          LPrime(DegreesToRadians(LPrimeDegrees)),
          D(DegreesToRadians(CAAMoon::MeanElongation(JD))),
          M(DegreesToRadians(CAAEarth::SunMeanAnomaly(JD))),
          MPrime(DegreesToRadians(CAAMoon::MeanAnomaly(JD))),
          F(DegreesToRadians(CAAMoon::ArgumentOfLatitude(JD))),
          E(CAAEarth::Eccentricity(JD)),
          ESquared(E * E),
          A1(DegreesToRadians(ReduceTo360(119.75 + 131.849 * centuries(JD)))),
          A2(DegreesToRadians(ReduceTo360(53.09 + 479264.29 * centuries(JD)))),
          A3(DegreesToRadians(ReduceTo360(313.45 + 481266.484 * centuries(JD)))) {}

    /// The argument of a term, radians.
    double argument(const CAAMoonArgument& term) const {
        return ((term.D * D + term.M * M) + term.MPrime * MPrime) + term.F * F;
    }

    /// A term's coefficient scaled by E for |M| = 1 and by E^2 for |M| = 2 (the decrease of
    /// the eccentricity of the Earth's orbit).
    double scaled(double coefficient, const CAAMoonArgument& term) const {
        if (term.M == 1 || term.M == -1) {
            return coefficient * E;
        }
        if (term.M == 2 || term.M == -2) {
            return coefficient * ESquared;
        }
        return coefficient;
    }
};

}  // namespace

double CAAMoon::MeanLongitude(double JD) {
    return meanElement(JD, 218.3164477, 481267.88123421, -0.0015786, 538841, -65194000);
}

double CAAMoon::MeanElongation(double JD) {
    return meanElement(JD, 297.8501921, 445267.1114034, -0.0018819, 545868, -113065000);
}

double CAAMoon::MeanAnomaly(double JD) {
    return meanElement(JD, 134.9633964, 477198.8675055, 0.0087414, 69699, -14712000);
}

double CAAMoon::ArgumentOfLatitude(double JD) {
    return meanElement(JD, 93.272095, 483202.0175233, -0.0036539, -3526000, 863310000);
}

double CAAMoon::MeanLongitudeAscendingNode(double JD) {
    return meanElement(JD, 125.0445479, -1934.1362891, 0.0020754, 467441, -60616000);
}

double CAAMoon::EclipticLongitude(double JD) {
    const MoonArguments arguments(JD);
    double sigmaL = 0;
    for (std::size_t row = 0; row < std::size(g_MoonCoefficients1); ++row) {
        const CAAMoonArgument& term = g_MoonCoefficients1[row];
        sigmaL += arguments.scaled(g_MoonCoefficients2[row].SigmaL, term) *
                  std::sin(arguments.argument(term));
    }
    sigmaL = ((sigmaL + 3958 * std::sin(arguments.A1)) +
              1962 * std::sin(arguments.LPrime - arguments.F)) +
             318 * std::sin(arguments.A2);
    const double nutationArcseconds = CAANutation::NutationInLongitude(JD);
    return ReduceTo360((arguments.LPrimeDegrees + sigmaL / 1000000) + nutationArcseconds / 3600);
}

double CAAMoon::EclipticLatitude(double JD) {
    const MoonArguments arguments(JD);
    double sigmaB = 0;
    for (std::size_t row = 0; row < std::size(g_MoonCoefficients3); ++row) {
        const CAAMoonArgument& term = g_MoonCoefficients3[row];
        sigmaB +=
            arguments.scaled(g_MoonCoefficients4[row], term) * std::sin(arguments.argument(term));
    }
    sigmaB = sigmaB + -2235 * std::sin(arguments.LPrime) + 382 * std::sin(arguments.A3) +
             175 * std::sin(arguments.A1 - arguments.F) +
             175 * std::sin(arguments.A1 + arguments.F) +
             127 * std::sin(arguments.LPrime - arguments.MPrime) +
             -115 * std::sin(arguments.LPrime + arguments.MPrime);
    return sigmaB / 1000000;
}

double CAAMoon::RadiusVector(double JD) {
    const MoonArguments arguments(JD);
    double sigmaR = 0;
    for (std::size_t row = 0; row < std::size(g_MoonCoefficients1); ++row) {
        const CAAMoonArgument& term = g_MoonCoefficients1[row];
        sigmaR += arguments.scaled(g_MoonCoefficients2[row].SigmaR, term) *
                  std::cos(arguments.argument(term));
    }
    return 385000.56 + sigmaR / 1000;
}

}  // namespace quenaro
