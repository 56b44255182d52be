#include "time/EphemerisDate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

namespace quenaro {
namespace {

const TimeZone kGMT = TimeZone::gmt();

EphemerisDate dateIn(const TimeZone& zone, int year, unsigned month, unsigned day,
                     unsigned hour = 0, unsigned minute = 0, unsigned second = 0) {
    return EphemerisDate::dateWithYear(year, month, day, hour, minute, second, zone);
}

// "yyyy-mm-dd hh:mm:ss +hhmm": the wall time and the offset, which together fix the instant.
std::string wallTime(const EphemerisDate& date) {
    const int offsetMinutes = std::abs(date.secondsFromGMT()) / 60;
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d %c%02d%02d",
                  date.yearOfCommonEra(), date.monthOfYear(), date.dayOfMonth(), date.hourOfDay(),
                  date.minuteOfHour(), date.secondOfMinute(), date.secondsFromGMT() < 0 ? '-' : '+',
                  offsetMinutes / 60, offsetMinutes % 60);
    return text;
}

struct Row {
    const char* what;
    EphemerisDate date;
    const char* expected;  // wallTime() of the date
};

void expectWallTimes(std::initializer_list<Row> rows) {
    for (const Row& row : rows) {
        EXPECT_EQ(wallTime(row.date), row.expected) << row.what;
    }
}

TEST(DaylightSavingTest, BerlinDaysOf23And25HoursKeepTheWallTimeForCalendarAmounts) {
    // 2026-03-29 02:00 CET jumps to 03:00 CEST; 2026-10-25 03:00 CEST falls back to 02:00 CET.
    const TimeZone berlin = TimeZone::named("Europe/Berlin");
    const auto at = [&](unsigned month, unsigned day, unsigned hour, unsigned minute = 0) {
        return dateIn(berlin, 2026, month, day, hour, minute);
    };
    const auto plus24Hours = [](const EphemerisDate& date) {
        return date.dateByAddingYears(0, 0, 0, 24, 0, 0);
    };
    expectWallTimes({
        {"start of the 23 h day", at(3, 29, 15).startOfDay(), "2026-03-29 00:00:00 +0100"},
        {"23 h later", at(3, 29, 15).startOfDay().tomorrow(), "2026-03-30 00:00:00 +0200"},
        {"noon of the 23 h day", at(3, 29, 15).noon(), "2026-03-29 12:00:00 +0200"},
        {"skipped 02:30 moves forward", at(3, 29, 2, 30), "2026-03-29 03:30:00 +0200"},
        {"02:30 + 1 day, in the gap", at(3, 28, 2, 30).tomorrow(), "2026-03-29 03:30:00 +0200"},
        {"noon + 1 day, spring", at(3, 28, 12).tomorrow(), "2026-03-29 12:00:00 +0200"},
        {"noon + 24 h, spring", plus24Hours(at(3, 28, 12)), "2026-03-29 13:00:00 +0200"},
        {"start of the 25 h day", at(10, 25, 20).startOfDay(), "2026-10-25 00:00:00 +0200"},
        {"25 h later", at(10, 25, 20).startOfDay().tomorrow(), "2026-10-26 00:00:00 +0100"},
        {"noon of the 25 h day", at(10, 25, 20).noon(), "2026-10-25 12:00:00 +0100"},
        {"repeated 02:30: the earlier", at(10, 25, 2, 30), "2026-10-25 02:30:00 +0200"},
        {"noon + 1 day, autumn", at(10, 24, 12).tomorrow(), "2026-10-25 12:00:00 +0100"},
        {"noon + 24 h, autumn", plus24Hours(at(10, 24, 12)), "2026-10-25 11:00:00 +0100"},
    });
}

TEST(DaylightSavingTest, SkippedMidnightsHalfHourAndFourteenHourZones) {
    const TimeZone saoPaulo = TimeZone::named("America/Sao_Paulo");
    const TimeZone lordHowe = TimeZone::named("Australia/Lord_Howe");
    const TimeZone kiritimati = TimeZone::named("Pacific/Kiritimati");
    const TimeZone kathmandu = TimeZone::named("Asia/Kathmandu");
    const EphemerisDate saoPauloStart = dateIn(saoPaulo, 2018, 11, 4, 10).startOfDay();
    const EphemerisDate lordHoweNoon = dateIn(lordHowe, 2024, 10, 5, 12);
    const EphemerisDate kiritimatiNoon = dateIn(kiritimati, 1994, 12, 30, 12);
    expectWallTimes({
        // 2018-11-04 00:00 (-03) became 01:00 (-02).
        {"Sao Paulo: start of day", saoPauloStart, "2018-11-04 01:00:00 -0200"},
        {"Sao Paulo: midnight", dateIn(saoPaulo, 2018, 11, 4), "2018-11-04 01:00:00 -0200"},
        {"Sao Paulo: noon", saoPauloStart.noon(), "2018-11-04 12:00:00 -0200"},
        // 1919-03-30 23:30 EST became 03-31 00:30 EDT; midnight moved by the gap would be 01:00.
        {"Toronto: start of day",
         dateIn(TimeZone::named("America/Toronto"), 1919, 3, 31, 9).startOfDay(),
         "1919-03-31 00:30:00 -0400"},
        // 2024-10-06 02:00 (+10:30) became 02:30 (+11): a day of 23.5 hours.
        {"Lord Howe: noon", lordHoweNoon, "2024-10-05 12:00:00 +1030"},
        {"Lord Howe: noon + 1 day", lordHoweNoon.tomorrow(), "2024-10-06 12:00:00 +1100"},
        {"Kiritimati: new year", dateIn(kiritimati, 2026, 1, 1), "2026-01-01 00:00:00 +1400"},
        // The zone moved from -10 to +14 hours: 1994-12-30 was followed by 1995-01-01.
        {"Kiritimati: noon", kiritimatiNoon, "1994-12-30 12:00:00 -1000"},
        {"Kiritimati: noon + 1 day", kiritimatiNoon.tomorrow(), "1995-01-01 12:00:00 +1400"},
        {"Kathmandu: reference date", EphemerisDate(0.0, kathmandu), "2001-01-01 05:45:00 +0545"},
        // 1986-01-01 moved from +05:30 to +05:45 at midnight.
        {"Kathmandu: start of day", dateIn(kathmandu, 1986, 1, 1, 12).startOfDay(),
         "1986-01-01 00:15:00 +0545"},
    });
    EXPECT_EQ(dateIn(kiritimati, 2026, 1, 1).dayOfYear(), 0);
}

TEST(CalendarArithmeticTest, The1582ReformSkipsTenDaysButNoWeekday) {
    const EphemerisDate thursday = dateIn(kGMT, 1582, 10, 4, 12);
    const EphemerisDate friday = thursday.tomorrow();
    EXPECT_EQ(thursday.dayOfWeek(), 5);
    EXPECT_EQ(friday.dayOfWeek(), 6);
    EXPECT_EQ(wallTime(friday), "1582-10-15 12:00:00 +0000");
    EXPECT_EQ(wallTime(friday.yesterday()), "1582-10-04 12:00:00 +0000");
}

TEST(CalendarArithmeticTest, AddedMonthsClampTheDayAndOutOfRangeFieldsCarryOver) {
    const auto add = [](const EphemerisDate& date, int years, int months, int days) {
        return date.dateByAddingYears(years, months, days, 0, 0, 0);
    };
    expectWallTimes({
        {"01-31 + 1 month", add(dateIn(kGMT, 2023, 1, 31), 0, 1, 0), "2023-02-28 00:00:00 +0000"},
        {"in a leap year", add(dateIn(kGMT, 2024, 1, 31), 0, 1, 0), "2024-02-29 00:00:00 +0000"},
        {"03-31 - 1 month", add(dateIn(kGMT, 2024, 3, 31), 0, -1, 0), "2024-02-29 00:00:00 +0000"},
        {"02-29 + 1 year", add(dateIn(kGMT, 2024, 2, 29), 1, 0, 0), "2025-02-28 00:00:00 +0000"},
        {"clamp, then days", add(dateIn(kGMT, 2023, 8, 31), 0, 13, 1), "2024-10-01 00:00:00 +0000"},
        {"0001-01-01 - 1 day", add(dateIn(kGMT, 1, 1, 1), 0, 0, -1), "0000-12-31 00:00:00 +0000"},
        {"Julian 02-29", add(dateIn(kGMT, 1500, 2, 29), 200, 0, 0), "1700-02-28 00:00:00 +0000"},
        {"month 13", dateIn(kGMT, 2023, 13, 1), "2024-01-01 00:00:00 +0000"},
        {"month 0", dateIn(kGMT, 2023, 0, 1), "2022-12-01 00:00:00 +0000"},
        {"day 0", dateIn(kGMT, 2024, 3, 0), "2024-02-29 00:00:00 +0000"},
        {"hour 24", dateIn(kGMT, 2023, 12, 31, 24), "2024-01-01 00:00:00 +0000"},
        {"86461 seconds", dateIn(kGMT, 2023, 1, 1, 0, 0, 86461), "2023-01-02 00:01:01 +0000"},
        // Carrying never crosses the days dropped in 1582; a date inside them reads as Julian.
        {"1582-10-32", dateIn(kGMT, 1582, 10, 32), "1582-11-01 00:00:00 +0000"},
        {"1582-10-10", dateIn(kGMT, 1582, 10, 10), "1582-10-20 00:00:00 +0000"},
    });
    // Calendar amounts keep the fraction of the second.
    EXPECT_EQ(EphemerisDate(0.25, kGMT).tomorrow().timeIntervalSinceReferenceDate(), 86400.25);
}

TEST(CalendarArithmeticTest, EveryDayFromMinus4713To3000RoundTripsInGMT) {
    // Fields and instants agree for every day, checked three ways: the date rebuilt from the
    // fields, the weekday cycle and the Julian date, whose formula knows nothing of the code
    // that reads the fields.
    constexpr double kDay = 86400.0;
    const double first = dateIn(kGMT, -4713, 1, 1, 6, 30).timeIntervalSinceReferenceDate();
    const double last = dateIn(kGMT, 3000, 12, 31, 6, 30).timeIntervalSinceReferenceDate();
    int expectedWeekday = EphemerisDate(first, kGMT).dayOfWeek();
    for (double seconds = first; seconds <= last; seconds += kDay) {
        const EphemerisDate date(seconds, kGMT);
        const CalendarFields& f = date.components();
        const double rebuilt = dateIn(kGMT, f.year, f.month, f.day, f.hour, f.minute, f.second)
                                   .timeIntervalSinceReferenceDate();
        // The Julian date runs on without a jump, across 1582-10-15 and New Year 1583 too.
        const double expectedJulianDate = 2451910.5 + seconds / kDay;
        if (rebuilt != seconds || f.weekday != expectedWeekday ||
            std::abs(date.julianDate() - expectedJulianDate) > 1e-8) {
            FAIL() << date.description() << ": weekday " << f.weekday << ", JD "
                   << date.julianDate() << ", rebuilt " << rebuilt;
        }
        expectedWeekday = expectedWeekday % 7 + 1;
    }
}

}  // namespace
}  // namespace quenaro
