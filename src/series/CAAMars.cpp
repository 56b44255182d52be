#include "series/CAAMars.h"

#include "series/VSOP87Series.h"
#include "series/tables/MarsCoefficients.h"

namespace quenaro {

namespace {
constexpr std::span<const CAAVSOP87Term> longitudeTables[] = {
    g_L0MarsCoefficients, g_L1MarsCoefficients, g_L2MarsCoefficients,
    g_L3MarsCoefficients, g_L4MarsCoefficients, g_L5MarsCoefficients};
constexpr std::span<const CAAVSOP87Term> latitudeTables[] = {
    g_B0MarsCoefficients, g_B1MarsCoefficients, g_B2MarsCoefficients, g_B3MarsCoefficients,
    g_B4MarsCoefficients};
constexpr std::span<const CAAVSOP87Term> radiusTables[] = {
    g_R0MarsCoefficients, g_R1MarsCoefficients, g_R2MarsCoefficients, g_R3MarsCoefficients,
    g_R4MarsCoefficients};
constexpr VSOP87Series series{longitudeTables, latitudeTables, radiusTables};
}  // namespace

double CAAMars::EclipticLongitude(double JD) {
    return series.EclipticLongitude(JD);
}

double CAAMars::EclipticLatitude(double JD) {
    return series.EclipticLatitude(JD);
}

double CAAMars::RadiusVector(double JD) {
    return series.RadiusVector(JD);
}

}  // namespace quenaro
