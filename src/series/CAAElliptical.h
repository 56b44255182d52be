#pragma once

namespace quenaro {

/// The apparent geocentric position of a body, returned by value.
struct CAAEllipticalResult {
    /// Apparent geocentric ecliptic longitude, degrees; normally in [0, 360], but the
    /// corrections added after the reduction can take it slightly below 0 or above 360.
    double GeocentricLongitude;
    /// Apparent geocentric ecliptic latitude, degrees.
    double GeocentricLatitude;
    /// Earth-body distance at the light-time-corrected instant, AU.
    double GeocentricDistance;
    /// Light time for that distance, days.
    double LightTime;
    /// Right ascension, hours in [0, 24), referred to the mean obliquity of date.
    double GeocentricRA;
    /// Declination, degrees, referred to the mean obliquity of date.
    double GeocentricDeclination;
};

/// Apparent geocentric positions of the Sun and the planets: the body's heliocentric series
/// minus the Earth's (VSOP87D; Pluto its own periodic series), corrected for light time by
/// iteration, for annual aberration, to the FK5 frame and for the nutation in longitude, then
/// rotated to equatorial coordinates with the mean obliquity of date.
class CAAElliptical {
  public:
    /// Which body to compute.
    enum EllipticalObject : int {
        SUN = 0,
        MERCURY = 1,
        VENUS = 2,
        MARS = 3,
        JUPITER = 4,
        SATURN = 5,
        URANUS = 6,
        NEPTUNE = 7,
        PLUTO = 8,
    };

    /// The apparent geocentric position of `object` at JD (a Julian date taken as dynamical
    /// time). Throws std::logic_error "false" for a value outside SUN..PLUTO.
    static CAAEllipticalResult Calculate(double JD, EllipticalObject object);
};

}  // namespace quenaro
