// The planetary hour of real dates and places (Ephemeris::planetaryHour()): the first hours of
// a Sunday, the night before a Monday's sunrise running on from Sunday's hours, and days
// without sunrise or sunset at 69.65 N, which show the day ruler only.

#include <gtest/gtest.h>

#include <optional>

#include "model/PlanetaryHour.h"
#include "model/Ephemeris.h"
#include "model/ObserverPosition.h"
#include "model/PlanetaryHour.h"
#include "time/TimeZone.h"

namespace quenaro {
namespace {

struct Place {
    double latitudeDegrees;
    double longitudeDegrees;
    const char* zone;
};
constexpr Place kBerlin{52.52, 13.40, "Europe/Berlin"};
constexpr Place kTromso{69.65, 18.96, "Europe/Oslo"};

/// Models at the place, whose night hours (which ask for tomorrow at the best known position)
/// belong to the same place; the fallback position again afterwards.
class PlanetaryHourAt : public ::testing::Test {
  protected:
    void TearDown() override {
        setBestKnownPosition({});
        TimeZone::setDefaultZone(TimeZone::gmt());
    }

    Ephemeris model(const Place& place, int year, int month, int day, int hour, int minute) {
        const TimeZone zone = TimeZone::named(place.zone);
        TimeZone::setDefaultZone(zone);
        setBestKnownPosition({place.latitudeDegrees, place.longitudeDegrees});
        return Ephemeris(EphemerisDate::dateWithYear(
                             year, static_cast<unsigned>(month), static_cast<unsigned>(day),
                             static_cast<unsigned>(hour), static_cast<unsigned>(minute), 0, zone),
                         place.latitudeDegrees, place.longitudeDegrees);
    }
};

TEST_F(PlanetaryHourAt, SundayFirstHourIsTheSunsThenEachHourStepsBackThroughTheChaldeanOrder) {
    // 2026-03-15 is a Sunday; its day hours run from sunrise in twelfths of the daylight.
    const Ephemeris noon = model(kBerlin, 2026, 3, 15, 12, 0);
    const EphemerisDate sunrise = noon.sunRise();
    const double dayHour = noon.dayHourDuration();
    struct Row {
        double hoursAfterSunrise;
        int hour;
        int ruler;
    };
    const Row rows[] = {{1.0 / 60, 0, Ephemeris::Sun},
                        {1.5, 1, Ephemeris::Venus},
                        {2.5, 2, Ephemeris::Mercury},
                        {3.5, 3, Ephemeris::Moon},
                        {11.99, 11, Ephemeris::Saturn}};
    for (const Row& row : rows) {
        const Ephemeris at =
            noon.copyForDate(sunrise.addTimeInterval(row.hoursAfterSunrise * dayHour));
        const PlanetaryHour hour = at.planetaryHour();
        EXPECT_TRUE(hour.daytime) << row.hoursAfterSunrise;
        EXPECT_EQ(hour.dayRuler, Ephemeris::Sun) << row.hoursAfterSunrise;
        EXPECT_EQ(hour.hour, std::optional<int>(row.hour)) << row.hoursAfterSunrise;
        EXPECT_EQ(hour.hourRuler, std::optional<int>(row.ruler)) << row.hoursAfterSunrise;
    }
    // The first night hour follows the last day hour.
    const PlanetaryHour evening =
        noon.copyForDate(noon.sunSet().addTimeInterval(60)).planetaryHour();
    EXPECT_FALSE(evening.daytime);
    EXPECT_EQ(evening.hour, std::optional<int>(12));
    EXPECT_EQ(evening.hourRuler, std::optional<int>(Ephemeris::Jupiter));
}

TEST_F(PlanetaryHourAt, BeforeSunriseTheNightRunsOnFromYesterdaysSunsetUnderYesterdaysRuler) {
    // Monday 2026-03-16: from midnight to sunrise the night hours of Sunday go on, counted
    // from Sunday's sunset with Sunday's night-hour length.
    const Ephemeris monday = model(kBerlin, 2026, 3, 16, 12, 0);
    const EphemerisDate sunrise = monday.sunRise();
    for (const int hour : {0, 2, 4, 5}) {
        const PlanetaryHour night = model(kBerlin, 2026, 3, 16, hour, 30).planetaryHour();
        EXPECT_FALSE(night.daytime) << hour;
        EXPECT_EQ(night.dayRuler, Ephemeris::Sun) << hour;
        ASSERT_TRUE(night.hour) << hour;
        EXPECT_GE(*night.hour, 12) << hour;
        EXPECT_LE(*night.hour, 23) << hour;
    }
    // The last hour before sunrise is Sunday's 24th, Mercury's, and the next, Monday's first,
    // is the Moon's: the succession runs on through sunrise.
    const PlanetaryHour last = monday.copyForDate(sunrise.addTimeInterval(-60)).planetaryHour();
    EXPECT_EQ(last.hour, std::optional<int>(23));
    EXPECT_EQ(last.hourRuler, std::optional<int>(Ephemeris::Mercury));
    const PlanetaryHour first = monday.copyForDate(sunrise.addTimeInterval(60)).planetaryHour();
    EXPECT_EQ(first.dayRuler, Ephemeris::Moon);
    EXPECT_EQ(first.hour, std::optional<int>(0));
    EXPECT_EQ(first.hourRuler, std::optional<int>(Ephemeris::Moon));
}

TEST_F(PlanetaryHourAt, DaysWithoutSunriseOrSunsetShowTheDayRulerOnly) {
    struct Row {
        const char* name;
        int month;
        int day;
        int hour;
        int dayRuler;
        bool daytime;
    };
    const Row rows[] = {
        {"midsummer Sunday noon", 6, 21, 12, Ephemeris::Sun, true},
        {"midsummer Sunday midnight", 6, 21, 0, Ephemeris::Sun, true},
        {"midwinter Monday noon", 12, 21, 12, Ephemeris::Moon, false},
        {"midwinter Thursday evening", 12, 24, 20, Ephemeris::Jupiter, false},
    };
    for (const Row& row : rows) {
        const PlanetaryHour hour =
            model(kTromso, 2026, row.month, row.day, row.hour, 0).planetaryHour();
        EXPECT_EQ(hour.dayRuler, row.dayRuler) << row.name;
        EXPECT_EQ(hour.daytime, row.daytime) << row.name;
        EXPECT_FALSE(hour.hour) << row.name;
        EXPECT_FALSE(hour.hourRuler) << row.name;
    }
}

TEST_F(PlanetaryHourAt, EveryMinuteOfAYearAtTheArcticCircleGivesAnHourInItsHalfOrNone) {
    // Sampled every 97 minutes through 2026 at 69.65 N, where the days around the polar day
    // and night have a sunrise without the sunset the night is counted from: the hour is
    // within 0-11 by day and 12-23 by night, or absent; never anything else.
    Ephemeris at = model(kTromso, 2026, 1, 1, 0, 0);
    int withoutHour = 0;
    for (int step = 0; step < 365 * 24 * 60 / 97; ++step) {
        at.setDate(at.date().addTimeInterval(97 * 60.0));
        const PlanetaryHour hour = at.planetaryHour();
        if (!hour.hour) {
            ++withoutHour;
            continue;
        }
        EXPECT_EQ(*hour.hour < 12, hour.daytime) << at.date().description();
        EXPECT_GE(*hour.hour, 0);
        EXPECT_LE(*hour.hour, 23);
        EXPECT_TRUE(hour.hourRuler);
    }
    EXPECT_GT(withoutHour, 0);
}

}  // namespace
}  // namespace quenaro
