// Rising, transit, setting and twilight: the refined events must put the body at the asked
// altitude (or on the meridian) by the model's own positions, and days without the event
// must fail cleanly.

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "ModelTestSupport.h"
#include "support/BerlinEvening.h"
#include "time/Degrees.h"

namespace quenaro {
namespace {

using testing::angleDifference;
using testing::modelAt;

constexpr double kSunHorizon = -0.833299994468689;

/// Altitude and hour angle of a body by a model made for the instant, and the horizon its
/// rise and set are meant to cross there: the Moon's from the parallax of that position.
struct BodyAt {
    double altitude;
    double hourAngle;
    double horizon;
};

BodyAt bodyAt(const Ephemeris& model, const EphemerisDate& instant, int object) {
    Ephemeris atInstant = model.copyForDate(instant);
    Coordinate position;
    double horizon = 0.0;
    if (object == Ephemeris::Sun) {
        position = atInstant.sunCoordinate();
        horizon = kSunHorizon;
    } else if (object == Ephemeris::Moon) {
        position = atInstant.moonCoordinate();
        Coordinate corrected = position;
        atInstant.correctPosition(corrected, 0.0);
        horizon = 0.7275 * corrected.parallax - 0.5666666666666667;
    } else {
        position.latitude = atInstant.saturnLatitude();
        position.longitude = atInstant.saturnLongitude();
        atInstant.calcGeocentric(position);
        atInstant.calcHorizontal(position);
    }
    return {position.altitude, angleDifference(atInstant.lha(position), 0.0), horizon};
}

void expectEventsAt(const Ephemeris& model, int object) {
    const auto times = model.calcTimes(Ephemeris::HorizonAltitude, object);
    const BodyAt rise = bodyAt(model, times[Ephemeris::RiseIndex], object);
    const BodyAt set = bodyAt(model, times[Ephemeris::SetIndex], object);
    // Converged within 2 s; one second of time moves a body by at most 0.0042 degrees of
    // altitude.
    EXPECT_NEAR(rise.altitude, rise.horizon, 0.01) << "rise";
    EXPECT_NEAR(set.altitude, set.horizon, 0.01) << "set";
    EXPECT_NEAR(bodyAt(model, times[Ephemeris::TransitIndex], object).hourAngle, 0.0, 0.01)
        << "transit";
    EXPECT_LT(rise.hourAngle, 0.0) << "rises in the east";
    EXPECT_GT(set.hourAngle, 0.0) << "sets in the west";
}

TEST(EphemerisRiseSet, SunEventsPutTheSunOnTheHorizonAndMeridian) {
    expectEventsAt(testing::berlinEvening(), Ephemeris::Sun);
    expectEventsAt(modelAt(2026, 6, 21, 12, 0, "Australia/Sydney", -33.87, 151.21), Ephemeris::Sun);
    expectEventsAt(modelAt(2026, 3, 29, 12, 0, "Europe/Berlin", 52.5, 13.4), Ephemeris::Sun);
}

TEST(EphemerisRiseSet, MoonEventsUseItsGeocentricPositionAndTheParallaxThere) {
    expectEventsAt(testing::berlinEvening(), Ephemeris::Moon);
    expectEventsAt(modelAt(2026, 5, 15, 23, 59, "UTC", 70.0, 0.0), Ephemeris::Moon);
}

TEST(EphemerisRiseSet, PlanetEventsUseTheGeometricHorizon) {
    expectEventsAt(modelAt(2026, 12, 7, 21, 8, "America/New_York", 40.7, -74.0), Ephemeris::Saturn);
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
    try {
        tromso.calcTimes(Ephemeris::HorizonAltitude, Ephemeris::Sun);
        ADD_FAILURE() << "no error";
    } catch (const NoRisesOrSetsCalculable& error) {
        // Still the model's invalid-argument error with its fixed text.
        const std::invalid_argument& asInvalidArgument = error;
        EXPECT_STREQ(asInvalidArgument.what(), "No rises or sets calculable");
        EXPECT_EQ(error.event(), "Sun rise and set");
    }
    EXPECT_THROW(tromso.sunRise(), NoRisesOrSetsCalculable);
    EXPECT_THROW(tromso.lengthOfDay(), NoRisesOrSetsCalculable);

    const Ephemeris berlin = modelAt(2026, 6, 21, 12, 0, "Europe/Berlin", 52.0, 13.4);
    EXPECT_NO_THROW(berlin.calcTimes(Ephemeris::HorizonAltitude, Ephemeris::Sun));
    EXPECT_NO_THROW(berlin.calcTimes(Ephemeris::CivilTwilight, Ephemeris::Sun));
    EXPECT_NO_THROW(berlin.calcTimes(Ephemeris::NauticalTwilight, Ephemeris::Sun));
    try {
        berlin.calcTimes(Ephemeris::AstronomicalTwilight, Ephemeris::Sun);
        ADD_FAILURE() << "no error";
    } catch (const NoRisesOrSetsCalculable& error) {
        EXPECT_EQ(error.event(), "Sun astronomical twilight");
    }
}

TEST(EphemerisRiseSet, EventsCarryTheZoneAndTransitStaysOnTheLocalDay) {
    // 08:00 on 5 March at +10 h is 22:00 UT on 4 March: the local day is still 5 March.
    const Ephemeris model = modelAt(2026, 3, 5, 8, 0, "Australia/Brisbane", -27.5, 153.0);
    const auto times = model.calcTimes(Ephemeris::HorizonAltitude, Ephemeris::Sun);
    for (const EphemerisDate& event : times) {
        EXPECT_EQ(event.timeZone(), model.date().timeZone());
        EXPECT_EQ(event.dayOfMonth(), 5);
    }
    // Local noon near 153 E in a +10 h zone: 11:5x.
    EXPECT_EQ(times[Ephemeris::TransitIndex].hourOfDay(), 11);
}

// The codes callers and views share: altitude kinds 0-3, result positions 0-2, events 0-8.
static_assert(Ephemeris::HorizonAltitude == 0 && Ephemeris::CivilTwilight == 1 &&
              Ephemeris::NauticalTwilight == 2 && Ephemeris::AstronomicalTwilight == 3);
static_assert(Ephemeris::RiseIndex == 0 && Ephemeris::SetIndex == 1 &&
              Ephemeris::TransitIndex == 2);
static_assert(Ephemeris::TransitEvent == 2 && Ephemeris::CivilDawn == 3 &&
              Ephemeris::AstronomicalDawn == 5 && Ephemeris::CivilDusk == 6 &&
              Ephemeris::AstronomicalDusk == 8);

TEST(EphemerisRiseSet, EventCodesSelectKindAndElement) {
    const Ephemeris model = testing::berlinEvening();
    EXPECT_FALSE(model.calcRiseSet(9, Ephemeris::Sun).has_value());
    EXPECT_FALSE(model.calcRiseSet(-1, Ephemeris::Sun).has_value());
    const auto civil = model.calcTimes(Ephemeris::CivilTwilight, Ephemeris::Sun);
    EXPECT_EQ(
        model.calcRiseSet(Ephemeris::CivilDawn, Ephemeris::Sun)->timeIntervalSinceReferenceDate(),
        civil[Ephemeris::RiseIndex].timeIntervalSinceReferenceDate());
    EXPECT_EQ(
        model.calcRiseSet(Ephemeris::CivilDusk, Ephemeris::Sun)->timeIntervalSinceReferenceDate(),
        civil[Ephemeris::SetIndex].timeIntervalSinceReferenceDate());
    // Twilights nest: astronomical dawn before nautical before civil before sunrise.
    const auto at = [&](Ephemeris::RiseSetEvent event) {
        return model.calcRiseSet(event, Ephemeris::Sun)->timeIntervalSinceReferenceDate();
    };
    EXPECT_LT(at(Ephemeris::AstronomicalDawn), at(Ephemeris::NauticalDawn));
    EXPECT_LT(at(Ephemeris::NauticalDawn), at(Ephemeris::CivilDawn));
    EXPECT_LT(at(Ephemeris::CivilDawn), at(Ephemeris::RiseEvent));
}

// Events once given up: the refinement swung by about a second about the event for all its
// passes (positions are read at whole seconds), and the Moon's horizon took the parallax of
// the model's own moment, so the events of a day depended on the time asked.
TEST(EphemerisRiseSet, EventsOnceGivenUpAreFound) {
    const Ephemeris tropics = modelAt(2026, 9, 1, 12, 0, "UTC", 15.0, 0.0);
    EXPECT_NO_THROW(tropics.calcTimes(Ephemeris::AstronomicalTwilight, Ephemeris::Sun));

    const auto noon = modelAt(2026, 5, 15, 12, 0, "UTC", 70.0, 0.0)
                          .calcTimes(Ephemeris::HorizonAltitude, Ephemeris::Moon);
    const auto lateEvening = modelAt(2026, 5, 15, 23, 59, "UTC", 70.0, 0.0)
                                 .calcTimes(Ephemeris::HorizonAltitude, Ephemeris::Moon);
    for (const Ephemeris::EventIndex element :
         {Ephemeris::RiseIndex, Ephemeris::SetIndex, Ephemeris::TransitIndex}) {
        EXPECT_EQ(noon[element].timeIntervalSinceReferenceDate(),
                  lateEvening[element].timeIntervalSinceReferenceDate())
            << element;
    }
}

// At these latitudes the Sun rises and sets and every twilight begins and ends on every day
// of the year, and the Moon rises, culminates and sets in every pass; the Moon's events of a
// day are the same whatever the time of day asked.
TEST(EphemerisRiseSet, EveryDayOf2026HasItsEventsUpTo40Degrees) {
    const TimeZone utc = TimeZone::gmt();
    for (const double latitude : {0.0, 15.0, -15.0, 30.0, -30.0, 40.0, -40.0}) {
        int failures = 0;
        for (EphemerisDate day = EphemerisDate::dateWithYear(2026, 1, 1, 0, 1, 0, utc);
             day.yearOfCommonEra() == 2026 && failures < 5; day = day.tomorrow()) {
            const Ephemeris early(day, latitude, 0.0);
            const Ephemeris late(day.addTimeInterval(23 * 3600 + 58 * 60), latitude, 0.0);
            try {
                for (const Ephemeris::AltitudeKind kind :
                     {Ephemeris::HorizonAltitude, Ephemeris::CivilTwilight,
                      Ephemeris::NauticalTwilight, Ephemeris::AstronomicalTwilight}) {
                    early.calcTimes(kind, Ephemeris::Sun);
                }
                const auto moon = early.calcTimes(Ephemeris::HorizonAltitude, Ephemeris::Moon);
                const auto moonLate = late.calcTimes(Ephemeris::HorizonAltitude, Ephemeris::Moon);
                for (std::size_t element = 0; element < moon.size(); ++element) {
                    if (moon[element].timeIntervalSinceReferenceDate() !=
                        moonLate[element].timeIntervalSinceReferenceDate()) {
                        ++failures;
                        ADD_FAILURE()
                            << "latitude " << latitude << ", " << day.description()
                            << ": the Moon's event " << element << " depends on the time of day";
                    }
                }
            } catch (const NoRisesOrSetsCalculable& error) {
                ++failures;
                ADD_FAILURE() << "latitude " << latitude << ", " << day.description() << ": no "
                              << error.event();
            }
        }
    }
}

TEST(EphemerisRiseSet, ObjectsWithoutAPositionAreRejected) {
    const Ephemeris model = testing::berlinEvening();
    for (int object : {-1, 4, 8, 11}) {
        SCOPED_TRACE(object);
        try {
            model.calcTimes(0, object);
            ADD_FAILURE() << "no error";
        } catch (const std::out_of_range& error) {
            EXPECT_NE(std::string(error.what()).find("object code"), std::string::npos);
        }
    }
}

// Above the altitude all day, below it all day, or neither: a polar day and a polar night at
// Tromsø (69.65 N), where the Sun neither rises nor sets, and an ordinary day at Berlin.
TEST(IsAboveEventAltitude, PolarDayPolarNightAndAnOrdinaryDay) {
    struct Row {
        const char* name;
        Ephemeris model;
        int altitudeKind;
        bool above;
        bool withoutCrossings;
    };
    const Ephemeris tromsoJuneNoon = modelAt(2026, 6, 21, 12, 0, "Europe/Oslo", 69.65, 18.96);
    const Ephemeris tromsoJuneMidnight = modelAt(2026, 6, 21, 0, 30, "Europe/Oslo", 69.65, 18.96);
    const Ephemeris tromsoDecemberNoon = modelAt(2026, 12, 21, 12, 0, "Europe/Oslo", 69.65, 18.96);
    const Ephemeris tromsoDecemberMidnight =
        modelAt(2026, 12, 21, 0, 30, "Europe/Oslo", 69.65, 18.96);
    const Ephemeris berlinNoon = modelAt(2026, 3, 16, 12, 0, "Europe/Berlin", 52.5, 13.4);
    const Ephemeris berlinMidnight = modelAt(2026, 3, 16, 0, 30, "Europe/Berlin", 52.5, 13.4);
    const Row rows[] = {
        {"polar day, noon", tromsoJuneNoon, Ephemeris::HorizonAltitude, true, true},
        {"polar day, midnight", tromsoJuneMidnight, Ephemeris::HorizonAltitude, true, true},
        {"polar night, noon", tromsoDecemberNoon, Ephemeris::HorizonAltitude, false, true},
        {"polar night, midnight", tromsoDecemberMidnight, Ephemeris::HorizonAltitude, false, true},
        // At noon of the polar night the Sun stands about 3 degrees below the horizon: above
        // the civil twilight's -6, which it crosses that day.
        {"polar night, noon, civil", tromsoDecemberNoon, Ephemeris::CivilTwilight, true, false},
        {"ordinary day, noon", berlinNoon, Ephemeris::HorizonAltitude, true, false},
        {"ordinary day, midnight", berlinMidnight, Ephemeris::HorizonAltitude, false, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(row.model.isAboveEventAltitude(row.altitudeKind, Ephemeris::Sun), row.above)
            << row.name;
        if (row.withoutCrossings) {
            EXPECT_THROW(row.model.calcTimes(row.altitudeKind, Ephemeris::Sun),
                         NoRisesOrSetsCalculable)
                << row.name;
        } else {
            EXPECT_NO_THROW(row.model.calcTimes(row.altitudeKind, Ephemeris::Sun)) << row.name;
        }
        // The same answer as the Sun's altitude against the kind's altitude.
        Ephemeris model = row.model;
        EXPECT_EQ(
            model.sunCoordinate().altitude > model.eventAltitude(row.altitudeKind, Ephemeris::Sun),
            row.above)
            << row.name;
    }
    EXPECT_THROW(berlinNoon.isAboveEventAltitude(Ephemeris::HorizonAltitude, Ephemeris::Earth),
                 std::out_of_range);
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
