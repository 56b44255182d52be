#pragma once

#include "drawing/DialDrag.h"
#include "drawing/DialLayout.h"

namespace quenaro {

/// The part of the dial the user holds.
enum class OrreryHold {
    None = 0,
    /// The Sun: a drag turns the time of day.
    Sun = 1,
    /// The zodiac ring: a drag turns the date.
    Ring = 2
};

/// What a press, then moves, on the orrery dial do, for any pointer (mouse, finger, pen):
/// pressing the Sun and dragging it round turns the time of day (a turn is a day, clockwise
/// later); pressing the ring (beyond 0.7 R, away from the Sun) and dragging it turns the date
/// (a turn is a year, in whole days). Presses within half the radius or off the dial hold
/// nothing.
class DialInput {
  public:
    /// A press at `position` (view points) on the dial `layout`, the Sun standing at dial
    /// angle `sunAngle` (orientation included). Returns what is held from now on.
    OrreryHold press(Point position, const DialLayout& layout, double sunAngle);

    /// A move of the held pointer to `position`: the seconds the model's date moves (the
    /// Sun's turn, or the ring's whole days); 0 when nothing is held or nothing moves.
    double move(Point position, const DialLayout& layout);

    /// The pointer let go (or the view went away): nothing is held.
    void release() { held_ = OrreryHold::None; }

    OrreryHold held() const { return held_; }

  private:
    OrreryHold held_ = OrreryHold::None;
    Point last_;
    RingDrag ringDrag_;
};

/// Wheel turns counted into notches of 15 degrees (120 eighths of a degree), the part not yet
/// worth a notch kept for the next turn.
class WheelNotches {
  public:
    /// Adds a turn in eighths of a degree and returns the whole notches it completes.
    int turn(int eighths);

  private:
    int eighths_ = 0;
};

}  // namespace quenaro
