// Rising, setting and twilight: the model's own method (a first estimate from the body's
// position at 0 h UT, refined on the model's positions at each event) and the hour-by-hour
// scan of the Sun's altitude for sunrise and sunset azimuths.

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "model/Ephemeris.h"
#include "model/SunriseScan.h"
#include "time/Degrees.h"
#include "time/TimeUnits.h"

namespace quenaro {

namespace {

constexpr double kSiderealDegreesPerDay = 360.985647;
// An applied correction below this many seconds ends the refinement: the model reads its
// positions at whole seconds, so finer corrections only swing about the event.
constexpr double kConvergedSeconds = 2.0;
constexpr int kMaximumCorrections = 10;

/// The altitude (degrees) whose crossing the kind asks for; the Sun's and the Moon's horizon
/// allow for refraction and semidiameter, the Moon's also for the parallax of the position
/// in use (a geocentric position whose radius is the Moon's distance).
double targetAltitude(int altitudeKind, int object, const Coordinate& position) {
    switch (altitudeKind) {
        case Ephemeris::HorizonAltitude:
            if (object == Ephemeris::Sun) {
                return static_cast<double>(-0.8333f);
            }
            if (object == Ephemeris::Moon) {
                return 0.7275 * Ephemeris::horizontalParallax(position.radius) - 0.5666666666666667;
            }
            return 0.0;
        case Ephemeris::CivilTwilight:
            return -6.0;
        case Ephemeris::NauticalTwilight:
            return -12.0;
        case Ephemeris::AstronomicalTwilight:
            return -18.0;
        default:
            return 0.0;
    }
}

/// The Sun, the Moon and the naked-eye planets have positions; the other indices do not.
bool hasPosition(int object) {
    return object == Ephemeris::Sun || object == Ephemeris::Moon ||
           std::find(kNakedEyePlanets.begin(), kNakedEyePlanets.end(), object) !=
               kNakedEyePlanets.end();
}

/// Throws std::out_of_range for a body index without a position.
void requirePosition(int object) {
    if (!hasPosition(object)) {
        throw std::out_of_range(
            "No position for object code " + std::to_string(object) +
            ": rise and set need 0 (Sun), 1 (Moon), 2 (Mercury), 3 (Venus), 5 (Mars), "
            "6 (Jupiter) or 7 (Saturn)");
    }
}

/// The name of the twilight of a kind ("civil"), or null for the horizon and other kinds.
const char* twilightName(int altitudeKind) {
    switch (altitudeKind) {
        case Ephemeris::CivilTwilight:
            return "civil";
        case Ephemeris::NauticalTwilight:
            return "nautical";
        case Ephemeris::AstronomicalTwilight:
            return "astronomical";
        default:
            return nullptr;
    }
}

/// "Sun rise", "Moon transit", "Sun civil dawn": one event of the body and kind.
std::string eventName(int object, int altitudeKind, Ephemeris::EventIndex element) {
    const std::string body = Ephemeris::nameForPlanet(object);
    if (element == Ephemeris::TransitIndex) {
        return body + " transit";
    }
    const bool rise = element == Ephemeris::RiseIndex;
    const char* twilight = twilightName(altitudeKind);
    if (twilight == nullptr) {
        return body + (rise ? " rise" : " set");
    }
    return body + " " + twilight + (rise ? " dawn" : " dusk");
}

/// "Sun rise and set", "Sun civil twilight": the crossings of the body and kind.
std::string crossingsName(int object, int altitudeKind) {
    const char* twilight = twilightName(altitudeKind);
    return Ephemeris::nameForPlanet(object) +
           (twilight == nullptr ? " rise and set" : std::string(" ") + twilight + " twilight");
}

/// Hour angle reduced to (-180, 180].
double signedHourAngle(double degrees) {
    const double reduced = mod360(degrees);
    return reduced > 180.0 ? reduced - 360.0 : reduced;
}

}  // namespace

Coordinate Ephemeris::bodyPosition(int object) const {
    Coordinate position;
    if (object == Sun) {
        sunCoordinate(position);
    } else if (object == Moon) {
        moonCoordinate(position);
    } else {
        position = planetPosition(object);
    }
    return position;
}

EphemerisDate Ephemeris::refineEvent(int object, EventIndex element, int altitudeKind,
                                     EphemerisDate estimate) const {
    const double phi = myLatitude;
    for (int correction = 0; correction < kMaximumCorrections; ++correction) {
        const Ephemeris atEstimate = bareCopyForDate(estimate);
        const Coordinate position = atEstimate.bodyPosition(object);
        const double delta = position.declination;
        const double hourAngle =
            signedHourAngle(atEstimate.localApparentSiderealTime() - position.rightAscension);
        double days = 0.0;
        if (element == TransitIndex) {
            days = -hourAngle / kSiderealDegreesPerDay;
        } else {
            const double altitude =
                asind(sind(phi) * sind(delta) + cosd(phi) * cosd(delta) * cosd(hourAngle));
            days = (altitude - targetAltitude(altitudeKind, object, position)) /
                   (kSiderealDegreesPerDay * cosd(delta) * cosd(phi) * sind(hourAngle));
        }
        if (!std::isfinite(days) || std::fabs(days) > 0.5) {
            throw NoRisesOrSetsCalculable(eventName(object, altitudeKind, element));
        }
        const double seconds = days * kSecondsPerDay;
        estimate = estimate.addTimeInterval(seconds);
        if (std::fabs(seconds) < kConvergedSeconds) {
            return estimate;
        }
    }
    throw NoRisesOrSetsCalculable(eventName(object, altitudeKind, element));
}

double Ephemeris::eventAltitude(int altitudeKind, int object) const {
    return targetAltitude(altitudeKind, object, object == Moon ? myMoon : mySun);
}

bool Ephemeris::isAboveEventAltitude(int altitudeKind, int object) const {
    requirePosition(object);
    Coordinate position = bodyPosition(object);
    calcHorizontal(position);
    return position.altitude > eventAltitude(altitudeKind, object);
}

std::array<EphemerisDate, 3> Ephemeris::calcTimes(int altitudeKind, int object) const {
    requirePosition(object);
    const double phi = myLatitude;

    // First estimate: the body held at its position of 0 h UT of the local calendar day (the
    // Moon's horizon with that position's parallax).
    const EphemerisDate dayStartUT = EphemerisDate::dateWithYear(
        myDate.yearOfCommonEra(), static_cast<unsigned>(myDate.monthOfYear()),
        static_cast<unsigned>(myDate.dayOfMonth()), 0, 0, 0, TimeZone::gmt());
    const Coordinate position = bareCopyForDate(dayStartUT).bodyPosition(object);
    const double h0 = targetAltitude(altitudeKind, object, position);
    const double delta = position.declination;
    const double cosH0 = (sind(h0) - sind(phi) * sind(delta)) / (cosd(phi) * cosd(delta));
    if (!(cosH0 >= -1.0 && cosH0 <= 1.0)) {
        throw NoRisesOrSetsCalculable(crossingsName(object, altitudeKind));
    }
    const double semiArc = acosd(cosH0);

    const EphemerisDate base = myDate.startOfDay();
    const double siderealAtMidnight = bareCopyForDate(base).localApparentSiderealTime();
    const double transitFraction = mod360(position.rightAscension - siderealAtMidnight) / 360.0;
    const EphemerisDate rise =
        base.addTimeInterval((transitFraction + semiArc / -360.0) * kSecondsPerDay);
    const EphemerisDate transit = base.addTimeInterval(transitFraction * kSecondsPerDay);
    const EphemerisDate set =
        base.addTimeInterval((transitFraction + semiArc / 360.0) * kSecondsPerDay);

    std::array<EphemerisDate, 3> times{rise, set, transit};
    for (const EventIndex element : {RiseIndex, SetIndex, TransitIndex}) {
        times[element] = refineEvent(object, element, altitudeKind, times[element]);
    }
    return times;
}

std::optional<EphemerisDate> Ephemeris::calcRiseSet(int event, int object) const {
    struct Selection {
        AltitudeKind altitudeKind;
        EventIndex element;
    };
    // Indexed by RiseSetEvent.
    static constexpr Selection kEvents[] = {
        {HorizonAltitude, RiseIndex},    {HorizonAltitude, SetIndex},
        {HorizonAltitude, TransitIndex}, {CivilTwilight, RiseIndex},
        {NauticalTwilight, RiseIndex},   {AstronomicalTwilight, RiseIndex},
        {CivilTwilight, SetIndex},       {NauticalTwilight, SetIndex},
        {AstronomicalTwilight, SetIndex}};
    if (event < 0 || event >= static_cast<int>(std::size(kEvents))) {
        return std::nullopt;
    }
    const Selection selection = kEvents[event];
    return calcTimes(selection.altitudeKind, object)[selection.element];
}

// ---- The hour-by-hour scan ----------------------------------------------------------------

namespace {

SunriseScan scanDay(const Ephemeris& model) {
    const EphemerisDate& date = model.date();
    SunriseScan scan;
    scan.riseSet(date.monthOfYear(), date.dayOfMonth(), date.yearOfCommonEra(), model.latitude(),
                 model.longitude(), date.secondsFromGMT());
    return scan;
}

/// The found hour (already moved to the day's clock) and minute as a date on the day.
EphemerisDate onDay(const EphemerisDate& date, int hour, int minute) {
    return date.dateByAddingYears(0, 0, 0, hour - date.hourOfDay(), minute - date.minuteOfHour(),
                                  -date.secondOfMinute());
}

}  // namespace

double Ephemeris::sunriseAzimuth() const {
    const SunriseScan scan = scanDay(*this);
    return scan.foundSunrise() ? scan.sunriseAzimuth() : std::numeric_limits<double>::quiet_NaN();
}

double Ephemeris::sunsetAzimuth() const {
    const SunriseScan scan = scanDay(*this);
    return scan.foundSunset() ? scan.sunsetAzimuth() : std::numeric_limits<double>::quiet_NaN();
}

std::optional<EphemerisDate> Ephemeris::xsunrise() const {
    const SunriseScan scan = scanDay(*this);
    if (!scan.foundSunrise()) {
        return std::nullopt;
    }
    return onDay(myDate, scan.sunriseTime().hour - 12, scan.sunriseTime().minute);
}

std::optional<EphemerisDate> Ephemeris::xsunset() const {
    const SunriseScan scan = scanDay(*this);
    if (!scan.foundSunset()) {
        return std::nullopt;
    }
    return onDay(myDate, scan.sunsetTime().hour + 12, scan.sunsetTime().minute);
}

}  // namespace quenaro
