#include "series/CAANeptune.h"

#include "series/VSOP87Series.h"
#include "series/tables/NeptuneCoefficients.h"

namespace quenaro {

namespace {
constexpr std::span<const CAAVSOP87Term> longitudeTables[] = {
    g_L0NeptuneCoefficients, g_L1NeptuneCoefficients, g_L2NeptuneCoefficients,
    g_L3NeptuneCoefficients, g_L4NeptuneCoefficients};
constexpr std::span<const CAAVSOP87Term> latitudeTables[] = {
    g_B0NeptuneCoefficients, g_B1NeptuneCoefficients, g_B2NeptuneCoefficients,
    g_B3NeptuneCoefficients, g_B4NeptuneCoefficients};
constexpr std::span<const CAAVSOP87Term> radiusTables[] = {
    g_R0NeptuneCoefficients, g_R1NeptuneCoefficients, g_R2NeptuneCoefficients,
    g_R3NeptuneCoefficients};
constexpr VSOP87Series series{longitudeTables, latitudeTables, radiusTables};
}  // namespace

double CAANeptune::EclipticLongitude(double JD) {
    return series.EclipticLongitude(JD);
}

double CAANeptune::EclipticLatitude(double JD) {
    return series.EclipticLatitude(JD);
}

double CAANeptune::RadiusVector(double JD) {
    return series.RadiusVector(JD);
}

}  // namespace quenaro
