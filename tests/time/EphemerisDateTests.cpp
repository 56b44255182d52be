#include "time/EphemerisDate.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace quenaro {
namespace {

const TimeZone kGMT = TimeZone::gmt();

EphemerisDate gmtDate(int year, unsigned month, unsigned day, unsigned hour = 0,
                      unsigned minute = 0, unsigned second = 0) {
    return EphemerisDate::dateWithYear(year, month, day, hour, minute, second, kGMT);
}

TEST(EphemerisDateFieldsTest, FieldsAreReadInTheDateZoneAndFlooredToTheSecond) {
    const EphemerisDate evening(0.0, TimeZone::forSecondsFromGMT(-5 * 3600));
    EXPECT_EQ(evening.dayOfMonth(), 31);
    EXPECT_EQ(evening.hourOfDay(), 19);
    const EphemerisDate inGMT = evening.convertToGMT();
    EXPECT_EQ(inGMT.timeZone(), kGMT);
    EXPECT_EQ(inGMT.timeIntervalSinceReferenceDate(), 0.0);
    EXPECT_EQ(inGMT.hourOfDay(), 0);
    // Half a second before the reference date is still 2000-12-31 23:59:59.
    EXPECT_EQ(EphemerisDate(-0.5, kGMT).secondOfMinute(), 59);
    EXPECT_EQ(gmtDate(2023, 6, 1, 18, 0, 59).fractionOfDay(), 0.75);  // seconds are ignored
}

TEST(EphemerisDateFieldsTest, DayOfYearAndDayOfCommonEraCountWholeCalendarDays) {
    EXPECT_EQ(gmtDate(2023, 1, 1, 23, 59, 59).dayOfYear(), 0);
    EXPECT_EQ(gmtDate(2023, 3, 1).dayOfYear(), 59);
    EXPECT_EQ(gmtDate(2024, 3, 1).dayOfYear(), 60);
    EXPECT_EQ(gmtDate(1582, 12, 31).dayOfYear(), 354);  // ten days of October never happened
    // JD 2451910.5 (2001-01-01) less JD 1721423.5 (0001-01-01, Julian calendar).
    EXPECT_EQ(gmtDate(2001, 1, 1).dayOfCommonEra(), 730487);
    EXPECT_EQ(gmtDate(0, 12, 31).dayOfCommonEra(), -1);
}

TEST(EphemerisDateJulianDateTest, MatchesPublishedJulianDates) {
    struct Row {
        const char* what;
        EphemerisDate date;
        double expected;
    };
    const Row rows[] = {
        {"2000-01-01 12:00 GMT", gmtDate(2000, 1, 1, 12), 2451545.0},
        {"2000-01-01 13:00 at +1 h",
         EphemerisDate::dateWithYear(2000, 1, 1, 13, 0, 0, TimeZone::forSecondsFromGMT(3600)),
         2451545.0},
        {"1957-10-04 19:26:24", gmtDate(1957, 10, 4, 19, 26, 24), 2436116.31},
        {"-4712-01-01 12:00: zero is a valid Julian date", gmtDate(-4712, 1, 1, 12), 0.0},
        {"2024-01-01 (January is month 13)", gmtDate(2024, 1, 1), 2460310.5},
        {"2024-02-29 (February is month 14)", gmtDate(2024, 2, 29), 2460369.5},
        // The Gregorian correction applies from 1582-10-15 on: the day after 1582-10-04
        // (Julian calendar) is 1582-10-15, and 1583-01-01 follows 1582-12-31.
        {"1582-10-04 12:00 (Julian calendar)", gmtDate(1582, 10, 4, 12), 2299160.0},
        {"1582-10-15 00:00, the first Gregorian day", gmtDate(1582, 10, 15), 2299160.5},
        {"1582-12-31 12:00", gmtDate(1582, 12, 31, 12), 2299238.0},
        {"1583-01-01 12:00", gmtDate(1583, 1, 1, 12), 2299239.0},
    };
    for (const Row& row : rows) {
        EXPECT_NEAR(row.date.julianDate(), row.expected, 1e-8) << row.what;
    }
}

TEST(EphemerisDateJulianDateTest, CacheSurvivesCopiesAndZoneChanges) {
    // 1583-01-01 00:30 at +1 h is 1582-12-31 23:30 in GMT: a copy read in another zone keeps
    // the value, cached or computed again from its own fields.
    const EphemerisDate newYear =
        EphemerisDate::dateWithYear(1583, 1, 1, 0, 30, 0, TimeZone::forSecondsFromGMT(3600));
    const double julianDay = newYear.julianDate();
    EXPECT_NEAR(julianDay, 2299238.5 - 1.0 / 48.0, 1e-9);
    EphemerisDate copy = newYear;
    copy.setTimeZone(kGMT);
    EXPECT_EQ(copy.yearOfCommonEra(), 1582);
    EXPECT_EQ(copy.julianDate(), julianDay);
    EXPECT_EQ(newYear.convertToGMT().julianDate(), julianDay);
    // Uncached, the GMT reading of the same instant (a Gregorian 1582 date) gives it too.
    EXPECT_NEAR(EphemerisDate(newYear.timeIntervalSinceReferenceDate(), kGMT).julianDate(),
                julianDay, 1e-9);
}

TEST(EphemerisDateSiderealTimeTest, MatchesTheMeanSiderealTimeFormula) {
    // 1987-04-10 19:21:00 UT: 8 h 34 m 57.0896 s by the full IAU 1982 expression; the
    // shorter formula agrees within 1e-6 degrees (0.00024 s of time).
    const EphemerisDate date(gmtDate(1987, 4, 10, 19, 21).timeIntervalSinceReferenceDate(),
                             TimeZone::named("America/New_York"));
    EXPECT_NEAR(date.greenwichMeanSiderealTime(), 128.7378734, 1e-6);
}

TEST(EphemerisDateTest, DescriptionIsTheInstantInGMT) {
    EXPECT_EQ(EphemerisDate(0.0, TimeZone::named("Asia/Kathmandu")).description(),
              "2001-01-01 00:00:00 +0000");
    EXPECT_EQ(EphemerisDate(-0.25, kGMT).description(), "2000-12-31 23:59:59 +0000");
    EXPECT_EQ(gmtDate(-44, 3, 15, 12).description(), "-0044-03-15 12:00:00 +0000");
}

TEST(EphemerisDateRangeTest, NonFiniteInstantsAndYearsBeyondMinus9999To9999AreRefused) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    for (double bad : {std::nan(""), kInfinity, -kInfinity, 1e300, -1e300}) {
        EXPECT_THROW(EphemerisDate(bad, kGMT), std::invalid_argument) << bad;
    }
    EXPECT_THAT(
        [] { EphemerisDate(std::nan(""), kGMT); },
        ::testing::ThrowsMessage<std::invalid_argument>(::testing::HasSubstr("not a finite")));
    // Years -9999 to 9999 are accepted, read in GMT.
    const EphemerisDate first = gmtDate(-9999, 1, 1);
    EXPECT_EQ(first.yearOfCommonEra(), -9999);
    EXPECT_THROW(first.addTimeInterval(-0.001), std::invalid_argument);
    EXPECT_THROW(first.yesterday(), std::invalid_argument);
    const EphemerisDate last = gmtDate(9999, 12, 31, 23, 59, 59);
    EXPECT_EQ(last.addTimeInterval(0.999).secondOfMinute(), 59);
    EXPECT_THROW(last.addTimeInterval(1.0), std::invalid_argument);
    EXPECT_THROW(gmtDate(10000, 1, 1), std::invalid_argument);
    // Huge amounts are refused, never overflowed.
    EXPECT_THROW(gmtDate(INT_MAX, UINT_MAX, UINT_MAX, UINT_MAX, UINT_MAX, UINT_MAX),
                 std::invalid_argument);
    EXPECT_THROW(gmtDate(INT_MIN, 0, 0), std::invalid_argument);
    EXPECT_THROW(last.dateByAddingYears(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX),
                 std::invalid_argument);
    EXPECT_THROW(first.dateByAddingYears(INT_MIN, INT_MIN, INT_MIN, 0, 0, 0),
                 std::invalid_argument);
}

}  // namespace
}  // namespace quenaro
