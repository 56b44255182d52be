#include "series/CAAEarth.h"

#include "series/ReduceTo360.h"
#include "series/VSOP87Series.h"
#include "series/tables/EarthCoefficients.h"

namespace quenaro {

namespace {
constexpr std::span<const CAAVSOP87Term> longitudeTables[] = {
    g_L0EarthCoefficients, g_L1EarthCoefficients, g_L2EarthCoefficients,
    g_L3EarthCoefficients, g_L4EarthCoefficients, g_L5EarthCoefficients};
constexpr std::span<const CAAVSOP87Term> latitudeTables[] = {g_B0EarthCoefficients,
                                                             g_B1EarthCoefficients};
constexpr std::span<const CAAVSOP87Term> radiusTables[] = {
    g_R0EarthCoefficients, g_R1EarthCoefficients, g_R2EarthCoefficients, g_R3EarthCoefficients,
    g_R4EarthCoefficients};
constexpr VSOP87Series series{longitudeTables, latitudeTables, radiusTables};
}  // namespace

double CAAEarth::EclipticLongitude(double JD) {
    return series.EclipticLongitude(JD);
}

double CAAEarth::EclipticLatitude(double JD) {
    return series.EclipticLatitude(JD);
}

double CAAEarth::RadiusVector(double JD) {
    return series.RadiusVector(JD);
}

double CAAEarth::SunMeanAnomaly(double JD) {
    const double T = (JD - 2451545) / 36525;
    const double T2 = T * T;
    const double T3 = T2 * T;
    return ReduceTo360(((357.5291092 + 35999.0502909 * T) + -0.0001536 * T2) + T3 / 24490000);
}

double CAAEarth::Eccentricity(double JD) {
    const double T = (JD - 2451545) / 36525;
    return (1 + -0.002516 * T) + -0.0000074 * (T * T);
}

}  // namespace quenaro
