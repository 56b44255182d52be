// Where things stand on the orrery dial: dial angles, the base rotation by sidereal time and
// the angle a drag turns about the centre.

#include "drawing/DialLayout.h"

#include <cmath>
#include <numbers>

namespace quenaro {

namespace {
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
}  // namespace

Point dialPoint(double angleDegrees, double radius) {
    const double radians = angleDegrees * kRadiansPerDegree;
    return {radius * std::sin(radians), radius * std::cos(radians)};
}

float dialRotation(double localApparentSiderealTimeDegrees) {
    return static_cast<float>(180.0 - localApparentSiderealTimeDegrees);
}

double turnAboutCentre(Point from, Point to) {
    double turn = std::atan2(to.y, to.x) - std::atan2(from.y, from.x);
    if (turn > std::numbers::pi) {
        turn -= 2 * std::numbers::pi;
    } else if (turn < -std::numbers::pi) {
        turn += 2 * std::numbers::pi;
    }
    return turn;
}

}  // namespace quenaro
