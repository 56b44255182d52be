#include "time/Degrees.h"

#include <cmath>

namespace quenaro {

namespace {
constexpr double kPi = 3.141592653589793;
}

double sind(double degrees) {
    return std::sin(degrees / 180.0 * kPi);
}

double cosd(double degrees) {
    return std::cos(degrees / 180.0 * kPi);
}

double tand(double degrees) {
    return std::tan(degrees / 180.0 * kPi);
}

double asind(double x) {
    return std::asin(x) * 180.0 / kPi;
}

double acosd(double x) {
    return std::acos(x) * 180.0 / kPi;
}

double atan2d(double y, double x) {
    return std::atan2(y, x) * 180.0 / kPi;
}

double mod360(double degrees) {
    double reduced = degrees + -360.0 * std::floor(degrees / 360.0);
    // Only floating-point error can leave the value just below zero.
    while (reduced < 0.0) {
        reduced += 360.0;
    }
    return reduced;
}

}  // namespace quenaro
