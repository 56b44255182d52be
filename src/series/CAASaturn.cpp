#include "series/CAASaturn.h"

#include "series/VSOP87Series.h"
#include "series/tables/SaturnCoefficients.h"

namespace quenaro {

namespace {
constexpr std::span<const CAAVSOP87Term> longitudeTables[] = {
    g_L0SaturnCoefficients, g_L1SaturnCoefficients, g_L2SaturnCoefficients,
    g_L3SaturnCoefficients, g_L4SaturnCoefficients, g_L5SaturnCoefficients};
constexpr std::span<const CAAVSOP87Term> latitudeTables[] = {
    g_B0SaturnCoefficients, g_B1SaturnCoefficients, g_B2SaturnCoefficients,
    g_B3SaturnCoefficients, g_B4SaturnCoefficients, g_B5SaturnCoefficients};
constexpr std::span<const CAAVSOP87Term> radiusTables[] = {
    g_R0SaturnCoefficients, g_R1SaturnCoefficients, g_R2SaturnCoefficients,
    g_R3SaturnCoefficients, g_R4SaturnCoefficients, g_R5SaturnCoefficients};
constexpr VSOP87Series series{longitudeTables, latitudeTables, radiusTables};
}  // namespace

double CAASaturn::EclipticLongitude(double JD) {
    return series.EclipticLongitude(JD);
}

double CAASaturn::EclipticLatitude(double JD) {
    return series.EclipticLatitude(JD);
}

double CAASaturn::RadiusVector(double JD) {
    return series.RadiusVector(JD);
}

}  // namespace quenaro
