#pragma once

namespace quenaro {

/// The bodies the precise source places.
enum class PreciseBody { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn };

/// A geocentric apparent place on the true equator and equinox of date, and on the true
/// ecliptic of date; angles in degrees, longitude and right ascension in [0, 360).
struct ApparentPlace {
    double rightAscension;
    double declination;
    double longitude;
    double latitude;
    /// The geometric distance from the Earth's centre at the moment, km.
    double distanceKilometres;
    /// The light time from the body to the Earth's centre, days.
    double lightTimeDays;
};

/// The body's apparent place at the Julian date of TT (TDB to within 2 ms): VSOP87B for the
/// Earth and the planets, ELP/MPP02 for the Moon; light time (the body where it was when the
/// light left it), the Sun's deflection of a planet's light, annual aberration from the Earth's
/// barycentric velocity, IAU 2006 precession and IAU 2000B nutation (ERFA). The VSOP87 frame's
/// FK5 equator of J2000 is taken as the ICRS, which it matches to about 0.02 arcsecond. NaN
/// fields for a non-finite date.
ApparentPlace apparentPlace(PreciseBody body, double julianEphemerisDate);

/// The true obliquity of the ecliptic at the Julian date of TT, degrees: IAU 2006's mean
/// obliquity plus IAU 2000B's nutation in obliquity (ERFA), the angle between the true equator
/// and the true ecliptic of date on which apparentPlace() gives its places. NaN for a
/// non-finite date.
double trueObliquity(double julianEphemerisDate);

}  // namespace quenaro
