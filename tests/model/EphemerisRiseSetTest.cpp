// Rising, transit, setting and twilight: the refined events must put the body at the asked
// altitude (or on the meridian) by the model's own positions, and days without the event
// must fail cleanly.

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "ModelTestSupport.h"
#include "time/Degrees.h"

namespace quenaro {
namespace {

using testing::angleDifference;
using testing::modelAt;

constexpr double kSunHorizon = -0.833299994468689;

/// Altitude and hour angle of a body by a model made for the instant.
struct BodyAt {
    double altitude;
    double hourAngle;
};

BodyAt bodyAt(const Ephemeris& model, const EphemerisDate& instant, int object) {
    Ephemeris atInstant = model.copyForDate(instant);
    Coordinate position;
    if (object == Ephemeris::Sun) {
        position = atInstant.sunCoordinate();
    } else if (object == Ephemeris::Moon) {
        position = atInstant.moonCoordinate();
    } else {
        position.latitude = atInstant.saturnLatitude();
        position.longitude = atInstant.saturnLongitude();
        atInstant.calcGeocentric(position);
        atInstant.calcHorizontal(position);
    }
    return {position.altitude, angleDifference(atInstant.lha(position), 0.0)};
}

void expectEventsAt(const Ephemeris& model, int object, double horizonDegrees) {
    const auto times = model.calcTimes(0, object);
    // One second of time moves a body by at most 0.0042 degrees of altitude.
    EXPECT_NEAR(bodyAt(model, times[0], object).altitude, horizonDegrees, 0.005) << "rise";
    EXPECT_NEAR(bodyAt(model, times[1], object).altitude, horizonDegrees, 0.005) << "set";
    EXPECT_NEAR(bodyAt(model, times[2], object).hourAngle, 0.0, 0.005) << "transit";
    EXPECT_LT(bodyAt(model, times[0], object).hourAngle, 0.0) << "rises in the east";
    EXPECT_GT(bodyAt(model, times[1], object).hourAngle, 0.0) << "sets in the west";
}

TEST(EphemerisRiseSet, SunEventsPutTheSunOnTheHorizonAndMeridian) {
    expectEventsAt(modelAt(2026, 12, 7, 21, 8, "Europe/Berlin", 52.5, 13.4), Ephemeris::Sun,
                   kSunHorizon);
    expectEventsAt(modelAt(2026, 6, 21, 12, 0, "Australia/Sydney", -33.87, 151.21), Ephemeris::Sun,
                   kSunHorizon);
    expectEventsAt(modelAt(2026, 3, 29, 12, 0, "Europe/Berlin", 52.5, 13.4), Ephemeris::Sun,
                   kSunHorizon);
}

TEST(EphemerisRiseSet, MoonEventsUseItsGeocentricPositionAndParallaxHorizon) {
    Ephemeris model = modelAt(2026, 12, 7, 21, 8, "Europe/Berlin", 52.5, 13.4);
    Coordinate corrected = model.moonCoordinate();
    model.correctPosition(corrected, 0.0);
    const double horizon = 0.7275 * corrected.parallax - 0.5666666666666667;
    expectEventsAt(model, Ephemeris::Moon, horizon);
}

TEST(EphemerisRiseSet, PlanetEventsUseTheGeometricHorizon) {
    expectEventsAt(modelAt(2026, 12, 7, 21, 8, "America/New_York", 40.7, -74.0), Ephemeris::Saturn,
                   0.0);
}

TEST(EphemerisRiseSet, EquinoxAtTheEquatorGivesTwelveHoursOfSun) {
    const Ephemeris model = modelAt(2026, 3, 20, 12, 0, "UTC", 0.0, 0.0);
    const auto times = model.calcTimes(0, Ephemeris::Sun);
    const double morning = times[2].timeIntervalSinceDate(times[0]);
    const double evening = times[1].timeIntervalSinceDate(times[2]);
    // Six hours plus the time the Sun takes to sink 0.8333 degrees at the equator (3.3 min).
    EXPECT_NEAR(morning, 6 * 3600.0 + 200.0, 30.0);
    EXPECT_NEAR(evening, 6 * 3600.0 + 200.0, 30.0);
    EXPECT_NEAR(model.lengthOfDay(), morning + evening, 1e-6);
}

TEST(EphemerisRiseSet, PolarDayAndWhiteNightsFail) {
    const Ephemeris tromso = modelAt(2026, 6, 21, 12, 0, "Europe/Oslo", 70.0, 19.0);
    EXPECT_THROW(
        {
            try {
                tromso.calcTimes(0, Ephemeris::Sun);
            } catch (const std::invalid_argument& error) {
                EXPECT_STREQ(error.what(), "No rises or sets calculable");
                throw;
            }
        },
        std::invalid_argument);
    EXPECT_THROW(tromso.sunRise(), std::invalid_argument);
    EXPECT_THROW(tromso.lengthOfDay(), std::invalid_argument);

    const Ephemeris berlin = modelAt(2026, 6, 21, 12, 0, "Europe/Berlin", 52.0, 13.4);
    EXPECT_NO_THROW(berlin.calcTimes(0, Ephemeris::Sun));
    EXPECT_NO_THROW(berlin.calcTimes(1, Ephemeris::Sun));
    EXPECT_NO_THROW(berlin.calcTimes(2, Ephemeris::Sun));
    EXPECT_THROW(berlin.calcTimes(3, Ephemeris::Sun), std::invalid_argument);
}

TEST(EphemerisRiseSet, EventsCarryTheZoneAndTransitStaysOnTheLocalDay) {
    // 08:00 on 5 March at +10 h is 22:00 UT on 4 March: the local day is still 5 March.
    const Ephemeris model = modelAt(2026, 3, 5, 8, 0, "Australia/Brisbane", -27.5, 153.0);
    const auto times = model.calcTimes(0, Ephemeris::Sun);
    for (const EphemerisDate& event : times) {
        EXPECT_EQ(event.timeZone(), model.date().timeZone());
        EXPECT_EQ(event.dayOfMonth(), 5);
    }
    EXPECT_EQ(times[2].hourOfDay(), 11);  // local noon near 153 E in a +10 h zone: 11:5x
}

TEST(EphemerisRiseSet, EventCodesSelectKindAndElement) {
    const Ephemeris model = modelAt(2026, 12, 7, 21, 8, "Europe/Berlin", 52.5, 13.4);
    EXPECT_FALSE(model.calcRiseSet(9, Ephemeris::Sun).has_value());
    EXPECT_FALSE(model.calcRiseSet(-1, Ephemeris::Sun).has_value());
    const auto civil = model.calcTimes(1, Ephemeris::Sun);
    EXPECT_EQ(model.calcRiseSet(3, Ephemeris::Sun)->timeIntervalSinceReferenceDate(),
              civil[0].timeIntervalSinceReferenceDate());
    EXPECT_EQ(model.calcRiseSet(6, Ephemeris::Sun)->timeIntervalSinceReferenceDate(),
              civil[1].timeIntervalSinceReferenceDate());
    // Twilights nest: astronomical dawn before nautical before civil before sunrise.
    const auto at = [&](int event) {
        return model.calcRiseSet(event, Ephemeris::Sun)->timeIntervalSinceReferenceDate();
    };
    EXPECT_LT(at(5), at(4));
    EXPECT_LT(at(4), at(3));
    EXPECT_LT(at(3), at(0));
}

TEST(EphemerisRiseSet, ObjectsWithoutAPositionAreRejected) {
    const Ephemeris model = modelAt(2026, 12, 7, 21, 8, "Europe/Berlin", 52.5, 13.4);
    for (int object : {-1, 4, 8, 11}) {
        SCOPED_TRACE(object);
        try {
            model.calcTimes(0, object);
            ADD_FAILURE() << "no error";
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what()).find("object code"), std::string::npos);
        }
    }
}

TEST(SunriseScan, AgreesWithTheModelAndGivesAzimuths) {
    // In a zone west of Greenwich the scan's window runs from the previous local noon.
    const Ephemeris model = modelAt(2026, 12, 7, 12, 0, "America/Chicago", 45.0, -90.0);
    const auto sunrise = model.xsunrise();
    const auto sunset = model.xsunset();
    ASSERT_TRUE(sunrise && sunset);
    EXPECT_NEAR(sunrise->timeIntervalSinceDate(model.sunRise()), 0.0, 180.0);
    EXPECT_NEAR(sunset->timeIntervalSinceDate(model.sunSet()), 0.0, 180.0);
    // Early December at 45 N: sunrise about 32 degrees south of east, sunset as far to the west.
    EXPECT_NEAR(model.sunriseAzimuth(), 122.0, 1.5);
    EXPECT_NEAR(model.sunsetAzimuth(), 238.0, 1.5);
}

TEST(SunriseScan, NoCrossingGivesNoAzimuthAndNoDate) {
    // First scan a normal day, then a polar day: nothing of the first may leak into the second.
    const Ephemeris normal = modelAt(2026, 6, 21, 12, 0, "Europe/Berlin", 52.5, 13.4);
    ASSERT_FALSE(std::isnan(normal.sunriseAzimuth()));
    const Ephemeris polar = modelAt(2026, 6, 21, 12, 0, "Europe/Oslo", 69.65, 18.96);
    EXPECT_TRUE(std::isnan(polar.sunriseAzimuth()));
    EXPECT_TRUE(std::isnan(polar.sunsetAzimuth()));
    EXPECT_FALSE(polar.xsunrise().has_value());
    EXPECT_FALSE(polar.xsunset().has_value());
}

}  // namespace
}  // namespace quenaro
