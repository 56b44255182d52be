// Pressing and dragging the orrery dial: which part a press holds and how far a drag moves
// the model's date.

#include "drawing/DialInput.h"

#include <algorithm>

#include "time/TimeUnits.h"

namespace quenaro {

namespace {
constexpr int kEighthsPerNotch = 120;
constexpr int kLargestTurn = kEighthsPerNotch * 10000;
}  // namespace

OrreryHold DialInput::press(Point position, const DialLayout& layout, double sunAngle) {
    const Point offset = position - layout.centre;
    const double distanceSquared = dot(offset, offset);
    const double radius = layout.radius;
    const double deadCentre = DialLayout::kDeadCentre * radius;
    const double ringGrab = DialLayout::kRingGrab * radius;
    last_ = position;
    ringDrag_ = RingDrag();
    held_ = OrreryHold::None;
    if (distanceSquared < radius * radius && distanceSquared > deadCentre * deadCentre) {
        const Point fromSun = position - layout.at(sunAngle, DialLayout::kRingInner);
        if (dot(fromSun, fromSun) < DialLayout::kSunGrabPoints * DialLayout::kSunGrabPoints) {
            held_ = OrreryHold::Sun;
        } else if (distanceSquared > ringGrab * ringGrab) {
            held_ = OrreryHold::Ring;
        }
    }
    return held_;
}

double DialInput::move(Point position, const DialLayout& layout) {
    if (held_ == OrreryHold::None) {
        return 0.0;
    }
    const double turn = turnAboutCentre(last_ - layout.centre, position - layout.centre);
    last_ = position;
    if (held_ == OrreryHold::Sun) {
        return sunTurnSeconds(turn);
    }
    return ringDrag_.turn(turn) * kSecondsPerDay;
}

int WheelNotches::turn(int eighths) {
    // A turn of more than a few thousand notches at once is no real wheel; limiting it keeps
    // the sum within int.
    eighths_ += std::clamp(eighths, -kLargestTurn, kLargestTurn);
    const int notches = eighths_ / kEighthsPerNotch;
    eighths_ %= kEighthsPerNotch;
    return notches;
}

}  // namespace quenaro
