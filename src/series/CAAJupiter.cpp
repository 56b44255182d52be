#include "series/CAAJupiter.h"

#include "series/VSOP87Series.h"
#include "series/tables/JupiterCoefficients.h"

namespace quenaro {

namespace {
constexpr std::span<const CAAVSOP87Term> longitudeTables[] = {
    g_L0JupiterCoefficients, g_L1JupiterCoefficients, g_L2JupiterCoefficients,
    g_L3JupiterCoefficients, g_L4JupiterCoefficients, g_L5JupiterCoefficients};
constexpr std::span<const CAAVSOP87Term> latitudeTables[] = {
    g_B0JupiterCoefficients, g_B1JupiterCoefficients, g_B2JupiterCoefficients,
    g_B3JupiterCoefficients, g_B4JupiterCoefficients, g_B5JupiterCoefficients};
constexpr std::span<const CAAVSOP87Term> radiusTables[] = {
    g_R0JupiterCoefficients, g_R1JupiterCoefficients, g_R2JupiterCoefficients,
    g_R3JupiterCoefficients, g_R4JupiterCoefficients, g_R5JupiterCoefficients};
constexpr VSOP87Series series{longitudeTables, latitudeTables, radiusTables};
}  // namespace

double CAAJupiter::EclipticLongitude(double JD) {
    return series.EclipticLongitude(JD);
}

double CAAJupiter::EclipticLatitude(double JD) {
    return series.EclipticLatitude(JD);
}

double CAAJupiter::RadiusVector(double JD) {
    return series.RadiusVector(JD);
}

}  // namespace quenaro
