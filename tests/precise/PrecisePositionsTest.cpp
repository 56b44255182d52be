#include "precise/PrecisePositions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <stdexcept>

#include "model/Ephemeris.h"
#include "model/EphemerisFigures.h"
#include "model/ObserverPosition.h"
#include "precise/ApparentPlace.h"
#include "precise/DeltaT.h"

namespace quenaro {
namespace {

constexpr double arcsecond = 1.0 / 3600;

Ephemeris preciseModel(const EphemerisDate& date) {
    Ephemeris model(date, 52.52, 13.40);
    model.setPositionSource(std::make_shared<PrecisePositions>());
    return model;
}

/// The difference of two angles in degrees, in (-180, 180].
double angleDifference(double a, double b) {
    return std::remainder(a - b, 360.0);
}

TEST(PrecisePositions, PlacesTheBodiesAtTTFromTheModelsUniversalTime) {
    const EphemerisDate date = EphemerisDate::dateWithYear(2026, 12, 7, 20, 8, 0, TimeZone::gmt());
    const Ephemeris model = preciseModel(date);
    const double deltaT = model.positionSource()->deltaTSeconds(model.julianDate());
    EXPECT_NEAR(deltaT, 70.0, 1.0);
    const ApparentPlace moon =
        apparentPlace(PreciseBody::Moon, model.julianDate() + deltaT / 86400.0);
    Coordinate modelMoon;
    model.moonCoordinate(modelMoon);
    EXPECT_EQ(modelMoon.rightAscension, moon.rightAscension);
    EXPECT_EQ(modelMoon.longitude, moon.longitude);
    EXPECT_EQ(model.moonDistance(), moon.distanceKilometres);
}

TEST(PrecisePositions, StayWithinTheAlmanacSeriesKnownErrorsOfThem) {
    // Two independent theories: the almanac's series are off from DE405 by up to 52 arcseconds
    // for the Sun, 51 for the Moon (without delta T: its 70 s move the Moon 38 more) and 22
    // for the planets' right ascension and declination.
    for (const int year : {1965, 1992, 2026, 2055}) {
        const EphemerisDate date =
            EphemerisDate::dateWithYear(year, 3, 14, 6, 0, 0, TimeZone::gmt());
        const Ephemeris almanac(date, 52.52, 13.40);
        const Ephemeris precise = preciseModel(date);
        Coordinate almanacSun;
        Coordinate preciseSun;
        almanac.sunCoordinate(almanacSun);
        precise.sunCoordinate(preciseSun);
        EXPECT_LT(std::abs(angleDifference(almanacSun.longitude, preciseSun.longitude)),
                  55 * arcsecond)
            << year;
        Coordinate almanacMoon;
        Coordinate preciseMoon;
        almanac.moonCoordinate(almanacMoon);
        precise.moonCoordinate(preciseMoon);
        EXPECT_LT(std::abs(angleDifference(almanacMoon.longitude, preciseMoon.longitude)),
                  90 * arcsecond)
            << year;
        EXPECT_LT(std::abs(angleDifference(almanacMoon.latitude, preciseMoon.latitude)),
                  90 * arcsecond)
            << year;
        for (const int planet : kNakedEyePlanets) {
            const Coordinate a = almanac.planetPosition(planet);
            const Coordinate p = precise.planetPosition(planet);
            EXPECT_LT(std::abs(angleDifference(a.rightAscension, p.rightAscension)) *
                          std::cos(p.declination * M_PI / 180),
                      25 * arcsecond)
                << year << " " << planet;
            EXPECT_LT(std::abs(angleDifference(a.declination, p.declination)), 25 * arcsecond)
                << year << " " << planet;
        }
    }
}

TEST(PrecisePositions, CopiesKeepTheSourceAndEventsMoveBySeconds) {
    const EphemerisDate date = EphemerisDate::dateWithYear(2026, 6, 21, 12, 0, 0, TimeZone::gmt());
    const Ephemeris almanac(date, 52.52, 13.40);
    const Ephemeris precise = preciseModel(date);
    EXPECT_NE(precise.copyForTomorrow().positionSource(), nullptr);
    EXPECT_EQ(precise.copyForDate(date).positionSource(), precise.positionSource());
    EXPECT_EQ(almanac.copyForTomorrow().positionSource(), nullptr);
    // The Sun's almanac place is within a minute of arc, a few seconds of time at rising; the
    // Moon's within a minute and a half, some ten seconds.
    for (const int body : {int(Ephemeris::Sun), int(Ephemeris::Moon), int(Ephemeris::Venus)}) {
        const auto almanacTimes = almanac.calcTimes(Ephemeris::HorizonAltitude, body);
        const auto preciseTimes = precise.calcTimes(Ephemeris::HorizonAltitude, body);
        for (std::size_t event = 0; event < 3; ++event) {
            EXPECT_LT(std::abs(preciseTimes[event].timeIntervalSinceDate(almanacTimes[event])),
                      body == Ephemeris::Moon ? 20.0 : 8.0)
                << body << " " << event;
        }
    }
}

TEST(PrecisePositions, TheNightHourEndsAtThePreciseSunriseOfTheNextDay) {
    setBestKnownPosition({52.52, 13.40});
    const Ephemeris precise =
        preciseModel(EphemerisDate::dateWithYear(2026, 3, 14, 22, 0, 0, TimeZone::gmt()));
    Ephemeris nextDay = Ephemeris::ephemerisForDate(precise.date().tomorrow());
    const double almanacSunrise = nextDay.sunRise().timeIntervalSinceReferenceDate();
    nextDay.setPositionSource(std::make_shared<PrecisePositions>());
    const double preciseSunrise = nextDay.sunRise().timeIntervalSinceReferenceDate();
    ASSERT_NE(preciseSunrise, almanacSunrise);
    const double expected =
        (preciseSunrise - precise.sunSet().timeIntervalSinceReferenceDate()) / 12;
    EXPECT_DOUBLE_EQ(precise.nightHourDuration(), expected);
    EXPECT_DOUBLE_EQ(*computeFigures(precise).planetaryHours.nightHourSeconds, expected);
}

TEST(PrecisePositions, RefusesBodiesItDoesNotPlace) {
    const Ephemeris precise =
        preciseModel(EphemerisDate::dateWithYear(2026, 1, 1, 0, 0, 0, TimeZone::gmt()));
    EXPECT_THROW(precise.planetEclipticPosition(Ephemeris::Sun), std::out_of_range);
    EXPECT_THROW(precise.planetPosition(Ephemeris::Pluto), std::out_of_range);
    EXPECT_THROW(PrecisePositions().apparentPlace(Ephemeris::Uranus, 2451545.0), std::out_of_range);
}

}  // namespace
}  // namespace quenaro
