#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/Coordinate.h"
#include "time/EphemerisDate.h"

namespace quenaro {

/// The model of the sky for one moment and one place: the date, the observer's latitude and
/// longitude (degrees, north and east positive), the Julian date, the positions of the Sun and
/// the Moon, and three cached sidereal times. Every angle is in degrees, right ascension and
/// hour angles included. Its operations are split by subject over several source files:
/// core and frame conversions, Sun, Moon, rising and setting, planets, planetary hours and
/// zodiac, formatting, report.
class Ephemeris {
  public:
    /// Planet indices shared by the views, the rise/set operations and the planetary hours.
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

    // ---- Object life -------------------------------------------------------------------
    /// The current moment at the observer's best known position.
    Ephemeris();
    Ephemeris(const EphemerisDate& date, double latitudeDegrees, double longitudeDegrees);
    /// The date at the observer's best known position.
    static Ephemeris ephemerisForDate(const EphemerisDate& date);
    /// The current moment at the observer's best known position.
    static Ephemeris ephemeris();

    /// Re-dates the model: recomputes the Julian date, the Sun and the Moon, clears the
    /// sidereal-time caches.
    void setDate(const EphemerisDate& date);
    /// Moves the model: recomputes the Sun and the Moon, clears the sidereal-time caches.
    void setLatitude(double latitudeDegrees, double longitudeDegrees);

    const EphemerisDate& date() const { return myDate; }
    double latitude() const { return myLatitude; }
    double longitude() const { return myLongitude; }
    /// The Julian date copied from the date when it was set.
    double julianDate() const { return myJulianDate; }

    Ephemeris copyForDate(const EphemerisDate& date) const;
    Ephemeris copyForTomorrow() const;
    Ephemeris copyForYesterday() const;

    // ---- Internal: sidereal time, hour angles, nutation, frame conversions ---------------
    double greenwichMeanSiderealTime() const;
    /// mod360(t + delta psi * cos(epsilon)).
    double apparentSiderealTimeFor(double siderealTimeDegrees) const;
    /// mod360(t + longitude).
    double localSiderealTimeFor(double siderealTimeDegrees) const;
    double greenwichApparentSiderealTime() const;
    double localMeanSiderealTime() const;
    double localApparentSiderealTime() const;
    /// Local hour angle of the record's right ascension, [0, 360).
    double lha(const Coordinate& coordinate) const;
    /// Greenwich hour angle of the record's right ascension, [0, 360).
    double gha(const Coordinate& coordinate) const;
    /// Equation of time in degrees (minutes of time * 15 / 60).
    double equationOfTime() const;
    /// Mean obliquity epsilon and nutation in longitude delta psi, both degrees (31 terms).
    void calcEpsilon(double& epsilonDegrees, double& deltaPsiDegrees) const;
    /// Ecliptic to equatorial in place; adds the nutation in longitude to `longitude`.
    void calcGeocentric(Coordinate& coordinate) const;
    /// Equatorial to horizontal for this place, in place.
    void calcHorizontal(Coordinate& coordinate) const;
    /// Equatorial to ecliptic, in place.
    void calcEcliptic(Coordinate& coordinate) const;
    /// Horizontal to equatorial for this place, in place; the inverse of calcHorizontal.
    void calcGeocentricFromAltAz(Coordinate& coordinate) const;
    /// Geocentric to topocentric equatorial position of the Moon, in place; the observer is
    /// heightMetres above the reference ellipsoid. Sets `parallax`.
    void correctPosition(Coordinate& coordinate, double heightMetres) const;

    // ---- Sun -------------------------------------------------------------------------------
    /// Fills the record with the Sun's apparent position for this date.
    void sunCoordinate(Coordinate& coordinate) const;
    /// Brings the Sun's altitude and azimuth up to date in place and returns a copy.
    Coordinate sunCoordinate();
    /// Earth-Sun distance in astronomical units, recomputed.
    double sunDistance() const;
    /// Apparent diameter of the Sun in arcseconds.
    double sunDiameter() const;
    EphemerisDate sunRise() const;
    EphemerisDate sunSet() const;
    EphemerisDate sunTransit() const;
    /// Seconds from sunrise to sunset.
    double lengthOfDay() const;
    std::string sunZodiacPositionString() const;
    double sunLHA() const;
    double sunGHA() const;
    /// 357.5291092 + 35999.0502909 T - 0.0001536 T^2, not reduced.
    double meanAnomalyOfTheSun() const;

    // ---- Rising, setting and twilight --------------------------------------------------------
    /// Rise, set and transit (in that order) of the object (0 Sun, 1 Moon, 2 Mercury,
    /// 3 Venus, 5 Mars, 6 Jupiter, 7 Saturn) against the altitude of the kind (0 horizon,
    /// 1 civil, 2 nautical, 3 astronomical twilight) on the local calendar day of the date.
    /// Throws std::invalid_argument("No rises or sets calculable") when the body does not
    /// reach that altitude, and std::invalid_argument for an object without a position.
    std::array<EphemerisDate, 3> calcTimes(int altitudeKind, int object) const;
    /// The altitude in degrees whose crossing calcTimes() seeks for the kind and object: the
    /// Sun's horizon -0.8333, the Moon's 0.7275 p - 0.5667 with the parallax p of this
    /// model's Moon (about +0.13), 0 for a planet; -6, -12 and -18 for the twilights.
    double eventAltitude(int altitudeKind, int object) const;
    /// One event (0 rise, 1 set, 2 transit, 3-5 civil/nautical/astronomical dawn, 6-8 dusk);
    /// no date for another event code.
    std::optional<EphemerisDate> calcRiseSet(int event, int object) const;
    /// Sun's azimuth at sunrise and sunset by the hour-by-hour scan, degrees from north
    /// through east; NaN when the scan finds no such crossing that day.
    double sunriseAzimuth() const;
    double sunsetAzimuth() const;
    /// Sunrise and sunset times by the hour-by-hour scan (whole minutes); no date when the
    /// scan finds no such crossing.
    std::optional<EphemerisDate> xsunrise() const;
    std::optional<EphemerisDate> xsunset() const;

    // ---- Moon -----------------------------------------------------------------------------
    /// Fills the record with the Moon's geocentric position for this date.
    void moonCoordinate(Coordinate& coordinate) const;
    /// Brings the Moon's altitude and azimuth up to date in place and returns a copy.
    Coordinate moonCoordinate();
    /// Earth-Moon distance in kilometres.
    double moonDistance() const;
    /// Apparent diameter of the Moon in arcseconds.
    double moonDiameter() const;
    EphemerisDate moonRise() const;
    EphemerisDate moonSet() const;
    EphemerisDate moonTransit() const;
    /// Phase angle, signed: positive while waxing, negative while waning; 0 full, +-180 new.
    double elongationFromSun() const;
    /// Phase angle by a short series, [0, 360).
    double xelongationFromSun() const;
    double illuminatedFraction() const;
    double currentPhase() const;
    std::string phaseOfMoonName() const;
    /// Days since new Moon by the mean synodic month.
    double ageOfMoon() const;
    /// Mean synodic month in seconds.
    static double lunarPeriod();
    /// Phase by the mean period, 0 new Moon, 0.5 full Moon; writes the days to the next full
    /// Moon when the pointer is not null.
    float phaseOfMoon(float* daysToFullMoon) const;
    /// Mean lunations since 1923-01-17, counted from 1.
    int lunation() const;
    /// The date 28 days later (the argument is not used).
    EphemerisDate lastPhase(int phase) const;
    double meanAnomalyOfTheMoon() const;
    double meanElongationOfTheMoon() const;

    // ---- Lunar extras -------------------------------------------------------------------------
    /// Selenographic longitude of the Sun in degrees (the Moon's terminator), unreduced.
    double limbAngle() const;

    // ---- Planets (apparent geocentric ecliptic coordinates of date, degrees) ---------------
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
    /// Both ecliptic coordinates of a planet (2 Mercury, 3 Venus, 5 Mars, 6 Jupiter,
    /// 7 Saturn) from one elliptical calculation: `latitude` and `longitude` as the planet's
    /// two operations give them, every other field 0. Throws std::invalid_argument for
    /// another index.
    Coordinate planetEclipticPosition(int planet) const;

    // ---- Planetary hours --------------------------------------------------------------------
    /// Chaldean order (Moon, Mercury, Venus, Sun, Mars, Jupiter, Saturn) at n mod 7; n >= 0.
    static int chaledeanPlanet(int n);
    /// Day ruler of weekday n mod 7 (0 Sunday); n >= 0.
    static int planetForWeekDay(int n);
    /// Seconds in one of the twelve day hours.
    double dayHourDuration() const;
    /// Seconds in one of the twelve night hours (to the next sunrise at the best known place).
    double nightHourDuration() const;
    /// "H:<hour ruler><D or N>:<day ruler>" for hour 0-23 of weekday 0-6 (0 Sunday).
    static std::string stringForPlanetaryHour(int hour, int day);
    /// The planet's symbol character; "" for a negative index, "X" above 10.
    static std::string symbolForPlanet(int planet);

    // ---- Zodiac -----------------------------------------------------------------------------
    /// Name of the sign at sign mod 12 ("Aries" ... "Pisces"); sign >= 0.
    static std::string symbolForZodiac(int sign);
    /// Sign index of the longitude; the degrees within the sign through the pointer.
    static int degreesToZodiac(double longitudeDegrees, double* degreesWithinSign);
    /// "Taurus 15° 30'".
    static std::string zodiacPositionString(double longitudeDegrees);

    // ---- Formatting (truncated integers; a non-finite or huge input gives "—") -------------
    static std::string degreesToDM(double degrees);
    static std::string degreesToDMS(double degrees);
    static std::string degreesToSignedDM(double degrees);
    static std::string degreesToSignedDMS(double degrees);
    static std::string degreesToHM(double degrees);
    static std::string degreesToHMS(double degrees);
    static std::string degreesToLongitudeDM(double degrees);
    static std::string degreesToLongitudeDMS(double degrees);
    static std::string degreesToLatitudeDM(double degrees);
    static std::string degreesToLatitudeDMS(double degrees);

    // ---- Report ------------------------------------------------------------------------------
    /// Writes the diagnostic report, one line per log entry. Passes on "No rises or sets
    /// calculable" after writing the lines before the failing one.
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
    /// Refines the estimate of one event (0 rise, 1 set, 2 transit) of the object against the
    /// altitude on the model's positions at the event.
    EphemerisDate refineEvent(int object, int element, double altitudeDegrees,
                              EphemerisDate estimate) const;
};

/// The placeholder an angle text shows for a non-finite or out-of-range angle.
inline constexpr const char* kNoAngleText = "—";

}  // namespace quenaro
