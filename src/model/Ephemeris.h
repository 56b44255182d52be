#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "model/Coordinate.h"
#include "model/DayEvents.h"
#include "model/NoRisesOrSetsCalculable.h"
#include "model/PlanetaryHour.h"
#include "model/PositionSource.h"
#include "time/EphemerisDate.h"

namespace quenaro {

/// The model of the sky for one moment and one place: the date, the observer's latitude and
/// longitude, the Julian date, the positions of the Sun and the Moon, and three cached
/// sidereal times. Its operations are split by subject over several source files: core and
/// frame conversions, Sun, Moon, rising and setting, planets, planetary hours and zodiac,
/// formatting, report.
///
/// Conventions of every operation below:
/// - Angles are degrees (doubles), right ascension and hour angles included (0-360, not
///   hours). Latitude is positive north, longitude positive east.
/// - Time is Universal Time from the date's civil time and zone offset; no delta T, unless a
///   position source is set (setPositionSource), which places the Sun, the Moon and the
///   naked-eye planets at TT = UT + delta T.
///   T = (julianDate - 2451545.0) / 36525 Julian centuries.
/// - Distances in Coordinate::radius are kilometres, for the Sun as for the Moon.
/// - Azimuths in a Coordinate run from the south point towards the west (0 south, 90 west);
///   sunriseAzimuth() and sunsetAzimuth() run from the north through the east.
/// - Errors: NoRisesOrSetsCalculable (a std::invalid_argument with the text "No rises or sets
///   calculable") when an event does not happen on the day; DateOutOfRange when a date the
///   operation needs lies outside the years -9999 to 9999; std::out_of_range for a body
///   index without a position (a caller's mistake). An operation that lists no error does not
///   throw for any finite input.
class Ephemeris {
  public:
    /// Body indices shared by the views, the rise/set operations and the planetary hours.
    enum PlanetIndex {
        Sun = 0,
        Moon = 1,
        Mercury = 2,
        Venus = 3,
        Earth = 4,
        Mars = 5,
        Jupiter = 6,
        Saturn = 7,
        Uranus = 8,
        Neptune = 9,
        Pluto = 10
    };

    /// Altitude kinds, the first argument of calcTimes(): which altitude the events cross.
    enum AltitudeKind {
        /// Rise and set: the Sun at -0.8333 (refraction and semidiameter), the Moon at
        /// 0.7275 p - 0.5667 (p its horizontal parallax), a planet at 0.
        HorizonAltitude = 0,
        /// Any body at -6 (civil twilight).
        CivilTwilight = 1,
        /// Any body at -12 (nautical twilight).
        NauticalTwilight = 2,
        /// Any body at -18 (astronomical twilight).
        AstronomicalTwilight = 3
    };

    /// Positions of the three events in the result of calcTimes().
    enum EventIndex : std::size_t {
        /// The rise (for a twilight kind, the morning crossing: dawn).
        RiseIndex = 0,
        /// The set (for a twilight kind, the evening crossing: dusk).
        SetIndex = 1,
        /// The transit across the meridian.
        TransitIndex = 2
    };

    /// Event codes, the first argument of calcRiseSet().
    enum RiseSetEvent {
        RiseEvent = 0,
        SetEvent = 1,
        TransitEvent = 2,
        CivilDawn = 3,
        NauticalDawn = 4,
        AstronomicalDawn = 5,
        CivilDusk = 6,
        NauticalDusk = 7,
        AstronomicalDusk = 8
    };

    // ---- Object life -------------------------------------------------------------------
    /// The current moment at the observer's best known position (ObserverPosition.h).
    Ephemeris();
    /// The date at the place (latitude -90..90, longitude -180..180 degrees); computes the
    /// Julian date, the Sun and the Moon.
    Ephemeris(const EphemerisDate& date, double latitudeDegrees, double longitudeDegrees);
    /// The date at the observer's best known position.
    static Ephemeris ephemerisForDate(const EphemerisDate& date);
    /// The current moment at the observer's best known position.
    static Ephemeris ephemeris();

    /// Re-dates the model: recomputes the Julian date, the Sun and the Moon, clears the
    /// sidereal-time caches.
    void setDate(const EphemerisDate& date);
    /// Moves the model (degrees, north and east positive): recomputes the Sun and the Moon,
    /// clears the sidereal-time caches.
    void setLatitude(double latitudeDegrees, double longitudeDegrees);

    const EphemerisDate& date() const { return myDate; }
    /// Observer latitude, degrees, north positive.
    double latitude() const { return myLatitude; }
    /// Observer longitude, degrees, east positive.
    double longitude() const { return myLongitude; }
    /// The Julian date (days, UT) copied from the date when it was set.
    double julianDate() const { return myJulianDate; }

    /// Takes the apparent places of the Sun, the Moon and the naked-eye planets from the source
    /// (shared by the model's copies) instead of the model's own series, or from the series
    /// again for null; recomputes the Sun and the Moon.
    void setPositionSource(std::shared_ptr<const PositionSource> source);
    /// The source of the apparent places; null while the model's own series make them.
    const PositionSource* positionSource() const { return myPositionSource.get(); }

    /// A model of the same place and position source for the date.
    Ephemeris copyForDate(const EphemerisDate& date) const;
    /// A model of the same place for the next (previous) calendar day at the same wall time.
    /// Throws DateOutOfRange beyond the supported years.
    Ephemeris copyForTomorrow() const;
    Ephemeris copyForYesterday() const;
    /// A model of the next calendar day at the same wall time at the best known position
    /// (where the night hour's next sunrise is taken), with this model's position source.
    /// Throws DateOutOfRange beyond the supported years.
    Ephemeris copyForTomorrowAtBestKnownPosition() const;

    // ---- Internal: sidereal time, hour angles, nutation, frame conversions ---------------
    /// Greenwich mean sidereal time of the date, degrees [0, 360].
    double greenwichMeanSiderealTime() const;
    /// mod360(t + delta psi * cos(epsilon)): a mean sidereal time in degrees made apparent,
    /// [0, 360].
    double apparentSiderealTimeFor(double siderealTimeDegrees) const;
    /// mod360(t + longitude): a Greenwich sidereal time in degrees made local, [0, 360].
    double localSiderealTimeFor(double siderealTimeDegrees) const;
    /// Sidereal times in degrees, [0, 360], each cached until the date or place changes.
    double greenwichApparentSiderealTime() const;
    double localMeanSiderealTime() const;
    double localApparentSiderealTime() const;
    /// Local hour angle of the record's right ascension, degrees [0, 360).
    double lha(const Coordinate& coordinate) const;
    /// Greenwich hour angle of the record's right ascension, degrees [0, 360).
    double gha(const Coordinate& coordinate) const;
    /// Equation of time in degrees of hour angle (minutes of time * 15 / 60), about -3.6..+4.1,
    /// from the day of the year.
    double equationOfTime() const;
    /// Mean obliquity epsilon (about 23.44) and nutation in longitude delta psi (within
    /// +-0.006), both degrees, from the 31 largest terms of the IAU 1980 series.
    void calcEpsilon(double& epsilonDegrees, double& deltaPsiDegrees) const;
    /// Ecliptic to equatorial in place: adds the nutation in longitude to `longitude`, then
    /// sets `rightAscension` and `declination`, both reduced to [0, 360] (a declination of
    /// -10 is held as 350).
    void calcGeocentric(Coordinate& coordinate) const;
    /// Equatorial to horizontal for this place, in place: `altitude` [-90, 90] (geometric, no
    /// refraction), `azimuth` [0, 360] from the south towards the west.
    void calcHorizontal(Coordinate& coordinate) const;
    /// Equatorial to ecliptic, in place: `longitude` [0, 360], `latitude` [-90, 90]; the
    /// nutation is not removed. With a position source, turned by the source's true obliquity
    /// onto the true ecliptic of date, where the source's places lie.
    void calcEcliptic(Coordinate& coordinate) const;
    /// Ecliptic to equatorial as the calculator converts it, in place: calcGeocentric (which
    /// adds the nutation in longitude, as the series' mean longitudes need); with a position
    /// source the exact inverse of calcEcliptic, `rightAscension` [0, 360], `declination`
    /// [-90, 90].
    void calcGeocentricFromEcliptic(Coordinate& coordinate) const;
    /// Horizontal to equatorial for this place, in place; the inverse of calcHorizontal:
    /// `declination` [-90, 90], `rightAscension` [0, 360].
    void calcGeocentricFromAltAz(Coordinate& coordinate) const;
    /// Geocentric to topocentric equatorial position of the Moon, in place, for an observer
    /// heightMetres above the reference ellipsoid. Sets `parallax` to the horizontal parallax
    /// of this model's Moon (degrees, about 0.9-1.0); `rightAscension` and `declination`
    /// become topocentric and are not reduced.
    void correctPosition(Coordinate& coordinate, double heightMetres) const;
    /// The equatorial horizontal parallax, degrees, of a body at the geocentric distance
    /// (kilometres, > 0): asin(sin(8.794 arcseconds) / distance in AU).
    static double horizontalParallax(double distanceKilometres);

    // ---- Sun -------------------------------------------------------------------------------
    /// Fills the record with the Sun's apparent position for this date: `latitude` 0,
    /// `longitude` with nutation and aberration, `radius` in km, then calcGeocentric.
    void sunCoordinate(Coordinate& coordinate) const;
    /// Brings the Sun's altitude and azimuth up to date in place and returns a copy.
    Coordinate sunCoordinate();
    /// Earth-Sun distance in astronomical units (about 0.983-1.017), recomputed.
    double sunDistance() const;
    /// Apparent diameter of the Sun in arcseconds (about 1887-1952).
    double sunDiameter() const;
    /// The Sun's rise, set and transit on the local calendar day (see calcTimes).
    /// Throw NoRisesOrSetsCalculable on a day without them.
    EphemerisDate sunRise() const;
    EphemerisDate sunSet() const;
    EphemerisDate sunTransit() const;
    /// Seconds from sunrise to sunset, >= 0. Throws NoRisesOrSetsCalculable on a day
    /// without them.
    double lengthOfDay() const;
    /// The zodiac position of the Sun's longitude ("Sagittarius 15° 12'").
    std::string sunZodiacPositionString() const;
    /// Local and Greenwich hour angles of the Sun, degrees [0, 360).
    double sunLHA() const;
    double sunGHA() const;
    /// 357.5291092 + 35999.0502909 T - 0.0001536 T^2, degrees, not reduced.
    double meanAnomalyOfTheSun() const;

    // ---- Rising, setting and twilight --------------------------------------------------------
    /// Rise, set and transit of the body (Sun, Moon, Mercury, Venus, Mars, Jupiter or
    /// Saturn), in the order of EventIndex, against the altitude of the kind (AltitudeKind;
    /// another value means 0 degrees) on the local calendar day of the date; the dates carry
    /// the date's zone. The events belong to the pass that culminates on that day: the
    /// transit lies on it (its refinement, from an estimate on the day, can carry it to the
    /// passage nearest the estimate, less than two hours beside it), the rise may fall the evening
    /// before and the set the morning after. A first estimate holds the body at its position of 0 h
    /// UT of the day; each event is then refined on the positions at the event until a correction
    /// below 2 seconds. The Moon's horizon takes its parallax from the position in use, so the
    /// events of a day do not depend on the time of day of the date. Where that method gives no
    /// consistent pass, the three events of the bracketing search of dayEvents, when it finds all
    /// three. Throws NoRisesOrSetsCalculable when one of the three does not happen that day;
    /// DateOutOfRange when the day or an event lies beyond the supported years;
    /// std::out_of_range for a body index without a position.
    std::array<EphemerisDate, 3> calcTimes(int altitudeKind, int object) const;
    /// What the body (as for calcTimes) does against the altitude of the kind on the local
    /// calendar day of the date, each event only when it happens (DayEvents); the dates carry
    /// the date's zone. Where the refined method of calcTimes gives one consistent pass, its
    /// three events unchanged; else (it throws NoRisesOrSetsCalculable, or its events are no
    /// such pass) those of a bracketing search on the model's own altitude of the body.
    /// Throws DateOutOfRange when the day or an event lies beyond the supported years;
    /// std::out_of_range for a body index without a position.
    DayEvents dayEvents(int altitudeKind, int object) const;
    /// The altitude in degrees whose crossing calcTimes() seeks for the kind and object: the
    /// Sun's horizon -0.8333, the Moon's 0.7275 p - 0.5667 with the parallax p of this
    /// model's Moon (about +0.13), 0 for a planet; -6, -12 and -18 for the twilights.
    double eventAltitude(int altitudeKind, int object) const;
    /// Whether the body (Sun, Moon, Mercury, Venus, Mars, Jupiter or Saturn) stands above the
    /// altitude of the kind at this model's moment: its geometric altitude (calcHorizontal of
    /// its position) against eventAltitude(altitudeKind, object). On a day without the
    /// crossings (calcTimes throws NoRisesOrSetsCalculable) it tells a body above that
    /// altitude all day from one below it all day. Throws std::out_of_range for a body index
    /// without a position.
    bool isAboveEventAltitude(int altitudeKind, int object) const;
    /// One event (RiseSetEvent) of the body, as calcTimes; no date for a code outside 0-8
    /// (nothing is computed then). Throws as calcTimes.
    std::optional<EphemerisDate> calcRiseSet(int event, int object) const;
    /// Sun's azimuth at sunrise and sunset by the hour-by-hour scan, degrees [0, 360) from
    /// north through east; NaN when the scan finds no such crossing that day.
    double sunriseAzimuth() const;
    double sunsetAzimuth() const;
    /// Sunrise and sunset times by the hour-by-hour scan (whole minutes, the date's zone); no
    /// date when the scan finds no such crossing. Throw DateOutOfRange beyond the supported
    /// years.
    std::optional<EphemerisDate> xsunrise() const;
    std::optional<EphemerisDate> xsunset() const;

    // ---- Moon -----------------------------------------------------------------------------
    /// Fills the record with the Moon's geocentric position for this date: `latitude` reduced
    /// to [0, 360) (-5 is held as 355), `longitude` with nutation, `radius` in km, then
    /// calcGeocentric; `parallax` untouched.
    void moonCoordinate(Coordinate& coordinate) const;
    /// Brings the Moon's altitude and azimuth up to date in place and returns a copy.
    Coordinate moonCoordinate();
    /// Earth-Moon distance in kilometres, centre to centre (about 356,000-407,000).
    double moonDistance() const;
    /// Apparent diameter of the Moon in arcseconds (about 1760-2015).
    double moonDiameter() const;
    /// The Moon's rise, set and transit on the local calendar day (see calcTimes).
    /// Throw NoRisesOrSetsCalculable on a day without them.
    EphemerisDate moonRise() const;
    EphemerisDate moonSet() const;
    EphemerisDate moonTransit() const;
    /// The Moon's phase angle, degrees [-180, 180], signed: positive while waxing, negative
    /// while waning; 0 at full Moon, +-180 at new Moon. (Not the elongation, which is 180
    /// minus its magnitude, nearly.)
    double elongationFromSun() const;
    /// Phase angle by a short series, degrees [0, 360).
    double xelongationFromSun() const;
    /// Illuminated fraction of the disc, [0, 1].
    double illuminatedFraction() const;
    /// The same value as illuminatedFraction().
    double currentPhase() const;
    /// "New Moon", "Waxing Crescent", … "Waning Crescent": the phase angle's eighth.
    std::string phaseOfMoonName() const;
    /// Days since new Moon by the mean synodic month, [0, 29.530589).
    double ageOfMoon() const;
    /// Mean synodic month in seconds: 2551443.
    static double lunarPeriod();
    /// Phase by the mean period, (-1, 1): 0 new Moon, 0.5 full Moon (negative before
    /// 2000-05-04). Writes the days to the next full Moon when the pointer is not null.
    float phaseOfMoon(float* daysToFullMoon) const;
    /// Mean lunations since 1923-01-17, counted from 1, as of 28 days after the date.
    /// Throws DateOutOfRange when that day lies beyond the supported years.
    int lunation() const;
    /// The date 28 days later at the same wall time (the argument is not used). Throws
    /// DateOutOfRange beyond the supported years.
    EphemerisDate lastPhase(int phase) const;
    /// The Moon's mean anomaly and mean elongation, degrees [0, 360].
    double meanAnomalyOfTheMoon() const;
    double meanElongationOfTheMoon() const;

    // ---- Lunar extras -------------------------------------------------------------------------
    /// Selenographic longitude of the Sun in degrees (the Moon's terminator), unreduced.
    double limbAngle() const;

    // ---- Planets (apparent geocentric ecliptic coordinates of date, degrees) ---------------
    /// Longitudes [0, 360), latitudes [-90, 90].
    double mercuryLongitude() const;
    double mercuryLatitude() const;
    double venusLongitude() const;
    double venusLatitude() const;
    double marsLongitude() const;
    double marsLatitude() const;
    double jupiterLongitude() const;
    double jupiterLatitude() const;
    double saturnLongitude() const;
    double saturnLatitude() const;
    /// Both ecliptic coordinates of a planet (Mercury, Venus, Mars, Jupiter or Saturn) from
    /// one elliptical calculation: `latitude` and `longitude` as the planet's two operations
    /// give them, every other field 0. Throws std::out_of_range for another index.
    Coordinate planetEclipticPosition(int planet) const;
    /// A planet's (Mercury, Venus, Mars, Jupiter or Saturn) apparent geocentric place:
    /// planetEclipticPosition() then calcGeocentric(), or the position source's place when one
    /// is set (whose longitude already holds the nutation). Throws std::out_of_range for
    /// another index.
    Coordinate planetPosition(int planet) const;

    // ---- Planetary hours --------------------------------------------------------------------
    /// The body index at position n of the Chaldean order (Moon, Mercury, Venus, Sun, Mars,
    /// Jupiter, Saturn), taken cyclically: any n, a negative one counts back from Saturn.
    static int chaledeanPlanet(int n);
    /// The body index ruling weekday n (0 Sunday ... 6 Saturday), taken cyclically: any n,
    /// 7 is Sunday again and -1 Saturday.
    static int planetForWeekDay(int n);
    /// The body index ruling hour `hour` (0-11 the day hours, 12-23 the night hours) of
    /// weekday `day` (0 Sunday ... 6 Saturday): the day's ruler at hour 0, then one place
    /// back through the Chaldean order each hour. Both taken cyclically: any ints.
    static int hourRuler(int hour, int day);
    /// Seconds in one of the twelve day hours. Throws NoRisesOrSetsCalculable on a day
    /// without sunrise or sunset.
    double dayHourDuration() const;
    /// Seconds in one of the twelve night hours (to the next sunrise at the best known
    /// place). Throws NoRisesOrSetsCalculable without this sunset or that sunrise, and
    /// DateOutOfRange when tomorrow lies beyond the supported years.
    double nightHourDuration() const;
    /// The planetary hour of the date at this place. The day runs from sunrise to sunset in
    /// twelve equal hours, the night from sunset to the next sunrise in twelve more. A
    /// planetary day begins at sunrise, so the hours before today's sunrise are the last night
    /// hours of yesterday, counted from yesterday's sunset with yesterday's night-hour length,
    /// under yesterday's day ruler. The rulers are those of planetForWeekDay() and
    /// hourRuler(). On a day without sunrise or sunset (or without the sunset or sunrise the
    /// night is counted from) and beyond the supported years: the day ruler only, and
    /// whether the Sun is above the horizon. Never throws.
    PlanetaryHour planetaryHour() const;
    /// "H:<hour ruler><D or N>:<day ruler>" for hour 0-23 (0-11 day hours) of weekday `day`
    /// (0 Sunday, taken cyclically).
    static std::string stringForPlanetaryHour(int hour, int day);
    /// The planet's symbol character; "" for a negative index, "X" above 10.
    static std::string symbolForPlanet(int planet);
    /// The body's English name ("Sun", "Moon", "Mercury" … "Pluto") for index 0-10; "" for
    /// another index.
    static std::string nameForPlanet(int planet);

    // ---- Zodiac -----------------------------------------------------------------------------
    /// Name of the sign at index `sign` taken cyclically: 0 "Aries" ... 11 "Pisces", 12
    /// "Aries" again, -1 "Pisces"; any int.
    static std::string symbolForZodiac(int sign);
    /// Sign index [0, 11] of the longitude (12 only when a tiny negative longitude reduces
    /// to 360); the degrees within the sign, [0, 30), through the pointer when not null.
    static int degreesToZodiac(double longitudeDegrees, double* degreesWithinSign);
    /// "Taurus 15° 30'"; "—" for a non-finite longitude.
    static std::string zodiacPositionString(double longitudeDegrees);

    // ---- Formatting (truncated integers; a non-finite or huge input gives "—") -------------
    /// "123° 27'" and "123° 27' 21\"": any angle in degrees, wrapped to [0, 360].
    static std::string degreesToDM(double degrees);
    static std::string degreesToDMS(double degrees);
    /// "+123° 27'", "-10° 0' 0\"": any angle in degrees, shown in [-180, 180] (350 is -10).
    static std::string degreesToSignedDM(double degrees);
    static std::string degreesToSignedDMS(double degrees);
    /// "8h 13m" and "8h 13m 49s": degrees as hours of 15 degrees, not wrapped, signed.
    static std::string degreesToHM(double degrees);
    static std::string degreesToHMS(double degrees);
    /// "123°E 27'", "123°W 27' 21\"": a longitude in degrees (east positive), any value.
    static std::string degreesToLongitudeDM(double degrees);
    static std::string degreesToLongitudeDMS(double degrees);
    /// "45°N 30'", "45°S 30' 0\"": a latitude in degrees (north positive).
    static std::string degreesToLatitudeDM(double degrees);
    static std::string degreesToLatitudeDMS(double degrees);

    // ---- Report ------------------------------------------------------------------------------
    /// Writes the diagnostic report, one line per log entry. Passes on
    /// NoRisesOrSetsCalculable after writing the lines before the failing one.
    void debugreport();

  private:
    /// Marks a bare model: date, place and Julian date only, without the Sun and the Moon.
    struct WithoutPositions {};
    /// A bare model for one instant, from which rise and set take positions computed on
    /// request (bodyPosition) and sidereal times; mySun and myMoon stay unset.
    Ephemeris(const EphemerisDate& date, double latitudeDegrees, double longitudeDegrees,
              WithoutPositions);

    EphemerisDate myDate;
    double myLatitude;
    double myLongitude;
    double myJulianDate = 0.0;
    Coordinate mySun;
    Coordinate myMoon;
    std::shared_ptr<const PositionSource> myPositionSource;
    mutable double myGreenwichApparentSiderealTime = 0.0;
    mutable bool myGreenwichApparentSiderealTimeValid = false;
    mutable double myLocalApparentSiderealTime = 0.0;
    mutable bool myLocalApparentSiderealTimeValid = false;
    mutable double myLocalMeanSiderealTime = 0.0;
    mutable bool myLocalMeanSiderealTimeValid = false;

    /// Julian centuries from J2000.0 of the model's Julian date.
    double julianCenturies() const;
    void invalidateSiderealTimes();
    /// Geocentric equatorial position of a body with a position (0-3, 5-7) for this date,
    /// computed afresh (it does not read mySun or myMoon).
    Coordinate bodyPosition(int object) const;
    /// The bare model for the instant at this place.
    Ephemeris bareCopyForDate(const EphemerisDate& date) const;
    /// A refined event and the body's hour angle (degrees, (-180, 180]) at the last position
    /// the refinement read, within its 2 seconds of the event.
    struct RefinedEvent {
        EphemerisDate instant;
        double hourAngle;
    };
    /// Refines the estimate of one event of the object against the altitude of the kind on
    /// the model's positions at the event.
    RefinedEvent refineEvent(int object, EventIndex element, int altitudeKind,
                             EphemerisDate estimate) const;
    /// The refined method: rise, set and transit from a first estimate on the position of 0 h
    /// UT, each refined. Throws as calcTimes.
    std::array<RefinedEvent, 3> refinedTimes(int altitudeKind, int object) const;
    /// The day's events by a bracketing search on the body's altitude at the place.
    DayEvents searchedDayEvents(int altitudeKind, int object) const;
};

/// The five naked-eye planets, by their body indices: Mercury, Venus, Mars, Jupiter and
/// Saturn, in that order (outwards from the Sun). The planets the sheet, the dial and the star
/// chart show.
inline constexpr std::array<int, 5> kNakedEyePlanets{
    Ephemeris::Mercury, Ephemeris::Venus, Ephemeris::Mars, Ephemeris::Jupiter, Ephemeris::Saturn};

/// The placeholder an angle text shows for a non-finite or out-of-range angle.
inline constexpr const char* kNoAngleText = "—";

}  // namespace quenaro
