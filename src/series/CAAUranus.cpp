#include "series/CAAUranus.h"

#include "series/VSOP87Series.h"
#include "series/tables/UranusCoefficients.h"

namespace quenaro {

namespace {
constexpr std::span<const CAAVSOP87Term> longitudeTables[] = {
    g_L0UranusCoefficients, g_L1UranusCoefficients, g_L2UranusCoefficients, g_L3UranusCoefficients,
    g_L4UranusCoefficients};
constexpr std::span<const CAAVSOP87Term> latitudeTables[] = {
    g_B0UranusCoefficients, g_B1UranusCoefficients, g_B2UranusCoefficients, g_B3UranusCoefficients,
    g_B4UranusCoefficients};
constexpr std::span<const CAAVSOP87Term> radiusTables[] = {
    g_R0UranusCoefficients, g_R1UranusCoefficients, g_R2UranusCoefficients, g_R3UranusCoefficients,
    g_R4UranusCoefficients};
constexpr VSOP87Series series{longitudeTables, latitudeTables, radiusTables};
}  // namespace

double CAAUranus::EclipticLongitude(double JD) {
    return series.EclipticLongitude(JD);
}

double CAAUranus::EclipticLatitude(double JD) {
    return series.EclipticLatitude(JD);
}

double CAAUranus::RadiusVector(double JD) {
    return series.RadiusVector(JD);
}

}  // namespace quenaro
