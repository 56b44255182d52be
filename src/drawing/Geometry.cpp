#include "drawing/Geometry.h"

#include <numbers>

namespace quenaro {

Transform Transform::rotation(double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return {c, s, -s, c, 0, 0};
}

Transform Transform::after(const Transform& first) const {
    return {m11 * first.m11 + m21 * first.m12,    m12 * first.m11 + m22 * first.m12,
            m11 * first.m21 + m21 * first.m22,    m12 * first.m21 + m22 * first.m22,
            m11 * first.dx + m21 * first.dy + dx, m12 * first.dx + m22 * first.dy + dy};
}

}  // namespace quenaro
