#pragma once

#include <string_view>

#include "model/Coordinate.h"

namespace quenaro {

/// A source of apparent places the model can take instead of its own series (Ephemeris::
/// setPositionSource): the Sun's, the Moon's and the naked-eye planets' geocentric apparent
/// places of date, for the model's moments in Universal Time. The sidereal times, the
/// horizontal frame and everything the source does not place stay the model's own.
class PositionSource {
  public:
    virtual ~PositionSource() = default;

    /// The body's (Ephemeris::Sun, Moon, Mercury, Venus, Mars, Jupiter or Saturn) apparent
    /// place at the Julian date of UT: `longitude` and `latitude` on the true ecliptic of
    /// date, `rightAscension` and `declination` on the true equator of date, degrees,
    /// longitude and right ascension in [0, 360), latitude and declination in [-90, 90];
    /// `radius` the geocentric distance in km; the other fields 0. NaN fields for a
    /// non-finite date. Throws std::out_of_range for another body index.
    virtual Coordinate apparentPlace(int body, double julianDateUT) const = 0;

    /// The obliquity of the true ecliptic of date, on which the source's longitudes and
    /// latitudes lie, degrees, at the Julian date of UT.
    virtual double trueObliquity(double julianDateUT) const = 0;

    /// TT - UT in seconds at the Julian date of UT, the difference the source adds to the
    /// model's moments.
    virtual double deltaTSeconds(double julianDateUT) const = 0;

    /// The source's name as the sheet shows it ("precise").
    virtual std::string_view name() const = 0;
};

}  // namespace quenaro
