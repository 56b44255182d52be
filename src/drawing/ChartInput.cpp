// Turning the star chart and switching its scale: the angles of pointers about its centre
// and the recognition of a double tap, for the mouse, fingers and the browser alike.

#include "drawing/ChartInput.h"

#include <cmath>
#include <numbers>

namespace quenaro {

double angleAbout(Point position, Point centre) {
    return std::atan2(position.y - centre.y, position.x - centre.x);
}

double twoFingerTurn(Point firstBefore, Point secondBefore, Point firstNow, Point secondNow) {
    return angleAbout(firstNow, secondNow) - angleAbout(firstBefore, secondBefore);
}

double turnedBy(double rotation, double radians) {
    if (!std::isfinite(radians)) {
        return rotation;
    }
    return std::remainder(rotation + radians, 2.0 * std::numbers::pi);
}

bool DoubleTap::tap(Point position, double milliseconds, double intervalMilliseconds) {
    const bool doubleTap = hasLast_ && milliseconds - lastMilliseconds_ <= intervalMilliseconds &&
                           distance(position, lastPosition_) <= kDistancePoints;
    hasLast_ = !doubleTap;
    lastMilliseconds_ = milliseconds;
    lastPosition_ = position;
    return doubleTap;
}

}  // namespace quenaro
