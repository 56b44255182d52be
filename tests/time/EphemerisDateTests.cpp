#include "model/EphemerisDate.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace quenaro {
namespace {

const TimeZone kGMT = TimeZone::gmt();

EphemerisDate gmtDate(int year, unsigned month, unsigned day, unsigned hour = 0,
                      unsigned minute = 0, unsigned second = 0) {
    return EphemerisDate::dateWithYear(year, month, day, hour, minute, second, kGMT);
}

TEST(EphemerisDateFieldsTest, FieldsAreReadInTheDateZone) {
    const EphemerisDate date(0.0, TimeZone::forSecondsFromGMT(-5 * 3600));
    const CalendarFields& fields = date.components();
    EXPECT_EQ(fields.year, 2000);
    EXPECT_EQ(fields.month, 12);
    EXPECT_EQ(fields.day, 31);
    EXPECT_EQ(fields.hour, 19);
    EXPECT_EQ(fields.minute, 0);
    EXPECT_EQ(fields.second, 0);
    EXPECT_EQ(fields.weekday, 1);  // Sunday
    EXPECT_EQ(date.secondsFromGMT(), -18000);
}

TEST(EphemerisDateFieldsTest, FractionalSecondsAreFlooredNotTruncated) {
    // Half a second before the reference date is still 2000-12-31 23:59:59.
    const EphemerisDate date(-0.5, kGMT);
    EXPECT_EQ(date.yearOfCommonEra(), 2000);
    EXPECT_EQ(date.dayOfMonth(), 31);
    EXPECT_EQ(date.secondOfMinute(), 59);
    EXPECT_EQ(date.timeIntervalSinceReferenceDate(), -0.5);
    EXPECT_EQ(EphemerisDate(59.75, kGMT).secondOfMinute(), 59);
}

TEST(EphemerisDateFieldsTest, DayOfYearAndDayOfCommonEraCountWholeCalendarDays) {
    EXPECT_EQ(gmtDate(2023, 1, 1, 23, 59, 59).dayOfYear(), 0);
    EXPECT_EQ(gmtDate(2023, 3, 1).dayOfYear(), 59);
    EXPECT_EQ(gmtDate(2024, 3, 1).dayOfYear(), 60);
    EXPECT_EQ(gmtDate(2023, 12, 31).dayOfYear(), 364);
    EXPECT_EQ(gmtDate(2024, 12, 31, 18).dayOfYear(), 365);
    EXPECT_EQ(gmtDate(1582, 12, 31).dayOfYear(), 354);  // ten days of October never happened
    EXPECT_EQ(gmtDate(1, 1, 1, 12).dayOfCommonEra(), 0);
    EXPECT_EQ(gmtDate(1, 1, 2).dayOfCommonEra(), 1);
    // JD 2451910.5 (2001-01-01) less JD 1721423.5 (0001-01-01, Julian calendar).
    EXPECT_EQ(gmtDate(2001, 1, 1).dayOfCommonEra(), 730487);
    EXPECT_EQ(gmtDate(0, 12, 31).dayOfCommonEra(), -1);
}

TEST(EphemerisDateFieldsTest, FractionOfDayIgnoresSeconds) {
    EXPECT_EQ(gmtDate(2023, 6, 1, 18, 0, 59).fractionOfDay(), 0.75);
    EXPECT_EQ(gmtDate(2023, 6, 1, 0, 0, 0).fractionOfDay(), 0.0);
    EXPECT_EQ(gmtDate(2023, 6, 1, 23, 59, 59).fractionOfDay(), 1439.0 / 1440.0);
}

TEST(EphemerisDateJulianDateTest, J2000IsTheSameInstantInEveryZone) {
    const EphemerisDate gmtNoon = gmtDate(2000, 1, 1, 12);
    EXPECT_EQ(gmtNoon.julianDate(), 2451545.0);
    const EphemerisDate plusOneHour(gmtNoon.timeIntervalSinceReferenceDate(),
                                    TimeZone::forSecondsFromGMT(3600));
    EXPECT_EQ(plusOneHour.hourOfDay(), 13);
    EXPECT_EQ(plusOneHour.julianDate(), 2451545.0);
    const EphemerisDate kathmandu(gmtNoon.timeIntervalSinceReferenceDate(),
                                  TimeZone::named("Asia/Kathmandu"));
    EXPECT_EQ(kathmandu.minuteOfHour(), 45);
    EXPECT_EQ(kathmandu.julianDate(), 2451545.0);
}

TEST(EphemerisDateJulianDateTest, MatchesPublishedJulianDates) {
    struct Case {
        const char* what;
        EphemerisDate date;
        double expected;
    };
    const Case cases[] = {
        {"1957-10-04 19:26:24", gmtDate(1957, 10, 4, 19, 26, 24), 2436116.31},
        {"0333-01-27 12:00 Julian", gmtDate(333, 1, 27, 12), 1842713.0},
        {"-1000-07-12 12:00 Julian", gmtDate(-1000, 7, 12, 12), 1356001.0},
        {"2024-01-01 00:00 (January is month 13)", gmtDate(2024, 1, 1), 2460310.5},
        {"2024-02-29 00:00 (February is month 14)", gmtDate(2024, 2, 29), 2460369.5},
        {"2024-03-01 00:00", gmtDate(2024, 3, 1), 2460370.5},
        {"1582-10-04 00:00 Julian", gmtDate(1582, 10, 4), 2299159.5},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.date.julianDate(), c.expected, 1e-8) << c.what;
    }
}

TEST(EphemerisDateJulianDateTest, GregorianCorrectionSwitchesByFieldYear) {
    // Every field year up to 1582 is read as Julian, so the Gregorian dates from 1582-10-15
    // to 1582-12-31 come out ten days late and 1583-01-01 lies nine days before 1582-12-31.
    EXPECT_EQ(gmtDate(1582, 12, 31, 12).julianDate(), 2299248.0);
    EXPECT_EQ(gmtDate(1583, 1, 1, 12).julianDate(), 2299239.0);
}

TEST(EphemerisDateJulianDateTest, ZeroIsAValidJulianDateAndIsRecomputedEachTime) {
    const EphemerisDate epoch = gmtDate(-4712, 1, 1, 12);
    EXPECT_EQ(epoch.julianDate(), 0.0);
    EXPECT_EQ(epoch.julianDate(), 0.0);
}

TEST(EphemerisDateJulianDateTest, CacheSurvivesCopiesAndZoneChanges) {
    // 1583-01-01 00:30 at +1 h is 1582-12-31 23:30 in GMT, whose field year would drop the
    // Gregorian correction: only a cached value stays at the first reading.
    const EphemerisDate newYear =
        EphemerisDate::dateWithYear(1583, 1, 1, 0, 30, 0, TimeZone::forSecondsFromGMT(3600));
    const double julianDay = newYear.julianDate();
    EXPECT_NEAR(julianDay, 2299238.5 - 1.0 / 48.0, 1e-9);
    EphemerisDate copy = newYear;
    copy.setTimeZone(kGMT);
    EXPECT_EQ(copy.yearOfCommonEra(), 1582);
    EXPECT_EQ(copy.julianDate(), julianDay);
    EXPECT_EQ(newYear.convertToGMT().julianDate(), julianDay);
    // Uncached, the GMT reading of the same instant gives the Julian-calendar value.
    EXPECT_NEAR(EphemerisDate(newYear.timeIntervalSinceReferenceDate(), kGMT).julianDate(),
                julianDay + 10.0, 1e-9);
}

TEST(EphemerisDateSiderealTimeTest, MatchesTheMeanSiderealTimeFormula) {
    // 18.697374558 h at J2000.0 (2000-01-01 12:00 UT).
    EXPECT_NEAR(gmtDate(2000, 1, 1, 12).greenwichMeanSiderealTime(), 280.46061837, 1e-8);
    // 1987-04-10 19:21:00 UT: 8 h 34 m 57.0896 s by the full IAU 1982 expression; the
    // shorter formula agrees within 1e-6 degrees (0.00024 s of time).
    const EphemerisDate date(gmtDate(1987, 4, 10, 19, 21).timeIntervalSinceReferenceDate(),
                             TimeZone::named("America/New_York"));
    EXPECT_NEAR(date.greenwichMeanSiderealTime(), 128.7378734, 1e-6);
    EXPECT_NEAR(date.convertToGMT().greenwichMeanSiderealTime(), 128.7378734, 1e-6);
}

TEST(EphemerisDateTest, ConvertToGMTKeepsTheInstant) {
    const EphemerisDate evening =
        EphemerisDate::dateWithYear(2023, 3, 14, 20, 30, 0, TimeZone::forSecondsFromGMT(-5 * 3600));
    const EphemerisDate inGMT = evening.convertToGMT();
    EXPECT_EQ(inGMT.hourOfDay(), 1);
    EXPECT_EQ(inGMT.minuteOfHour(), 30);
    EXPECT_EQ(inGMT.dayOfMonth(), 15);
    EXPECT_EQ(inGMT.timeZone(), kGMT);
    EXPECT_EQ(inGMT.timeIntervalSinceDate(evening), 0.0);
    EXPECT_EQ(evening.hourOfDay(), 20);  // the receiver is unchanged
    // Computed from either set of fields the Julian date agrees to rounding; a copy made
    // after the first computation carries it over exactly.
    EXPECT_NEAR(inGMT.julianDate(), evening.julianDate(), 1e-9);
    EXPECT_EQ(evening.convertToGMT().julianDate(), evening.julianDate());
}

TEST(EphemerisDateTest, DescriptionIsTheInstantInGMT) {
    EXPECT_EQ(EphemerisDate(0.0, TimeZone::named("Asia/Kathmandu")).description(),
              "2001-01-01 00:00:00 +0000");
    EXPECT_EQ(EphemerisDate(-0.25, kGMT).description(), "2000-12-31 23:59:59 +0000");
    EXPECT_EQ(gmtDate(-44, 3, 15, 12).description(), "-0044-03-15 12:00:00 +0000");
    EXPECT_EQ(gmtDate(9999, 12, 31, 23, 59, 59).description(), "9999-12-31 23:59:59 +0000");
}

TEST(EphemerisDateRangeTest, NonFiniteInstantsAreRefused) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    for (double bad : {std::nan(""), kInfinity, -kInfinity, 1e300, -1e300}) {
        EXPECT_THROW(EphemerisDate(bad, kGMT), std::invalid_argument) << bad;
        EXPECT_THROW(EphemerisDate(0.0, kGMT).addTimeInterval(bad), std::invalid_argument);
    }
    try {
        EphemerisDate(std::nan(""), kGMT);
    } catch (const std::invalid_argument& error) {
        EXPECT_NE(std::string(error.what()).find("not a finite"), std::string::npos);
    }
}

TEST(EphemerisDateRangeTest, YearsMinus9999To9999AreAcceptedInGMT) {
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
