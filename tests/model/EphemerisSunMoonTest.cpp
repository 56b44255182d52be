// The model's own Sun and Moon: positions, distances, phase and age.

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "ModelTestSupport.h"
#include "support/BerlinEvening.h"

namespace quenaro {
namespace {

using testing::modelAt;

TEST(EphemerisSun, PositionAtJ2000) {
    // 2000-01-01 12:00 UT is Julian date 2451545.0 (T = 0).
    Ephemeris model = modelAt(2000, 1, 1, 12, 0, "UTC", 0.0, 0.0);
    ASSERT_DOUBLE_EQ(model.julianDate(), 2451545.0);
    const Coordinate sun = model.sunCoordinate();
    EXPECT_NEAR(sun.longitude, 280.37, 0.01);
    EXPECT_NEAR(sun.radius, 147.1e6, 0.1e6);
    EXPECT_NEAR(model.sunDistance(), 0.9833, 0.0001);
    EXPECT_NEAR(model.sunDiameter(), 2.0 * 959.63 / model.sunDistance(), 1e-9);
    EXPECT_DOUBLE_EQ(sun.latitude, 0.0);
    EXPECT_EQ(model.sunZodiacPositionString().rfind("Capricorn 10° ", 0), 0U);
}

TEST(EphemerisSun, RepeatedRequestsGiveEqualRecords) {
    Ephemeris model = testing::berlinEvening();
    const Coordinate first = model.sunCoordinate();
    const Coordinate second = model.sunCoordinate();
    EXPECT_EQ(first.altitude, second.altitude);
    EXPECT_EQ(first.azimuth, second.azimuth);
    EXPECT_LT(first.altitude, -40.0);  // 21:08 in Berlin in December: deep night
    // Hour angles agree with the local sidereal time.
    EXPECT_NEAR(testing::angleDifference(model.sunLHA(), model.sunGHA()), 13.4, 1e-9);
}

TEST(EphemerisMoon, NewMoonOfTheApril2024Eclipse) {
    // New Moon 2024-04-08 18:21 UT (a total solar eclipse).
    Ephemeris model = modelAt(2024, 4, 8, 18, 21, "UTC", 0.0, 0.0);
    EXPECT_NEAR(std::fabs(model.elongationFromSun()), 180.0, 0.5);
    EXPECT_LT(model.illuminatedFraction(), 0.001);
    EXPECT_EQ(model.phaseOfMoonName(), "New Moon");
    const double age = model.ageOfMoon();
    EXPECT_TRUE(age < 0.05 || age > 29.48) << age;
    // The lunation is counted at lastPhase (28 days on), so at this new Moon, the 1253rd since
    // 1923-01-17, it already reads 1254.
    EXPECT_EQ(model.lunation(), 1254);
}

TEST(EphemerisMoon, FullMoonAndQuarters) {
    struct Case {
        const char* name;
        int year;
        unsigned month, day, hour, minute;
        const char* phaseName;
        double elongation;
    };
    // Phases of April 2024 (UT).
    const Case cases[] = {
        {"first quarter", 2024, 4, 15, 19, 13, "First Quarter", 90.0},
        {"full", 2024, 4, 23, 23, 49, "Full Moon", 0.0},
        {"last quarter", 2024, 5, 1, 11, 27, "Last Quarter", -90.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Ephemeris model = modelAt(c.year, c.month, c.day, c.hour, c.minute, "UTC", 0.0, 0.0);
        EXPECT_EQ(model.phaseOfMoonName(), c.phaseName);
        // Phases are defined in longitude; the Moon's latitude (up to 5 degrees) adds to the
        // phase angle.
        EXPECT_NEAR(model.elongationFromSun(), c.elongation, 5.0);
    }
    const Ephemeris full = modelAt(2024, 4, 23, 23, 49, "UTC", 0.0, 0.0);
    EXPECT_GT(full.illuminatedFraction(), 0.999);
    EXPECT_NEAR(full.ageOfMoon(), 14.77, 0.05);
}

TEST(EphemerisMoon, DistanceAndDiameter) {
    const Ephemeris model = modelAt(2024, 4, 8, 18, 21, "UTC", 0.0, 0.0);
    // Near perigee: 360,000 km or so, and a disc of about 33 arcminutes.
    EXPECT_NEAR(model.moonDistance(), 360000.0, 2000.0);
    EXPECT_NEAR(model.moonDiameter(), 2.0 * 358473400.0 / model.moonDistance(), 1e-9);
}

TEST(EphemerisMoon, MeanPhaseAtTheReferenceNewMoon) {
    const Ephemeris model = modelAt(2000, 5, 4, 4, 13, "UTC", 0.0, 0.0);
    float daysToFullMoon = 0.0F;
    EXPECT_EQ(model.phaseOfMoon(&daysToFullMoon), 0.0F);
    EXPECT_NEAR(daysToFullMoon, 14.765, 0.001);
    EXPECT_EQ(model.phaseOfMoon(nullptr), 0.0F);
}

TEST(EphemerisMoon, LastPhaseIsTwentyEightDaysLaterAtTheSameWallTime) {
    const Ephemeris model = modelAt(2026, 3, 10, 9, 30, "Europe/Berlin", 52.5, 13.4);
    const EphemerisDate later = model.lastPhase(3);
    EXPECT_EQ(later.monthOfYear(), 4);
    EXPECT_EQ(later.dayOfMonth(), 7);
    EXPECT_EQ(later.hourOfDay(), 9);  // across the change to summer time
    EXPECT_EQ(later.minuteOfHour(), 30);
}

TEST(EphemerisMoon, SouthernLatitudeIsHeldAbove355) {
    // 2024-04-08: the Moon's ecliptic latitude was about +0.3; a week later about -4.
    Ephemeris model = modelAt(2024, 4, 1, 0, 0, "UTC", 0.0, 0.0);
    const double latitude = model.moonCoordinate().latitude;
    EXPECT_TRUE((latitude >= 0.0 && latitude <= 5.3) || (latitude >= 354.7 && latitude < 360.0))
        << latitude;
}

TEST(EphemerisLunarExtras, LimbAngleIsTheSelenographicLongitudeOfTheSun) {
    // Julian date 2448724.5 is 1992-04-12 0h UT; the selenographic Sun is at 67.89 degrees.
    const Ephemeris model = modelAt(1992, 4, 12, 0, 0, "UTC", 0.0, 0.0);
    EXPECT_NEAR(model.limbAngle(), 67.89, 0.01);
}

}  // namespace
}  // namespace quenaro

namespace quenaro {
namespace {

TEST(EphemerisPlanets, OneCalculationGivesBothCoordinatesOfThePlanetOperations) {
    const Ephemeris model = testing::berlinEvening();
    const Coordinate venus = model.planetEclipticPosition(Ephemeris::Venus);
    EXPECT_EQ(venus.latitude, model.venusLatitude());
    EXPECT_EQ(venus.longitude, model.venusLongitude());
    const Coordinate saturn = model.planetEclipticPosition(Ephemeris::Saturn);
    EXPECT_EQ(saturn.latitude, model.saturnLatitude());
    EXPECT_EQ(saturn.longitude, model.saturnLongitude());
    for (int notAPlanet : {0, 1, 4, 8, -3}) {
        EXPECT_THROW(model.planetEclipticPosition(notAPlanet), std::out_of_range);
    }
}

}  // namespace
}  // namespace quenaro
