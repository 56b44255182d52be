#pragma once

namespace quenaro {

/// A pair of coordinates returned by value; what X and Y hold is said by each operation.
struct CAACoordinatePair {
    double X;
    double Y;
};

/// Angle notation and the ecliptic-to-equatorial rotation.
class CAACoordinateTransformation {
  public:
    /// Decimal degrees from degrees, minutes and seconds of arc.
    /// With `positive` set: (Degrees + Minutes / 60) + Seconds / 3600, any signs allowed.
    /// With it clear: (-Minutes / 60 - Degrees) - Seconds / 3600, where every part must be
    /// >= 0; a negative (or NaN) part throws std::logic_error "Degrees >= 0", "Minutes >= 0" or
    /// "Seconds >= 0", checked in that order.
    static double DMSToDegrees(double Degrees, double Minutes, double Seconds, bool positive);

    /// Ecliptic (longitude, latitude) to equatorial coordinates for the obliquity `epsilon`;
    /// all inputs in degrees. X = right ascension in hours, [0, 24); Y = declination in
    /// degrees, [-90, 90]. Standard spherical rotation about the equinox direction.
    static CAACoordinatePair Ecliptic2Equatorial(double Lambda, double Beta, double Epsilon);
};

}  // namespace quenaro
