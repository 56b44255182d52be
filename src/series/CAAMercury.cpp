#include "series/CAAMercury.h"

#include "series/VSOP87Series.h"
#include "series/tables/MercuryCoefficients.h"

namespace quenaro {

namespace {
constexpr std::span<const CAAVSOP87Term> longitudeTables[] = {
    g_L0MercuryCoefficients, g_L1MercuryCoefficients, g_L2MercuryCoefficients,
    g_L3MercuryCoefficients, g_L4MercuryCoefficients, g_L5MercuryCoefficients};
constexpr std::span<const CAAVSOP87Term> latitudeTables[] = {
    g_B0MercuryCoefficients, g_B1MercuryCoefficients, g_B2MercuryCoefficients,
    g_B3MercuryCoefficients, g_B4MercuryCoefficients};
constexpr std::span<const CAAVSOP87Term> radiusTables[] = {
    g_R0MercuryCoefficients, g_R1MercuryCoefficients, g_R2MercuryCoefficients,
    g_R3MercuryCoefficients};
constexpr VSOP87Series series{longitudeTables, latitudeTables, radiusTables};
}  // namespace

double CAAMercury::EclipticLongitude(double JD) {
    return series.EclipticLongitude(JD);
}

double CAAMercury::EclipticLatitude(double JD) {
    return series.EclipticLatitude(JD);
}

double CAAMercury::RadiusVector(double JD) {
    return series.RadiusVector(JD);
}

}  // namespace quenaro
