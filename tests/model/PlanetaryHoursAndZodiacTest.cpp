// Zodiac texts, planet symbols and planetary-hour texts: exact strings and indices.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "ModelTestSupport.h"
#include "model/Ephemeris.h"
#include "model/ObserverPosition.h"

namespace quenaro {
namespace {

TEST(Zodiac, PositionTextTruncatesMinutes) {
    EXPECT_EQ(Ephemeris::zodiacPositionString(45.5), "Taurus 15° 30'");
    EXPECT_EQ(Ephemeris::zodiacPositionString(0.0), "Aries 0° 0'");
    EXPECT_EQ(Ephemeris::zodiacPositionString(-10.0), "Pisces 20° 0'");
    EXPECT_EQ(Ephemeris::zodiacPositionString(359.99), "Pisces 29° 59'");
    EXPECT_EQ(Ephemeris::zodiacPositionString(225.0), "Scorpius 15° 0'");
}

TEST(Zodiac, FullCircleIsAriesAtZero) {
    double degreesWithinSign = -1.0;
    EXPECT_EQ(Ephemeris::degreesToZodiac(360.0, &degreesWithinSign), 0);
    EXPECT_EQ(degreesWithinSign, 0.0);
}

// mod360 rounds -1e-14 up to exactly 360: sign 12, which reads as Aries again.
TEST(Zodiac, TinyNegativeLongitudeGivesSignTwelveShownAsAries) {
    double degreesWithinSign = -1.0;
    EXPECT_EQ(Ephemeris::degreesToZodiac(-1e-14, &degreesWithinSign), 12);
    EXPECT_EQ(degreesWithinSign, 0.0);
    EXPECT_EQ(Ephemeris::symbolForZodiac(12), "Aries");
    EXPECT_EQ(Ephemeris::zodiacPositionString(-1e-14), "Aries 0° 0'");
}

TEST(Zodiac, SignWithoutPointerAndNegativeSignIndex) {
    EXPECT_EQ(Ephemeris::degreesToZodiac(45.5, nullptr), 1);
    EXPECT_EQ(Ephemeris::symbolForZodiac(7), "Scorpius");
    // A negative index counts back from Pisces instead of reading before the table.
    EXPECT_EQ(Ephemeris::symbolForZodiac(-1), "Pisces");
    EXPECT_EQ(Ephemeris::symbolForZodiac(std::numeric_limits<int>::min()),
              "Leo");  // -2^31 = 4 mod 12
}

TEST(Zodiac, NonFiniteLongitudeHasNoSign) {
    for (const double longitude :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        double degreesWithinSign = 0.0;
        EXPECT_EQ(Ephemeris::degreesToZodiac(longitude, &degreesWithinSign), 0);
        EXPECT_TRUE(std::isnan(degreesWithinSign));
        EXPECT_EQ(Ephemeris::zodiacPositionString(longitude), kNoAngleText);
    }
}

TEST(PlanetaryHours, RulerTables) {
    EXPECT_EQ(Ephemeris::planetForWeekDay(7), Ephemeris::Sun);
    EXPECT_EQ(Ephemeris::planetForWeekDay(1), Ephemeris::Moon);
    EXPECT_EQ(Ephemeris::planetForWeekDay(6), Ephemeris::Saturn);
    EXPECT_EQ(Ephemeris::chaledeanPlanet(3), Ephemeris::Sun);
    EXPECT_EQ(Ephemeris::chaledeanPlanet(10), Ephemeris::Sun);
    EXPECT_EQ(Ephemeris::chaledeanPlanet(0), Ephemeris::Moon);
}

// Negative arguments are reduced to [0, 7) instead of indexing before the tables.
TEST(PlanetaryHours, NegativeArgumentsWrapAround) {
    EXPECT_EQ(Ephemeris::planetForWeekDay(-1), Ephemeris::Saturn);
    EXPECT_EQ(Ephemeris::chaledeanPlanet(-1), Ephemeris::Saturn);
    EXPECT_EQ(Ephemeris::chaledeanPlanet(-4), Ephemeris::Sun);
    EXPECT_EQ(Ephemeris::planetForWeekDay(std::numeric_limits<int>::min()),
              Ephemeris::Venus);  // -2^31 = 5 mod 7
}

// The one rule for the hour rulers: the day's ruler at its first hour, then one place back
// through the Chaldean order each hour, running on from the 24th hour of a day to the first
// of the next.
TEST(PlanetaryHours, HourRulersStepBackThroughTheChaldeanOrderAcrossDays) {
    const auto chaldeanPosition = [](int planet) {
        for (int position = 0; position < 7; ++position) {
            if (Ephemeris::chaledeanPlanet(position) == planet) {
                return position;
            }
        }
        return -1;
    };
    for (int day = 0; day < 7; ++day) {
        EXPECT_EQ(Ephemeris::hourRuler(0, day), Ephemeris::planetForWeekDay(day)) << day;
        for (int hour = 1; hour < 24; ++hour) {
            EXPECT_EQ(Ephemeris::hourRuler(hour, day),
                      Ephemeris::chaledeanPlanet(
                          chaldeanPosition(Ephemeris::hourRuler(hour - 1, day)) - 1))
                << day << " " << hour;
        }
        EXPECT_EQ(Ephemeris::hourRuler(0, day + 1),
                  Ephemeris::chaledeanPlanet(chaldeanPosition(Ephemeris::hourRuler(23, day)) - 1))
            << day;
    }
    // Taken cyclically, without overflow.
    EXPECT_EQ(
        Ephemeris::hourRuler(std::numeric_limits<int>::min(), std::numeric_limits<int>::max()),
        Ephemeris::Venus);
}

TEST(PlanetaryHours, PlanetSymbols) {
    EXPECT_EQ(Ephemeris::symbolForPlanet(-1), "");
    EXPECT_EQ(Ephemeris::symbolForPlanet(11), "X");
    EXPECT_EQ(Ephemeris::symbolForPlanet(Ephemeris::Sun), "\u263C");
    EXPECT_EQ(Ephemeris::symbolForPlanet(Ephemeris::Moon), "\u263D");
    EXPECT_EQ(Ephemeris::symbolForPlanet(Ephemeris::Mercury), "☿");  // U+263F, U+263E skipped
    EXPECT_EQ(Ephemeris::symbolForPlanet(Ephemeris::Pluto), "\u2647");
}

TEST(PlanetaryHours, HourTexts) {
    EXPECT_EQ(Ephemeris::stringForPlanetaryHour(0, 0), "H:☼D:☼");
    EXPECT_EQ(Ephemeris::stringForPlanetaryHour(1, 0), "H:♀D:☼");
    EXPECT_EQ(Ephemeris::stringForPlanetaryHour(11, 0), "H:♄D:☼");
    EXPECT_EQ(Ephemeris::stringForPlanetaryHour(12, 1), "H:♀N:☽");
    EXPECT_EQ(Ephemeris::stringForPlanetaryHour(0, 6), "H:♄D:♄");
}

TEST(PlanetaryHours, DaysRepeatWeeklyForEveryHour) {
    for (int hour = 0; hour < 24; ++hour) {
        EXPECT_EQ(Ephemeris::stringForPlanetaryHour(hour, 7),
                  Ephemeris::stringForPlanetaryHour(hour, 0))
            << "hour " << hour;
        // Reduced before the arithmetic: a negative day is a day of the week before.
        EXPECT_EQ(Ephemeris::stringForPlanetaryHour(hour, -1),
                  Ephemeris::stringForPlanetaryHour(hour, 6))
            << "hour " << hour;
    }
}

// Extreme arguments must not overflow the int arithmetic (the sanitizer build checks this):
// hour -2^31 = 5 mod 7 and day 2^31 - 1 = 1 mod 7 (Monday) give Venus for the hour.
TEST(PlanetaryHours, ExtremeArgumentsStayInTheTables) {
    EXPECT_EQ(Ephemeris::stringForPlanetaryHour(std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()),
              "H:♀D:☽");
}

// Summer solstice 2024 at 45 N, 90 W. Reference: the sunrise hour angle at altitude -0.8333
// for declination 23.44, cos H = (sin(-0.8333) - sin 45 sin 23.44) / (cos 45 cos 23.44),
// gives a day of 2H / 15 = 15.617 h: day hours of 4685 s and night hours of
// (24 h - 15.617 h) / 12 = 2515 s. Tolerance 5 s per hour (1 minute on the day).
TEST(PlanetaryHours, HourLengthsAtSummerSolsticeAt45North) {
    const GeographicPosition previous = bestKnownPosition();
    setBestKnownPosition({45.0, -90.0});  // tomorrow's sunrise is taken at the best known place
    const Ephemeris model = testing::modelAt(2024, 6, 21, 12, 0, "America/Chicago", 45.0, -90.0);
    EXPECT_NEAR(model.dayHourDuration(), 4685.0, 5.0);
    EXPECT_NEAR(model.nightHourDuration(), 2515.0, 5.0);
    setBestKnownPosition(previous);
}

}  // namespace
}  // namespace quenaro
