// Rising, setting and twilight: the model's own method (a first estimate from the body's
// position at 0 h UT, refined on the model's positions at each event), a bracketing search on
// the body's altitude where that method has no sound answer, and the hour-by-hour scan of the
// Sun's altitude for sunrise and sunset azimuths.

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

#include "model/AltitudeCrossings.h"
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

// ---- The bracketing search where the refined method has no sound answer -------------------

/// Half a turn of hour angle for the slowest body (the Moon, whose hour angle advances at
/// least 345 degrees a day: 12 h 31 min), rounded up: the farthest a rise or set of a pass
/// lies from its culmination, and the margin the search adds to the day on either side.
constexpr double kPassMarginSeconds = 13.0 * 3600.0;
/// The search's first readings: two hours (30 degrees of hour angle) apart.
constexpr double kSearchStepSeconds = 2.0 * 3600.0;

/// A bound, per second squared, on the second derivative of the search's height
/// sin(phi) sin(delta) + cos(phi) cos(delta) cos(H) - sin(h0) for any body with a position:
/// |height''| <= delta'^2 + |delta''| + |(sin h0)''| + |cos phi| (H'^2 + 2 |delta'| H' + |H''|),
/// with, in radians per day, H' <= 6.4 (the sidereal rate 6.30 and a retrograde planet's
/// more), |delta'| <= 0.15 (the Moon's 7.3 degrees a day at most), |H''|, |delta''| <= 0.1
/// (the Moon's, about 0.05), and the Moon's horizon changing with its parallax by less than
/// 0.01 per day squared.
double heightCurvatureBound(double latitudeDegrees) {
    constexpr double kHourAngleRate = 6.4;
    constexpr double kDeclinationRate = 0.15;
    constexpr double kAcceleration = 0.1;
    constexpr double kHorizonAcceleration = 0.01;
    const double perDaySquared = kDeclinationRate * kDeclinationRate + kAcceleration +
                                 kHorizonAcceleration +
                                 std::fabs(cosd(latitudeDegrees)) *
                                     (kHourAngleRate * kHourAngleRate +
                                      2.0 * kDeclinationRate * kHourAngleRate + kAcceleration);
    return perDaySquared / (kSecondsPerDay * kSecondsPerDay);
}

/// The refined method's three events and the hour angles it saw at the rise and the set.
struct RefinedPass {
    EphemerisDate rise;
    EphemerisDate set;
    EphemerisDate transit;
    double riseHourAngle;
    double setHourAngle;
};

/// Whether the refined method's events make one consistent pass of the day:
/// - the transit within the refinement's reach of the local day: from two hours before its
///   midnight to two hours after the next (a 24-hour day; the hour a change of clocks adds or
///   takes is well within the margin). The transit is estimated on the day from the body's
///   position at 0 h UT, and its refinement moves it to the nearest meridian passage: by up
///   to the Moon's daily delay (about 50 minutes, up to 66) plus its motion between 0 h UT
///   and the local midnight (0.6 degrees an hour, over up to 14 hours of zone: 33 minutes);
/// - the rise before the transit and the set after it, each within half a turn of it;
/// - the body ascending at the rise and descending at the set: its hour angle at the last
///   position the refinement read is negative at the rise and positive at the set (a
///   refinement can settle on the crossing of the other direction, a setting taken for a
///   rise).
/// The altitude at each refined instant needs no test of its own: the refinement stops on a
/// correction below 2 seconds, which holds the altitude within 2 seconds of its fastest
/// change (0.0084 degrees) of the altitude sought.
bool isOnePass(const RefinedPass& pass, const EphemerisDate& dayStart) {
    constexpr double kTransitReachSeconds = 2.0 * 3600.0;
    const double transitFromStart = pass.transit.timeIntervalSinceDate(dayStart);
    const double morning = pass.transit.timeIntervalSinceDate(pass.rise);
    const double evening = pass.set.timeIntervalSinceDate(pass.transit);
    return transitFromStart >= -kTransitReachSeconds &&
           transitFromStart < kSecondsPerDay + kTransitReachSeconds && morning > 0.0 &&
           morning < kPassMarginSeconds && evening > 0.0 && evening < kPassMarginSeconds &&
           pass.riseHourAngle < 0.0 && pass.setHourAngle > 0.0;
}

/// The day's events among the search's findings, in seconds from the window's start; the
/// local day runs from `dayFrom` to `dayTo`.
struct DayPass {
    std::optional<double> rise;
    std::optional<double> set;
    std::optional<double> transit;
    DayEvents::Day day = DayEvents::Day::Crossing;
};

/// The first crossing of the direction within the day, if any.
std::optional<double> crossingWithinDay(const AltitudeCrossings& found, bool rising, double dayFrom,
                                        double dayTo) {
    for (const AltitudeCrossings::Crossing& crossing : found.crossings) {
        if (crossing.rising == rising && crossing.seconds >= dayFrom && crossing.seconds < dayTo) {
            return crossing.seconds;
        }
    }
    return std::nullopt;
}

/// Whether the crossing, the nearest before (after) the culmination, is the rise (set) of
/// its pass: of that direction, and within the half turn before (after) it, both in time and
/// in hour angle (negative before, positive after).
bool isOfPass(const AltitudeCrossings::Crossing& crossing, double culmination, bool rise) {
    const double fromCulmination = crossing.seconds - culmination;
    return crossing.rising == rise && std::fabs(fromCulmination) < kPassMarginSeconds &&
           (rise ? crossing.hourAngle < 0.0 : crossing.hourAngle > 0.0);
}

/// The pass of the day is the one around the first culmination on the day above the
/// altitude: its rise is the last crossing before the culmination when that lies within the
/// half turn before it, its set the first crossing after it when that lies within the half
/// turn after (isOfPass). A rise or set the day has without such a pass is taken from the day
/// itself.
DayPass dayPass(const AltitudeCrossings& found, double dayFrom, double dayTo) {
    DayPass pass;
    bool above = found.aboveAtStart;
    bool crossesWithinDay = false;
    for (const AltitudeCrossings::Crossing& crossing : found.crossings) {
        if (crossing.seconds < dayFrom) {
            above = crossing.rising;
        } else if (crossing.seconds < dayTo) {
            crossesWithinDay = true;
        }
    }
    if (!crossesWithinDay) {
        pass.day = above ? DayEvents::Day::UpAllDay : DayEvents::Day::DownAllDay;
    }
    for (const AltitudeCrossings::Culmination& culmination : found.culminations) {
        if (!culmination.above || culmination.seconds < dayFrom || culmination.seconds >= dayTo) {
            continue;
        }
        pass.transit = culmination.seconds;
        const auto after = std::find_if(found.crossings.begin(), found.crossings.end(),
                                        [&](const AltitudeCrossings::Crossing& crossing) {
                                            return crossing.seconds > culmination.seconds;
                                        });
        if (after != found.crossings.begin() &&
            isOfPass(*std::prev(after), culmination.seconds, true)) {
            pass.rise = std::prev(after)->seconds;
        }
        if (after != found.crossings.end() && isOfPass(*after, culmination.seconds, false)) {
            pass.set = after->seconds;
        }
        break;
    }
    if (!pass.rise) {
        pass.rise = crossingWithinDay(found, true, dayFrom, dayTo);
    }
    if (!pass.set) {
        pass.set = crossingWithinDay(found, false, dayFrom, dayTo);
    }
    return pass;
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

Ephemeris::RefinedEvent Ephemeris::refineEvent(int object, EventIndex element, int altitudeKind,
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
            return {estimate, hourAngle};
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

std::array<Ephemeris::RefinedEvent, 3> Ephemeris::refinedTimes(int altitudeKind, int object) const {
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

    return {refineEvent(object, RiseIndex, altitudeKind, rise),
            refineEvent(object, SetIndex, altitudeKind, set),
            refineEvent(object, TransitIndex, altitudeKind, transit)};
}

DayEvents Ephemeris::dayEvents(int altitudeKind, int object) const {
    requirePosition(object);
    const EphemerisDate dayStart = myDate.startOfDay();
    try {
        const std::array<RefinedEvent, 3> times = refinedTimes(altitudeKind, object);
        const RefinedPass pass{times[RiseIndex].instant, times[SetIndex].instant,
                               times[TransitIndex].instant, times[RiseIndex].hourAngle,
                               times[SetIndex].hourAngle};
        if (isOnePass(pass, dayStart)) {
            return {pass.rise, pass.set, pass.transit, DayEvents::Day::Crossing};
        }
    } catch (const NoRisesOrSetsCalculable&) {
        // The body does not reach the altitude at its position of 0 h UT, or an event did
        // not settle: the search below tells what happens.
    }
    return searchedDayEvents(altitudeKind, object);
}

DayEvents Ephemeris::searchedDayEvents(int altitudeKind, int object) const {
    const EphemerisDate dayStart = myDate.startOfDay();
    const EphemerisDate dayEnd = myDate.tomorrow().startOfDay();
    const EphemerisDate windowStart = dayStart.addTimeInterval(-kPassMarginSeconds);
    const double phi = myLatitude;
    const std::function<AltitudeReading(double)> read = [&](double seconds) {
        const Ephemeris atInstant = bareCopyForDate(windowStart.addTimeInterval(seconds));
        const Coordinate position = atInstant.bodyPosition(object);
        const double delta = position.declination;
        const double hourAngle =
            signedHourAngle(atInstant.localApparentSiderealTime() - position.rightAscension);
        return AltitudeReading{sind(phi) * sind(delta) + cosd(phi) * cosd(delta) * cosd(hourAngle) -
                                   sind(targetAltitude(altitudeKind, object, position)),
                               hourAngle};
    };
    AltitudeSearchLimits limits;
    limits.culminationsFrom = kPassMarginSeconds;
    limits.culminationsTo = dayEnd.timeIntervalSinceDate(windowStart);
    limits.windowSeconds = limits.culminationsTo + kPassMarginSeconds;
    limits.stepSeconds = kSearchStepSeconds;
    limits.precisionSeconds = kConvergedSeconds;
    limits.heightCurvature = heightCurvatureBound(phi);
    const AltitudeCrossings found = findAltitudeCrossings(read, limits);

    const DayPass pass = dayPass(found, limits.culminationsFrom, limits.culminationsTo);
    const auto instant = [&](std::optional<double> seconds) -> std::optional<EphemerisDate> {
        if (!seconds) {
            return std::nullopt;
        }
        return windowStart.addTimeInterval(*seconds);
    };
    return {instant(pass.rise), instant(pass.set), instant(pass.transit), pass.day};
}

std::array<EphemerisDate, 3> Ephemeris::calcTimes(int altitudeKind, int object) const {
    const DayEvents events = dayEvents(altitudeKind, object);
    if (!events.rise && !events.set) {
        throw NoRisesOrSetsCalculable(crossingsName(object, altitudeKind));
    }
    for (const auto& [event, element] :
         {std::pair{&events.rise, RiseIndex}, std::pair{&events.set, SetIndex},
          std::pair{&events.transit, TransitIndex}}) {
        if (!*event) {
            throw NoRisesOrSetsCalculable(eventName(object, altitudeKind, element));
        }
    }
    return {*events.rise, *events.set, *events.transit};
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
