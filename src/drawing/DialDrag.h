#pragma once

namespace quenaro {

/// Seconds the model moves when the held Sun is turned by `radians` about the dial's centre
/// (clockwise positive): a full turn is one day of 86400 seconds.
double sunTurnSeconds(double radians);

/// The dates of one drag of the zodiac ring: a full turn is a year of 365.25 days, counted in
/// whole days rounded toward minus infinity over the whole drag. The part of a turn not yet
/// worth a day is carried from one move to the next, so a slow drag of many small moves moves
/// the date as far as one big move through the same angle.
class RingDrag {
  public:
    /// Adds the turn of one move (radians, clockwise positive; limited to [-pi, pi], a
    /// non-finite turn counts as none) and returns the whole days the date moves now: the days
    /// of the whole drag so far less those already moved (within -184..184).
    int turn(double radians);

  private:
    double totalRadians_ = 0.0;
    double daysMoved_ = 0.0;  // whole days, kept as a double: a long drag has no int limit
};

}  // namespace quenaro
