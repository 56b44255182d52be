#pragma once

#include <cstdint>

// The civil calendar of the model's dates: Julian up to 1582-10-04, Gregorian from the next
// day, 1582-10-15, on; astronomical year numbering (year 0 is 1 BC, year -44 is 45 BC).
// Days are counted from the reference date: day 0 is 2001-01-01, a Monday.

namespace quenaro {

struct CivilDate {
    std::int64_t year;
    int month;  // [1, 12]
    int day;    // [1, 31]
};

/// a / b rounded toward negative infinity (b > 0): splits seconds into days, months into years.
constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

/// Whether the calendar date is a Gregorian one: 1582-10-15 or later. month in [1, 12],
/// day in [1, 31].
bool isGregorianDate(std::int64_t year, int month, int day);

/// The Julian day number of a calendar date: the Julian date at 12:00 UT of that day, an
/// integer, by the standard civil-date formula floor(365.25 (Y + 4716)) + floor(30.6001
/// (M + 1)) + D + B - 1524, where January and February count as months 13 and 14 of the
/// previous year and the Gregorian correction B = 2 - A + floor(A / 4), A = floor(Y / 100),
/// applies to dates from 1582-10-15 on (B = 0 before). Exact for |year| below 10^13.
double julianDayNumber(std::int64_t year, int month, int day);

/// Day number (days since 2001-01-01) of a calendar date. Dates up to 1582-10-14 are read in
/// the Julian calendar (so the missing 1582-10-10 is taken as the Julian date, 1582-10-20),
/// later ones in the Gregorian. month in [1, 12], day in [1, 31]; |year| up to 10^12.
std::int64_t daysFromCivil(std::int64_t year, int month, int day);

/// The calendar date of a day number (days since 2001-01-01); |days| up to 10^14.
CivilDate civilFromDays(std::int64_t days);

/// Weekday of a day number (days since 2001-01-01): 1 = Sunday ... 7 = Saturday.
int weekdayFromDays(std::int64_t days);

/// Number of days of the month in [28, 31]: Julian leap years (every fourth) up to 1582,
/// Gregorian ones after. October 1582 is counted as 31 days although ten of them never
/// happened. month in [1, 12].
int daysInMonth(std::int64_t year, int month);

}  // namespace quenaro
