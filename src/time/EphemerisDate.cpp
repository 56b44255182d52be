#include "time/EphemerisDate.h"

#include <date/date.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "time/CivilCalendar.h"
#include "time/DateOutOfRange.h"
#include "time/Degrees.h"
#include "time/TimeUnits.h"

namespace quenaro {

namespace {

/// kSecondsPerDay for the calendar's whole-second arithmetic.
constexpr auto kWholeSecondsPerDay = static_cast<std::int64_t>(kSecondsPerDay);

// The supported instants: [-9999-01-01 00:00:00 GMT, 10000-01-01 00:00:00 GMT), seconds.
struct SupportedRange {
    double earliest;
    double end;
};

const SupportedRange& supportedRange() {
    static const SupportedRange range{
        static_cast<double>(daysFromCivil(-9999, 1, 1) * kWholeSecondsPerDay),
        static_cast<double>(daysFromCivil(10000, 1, 1) * kWholeSecondsPerDay)};
    return range;
}

// what: "instant" (GMT) or "wall time" (on the zone's clock).
[[noreturn]] void throwOutOfRange(const char* what, double secondsSinceReferenceDate) {
    char message[200];
    std::snprintf(message, sizeof message, "the date's %s %.17g s since 2001-01-01 00:00:00 is %s",
                  what, secondsSinceReferenceDate,
                  std::isfinite(secondsSinceReferenceDate) ? "outside the years -9999 to 9999"
                                                           : "not a finite number of seconds");
    throw DateOutOfRange(message);
}

double checkedInstant(double secondsSinceReferenceDate) {
    const SupportedRange& range = supportedRange();
    // Written so that NaN fails too.
    if (!(secondsSinceReferenceDate >= range.earliest && secondsSinceReferenceDate < range.end)) {
        throwOutOfRange("instant", secondsSinceReferenceDate);
    }
    return secondsSinceReferenceDate;
}

// A wall time (whole seconds since 2001-01-01 00:00:00 on some zone's clock, plus a fraction
// in [0, 1)) as a double, refused when it lies far outside the supported range.
double checkedWallTime(std::int64_t wallSeconds, double fraction) {
    const SupportedRange& range = supportedRange();
    const double wall = static_cast<double>(wallSeconds) + fraction;
    const double slack = 2.0 * kSecondsPerDay;  // more than any zone offset
    if (!(wall >= range.earliest - slack && wall < range.end + slack)) {
        throwOutOfRange("wall time", wall);
    }
    return wall;
}

// Calendar fields of a wall time in whole seconds since 2001-01-01 00:00:00 on some clock;
// also gives its day number.
CalendarFields fieldsOfWallTime(std::int64_t wallSeconds, std::int64_t& localDay) {
    localDay = floorDiv(wallSeconds, kWholeSecondsPerDay);
    const int secondOfDay = static_cast<int>(wallSeconds - localDay * kWholeSecondsPerDay);
    const CivilDate date = civilFromDays(localDay);
    return CalendarFields{static_cast<int>(date.year),
                          date.month,
                          date.day,
                          secondOfDay / 3600,
                          secondOfDay / 60 % 60,
                          secondOfDay % 60,
                          weekdayFromDays(localDay)};
}

double secondsSinceReferenceDateNow() {
    const std::chrono::duration<double> sinceReferenceDate =
        std::chrono::system_clock::now() - date::sys_days{date::year{2001} / 1 / 1};
    return sinceReferenceDate.count();
}

}  // namespace

EphemerisDate::EphemerisDate() : EphemerisDate(secondsSinceReferenceDateNow()) {}

EphemerisDate::EphemerisDate(double timeIntervalSinceReferenceDate)
    : EphemerisDate(timeIntervalSinceReferenceDate, TimeZone::defaultZone()) {}

EphemerisDate::EphemerisDate(double timeIntervalSinceReferenceDate, const TimeZone& zone)
    : myTimeInterval(checkedInstant(timeIntervalSinceReferenceDate)), myTimeZone(zone) {
    readFields();
}

void EphemerisDate::readFields() {
    mySecondsFromGMT = myTimeZone.secondsFromGMT(myTimeInterval);
    const auto wallSeconds =
        static_cast<std::int64_t>(std::floor(myTimeInterval)) + mySecondsFromGMT;
    myComponents = fieldsOfWallTime(wallSeconds, myLocalDay);
}

EphemerisDate EphemerisDate::dateWithYear(int year, unsigned month, unsigned day, unsigned hour,
                                          unsigned minute, unsigned second, const TimeZone& zone) {
    // Every amount fits in 64 bits: months < 2^35, days < 2^40, seconds < 2^57.
    const std::int64_t monthCount = std::int64_t{year} * 12 + std::int64_t{month} - 1;
    const std::int64_t fieldYear = floorDiv(monthCount, 12);
    const int fieldMonth = static_cast<int>(monthCount - fieldYear * 12) + 1;
    // Days outside the month carry from its first or last day, so that the days counted
    // never cross the ten days dropped in October 1582.
    const int dayInMonth =
        static_cast<int>(std::clamp<std::int64_t>(day, 1, daysInMonth(fieldYear, fieldMonth)));
    const std::int64_t localDay =
        daysFromCivil(fieldYear, fieldMonth, dayInMonth) + std::int64_t{day} - dayInMonth;
    const std::int64_t wallSeconds = localDay * kWholeSecondsPerDay + std::int64_t{hour} * 3600 +
                                     std::int64_t{minute} * 60 + std::int64_t{second};
    return EphemerisDate(zone.instantForWallTime(checkedWallTime(wallSeconds, 0.0)), zone);
}

double EphemerisDate::timeIntervalSinceDate(const EphemerisDate& other) const {
    return myTimeInterval - other.myTimeInterval;
}

void EphemerisDate::setTimeZone(const TimeZone& zone) {
    myTimeZone = zone;
    readFields();
}

int EphemerisDate::dayOfYear() const {
    return static_cast<int>(myLocalDay - daysFromCivil(myComponents.year, 1, 1));
}

int EphemerisDate::dayOfCommonEra() const {
    return static_cast<int>(myLocalDay - daysFromCivil(1, 1, 1));
}

EphemerisDate EphemerisDate::dateByAddingYears(int years, int months, int days, int hours,
                                               int minutes, int seconds) const {
    const std::int64_t monthCount = std::int64_t{myComponents.year} * 12 + myComponents.month - 1 +
                                    std::int64_t{years} * 12 + months;
    const std::int64_t year = floorDiv(monthCount, 12);
    const int month = static_cast<int>(monthCount - year * 12) + 1;
    const int day = std::min(myComponents.day, daysInMonth(year, month));
    const std::int64_t localDay = daysFromCivil(year, month, day) + days;
    const std::int64_t wallSeconds = localDay * kWholeSecondsPerDay + myComponents.hour * 3600 +
                                     myComponents.minute * 60 + myComponents.second;
    const double fraction = myTimeInterval - std::floor(myTimeInterval);
    const double elapsedSeconds =
        static_cast<double>(std::int64_t{hours} * 3600 + std::int64_t{minutes} * 60 + seconds);
    return EphemerisDate(
        myTimeZone.instantForWallTime(checkedWallTime(wallSeconds, fraction)) + elapsedSeconds,
        myTimeZone);
}

EphemerisDate EphemerisDate::addTimeInterval(double seconds) const {
    return EphemerisDate(myTimeInterval + seconds, myTimeZone);
}

EphemerisDate EphemerisDate::tomorrow() const {
    return dateByAddingYears(0, 0, 1, 0, 0, 0);
}

EphemerisDate EphemerisDate::yesterday() const {
    return dateByAddingYears(0, 0, -1, 0, 0, 0);
}

EphemerisDate EphemerisDate::startOfDay() const {
    const double midnight = checkedWallTime(myLocalDay * kWholeSecondsPerDay, 0.0);
    return EphemerisDate(myTimeZone.firstInstantAtOrAfterWallTime(midnight), myTimeZone);
}

EphemerisDate EphemerisDate::noon() const {
    const double noon = checkedWallTime(myLocalDay * kWholeSecondsPerDay + 12 * 3600, 0.0);
    return EphemerisDate(myTimeZone.instantForWallTime(noon), myTimeZone);
}

EphemerisDate EphemerisDate::convertToGMT() const {
    EphemerisDate converted = *this;
    converted.setTimeZone(TimeZone::gmt());
    return converted;
}

double EphemerisDate::julianDate() const {
    if (myJulianDate != 0.0) {
        return myJulianDate;
    }
    const CalendarFields& fields = myComponents;
    myJulianDate = julianDayNumber(fields.year, fields.month, fields.day) +
                   (fields.hour - 12) / 24.0 + fields.minute / 1440.0 +
                   (fields.second - mySecondsFromGMT) / kSecondsPerDay;
    return myJulianDate;
}

double EphemerisDate::greenwichMeanSiderealTime() const {
    if (myGMST != 0.0) {
        return myGMST;
    }
    const CalendarFields& fields = myComponents;
    const double universalTimeHours = std::fmod(mySecondsFromGMT / -3600.0 + 24.0 + fields.hour +
                                                    fields.minute / 60.0 + fields.second / 3600.0,
                                                24.0);
    const double julianDay = julianDate();
    const double centuries = (julianDay - 2451545.0) / 36525.0;
    const double julianDayAtMidnight = julianDay + universalTimeHours / -24.0;
    const double daysAtMidnight = julianDayAtMidnight - 2451545.0;
    const double siderealHours = 6.697374558 + 0.06570982441908 * daysAtMidnight +
                                 1.00273790935 * universalTimeHours +
                                 0.000026 * (centuries * centuries);
    myGMST = mod360(siderealHours * 15.0);
    return myGMST;
}

double EphemerisDate::fractionOfDay() const {
    return (60 * myComponents.hour + myComponents.minute) / 1440.0;
}

std::string EphemerisDate::description() const {
    std::int64_t day = 0;
    const CalendarFields fields =
        fieldsOfWallTime(static_cast<std::int64_t>(std::floor(myTimeInterval)), day);
    char text[40];
    std::snprintf(text, sizeof text, "%s%04d-%02d-%02d %02d:%02d:%02d +0000",
                  fields.year < 0 ? "-" : "", std::abs(fields.year), fields.month, fields.day,
                  fields.hour, fields.minute, fields.second);
    return text;
}

}  // namespace quenaro
