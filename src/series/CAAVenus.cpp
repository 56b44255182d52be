#include "series/CAAVenus.h"

#include "series/VSOP87Series.h"
#include "series/tables/VenusCoefficients.h"

namespace quenaro {

namespace {
constexpr std::span<const CAAVSOP87Term> longitudeTables[] = {
    g_L0VenusCoefficients, g_L1VenusCoefficients, g_L2VenusCoefficients,
    g_L3VenusCoefficients, g_L4VenusCoefficients, g_L5VenusCoefficients};
constexpr std::span<const CAAVSOP87Term> latitudeTables[] = {
    g_B0VenusCoefficients, g_B1VenusCoefficients, g_B2VenusCoefficients, g_B3VenusCoefficients,
    g_B4VenusCoefficients};
constexpr std::span<const CAAVSOP87Term> radiusTables[] = {
    g_R0VenusCoefficients, g_R1VenusCoefficients, g_R2VenusCoefficients, g_R3VenusCoefficients,
    g_R4VenusCoefficients};
constexpr VSOP87Series series{longitudeTables, latitudeTables, radiusTables};
}  // namespace

double CAAVenus::EclipticLongitude(double JD) {
    return series.EclipticLongitude(JD);
}

double CAAVenus::EclipticLatitude(double JD) {
    return series.EclipticLatitude(JD);
}

double CAAVenus::RadiusVector(double JD) {
    return series.RadiusVector(JD);
}

}  // namespace quenaro
