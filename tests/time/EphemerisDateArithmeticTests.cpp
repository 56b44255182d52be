#include "model/EphemerisDate.h"

#include <gtest/gtest.h>

namespace quenaro {
namespace {

constexpr double kHour = 3600.0;

const TimeZone kGMT = TimeZone::gmt();

struct WallTime {
    int year, month, day, hour, minute, second;
};

void expectWallTime(const EphemerisDate& date, WallTime expected) {
    EXPECT_EQ(date.yearOfCommonEra(), expected.year) << date.description();
    EXPECT_EQ(date.monthOfYear(), expected.month) << date.description();
    EXPECT_EQ(date.dayOfMonth(), expected.day) << date.description();
    EXPECT_EQ(date.hourOfDay(), expected.hour) << date.description();
    EXPECT_EQ(date.minuteOfHour(), expected.minute) << date.description();
    EXPECT_EQ(date.secondOfMinute(), expected.second) << date.description();
}

double gmtInstant(int year, unsigned month, unsigned day, unsigned hour, unsigned minute = 0) {
    return EphemerisDate::dateWithYear(year, month, day, hour, minute, 0, kGMT)
        .timeIntervalSinceReferenceDate();
}

// Europe/Berlin: 2026-03-29 02:00 CET jumps to 03:00 CEST (01:00 GMT); 2026-10-25 03:00 CEST
// falls back to 02:00 CET (01:00 GMT).
class BerlinTest : public ::testing::Test {
  protected:
    const TimeZone berlin = TimeZone::named("Europe/Berlin");
    EphemerisDate at(int month, unsigned day, unsigned hour, unsigned minute = 0) const {
        return EphemerisDate::dateWithYear(2026, month, day, hour, minute, 0, berlin);
    }
};

TEST_F(BerlinTest, SpringForwardDayHas23Hours) {
    const EphemerisDate afternoon = at(3, 29, 15);
    const EphemerisDate start = afternoon.startOfDay();
    EXPECT_EQ(start.timeIntervalSinceReferenceDate(), gmtInstant(2026, 3, 28, 23));
    EXPECT_EQ(start.tomorrow().timeIntervalSinceDate(start), 23 * kHour);
    expectWallTime(afternoon.noon(), {2026, 3, 29, 12, 0, 0});
    EXPECT_EQ(afternoon.noon().secondsFromGMT(), 7200);
    // A skipped wall time moves forward by the gap.
    const EphemerisDate skipped = at(3, 29, 2, 30);
    expectWallTime(skipped, {2026, 3, 29, 3, 30, 0});
    EXPECT_EQ(skipped.timeIntervalSinceReferenceDate(), gmtInstant(2026, 3, 29, 1, 30));
    expectWallTime(at(3, 28, 2, 30).tomorrow(), {2026, 3, 29, 3, 30, 0});
    // Days keep the wall time, hours are elapsed time.
    const EphemerisDate saturdayNoon = at(3, 28, 12);
    EXPECT_EQ(saturdayNoon.tomorrow().timeIntervalSinceDate(saturdayNoon), 23 * kHour);
    expectWallTime(saturdayNoon.dateByAddingYears(0, 0, 0, 24, 0, 0), {2026, 3, 29, 13, 0, 0});
    expectWallTime(at(3, 29, 0).dateByAddingYears(0, 0, 0, 3, 0, 0), {2026, 3, 29, 4, 0, 0});
}

TEST_F(BerlinTest, FallBackDayHas25Hours) {
    const EphemerisDate evening = at(10, 25, 20);
    const EphemerisDate start = evening.startOfDay();
    EXPECT_EQ(start.timeIntervalSinceReferenceDate(), gmtInstant(2026, 10, 24, 22));
    expectWallTime(start, {2026, 10, 25, 0, 0, 0});
    EXPECT_EQ(start.tomorrow().timeIntervalSinceDate(start), 25 * kHour);
    expectWallTime(start.tomorrow(), {2026, 10, 26, 0, 0, 0});
    EXPECT_EQ(start.noon().timeIntervalSinceReferenceDate(), gmtInstant(2026, 10, 25, 11));
    EXPECT_EQ(evening.noon().timeIntervalSinceReferenceDate(), gmtInstant(2026, 10, 25, 11));
    // An ambiguous wall time takes the earlier instant (still summer time).
    const EphemerisDate repeated = at(10, 25, 2, 30);
    EXPECT_EQ(repeated.timeIntervalSinceReferenceDate(), gmtInstant(2026, 10, 25, 0, 30));
    EXPECT_EQ(repeated.secondsFromGMT(), 7200);
    // +1 day is 25 hours of elapsed time, +24 hours ends an hour earlier on the clock.
    const EphemerisDate saturdayNoon = at(10, 24, 12);
    EXPECT_EQ(saturdayNoon.tomorrow().timeIntervalSinceDate(saturdayNoon), 25 * kHour);
    expectWallTime(saturdayNoon.dateByAddingYears(0, 0, 0, 24, 0, 0), {2026, 10, 25, 11, 0, 0});
    expectWallTime(at(10, 26, 12).yesterday(), {2026, 10, 25, 12, 0, 0});
}

TEST_F(BerlinTest, StartOfDayAndNoonOfTheDayEdges) {
    expectWallTime(at(6, 10, 23, 59).addTimeInterval(59.5).startOfDay(), {2026, 6, 10, 0, 0, 0});
    expectWallTime(at(6, 10, 0).noon(), {2026, 6, 10, 12, 0, 0});
    expectWallTime(at(6, 10, 0).startOfDay(), {2026, 6, 10, 0, 0, 0});
}

TEST_F(BerlinTest, FieldsRoundTripThroughTheWallTimeAllYear) {
    // Every quarter hour of 2026: reading the fields back gives the instant, except in the
    // repeated hour, where the later instant maps back to the earlier one.
    const double start = gmtInstant(2026, 1, 1, 0);
    const double end = gmtInstant(2027, 1, 1, 0);
    int repeatedInstants = 0;
    for (double seconds = start; seconds < end; seconds += 900.0) {
        const EphemerisDate date(seconds, berlin);
        const EphemerisDate back = EphemerisDate::dateWithYear(
            date.yearOfCommonEra(), date.monthOfYear(), date.dayOfMonth(), date.hourOfDay(),
            date.minuteOfHour(), 0, berlin);
        const double difference = date.timeIntervalSinceDate(back);
        if (difference == kHour && date.secondsFromGMT() == 3600 && back.secondsFromGMT() == 7200) {
            ++repeatedInstants;
        } else {
            ASSERT_EQ(difference, 0.0) << date.description();
        }
    }
    EXPECT_EQ(repeatedInstants, 4);
}

TEST(DaylightSavingTest, SaoPauloMidnightDidNotExistOn2018November4) {
    // Clocks went from 2018-11-04 00:00 (-03) to 01:00 (-02).
    const TimeZone saoPaulo = TimeZone::named("America/Sao_Paulo");
    const EphemerisDate morning = EphemerisDate::dateWithYear(2018, 11, 4, 10, 0, 0, saoPaulo);
    const EphemerisDate start = morning.startOfDay();
    expectWallTime(start, {2018, 11, 4, 1, 0, 0});
    EXPECT_EQ(start.timeIntervalSinceReferenceDate(), gmtInstant(2018, 11, 4, 3));
    expectWallTime(EphemerisDate::dateWithYear(2018, 11, 4, 0, 0, 0, saoPaulo),
                   {2018, 11, 4, 1, 0, 0});
    const EphemerisDate dayBefore = EphemerisDate::dateWithYear(2018, 11, 3, 0, 0, 0, saoPaulo);
    expectWallTime(dayBefore.tomorrow(), {2018, 11, 4, 1, 0, 0});
    EXPECT_EQ(start.yesterday().timeIntervalSinceDate(dayBefore), 1 * kHour);
    EXPECT_EQ(morning.noon().timeIntervalSinceReferenceDate(), gmtInstant(2018, 11, 4, 14));
}

TEST(DaylightSavingTest, StartOfDayIsTheChangeWhenAGapStraddlesMidnight) {
    // Toronto, 1919-03-30 23:30 EST jumped to 1919-03-31 00:30 EDT (04:30 GMT): the day
    // began at 00:30, although 00:00 moved forward by the gap would be 01:00.
    const TimeZone toronto = TimeZone::named("America/Toronto");
    const EphemerisDate morning = EphemerisDate::dateWithYear(1919, 3, 31, 9, 0, 0, toronto);
    const EphemerisDate start = morning.startOfDay();
    expectWallTime(start, {1919, 3, 31, 0, 30, 0});
    EXPECT_EQ(start.timeIntervalSinceReferenceDate(), gmtInstant(1919, 3, 31, 4, 30));
    expectWallTime(EphemerisDate::dateWithYear(1919, 3, 31, 0, 0, 0, toronto),
                   {1919, 3, 31, 1, 0, 0});
}

TEST(DaylightSavingTest, LordHoweShiftsByHalfAnHour) {
    // 2024-10-06 02:00 (+10:30) jumped to 02:30 (+11).
    const TimeZone lordHowe = TimeZone::named("Australia/Lord_Howe");
    const EphemerisDate before = EphemerisDate::dateWithYear(2024, 10, 5, 12, 0, 0, lordHowe);
    EXPECT_EQ(before.secondsFromGMT(), 37800);
    const EphemerisDate skipped = EphemerisDate::dateWithYear(2024, 10, 6, 2, 15, 0, lordHowe);
    expectWallTime(skipped, {2024, 10, 6, 2, 45, 0});
    EXPECT_EQ(skipped.secondsFromGMT(), 39600);
    const EphemerisDate start = skipped.startOfDay();
    EXPECT_EQ(start.tomorrow().timeIntervalSinceDate(start), 23.5 * kHour);
    EXPECT_EQ(before.tomorrow().timeIntervalSinceDate(before), 23.5 * kHour);
}

TEST(DaylightSavingTest, KiritimatiIsFourteenHoursAheadAndSkipped1994December31) {
    const TimeZone kiritimati = TimeZone::named("Pacific/Kiritimati");
    const EphemerisDate newYear = EphemerisDate::dateWithYear(2026, 1, 1, 0, 0, 0, kiritimati);
    EXPECT_EQ(newYear.secondsFromGMT(), 14 * 3600);
    EXPECT_EQ(newYear.timeIntervalSinceReferenceDate(), gmtInstant(2025, 12, 31, 10));
    EXPECT_EQ(newYear.convertToGMT().dayOfMonth(), 31);
    EXPECT_EQ(newYear.dayOfYear(), 0);
    EXPECT_EQ(newYear.julianDate(), newYear.convertToGMT().julianDate());
    // The zone moved from -10 to +14 hours: 1994-12-30 was followed by 1995-01-01.
    const EphemerisDate lastDay = EphemerisDate::dateWithYear(1994, 12, 30, 12, 0, 0, kiritimati);
    expectWallTime(lastDay.tomorrow(), {1995, 1, 1, 12, 0, 0});
    EXPECT_EQ(lastDay.tomorrow().timeIntervalSinceDate(lastDay), 24 * kHour);
}

TEST(DaylightSavingTest, KathmanduKeepsQuarterHourOffsets) {
    const TimeZone kathmandu = TimeZone::named("Asia/Kathmandu");
    const EphemerisDate date(gmtInstant(2026, 6, 1, 0), kathmandu);
    EXPECT_EQ(date.secondsFromGMT(), 20700);
    expectWallTime(date, {2026, 6, 1, 5, 45, 0});
    EXPECT_EQ(date.fractionOfDay(), 345.0 / 1440.0);
    EXPECT_EQ(date.julianDate(), date.convertToGMT().julianDate());
    // 1986-01-01 moved from +05:30 to +05:45 at midnight: the day began at 00:15.
    const EphemerisDate newYear = EphemerisDate::dateWithYear(1986, 1, 1, 12, 0, 0, kathmandu);
    expectWallTime(newYear.startOfDay(), {1986, 1, 1, 0, 15, 0});
}

TEST(CalendarArithmeticTest, The1582ReformSkipsTenDays) {
    const EphemerisDate thursday = EphemerisDate::dateWithYear(1582, 10, 4, 12, 0, 0, kGMT);
    EXPECT_EQ(thursday.dayOfWeek(), 5);
    const EphemerisDate friday = thursday.tomorrow();
    expectWallTime(friday, {1582, 10, 15, 12, 0, 0});
    EXPECT_EQ(friday.dayOfWeek(), 6);
    EXPECT_EQ(friday.timeIntervalSinceDate(thursday), 24 * kHour);
    expectWallTime(friday.yesterday(), {1582, 10, 4, 12, 0, 0});
    expectWallTime(thursday.dateByAddingYears(0, 0, 0, 24, 0, 0), {1582, 10, 15, 12, 0, 0});
}

TEST(CalendarArithmeticTest, MonthsAndYearsClampTheDayToTheMonth) {
    struct Case {
        WallTime from;
        int years, months, days;
        WallTime expected;
    };
    const Case cases[] = {
        {{2023, 1, 31, 10, 0, 0}, 0, 1, 0, {2023, 2, 28, 10, 0, 0}},
        {{2024, 1, 31, 10, 0, 0}, 0, 1, 0, {2024, 2, 29, 10, 0, 0}},
        {{2024, 3, 31, 10, 0, 0}, 0, -1, 0, {2024, 2, 29, 10, 0, 0}},
        {{2024, 2, 29, 10, 0, 0}, 1, 0, 0, {2025, 2, 28, 10, 0, 0}},
        {{2023, 8, 31, 6, 0, 0}, 0, 13, 1, {2024, 10, 1, 6, 0, 0}},  // clamp, then add the day
        {{1, 1, 1, 0, 0, 0}, 0, 0, -1, {0, 12, 31, 0, 0, 0}},
        {{1500, 2, 29, 0, 0, 0}, 100, 0, 0, {1600, 2, 29, 0, 0, 0}},
        {{1500, 2, 29, 0, 0, 0}, 200, 0, 0, {1700, 2, 28, 0, 0, 0}},
    };
    const TimeZone berlin = TimeZone::named("Europe/Berlin");
    for (const Case& c : cases) {
        for (const TimeZone& zone : {kGMT, berlin}) {
            const EphemerisDate from =
                EphemerisDate::dateWithYear(c.from.year, c.from.month, c.from.day, c.from.hour,
                                            c.from.minute, c.from.second, zone);
            SCOPED_TRACE(from.description() + " in " + zone.name());
            expectWallTime(from.dateByAddingYears(c.years, c.months, c.days, 0, 0, 0), c.expected);
        }
    }
}

TEST(CalendarArithmeticTest, OutOfRangeFieldsCarryOver) {
    expectWallTime(EphemerisDate::dateWithYear(2023, 13, 1, 0, 0, 0, kGMT), {2024, 1, 1, 0, 0, 0});
    expectWallTime(EphemerisDate::dateWithYear(2023, 0, 1, 0, 0, 0, kGMT), {2022, 12, 1, 0, 0, 0});
    expectWallTime(EphemerisDate::dateWithYear(2024, 3, 0, 0, 0, 0, kGMT), {2024, 2, 29, 0, 0, 0});
    expectWallTime(EphemerisDate::dateWithYear(2023, 12, 31, 24, 0, 0, kGMT),
                   {2024, 1, 1, 0, 0, 0});
    expectWallTime(EphemerisDate::dateWithYear(2023, 1, 1, 0, 0, 86400 + 61, kGMT),
                   {2023, 1, 2, 0, 1, 1});
    expectWallTime(EphemerisDate::dateWithYear(2023, 2, 29, 12, 0, 0, kGMT),
                   {2023, 3, 1, 12, 0, 0});
    // Carrying never crosses the days dropped in 1582; a date inside them reads as Julian.
    expectWallTime(EphemerisDate::dateWithYear(1582, 10, 15, 0, 0, 0, kGMT),
                   {1582, 10, 15, 0, 0, 0});
    expectWallTime(EphemerisDate::dateWithYear(1582, 10, 32, 0, 0, 0, kGMT),
                   {1582, 11, 1, 0, 0, 0});
    expectWallTime(EphemerisDate::dateWithYear(1582, 10, 10, 0, 0, 0, kGMT),
                   {1582, 10, 20, 0, 0, 0});
}

TEST(CalendarArithmeticTest, EveryDayFromMinus1000To3000RoundTripsInGMT) {
    // Fields and instants agree for every day, checked three ways: the date rebuilt from the
    // fields, the weekday cycle and the Julian date, whose formula knows nothing of the code
    // that reads the fields.
    constexpr double kDay = 86400.0;
    const double first = gmtInstant(-1000, 1, 1, 6, 30);
    const double last = gmtInstant(3000, 12, 31, 6, 30);
    const double firstGregorian = gmtInstant(1582, 10, 15, 0);
    const double firstOf1583 = gmtInstant(1583, 1, 1, 0);
    int expectedWeekday = EphemerisDate(first, kGMT).dayOfWeek();
    int failures = 0;
    for (double seconds = first; seconds <= last && failures < 5; seconds += kDay) {
        const EphemerisDate date(seconds, kGMT);
        const CalendarFields& f = date.components();
        const double rebuilt =
            EphemerisDate::dateWithYear(f.year, f.month, f.day, f.hour, f.minute, f.second, kGMT)
                .timeIntervalSinceReferenceDate();
        // The Julian date runs ten days late from 1582-10-15 to the end of 1582.
        const double lateDays = seconds >= firstGregorian && seconds < firstOf1583 ? 10.0 : 0.0;
        const double expectedJulianDate = 2451910.5 + seconds / kDay + lateDays;
        if (rebuilt != seconds || f.hour != 6 || f.minute != 30 || f.second != 0 ||
            f.weekday != expectedWeekday ||
            std::abs(date.julianDate() - expectedJulianDate) > 1e-8) {
            ADD_FAILURE() << date.description() << " weekday " << f.weekday << " (expected "
                          << expectedWeekday << ") JD " << date.julianDate() << " (expected "
                          << expectedJulianDate << ") rebuilt " << rebuilt;
            ++failures;
        }
        expectedWeekday = expectedWeekday % 7 + 1;
    }
}

}  // namespace
}  // namespace quenaro
