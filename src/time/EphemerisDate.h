#pragma once

#include <cstdint>
#include <string>

#include "time/DateOutOfRange.h"
#include "time/TimeZone.h"

namespace quenaro {

/// Calendar fields of an instant read in a time zone. The calendar is the Gregorian one from
/// 1582-10-15 on and the Julian one before it (as historians write dates); years are
/// astronomical (year 0 is 1 BC).
struct CalendarFields {
    int year = 2001;
    int month = 1;    // [1, 12]
    int day = 1;      // [1, 31]
    int hour = 0;     // [0, 23]
    int minute = 0;   // [0, 59]
    int second = 0;   // [0, 59]
    int weekday = 2;  // [1, 7], 1 = Sunday
};

/// An instant together with the time zone in which its calendar fields are read, plus the two
/// astronomical time quantities the model rests on (Julian date and Greenwich mean sidereal
/// time), both cached. Time is Universal Time from civil time and zone offset; no delta T.
///
/// Instants are seconds since the reference date 2001-01-01 00:00:00 GMT. Construction
/// throws DateOutOfRange (time/DateOutOfRange.h) for a non-finite instant or one outside the
/// years -9999 to 9999 (read in GMT: from -9999-01-01 00:00:00 up to, not including,
/// 10000-01-01 00:00:00), so no field computation ever overflows. Operations whose result
/// would fall outside that range throw the same way.
class EphemerisDate {
  public:
    /// The current moment in the default zone.
    EphemerisDate();
    /// The instant in the default zone.
    explicit EphemerisDate(double timeIntervalSinceReferenceDate);
    /// The instant in the given zone.
    EphemerisDate(double timeIntervalSinceReferenceDate, const TimeZone& zone);

    /// The instant whose fields in the zone are those given. Amounts outside their ranges
    /// carry over (month 13 is January of the next year, month 0 December of the previous
    /// one, day 0 the last day of the previous month, hour 24 the next day's midnight).
    /// A wall time skipped by a forward change moves forward by the gap; an ambiguous one
    /// takes the earlier instant.
    static EphemerisDate dateWithYear(int year, unsigned month, unsigned day, unsigned hour,
                                      unsigned minute, unsigned second, const TimeZone& zone);

    double timeIntervalSinceReferenceDate() const { return myTimeInterval; }
    /// Seconds from other to this date (positive when this is later).
    double timeIntervalSinceDate(const EphemerisDate& other) const;

    const TimeZone& timeZone() const { return myTimeZone; }
    /// Replaces the zone and re-reads the fields; the instant and the caches stay.
    void setTimeZone(const TimeZone& zone);
    /// The zone's offset from GMT in seconds (east positive) at this instant.
    int secondsFromGMT() const { return mySecondsFromGMT; }

    int yearOfCommonEra() const { return myComponents.year; }
    int monthOfYear() const { return myComponents.month; }
    int dayOfMonth() const { return myComponents.day; }
    /// 1 = Sunday ... 7 = Saturday.
    int dayOfWeek() const { return myComponents.weekday; }
    int hourOfDay() const { return myComponents.hour; }
    int minuteOfHour() const { return myComponents.minute; }
    int secondOfMinute() const { return myComponents.second; }
    const CalendarFields& components() const { return myComponents; }
    /// Whole days since 1 January of the same year: 0 on 1 January.
    int dayOfYear() const;
    /// Whole days since 1 January of year 1: 0 on that day.
    int dayOfCommonEra() const;

    /// Adds years, months and days as calendar amounts to the local date, keeping the wall
    /// time (the day is clamped to the length of the resulting month; a skipped wall time
    /// moves forward by the gap, an ambiguous one takes the earlier instant), then hours,
    /// minutes and seconds as elapsed time. Same zone.
    EphemerisDate dateByAddingYears(int years, int months, int days, int hours, int minutes,
                                    int seconds) const;
    /// instant + seconds, same zone.
    EphemerisDate addTimeInterval(double seconds) const;
    EphemerisDate tomorrow() const;
    EphemerisDate yesterday() const;
    /// The first instant of the local calendar day: local midnight, or the first instant
    /// after it when midnight is skipped by a change of offset.
    EphemerisDate startOfDay() const;
    /// 12:00:00 local wall time on the same calendar day.
    EphemerisDate noon() const;
    /// The same instant with its fields read in GMT.
    EphemerisDate convertToGMT() const;

    /// Julian date of the instant in Universal Time, days, from the calendar fields and the
    /// zone offset by the standard civil-date formula (julianDayNumber, CivilCalendar.h); the
    /// Gregorian correction applies to the dates from 1582-10-15 on, so the Julian date runs
    /// on without a jump across the calendar change and New Year 1583. Cached (0.0 marks not
    /// computed); the cache survives copies and setTimeZone().
    double julianDate() const;
    /// Greenwich mean sidereal time in degrees, [0, 360] (rounding can give 360 for a value
    /// just below 0): 6.697374558 h + 0.06570982441908 h/day since J2000.0 at 0 h UT
    /// + 1.00273790935 x UT + 0.000026 h x T^2. Cached like julianDate().
    double greenwichMeanSiderealTime() const;
    /// (60 * hour + minute) / 1440; seconds are ignored.
    double fractionOfDay() const;

    /// The platform's default description: the instant in GMT as "yyyy-MM-dd HH:mm:ss +0000".
    std::string description() const;

  private:
    /// Reads the fields, the offset and the local day of the instant in the zone.
    void readFields();

    double myTimeInterval;  // seconds since 2001-01-01 00:00:00 GMT, finite, checked range
    TimeZone myTimeZone;
    CalendarFields myComponents;
    int mySecondsFromGMT = 0;     // zone offset at the instant, east positive
    std::int64_t myLocalDay = 0;  // the local calendar day, days since 2001-01-01
    mutable double myJulianDate = 0.0;
    mutable double myGMST = 0.0;
};

}  // namespace quenaro
