#include "series/ReduceTo360.h"

#include <cmath>

namespace quenaro {

namespace {
// Beyond this magnitude the loops would take more than a million turns.
constexpr double loopLimitDegrees = 360.0 * 1000000.0;
}  // namespace

double ReduceTo360(double degrees) {
    if (!std::isfinite(degrees)) {
        return degrees;
    }
    if (std::fabs(degrees) > loopLimitDegrees) {
        const double remainder = std::fmod(degrees, 360.0);  // exact, sign of degrees
        if (degrees > 0.0) {
            return remainder == 0.0 ? 360.0 : remainder;
        }
        return remainder < 0.0 ? remainder + 360.0 : 0.0;
    }
    while (degrees < 0.0) {
        degrees += 360.0;
    }
    while (degrees > 360.0) {
        degrees -= 360.0;
    }
    return degrees;
}

}  // namespace quenaro
