// Time moved by dragging the dial: the Sun turns the time of day, the ring the date.

#include "drawing/DialDrag.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "time/TimeUnits.h"

namespace quenaro {

namespace {
constexpr double kDaysPerYear = 365.25;
constexpr double kFullTurn = 2 * std::numbers::pi;
}  // namespace

double sunTurnSeconds(double radians) {
    return radians / kFullTurn * kSecondsPerDay;
}

int RingDrag::turn(double radians) {
    if (!std::isfinite(radians)) {
        return 0;
    }
    totalRadians_ += std::clamp(radians, -std::numbers::pi, std::numbers::pi);
    const double days = std::floor(totalRadians_ / kFullTurn * kDaysPerYear);
    // One move turns at most half a turn, so the step is a small whole number.
    const double step = days - daysMoved_;
    daysMoved_ = days;
    return static_cast<int>(step);
}

}  // namespace quenaro
