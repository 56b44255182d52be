// Rising, setting and twilight: the model's own method (a first estimate from the body's
// position at 0 h UT, refined on the model's positions at each event) and the hour-by-hour
// scan of the Sun's altitude for sunrise and sunset azimuths.

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

#include "model/Ephemeris.h"
#include "model/SunriseScan.h"
#include "time/Degrees.h"

namespace quenaro {

namespace {

constexpr const char* kNoRiseOrSet = "No rises or sets calculable";
constexpr double kSiderealDegreesPerDay = 360.985647;
constexpr double kSecondsPerDay = 86400.0;
// A correction below this many days ends the refinement: the model's clock reads whole
// seconds (1e-5 day is 0.86 s), so finer steps would only oscillate.
constexpr double kConvergedDays = 1e-5;
constexpr int kMaximumCorrections = 10;

constexpr int kRise = 0;
constexpr int kSet = 1;
constexpr int kTransit = 2;

/// The altitude (degrees) whose crossing the kind asks for; the Sun's and the Moon's horizon
/// allow for refraction and semidiameter, the Moon's also for its parallax.
double targetAltitude(int altitudeKind, int object, double moonParallaxDegrees) {
    switch (altitudeKind) {
        case 0:
            if (object == Ephemeris::Sun) {
                return static_cast<double>(-0.8333f);
            }
            if (object == Ephemeris::Moon) {
                return 0.7275 * moonParallaxDegrees - 0.5666666666666667;
            }
            return 0.0;
        case 1:
            return -6.0;
        case 2:
            return -12.0;
        case 3:
            return -18.0;
        default:
            return 0.0;
    }
}

bool hasPosition(int object) {
    return object >= 0 && object <= 7 && object != Ephemeris::Earth;
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
        position = planetEclipticPosition(object);
        calcGeocentric(position);
    }
    return position;
}

EphemerisDate Ephemeris::refineEvent(int object, int element, double altitudeDegrees,
                                     EphemerisDate estimate) const {
    const double phi = myLatitude;
    for (int correction = 0; correction < kMaximumCorrections; ++correction) {
        const Ephemeris atEstimate = bareCopyForDate(estimate);
        const Coordinate position = atEstimate.bodyPosition(object);
        const double delta = position.declination;
        const double hourAngle =
            signedHourAngle(atEstimate.localApparentSiderealTime() - position.rightAscension);
        double days = 0.0;
        if (element == kTransit) {
            days = -hourAngle / kSiderealDegreesPerDay;
        } else {
            const double altitude =
                asind(sind(phi) * sind(delta) + cosd(phi) * cosd(delta) * cosd(hourAngle));
            days = (altitude - altitudeDegrees) /
                   (kSiderealDegreesPerDay * cosd(delta) * cosd(phi) * sind(hourAngle));
        }
        if (!std::isfinite(days) || std::fabs(days) > 0.5) {
            throw std::invalid_argument(kNoRiseOrSet);
        }
        estimate = estimate.addTimeInterval(days * kSecondsPerDay);
        if (std::fabs(days) < kConvergedDays) {
            return estimate;
        }
    }
    throw std::invalid_argument(kNoRiseOrSet);
}

double Ephemeris::eventAltitude(int altitudeKind, int object) const {
    double moonParallax = 0.0;
    if (altitudeKind == 0 && object == Moon) {
        Coordinate corrected = myMoon;
        correctPosition(corrected, 0.0);
        moonParallax = corrected.parallax;
    }
    return targetAltitude(altitudeKind, object, moonParallax);
}

std::array<EphemerisDate, 3> Ephemeris::calcTimes(int altitudeKind, int object) const {
    if (!hasPosition(object)) {
        throw std::invalid_argument(
            "No position for object code " + std::to_string(object) +
            ": rise and set need 0 (Sun), 1 (Moon), 2 (Mercury), 3 (Venus), 5 (Mars), "
            "6 (Jupiter) or 7 (Saturn)");
    }
    const double h0 = eventAltitude(altitudeKind, object);
    const double phi = myLatitude;

    // First estimate: the body held at its position of 0 h UT of the local calendar day.
    const EphemerisDate dayStartUT = EphemerisDate::dateWithYear(
        myDate.yearOfCommonEra(), static_cast<unsigned>(myDate.monthOfYear()),
        static_cast<unsigned>(myDate.dayOfMonth()), 0, 0, 0, TimeZone::gmt());
    const Coordinate position = bareCopyForDate(dayStartUT).bodyPosition(object);
    const double delta = position.declination;
    const double cosH0 = (sind(h0) - sind(phi) * sind(delta)) / (cosd(phi) * cosd(delta));
    if (!(cosH0 >= -1.0 && cosH0 <= 1.0)) {
        throw std::invalid_argument(kNoRiseOrSet);
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

    return {refineEvent(object, kRise, h0, rise), refineEvent(object, kSet, h0, set),
            refineEvent(object, kTransit, h0, transit)};
}

std::optional<EphemerisDate> Ephemeris::calcRiseSet(int event, int object) const {
    struct Selection {
        int altitudeKind;
        int element;  // 0 rise, 1 set, 2 transit
    };
    static constexpr Selection kEvents[] = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {2, 0},
                                            {3, 0}, {1, 1}, {2, 1}, {3, 1}};
    if (event < 0 || event >= static_cast<int>(std::size(kEvents))) {
        return std::nullopt;
    }
    const Selection selection = kEvents[event];
    return calcTimes(selection.altitudeKind, object)[static_cast<std::size_t>(selection.element)];
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
