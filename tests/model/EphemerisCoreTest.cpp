// Sidereal times, hour angles, the equation of time and the frame conversions of the model.

#include <gtest/gtest.h>

#include <cmath>

#include "ModelTestSupport.h"
#include "support/BerlinEvening.h"
#include "time/Degrees.h"

namespace quenaro {
namespace {

using testing::angleDifference;
using testing::modelAt;

TEST(EphemerisSiderealTime, LocalMeanFollowsLongitude) {
    Ephemeris model = modelAt(2026, 12, 7, 21, 8, "UTC", 0.0, 0.0);
    EXPECT_DOUBLE_EQ(model.localMeanSiderealTime(), model.greenwichMeanSiderealTime());

    model.setLatitude(0.0, 90.0);
    EXPECT_NEAR(angleDifference(model.localMeanSiderealTime(), model.greenwichMeanSiderealTime()),
                90.0, 1e-9);
    // Apparent and mean differ by the equation of the equinoxes, at most about 16 arcseconds.
    const double equinoxes =
        angleDifference(model.localApparentSiderealTime(), model.localMeanSiderealTime());
    EXPECT_NEAR(equinoxes, 0.0, 16.5 / 3600.0);
    EXPECT_NE(equinoxes, 0.0);
}

TEST(EphemerisSiderealTime, CachesFollowChangesOfPlaceAndDate) {
    Ephemeris model = modelAt(2026, 3, 20, 12, 0, "UTC", 10.0, 20.0);
    const double before = model.localApparentSiderealTime();
    model.setLatitude(10.0, 50.0);
    EXPECT_NEAR(angleDifference(model.localApparentSiderealTime(), before), 30.0, 1e-9);
    const double greenwich = model.greenwichApparentSiderealTime();
    model.setDate(model.date().addTimeInterval(3600.0));
    // One hour of mean solar time turns the sky by 15.041 degrees.
    EXPECT_NEAR(angleDifference(model.greenwichApparentSiderealTime(), greenwich), 15.0411, 1e-3);
}

TEST(EphemerisFrames, NegativeDeclinationIsHeldAbove180) {
    const Ephemeris model = modelAt(2026, 12, 7, 0, 0, "UTC", 45.0, 0.0);
    Coordinate winterSolstice;
    winterSolstice.longitude = 270.0;
    model.calcGeocentric(winterSolstice);
    EXPECT_NEAR(winterSolstice.declination, 360.0 - 23.44, 0.01);
    EXPECT_NEAR(winterSolstice.rightAscension, 270.0, 0.01);
}

TEST(EphemerisFrames, GeocentricTwiceAddsTheNutationTwice) {
    const Ephemeris model = modelAt(2026, 12, 7, 0, 0, "UTC", 45.0, 0.0);
    double epsilon = 0.0;
    double deltaPsi = 0.0;
    model.calcEpsilon(epsilon, deltaPsi);
    Coordinate record;
    record.longitude = 100.0;
    model.calcGeocentric(record);
    model.calcGeocentric(record);
    EXPECT_NEAR(record.longitude, 100.0 + 2.0 * deltaPsi, 1e-12);
    // The 31-term nutation stays within 20 arcseconds; the mean obliquity near 23.44 degrees.
    EXPECT_LT(std::fabs(deltaPsi), 20.0 / 3600.0);
    EXPECT_NEAR(epsilon, 23.436, 0.002);
}

TEST(EphemerisFrames, HorizontalAzimuthIsMeasuredFromSouthTowardsWest) {
    const Ephemeris model = modelAt(2026, 12, 7, 0, 0, "UTC", 45.0, 10.0);
    const double meridian = model.localApparentSiderealTime();

    Coordinate southOfZenith;
    southOfZenith.rightAscension = meridian;
    southOfZenith.declination = 10.0;
    model.calcHorizontal(southOfZenith);
    EXPECT_NEAR(angleDifference(southOfZenith.azimuth, 0.0), 0.0, 1e-9);
    EXPECT_NEAR(southOfZenith.altitude, 55.0, 1e-9);

    Coordinate northOfZenith = southOfZenith;
    northOfZenith.declination = 80.0;
    model.calcHorizontal(northOfZenith);
    EXPECT_NEAR(northOfZenith.azimuth, 180.0, 1e-9);

    Coordinate rising;
    rising.rightAscension = mod360(meridian + 90.0);  // six hours east of the meridian
    rising.declination = 0.0;
    model.calcHorizontal(rising);
    EXPECT_NEAR(rising.azimuth, 270.0, 1e-9);
    EXPECT_NEAR(rising.altitude, 0.0, 1e-9);
}

TEST(EphemerisFrames, AltAzRoundTripRecoversTheEquatorialPosition) {
    const Ephemeris model = modelAt(2026, 6, 21, 3, 30, "UTC", -33.9, 151.2);
    for (double declination : {-60.0, -10.0, 0.0, 25.0, 70.0}) {
        for (double rightAscension : {0.0, 95.0, 181.0, 300.0}) {
            SCOPED_TRACE(::testing::Message() << "ra " << rightAscension << " dec " << declination);
            Coordinate record;
            record.rightAscension = rightAscension;
            record.declination = declination;
            model.calcHorizontal(record);
            model.calcGeocentricFromAltAz(record);
            EXPECT_NEAR(angleDifference(record.rightAscension, rightAscension), 0.0, 1e-9);
            EXPECT_NEAR(record.declination, declination, 1e-9);
        }
    }
}

TEST(EphemerisFrames, EclipticRoundTripRecoversLongitudeAndLatitude) {
    const Ephemeris model = modelAt(2026, 6, 21, 3, 30, "UTC", 50.0, 0.0);
    Coordinate record;
    record.longitude = 123.4;
    record.latitude = -4.5;
    model.calcGeocentric(record);  // adds the nutation to the longitude in place
    const double longitudeWithNutation = record.longitude;
    model.calcEcliptic(record);
    EXPECT_NEAR(record.longitude, longitudeWithNutation, 1e-9);
    EXPECT_NEAR(record.latitude, -4.5, 1e-9);
}

TEST(EphemerisFrames, TopocentricMoonIsDisplacedByUpToItsParallax) {
    Ephemeris model = testing::berlinEvening();
    const Coordinate geocentric = model.moonCoordinate();
    Coordinate topocentric = geocentric;
    model.correctPosition(topocentric, 0.0);
    // Horizontal parallax of the Moon: 0.9 to 1.03 degrees.
    EXPECT_GT(topocentric.parallax, 0.89);
    EXPECT_LT(topocentric.parallax, 1.03);
    const double shift =
        std::hypot(angleDifference(topocentric.rightAscension, geocentric.rightAscension) *
                       cosd(geocentric.declination),
                   angleDifference(topocentric.declination, geocentric.declination));
    EXPECT_LT(shift, topocentric.parallax);
    EXPECT_GT(shift, 0.0);
}

TEST(EphemerisEquationOfTime, ExtremesOfTheYear) {
    // Day 306 (3 November) and day 41 (11 February) of a common year.
    const Ephemeris november = modelAt(2026, 11, 3, 12, 0, "UTC", 0.0, 0.0);
    EXPECT_NEAR(november.equationOfTime(), 4.10, 0.01);
    const Ephemeris february = modelAt(2026, 2, 11, 12, 0, "UTC", 0.0, 0.0);
    EXPECT_NEAR(february.equationOfTime(), -3.56, 0.01);
}

}  // namespace
}  // namespace quenaro
