#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/Coordinate.h"
#include "model/Ephemeris.h"
#include "time/EphemerisDate.h"

namespace quenaro {

class Ephemeris;

/// Rise, transit and set of one body on the model's local calendar day (Ephemeris::dayEvents),
/// each absent when it does not happen.
struct RiseTransitSet {
    std::optional<EphemerisDate> rise;
    std::optional<EphemerisDate> transit;
    std::optional<EphemerisDate> set;
};

/// Morning start and evening end of one twilight (the Sun crossing -6, -12 or -18 degrees),
/// each absent when the Sun does not cross that depression so (Ephemeris::dayEvents).
struct TwilightTimes {
    std::optional<EphemerisDate> start;
    std::optional<EphemerisDate> end;
};

/// The four sidereal times, degrees [0, 360].
struct SiderealTimes {
    double localMeanDegrees = 0.0;
    double localApparentDegrees = 0.0;
    double greenwichMeanDegrees = 0.0;
    double greenwichApparentDegrees = 0.0;
};

struct SunFigures {
    /// Apparent position, then horizontal for the place, then ecliptic from the equatorial.
    Coordinate coordinate;
    double distanceAU = 0.0;
    double diameterArcseconds = 0.0;
    /// "Sagittarius 15° 12'".
    std::string zodiac;
    RiseTransitSet times;
    /// Azimuths of sunrise and sunset by the hour-by-hour scan, degrees from north through
    /// east; NaN when the scan finds no such crossing.
    double riseAzimuthDegrees = 0.0;
    double setAzimuthDegrees = 0.0;
    /// Seconds from rise to set; 86400 on a day the Sun is up all day, 0 on one it is down
    /// all day; absent on a day with only one of rise and set.
    std::optional<double> lengthOfDaySeconds;
    TwilightTimes civil;
    TwilightTimes nautical;
    TwilightTimes astronomical;
};

struct MoonFigures {
    /// Geocentric position, then horizontal for the place, then ecliptic from the equatorial.
    Coordinate coordinate;
    double distanceKilometres = 0.0;
    double diameterArcseconds = 0.0;
    RiseTransitSet times;
    /// Days since new Moon by the mean synodic month, [0, 29.53).
    double ageDays = 0.0;
    /// "Waxing Gibbous".
    std::string phaseName;
    /// Phase angle (Ephemeris::elongationFromSun), degrees [-180, 180]: 0 full, +-180 new,
    /// positive waxing.
    double phaseAngleDegrees = 0.0;
    /// Illuminated fraction of the disc, [0, 1].
    double illuminatedFraction = 0.0;
    /// Mean lunations since 1923-01-17, counted from 1. Absent when the model cannot count
    /// them: it counts to the date 28 days on, which must lie within the years dates support.
    std::optional<int> lunation;
    /// Selenographic longitude of the Sun, degrees (unreduced).
    double limbAngleDegrees = 0.0;
};

struct PlanetFigures {
    /// "Mercury".
    std::string name;
    /// The model's planet index (2 Mercury, 3 Venus, 5 Mars, 6 Jupiter, 7 Saturn).
    int index = 0;
    /// Apparent geocentric ecliptic latitude and longitude from the model's planet
    /// operations, degrees.
    double latitudeDegrees = 0.0;
    double longitudeDegrees = 0.0;
    /// A record with those two fields, then equatorial (which adds the nutation in longitude
    /// to `longitude`), then horizontal for the place.
    Coordinate coordinate;
    RiseTransitSet times;
};

/// Lengths of one planetary hour, seconds; absent when an event they need is.
struct PlanetaryHourFigures {
    std::optional<double> dayHourSeconds;
    std::optional<double> nightHourSeconds;
};

/// The position source that placed the Sun, the Moon and the planets (Ephemeris::
/// setPositionSource), as the sheet names it.
struct PositionSourceFigures {
    /// The source's name ("precise").
    std::string name;
    /// TT - UT at the figures' moment, seconds.
    double deltaTSeconds = 0.0;
};

/// Every figure the almanac sheet shows, computed once from one model.
struct EphemerisFigures {
    /// Figures for the date, every other field still to be filled.
    explicit EphemerisFigures(const EphemerisDate& figuresDate) : date(figuresDate) {}

    EphemerisDate date;
    /// "Europe/Berlin".
    std::string timeZoneName;
    double julianDate = 0.0;
    /// Absent when the model's own series placed the bodies.
    std::optional<PositionSourceFigures> positions;
    double latitudeDegrees = 0.0;
    double longitudeDegrees = 0.0;
    SiderealTimes siderealTime;
    /// Degrees of hour angle (minutes of time * 15 / 60).
    double equationOfTimeDegrees = 0.0;
    SunFigures sun;
    MoonFigures moon;
    /// Mercury, Venus, Mars, Jupiter, Saturn, in that order.
    std::array<PlanetFigures, kNakedEyePlanets.size()> planets;
    PlanetaryHourFigures planetaryHours;
};

/// Computes the sheet's figures for the model's date and place, each costly model operation
/// once. Events that do not happen on the day are absent and leave the other figures intact.
/// The night hour follows the model's own definition: it ends at the next day's sunrise at
/// the best known position (ObserverPosition.h), which callers set to the model's place.
EphemerisFigures computeFigures(const Ephemeris& model);

/// The model's position source and its Delta T at the model's moment; none while the model's
/// own series place the bodies.
std::optional<PositionSourceFigures> positionSourceFigures(const Ephemeris& model);

}  // namespace quenaro
