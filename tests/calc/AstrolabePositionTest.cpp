// One position in three frames: the calculator's conversions through the model, and the texts
// its labels and table show.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "../model/ModelTestSupport.h"
#include "base/PrintfText.h"
#include "calc/AstrolabeEntry.h"
#include "calc/AstrolabePosition.h"

namespace quenaro {
namespace {

using testing::angleDifference;
using testing::modelAt;

struct Place {
    const char* name;
    double latitude;
    double longitude;
};

constexpr Place kPlaces[] = {
    {"equator at Greenwich", 0.0, 0.0}, {"Berlin", 52.5, 13.4},
    {"Sydney", -33.9, 151.2},           {"Tromsø", 69.65, 18.96},
    {"McMurdo", -77.85, 166.67},        {"near the north pole", 89.0, -45.0},
};

// Horizontal → equatorial → horizontal gives back the altitude and azimuth it started from,
// anywhere on the Earth and in every direction (away from the zenith, where azimuth has no
// meaning).
TEST(AstrolabePosition, AltAzRoundTripsThroughRaDec) {
    constexpr double kToleranceDegrees = 1e-9;
    for (const Place& place : kPlaces) {
        const Ephemeris model =
            modelAt(2026, 3, 14, 22, 45, "UTC", place.latitude, place.longitude);
        for (double altitude = -85.0; altitude <= 85.0; altitude += 17.0) {
            for (double azimuth = 0.0; azimuth < 360.0; azimuth += 22.5) {
                const AstrolabePosition horizontal =
                    AstrolabePosition::fromAltAz(model, altitude, azimuth);
                const AstrolabePosition back = AstrolabePosition::fromRaDecl(
                    model, horizontal.rightAscension, horizontal.declination);
                EXPECT_NEAR(back.altitude, altitude, kToleranceDegrees)
                    << place.name << " alt " << altitude << " az " << azimuth;
                EXPECT_NEAR(angleDifference(back.azimuth, azimuth), 0.0, kToleranceDegrees)
                    << place.name << " alt " << altitude << " az " << azimuth;
                EXPECT_NEAR(back.latitude, horizontal.latitude, kToleranceDegrees);
                EXPECT_NEAR(angleDifference(back.longitude, horizontal.longitude), 0.0,
                            kToleranceDegrees);
            }
        }
    }
}

// On the meridian the declination is the latitude less the zenith distance (south) or plus it
// (north), and the right ascension is the local apparent sidereal time; past a pole, the lower
// culmination: the declination folded back and twelve hours more. At the zenith the
// declination is the latitude.
TEST(AstrolabePosition, MeridianAndZenithGiveSiderealTimeAndLatitude) {
    const double altitude = 30.0;
    for (const Place& place : kPlaces) {
        const Ephemeris model = modelAt(2026, 9, 1, 4, 0, "UTC", place.latitude, place.longitude);
        const double siderealTime = model.localApparentSiderealTime();

        const AstrolabePosition zenith = AstrolabePosition::fromAltAz(model, 90.0, 0.0);
        EXPECT_NEAR(zenith.declination, place.latitude, 1e-9) << place.name;

        for (const double azimuth : {0.0, 180.0}) {  // south, north
            double declination = place.latitude + (azimuth == 0.0 ? -1.0 : 1.0) * (90.0 - altitude);
            double rightAscension = siderealTime;
            if (std::fabs(declination) > 90.0) {
                declination = std::copysign(180.0, declination) - declination;
                rightAscension += 180.0;
            }
            const AstrolabePosition meridian =
                AstrolabePosition::fromAltAz(model, altitude, azimuth);
            EXPECT_NEAR(meridian.declination, declination, 1e-9) << place.name << " " << azimuth;
            EXPECT_NEAR(angleDifference(meridian.rightAscension, rightAscension), 0.0, 1e-9)
                << place.name << " " << azimuth;
        }
    }
}

// Ecliptic → equatorial adds the nutation in longitude and equatorial → ecliptic does not take
// it off, so the way back gives the longitude plus the nutation; the declination comes out
// signed (-90…90), not reduced to 0…360 as the model holds it.
TEST(AstrolabePosition, EclipticToEquatorialAndBack) {
    const Ephemeris model = modelAt(2026, 6, 21, 3, 30, "UTC", 52.5, 13.4);
    double epsilon = 0.0;
    double deltaPsi = 0.0;
    model.calcEpsilon(epsilon, deltaPsi);
    for (double latitude : {-60.0, -5.0, 0.0, 23.0, 80.0}) {
        for (double longitude = 0.0; longitude < 360.0; longitude += 45.0) {
            const AstrolabePosition ecliptic =
                AstrolabePosition::fromLatLong(model, latitude, longitude);
            EXPECT_GE(ecliptic.declination, -90.0);
            EXPECT_LE(ecliptic.declination, 90.0);
            const AstrolabePosition back =
                AstrolabePosition::fromRaDecl(model, ecliptic.rightAscension, ecliptic.declination);
            EXPECT_NEAR(back.latitude, latitude, 1e-9) << latitude << " " << longitude;
            EXPECT_NEAR(angleDifference(back.longitude, longitude + deltaPsi), 0.0, 1e-9)
                << latitude << " " << longitude;
            EXPECT_NEAR(back.altitude, ecliptic.altitude, 1e-9);
            EXPECT_NEAR(angleDifference(back.azimuth, ecliptic.azimuth), 0.0, 1e-9);
        }
    }
    // The south ecliptic pole lies at declination -(90 - epsilon), right ascension 6h.
    const AstrolabePosition southPole = AstrolabePosition::fromLatLong(model, -90.0, 0.0);
    EXPECT_NEAR(southPole.declination, -(90.0 - epsilon), 1e-9);
    EXPECT_NEAR(angleDifference(southPole.rightAscension, 90.0), 0.0, 1e-6);
}

// Changing one value converts from the pair that holds it, keeping the other member.
TEST(AstrolabePosition, WithValueConvertsFromTheValuesPair) {
    const Ephemeris model = modelAt(2026, 1, 5, 18, 0, "UTC", 40.0, -74.0);
    const AstrolabePosition start = AstrolabePosition::fromAltAz(model, 20.0, 40.0);
    struct Case {
        int mode;
        AstrolabePosition expected;
    };
    const Case cases[] = {
        {kAltitudeMode, AstrolabePosition::fromAltAz(model, 35.0, start.azimuth)},
        {kAzimuthMode, AstrolabePosition::fromAltAz(model, start.altitude, 35.0)},
        {kRightAscensionMode, AstrolabePosition::fromRaDecl(model, 35.0, start.declination)},
        {kDeclinationMode, AstrolabePosition::fromRaDecl(model, start.rightAscension, 35.0)},
        {kEclipticLatitudeMode, AstrolabePosition::fromLatLong(model, 35.0, start.longitude)},
        {kEclipticLongitudeMode, AstrolabePosition::fromLatLong(model, start.latitude, 35.0)},
    };
    for (const Case& c : cases) {
        const AstrolabePosition changed = start.withValue(model, c.mode, 35.0);
        EXPECT_EQ(changed.value(c.mode), 35.0) << c.mode;
        for (int mode = 0; mode < kAstrolabeModeCount; ++mode) {
            EXPECT_EQ(changed.value(mode), c.expected.value(mode)) << c.mode << " " << mode;
        }
    }
    EXPECT_THROW(start.value(6), std::out_of_range);
    EXPECT_THROW(start.withValue(model, -1, 0.0), std::out_of_range);
}

// The table names the side of the meridian of an azimuth (from the south through the west):
// 200.25 lies 159.75 degrees east of the south point.
TEST(AstrolabePosition, LabelAndTableTexts) {
    const AstrolabePosition position{-10.5, 200.25, 45.5, -20.0, -5.5, 300.0};
    const char* labels[] = {"-10\u00B0 30' 0\"", "200\u00B0 15' 0\"", "3h 2m 0s",
                            "-20\u00B0 0' 0\"",  "5\u00B0S 30' 0\"",  "60\u00B0W 0' 0\""};
    const char* table[] = {"10\u00B0S 30' 0\"", "159\u00B0E 45' 0\"", "3h 2m 0s",
                           "20\u00B0S 0' 0\"",  "5\u00B0S 30' 0\"",   "60\u00B0W 0' 0\""};
    for (int mode = 0; mode < kAstrolabeModeCount; ++mode) {
        EXPECT_EQ(position.labelText(mode), labels[mode]) << mode;
        EXPECT_EQ(position.tableText(mode), table[mode]) << mode;
    }
    EXPECT_EQ((AstrolabePosition{12.25, 0.0, 0.0, 89.5, 0.0, 0.0}.labelText(kAltitudeMode)),
              "+12\u00B0 15' 0\"");
    EXPECT_EQ((AstrolabePosition{12.25, 0.0, 0.0, 89.5, 0.0, 0.0}.labelText(kDeclinationMode)),
              "+89\u00B0 30' 0\"");
    EXPECT_EQ((AstrolabePosition{0.0, 30.0, 0.0, 0.0, 0.0, 0.0}.tableText(kAzimuthMode)),
              "30\u00B0W 0' 0\"");
    EXPECT_EQ((AstrolabePosition{0.0, 330.0, 0.0, 0.0, 0.0, 0.0}.tableText(kAzimuthMode)),
              "30\u00B0E 0' 0\"");
    EXPECT_STREQ(astrolabeValueTitle(kRightAscensionMode), "Right Ascension");
}

/// The value the keypad gives for degrees (or hours), minutes and seconds, negative when asked.
double typedValue(int mode, int whole, int minutes, int seconds, bool negative) {
    AstrolabeEntry entry;
    entry.setCalcMode(mode);
    for (const int component : {whole, minutes, seconds}) {
        for (const char digit : std::to_string(component)) {
            entry.press(digit - '0');
        }
        entry.press(kNextComponentKey);
    }
    entry.press(negative ? kNegativeKey : kPositiveKey);
    return entry.value();
}

// Every typed minute and second comes back as typed, though the value's double arithmetic
// gives 12h 30m 4.99999…s for 12h 30m 5s; derived values are rounded to the nearest second.
TEST(AstrolabePosition, TextsRoundToTheLastDigitShown) {
    const Ephemeris model = modelAt(2026, 3, 14, 22, 45, "UTC", 52.5, 13.4);
    const AstrolabePosition start = AstrolabePosition::fromAltAz(model, 20.0, 40.0);
    for (const int whole : {0, 12, 45, 89}) {
        for (int minutes = 0; minutes < 60; ++minutes) {
            for (int seconds = 0; seconds < 60; ++seconds) {
                const double hours =
                    typedValue(kRightAscensionMode, whole % 24, minutes, seconds, false);
                EXPECT_EQ(start.withValue(model, kRightAscensionMode, hours)
                              .labelText(kRightAscensionMode),
                          printfText("%dh %dm %ds", whole % 24, minutes, seconds));
                const double south = typedValue(kDeclinationMode, whole, minutes, seconds, true);
                EXPECT_EQ(
                    start.withValue(model, kDeclinationMode, south).tableText(kDeclinationMode),
                    printfText("%d\u00B0%s %d' %d\"", whole, south < 0.0 ? "S" : "N", minutes,
                               seconds));
                const double west = typedValue(kAzimuthMode, whole, minutes, seconds, false);
                EXPECT_EQ(start.withValue(model, kAzimuthMode, west).labelText(kAzimuthMode),
                          printfText("%d\u00B0 %d' %d\"", whole, minutes, seconds));
            }
        }
    }
    const AstrolabePosition derived{10.0 + 59.0 / 60.0 + 59.6 / 3600.0,
                                    -(1.0 + 59.0 / 60.0 + 59.5 / 3600.0),
                                    15.0 * (23.0 + 59.0 / 60.0 + 59.5 / 3600.0),
                                    0.2 / 3600.0,
                                    -0.4 / 3600.0,
                                    179.9999};
    EXPECT_EQ(derived.labelText(kAltitudeMode), "+11\u00B0 0' 0\"") << "carries into degrees";
    EXPECT_EQ(derived.labelText(kAzimuthMode), "358\u00B0 0' 0\"");
    EXPECT_EQ(derived.tableText(kAzimuthMode), "2\u00B0E 0' 0\"");
    EXPECT_EQ(derived.labelText(kRightAscensionMode), "24h 0m 0s");
    EXPECT_EQ(derived.tableText(kDeclinationMode), "0\u00B0N 0' 0\"");
    EXPECT_EQ(derived.tableText(kEclipticLatitudeMode), "0\u00B0N 0' 0\"");
    EXPECT_EQ(derived.labelText(kEclipticLongitudeMode), "180\u00B0E 0' 0\"");
    EXPECT_EQ((AstrolabePosition{std::nan(""), 0, 0, 0, 0, 0}.labelText(kAltitudeMode)),
              Ephemeris::degreesToSignedDMS(std::nan("")));
}

}  // namespace
}  // namespace quenaro
