#pragma once

#include "drawing/Geometry.h"

namespace quenaro {

/// The angle of `position` about `centre`, radians, measured clockwise on screen from the
/// positive x axis.
double angleAbout(Point position, Point centre);

/// The turn of the line through two fingers from where they were to where they are, radians,
/// clockwise on screen.
double twoFingerTurn(Point firstBefore, Point secondBefore, Point firstNow, Point secondNow);

/// The chart's turn after adding `radians` to `rotation`: within [-pi, pi]; a turn that is
/// not a number leaves it as it was.
double turnedBy(double rotation, double radians);

/// Recognises a double tap: a tap that comes within the interval of the last and lands near
/// it (24 points). A tap that makes a double tap does not start another.
class DoubleTap {
  public:
    /// How far apart two taps may land, points.
    static constexpr double kDistancePoints = 24.0;

    /// A single finger's tap at `position`, `milliseconds` on any steady clock, with the
    /// platform's double-click interval. True when it completes a double tap.
    bool tap(Point position, double milliseconds, double intervalMilliseconds);
    /// Forgets the last tap (a turn or a second finger came between).
    void reset() { hasLast_ = false; }

  private:
    bool hasLast_ = false;
    double lastMilliseconds_ = 0.0;
    Point lastPosition_;
};

}  // namespace quenaro
