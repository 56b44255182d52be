#include "drawing/Geometry.h"

#include <numbers>

namespace quenaro {

Transform Transform::rotation(double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return {c, s, -s, c, 0, 0};
}

}  // namespace quenaro
