#include "time/CivilCalendar.h"

#include <cmath>
#include <tuple>

namespace quenaro {

namespace {

// Both calendars count in cycles that start on 1 March, so the leap day ends the year.
// Day of the year from 1 March, [0, 365], for a month [1, 12] and day [1, 31].
constexpr std::int64_t dayOfMarchYear(int month, int day) {
    const int monthFromMarch = month > 2 ? month - 3 : month + 9;  // [0, 11]
    return (153 * monthFromMarch + 2) / 5 + day - 1;
}

// Month [1, 12] and day [1, 31] of a day of the year counted from 1 March, [0, 365].
constexpr void monthDayOfMarchYear(std::int64_t dayOfYear, int& month, int& day) {
    const int monthFromMarch = static_cast<int>((5 * dayOfYear + 2) / 153);  // [0, 11]
    day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
}

// Days from 1 March of year 0 to 2001-01-01 in each calendar (the Julian 1 March of year 0
// fell two days before the Gregorian one).
constexpr std::int64_t kGregorianMarchOfYearZero = 730791;
constexpr std::int64_t kJulianMarchOfYearZero = 730793;

constexpr std::int64_t gregorianDaysFromCivil(std::int64_t year, int month, int day) {
    const std::int64_t marchYear = month <= 2 ? year - 1 : year;
    const std::int64_t era = floorDiv(marchYear, 400);
    const std::int64_t yearOfEra = marchYear - era * 400;       // [0, 399]
    const std::int64_t dayOfYear = dayOfMarchYear(month, day);  // [0, 365]
    const std::int64_t dayOfEra =
        yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;  // [0, 146096]
    return era * 146097 + dayOfEra - kGregorianMarchOfYearZero;
}

constexpr std::int64_t julianDaysFromCivil(std::int64_t year, int month, int day) {
    const std::int64_t marchYear = month <= 2 ? year - 1 : year;
    const std::int64_t cycle = floorDiv(marchYear, 4);
    const std::int64_t yearOfCycle = marchYear - cycle * 4;                          // [0, 3]
    const std::int64_t dayOfCycle = yearOfCycle * 365 + dayOfMarchYear(month, day);  // [0, 1460]
    return cycle * 1461 + dayOfCycle - kJulianMarchOfYearZero;
}

constexpr std::int64_t kFirstGregorianDay = gregorianDaysFromCivil(1582, 10, 15);
static_assert(julianDaysFromCivil(1582, 10, 4) + 1 == kFirstGregorianDay);
static_assert(gregorianDaysFromCivil(2001, 1, 1) == 0);

CivilDate gregorianCivilFromDays(std::int64_t days) {
    const std::int64_t fromMarch = days + kGregorianMarchOfYearZero;
    const std::int64_t era = floorDiv(fromMarch, 146097);
    const std::int64_t dayOfEra = fromMarch - era * 146097;  // [0, 146096]
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // [0, 399]
    const std::int64_t dayOfYear =
        dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);  // [0, 365]
    CivilDate date{};
    monthDayOfMarchYear(dayOfYear, date.month, date.day);
    date.year = era * 400 + yearOfEra + (date.month <= 2 ? 1 : 0);
    return date;
}

CivilDate julianCivilFromDays(std::int64_t days) {
    const std::int64_t fromMarch = days + kJulianMarchOfYearZero;
    const std::int64_t cycle = floorDiv(fromMarch, 1461);
    const std::int64_t dayOfCycle = fromMarch - cycle * 1461;                 // [0, 1460]
    const std::int64_t yearOfCycle = (dayOfCycle - dayOfCycle / 1460) / 365;  // [0, 3]
    const std::int64_t dayOfYear = dayOfCycle - 365 * yearOfCycle;            // [0, 365]
    CivilDate date{};
    monthDayOfMarchYear(dayOfYear, date.month, date.day);
    date.year = cycle * 4 + yearOfCycle + (date.month <= 2 ? 1 : 0);
    return date;
}

}  // namespace

bool isGregorianDate(std::int64_t year, int month, int day) {
    return std::tie(year, month, day) >= std::tuple<std::int64_t, int, int>(1582, 10, 15);
}

double julianDayNumber(std::int64_t year, int month, int day) {
    const bool gregorian = isGregorianDate(year, month, day);
    auto formulaYear = static_cast<double>(year);
    double formulaMonth = month;
    if (month <= 2) {
        formulaYear -= 1.0;
        formulaMonth += 12.0;
    }
    const double centuries = std::floor(formulaYear / 100.0);
    const double gregorianCorrection =
        gregorian ? 2.0 - centuries + std::floor(centuries / 4.0) : 0.0;
    return std::floor(365.25 * (formulaYear + 4716.0)) +
           std::floor(30.6001 * (formulaMonth + 1.0)) + day + gregorianCorrection - 1524.0;
}

std::int64_t daysFromCivil(std::int64_t year, int month, int day) {
    if (isGregorianDate(year, month, day)) {
        return gregorianDaysFromCivil(year, month, day);
    }
    return julianDaysFromCivil(year, month, day);
}

CivilDate civilFromDays(std::int64_t days) {
    return days >= kFirstGregorianDay ? gregorianCivilFromDays(days) : julianCivilFromDays(days);
}

int weekdayFromDays(std::int64_t days) {
    // Day 0 is a Monday (2).
    return static_cast<int>(days + 1 - floorDiv(days + 1, 7) * 7) + 1;
}

int daysInMonth(std::int64_t year, int month) {
    if (month != 2) {
        return month == 4 || month == 6 || month == 9 || month == 11 ? 30 : 31;
    }
    const bool leap =
        year <= 1582 ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return leap ? 29 : 28;
}

}  // namespace quenaro
