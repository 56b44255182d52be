#include "model/CivilCalendar.h"

#include <gtest/gtest.h>

namespace quenaro {
namespace {

constexpr int kSunday = 1;
constexpr int kMonday = 2;
constexpr int kThursday = 5;
constexpr int kFriday = 6;

TEST(CivilCalendarTest, JulianCalendarRunsUpTo1582October4ThenGregorianFromOctober15) {
    EXPECT_EQ(daysFromCivil(1582, 10, 15) - daysFromCivil(1582, 10, 4), 1);
    const CivilDate after = civilFromDays(daysFromCivil(1582, 10, 4) + 1);
    EXPECT_EQ(after.year, 1582);
    EXPECT_EQ(after.month, 10);
    EXPECT_EQ(after.day, 15);
    EXPECT_EQ(weekdayFromDays(daysFromCivil(1582, 10, 4)), kThursday);
    EXPECT_EQ(weekdayFromDays(daysFromCivil(1582, 10, 15)), kFriday);
    // A date inside the gap is read in the Julian calendar.
    EXPECT_EQ(daysFromCivil(1582, 10, 10), daysFromCivil(1582, 10, 20));
}

TEST(CivilCalendarTest, DayNumbersMatchJulianDayNumbers) {
    // Day numbers are Julian day numbers less 2451911 (2001-01-01 is JD 2451910.5 at 0 h).
    EXPECT_EQ(daysFromCivil(2001, 1, 1), 0);
    EXPECT_EQ(weekdayFromDays(0), kMonday);
    EXPECT_EQ(daysFromCivil(2000, 1, 1), 2451545 - 2451911);
    EXPECT_EQ(daysFromCivil(1970, 1, 1), -11323);
    EXPECT_EQ(weekdayFromDays(daysFromCivil(1970, 1, 1)), kThursday);
    EXPECT_EQ(daysFromCivil(-4712, 1, 1), 0 - 2451911);    // Julian day 0
    EXPECT_EQ(daysFromCivil(1, 1, 1), 1721424 - 2451911);  // Julian calendar
    EXPECT_EQ(weekdayFromDays(daysFromCivil(2026, 3, 29)), kSunday);
}

TEST(CivilCalendarTest, LeapYearsFollowTheCalendarInForce) {
    EXPECT_EQ(daysInMonth(1500, 2), 29);  // Julian: every fourth year
    EXPECT_EQ(daysInMonth(1582, 2), 28);
    EXPECT_EQ(daysInMonth(1700, 2), 28);  // Gregorian century
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(2024, 2), 29);
    EXPECT_EQ(daysInMonth(0, 2), 29);  // 1 BC
    EXPECT_EQ(daysInMonth(-1, 2), 28);
    // The month lengths agree with the day numbers on both sides of the switch.
    for (std::int64_t year : {-101, -100, 0, 4, 1500, 1581, 1583, 1600, 1700, 2000, 2100}) {
        for (int month = 1; month <= 12; ++month) {
            const std::int64_t nextMonthStart =
                month == 12 ? daysFromCivil(year + 1, 1, 1) : daysFromCivil(year, month + 1, 1);
            EXPECT_EQ(nextMonthStart - daysFromCivil(year, month, 1), daysInMonth(year, month))
                << year << "-" << month;
        }
    }
}

TEST(CivilCalendarTest, EveryDayRoundTripsAndFollowsTheDayBefore) {
    // Every day from -4713-01-01 (before Julian day 0) to 3000-12-31: the date after day n
    // is day n + 1.
    const std::int64_t first = daysFromCivil(-4713, 1, 1);
    const std::int64_t last = daysFromCivil(3000, 12, 31);
    CivilDate previous = civilFromDays(first);
    ASSERT_EQ(previous.year, -4713);
    int failures = 0;
    for (std::int64_t days = first + 1; days <= last && failures < 5; ++days) {
        const CivilDate date = civilFromDays(days);
        const bool nextDay = date.year == previous.year && date.month == previous.month &&
                             date.day == previous.day + 1;
        const bool nextMonth =
            date.day == 1 && previous.day >= 28 &&
            ((date.year == previous.year && date.month == previous.month + 1) ||
             (date.year == previous.year + 1 && date.month == 1 && previous.month == 12));
        const bool gregorianSwitch = days == daysFromCivil(1582, 10, 15);
        if (!(nextDay || nextMonth || gregorianSwitch) ||
            daysFromCivil(date.year, date.month, date.day) != days) {
            ADD_FAILURE() << "day " << days << ": " << date.year << "-" << date.month << "-"
                          << date.day;
            ++failures;
        }
        previous = date;
    }
    EXPECT_EQ(previous.year, 3000);
    EXPECT_EQ(previous.month, 12);
    EXPECT_EQ(previous.day, 31);
    // The ends of the supported years.
    EXPECT_EQ(civilFromDays(daysFromCivil(-9999, 1, 1)).year, -9999);
    EXPECT_EQ(civilFromDays(daysFromCivil(9999, 12, 31) + 1).year, 10000);
}

}  // namespace
}  // namespace quenaro
