#include "time/CivilCalendar.h"

#include <gtest/gtest.h>

namespace quenaro {
namespace {

TEST(CivilCalendarTest, DayNumbersAreJulianDayNumbersLess2451911AcrossThe1582Switch) {
    EXPECT_EQ(daysFromCivil(2001, 1, 1), 0);
    EXPECT_EQ(weekdayFromDays(0), 2);                          // Monday
    EXPECT_EQ(daysFromCivil(-4712, 1, 1), 0 - 2451911);        // Julian day 0, Julian calendar
    EXPECT_EQ(daysFromCivil(1582, 10, 4), 2299160 - 2451911);  // the last Julian day
    EXPECT_EQ(daysFromCivil(1582, 10, 15), 2299161 - 2451911);
    // A date inside the ten dropped days is read in the Julian calendar.
    EXPECT_EQ(daysFromCivil(1582, 10, 10), daysFromCivil(1582, 10, 20));
}

TEST(CivilCalendarTest, MonthLengthsAgreeWithDayNumbersOnBothSidesOfTheSwitch) {
    // Julian leap years up to 1582 (-100, 1500), Gregorian ones after (not 1700 nor 2100).
    for (std::int64_t year : {-101, -100, -1, 0, 4, 1500, 1581, 1583, 1600, 1700, 2000, 2100}) {
        for (int month = 1; month <= 12; ++month) {
            const std::int64_t nextMonthStart =
                month == 12 ? daysFromCivil(year + 1, 1, 1) : daysFromCivil(year, month + 1, 1);
            EXPECT_EQ(nextMonthStart - daysFromCivil(year, month, 1), daysInMonth(year, month))
                << year << "-" << month;
        }
    }
}

}  // namespace
}  // namespace quenaro
