// What happens in the sky on a day at high latitude: the bracketing search where the refined
// method has no sound answer, checked against scans of the model's own altitude.

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "ModelTestSupport.h"
#include "model/AltitudeCrossings.h"
#include "model/EphemerisFigures.h"
#include "model/ObserverPosition.h"
#include "time/TimeUnits.h"

namespace quenaro {
namespace {

using testing::modelAt;

// ---- The search on a height whose crossings are known ---------------------------------------

// A body on a circle of one turn a day culminating at `culmination` seconds, whose height is
// cos(hour angle) - level: it crosses where cos(hour angle) = level.
struct CircleCase {
    const char* name;
    double level;
    /// Seconds from the culmination to each crossing; none when the level is out of reach.
    std::optional<double> halfPass;
};

TEST(AltitudeCrossings, FindsEveryCrossingOfAKnownHeightHoweverShort) {
    constexpr double kTurn = kSecondsPerDay;
    constexpr double kRate = 2.0 * std::numbers::pi / kTurn;
    constexpr double kCulmination = 40000.0;
    const CircleCase cases[] = {
        {"half the turn up", 0.0, kTurn / 4.0},
        {"a pass of 6.5 minutes", 0.9999, std::acos(0.9999) / kRate},
        {"a pass of 12 seconds", 1.0 - 1e-7, std::acos(1.0 - 1e-7) / kRate},
        {"never up", 1.0001, std::nullopt},
        {"never down", -1.2, std::nullopt},
    };
    for (const CircleCase& circle : cases) {
        SCOPED_TRACE(circle.name);
        const auto read = [&](double seconds) {
            const double angle = kRate * (seconds - kCulmination);
            const double degrees = std::remainder(angle * 180.0 / std::numbers::pi, 360.0);
            return AltitudeReading{std::cos(angle) - circle.level, degrees};
        };
        AltitudeSearchLimits limits;
        limits.windowSeconds = 2.0 * kTurn;
        limits.culminationsFrom = 0.0;
        limits.culminationsTo = kTurn;
        limits.stepSeconds = 7200.0;
        limits.precisionSeconds = 2.0;
        limits.heightCurvature = kRate * kRate;
        const AltitudeCrossings found = findAltitudeCrossings(read, limits);

        ASSERT_EQ(found.culminations.size(), 1U);
        EXPECT_NEAR(found.culminations[0].seconds, kCulmination, 1.0);
        EXPECT_EQ(found.culminations[0].above, circle.level < 1.0);
        EXPECT_EQ(found.aboveAtStart, circle.level < std::cos(kRate * kCulmination));
        if (!circle.halfPass) {
            EXPECT_TRUE(found.crossings.empty());
            continue;
        }
        // Rise and set around each of the two culminations in the window.
        std::vector<AltitudeCrossings::Crossing> expected;
        for (const double culmination : {kCulmination, kCulmination + kTurn}) {
            expected.push_back({culmination - *circle.halfPass, true, 0.0});
            expected.push_back({culmination + *circle.halfPass, false, 0.0});
        }
        ASSERT_EQ(found.crossings.size(), expected.size());
        for (std::size_t index = 0; index < expected.size(); ++index) {
            EXPECT_NEAR(found.crossings[index].seconds, expected[index].seconds, 1.0) << index;
            EXPECT_EQ(found.crossings[index].rising, expected[index].rising) << index;
        }
    }
}

// ---- Days the refined method had no answer for ---------------------------------------------

// Expected instants: seconds from the local midnight (UTC here), from a scan of the model's own
// altitude (Ephemeris::copyForDate, sunCoordinate or moonCoordinate, lha and eventAltitude)
// second by second over the day and 13 hours either side: the first second past each crossing
// and each upper meridian passage. -1 for an event that does not happen.
struct HighLatitudeCase {
    const char* name;
    int year;
    unsigned month;
    unsigned day;
    double latitude;
    Ephemeris::AltitudeKind kind;
    int object;
    double rise;
    double transit;
    double set;
    DayEvents::Day sky;
};

TEST(DayEvents, HighLatitudeDaysAgreeWithAScanOfTheModelsAltitude) {
    constexpr DayEvents::Day kCrossing = DayEvents::Day::Crossing;
    const HighLatitudeCase cases[] = {
        // The Sun clears the horizon for 47 minutes, culminating 0.097 degrees above it.
        {"first sunrise after the polar night", 2023, 1, 17, 70.0, Ephemeris::HorizonAltitude,
         Ephemeris::Sun, 42404, 43798, 45240, kCrossing},
        {"a Moon up for 35 minutes", 2023, 2, 19, 70.0, Ephemeris::HorizonAltitude, Ephemeris::Moon,
         41331, 41733, 43454, kCrossing},
        // The first civil dusk of the summer: no dawn belongs to that day's pass.
        {"first civil dusk", 2021, 7, 11, 62.0, Ephemeris::CivilTwilight, Ephemeris::Sun, -1, 43532,
         86015, kCrossing},
        {"the next day's dawn and dusk", 2021, 7, 12, 62.0, Ephemeris::CivilTwilight,
         Ephemeris::Sun, 1081, 43540, 85118, kCrossing},
        {"polar day", 2026, 6, 21, 70.0, Ephemeris::HorizonAltitude, Ephemeris::Sun, -1, 43309, -1,
         DayEvents::Day::UpAllDay},
        // The Sun culminates 2.6 degrees below its horizon: no transit shown.
        {"polar night", 2026, 12, 21, 70.0, Ephemeris::HorizonAltitude, Ephemeris::Sun, -1, -1, -1,
         DayEvents::Day::DownAllDay},
    };
    for (const HighLatitudeCase& day : cases) {
        SCOPED_TRACE(day.name);
        const Ephemeris model =
            modelAt(day.year, day.month, day.day, 12, 0, "UTC", day.latitude, 0.0);
        const EphemerisDate midnight = model.date().startOfDay();
        const DayEvents events = model.dayEvents(day.kind, day.object);
        const auto expectAt = [&](const std::optional<EphemerisDate>& event, double seconds,
                                  const char* what) {
            if (seconds < 0.0) {
                EXPECT_FALSE(event.has_value()) << what;
            } else if (event) {
                // Bisected to 2 seconds; the scan's second is the one past the event.
                EXPECT_NEAR(event->timeIntervalSinceDate(midnight), seconds - 0.5, 1.5) << what;
            } else {
                ADD_FAILURE() << "no " << what;
            }
        };
        expectAt(events.rise, day.rise, "rise");
        expectAt(events.transit, day.transit, "transit");
        expectAt(events.set, day.set, "set");
        EXPECT_EQ(events.day, day.sky);
    }
}

// On the day the refined method once gave the moonset as the moonrise (Reykjavik, 2026-04-23:
// 05:59:54, 137 minutes from the rise), the rise is the rise: 08:17:10 by the scan.
TEST(DayEvents, AFoundCrossingOfTheWrongDirectionIsNotTakenForTheEvent) {
    const Ephemeris model = modelAt(2026, 4, 23, 12, 0, "Atlantic/Reykjavik", 64.1466, -21.9426);
    const DayEvents moon = model.dayEvents(Ephemeris::HorizonAltitude, Ephemeris::Moon);
    ASSERT_TRUE(moon.rise.has_value());
    EXPECT_NEAR(moon.rise->timeIntervalSinceDate(model.date().startOfDay()), 29830 - 0.5, 1.5);
    EXPECT_NO_THROW(model.moonRise());
    EXPECT_EQ(model.moonRise().timeIntervalSinceReferenceDate(),
              moon.rise->timeIntervalSinceReferenceDate());
}

// ---- A year at the Arctic circle and at 70 N -------------------------------------------------

/// The body's altitude above the altitude sought, by a model made for the instant.
double heightAt(const Ephemeris& model, const EphemerisDate& instant, int kind, int object) {
    Ephemeris atInstant = model.copyForDate(instant);
    const Coordinate position =
        object == Ephemeris::Sun ? atInstant.sunCoordinate() : atInstant.moonCoordinate();
    return position.altitude - atInstant.eventAltitude(kind, object);
}

struct Body {
    Ephemeris::AltitudeKind kind;
    int object;
};

constexpr Body kBodies[] = {{Ephemeris::HorizonAltitude, Ephemeris::Sun},
                            {Ephemeris::CivilTwilight, Ephemeris::Sun},
                            {Ephemeris::NauticalTwilight, Ephemeris::Sun},
                            {Ephemeris::AstronomicalTwilight, Ephemeris::Sun},
                            {Ephemeris::HorizonAltitude, Ephemeris::Moon}};

/// What is wrong with the events of the body on the day ("" when nothing is).
std::string dayProblem(const Ephemeris& model, const Body& body, const EphemerisDate& dayStart,
                       double dayLength) {
    constexpr int kScanSteps = 72;
    const DayEvents events = model.dayEvents(body.kind, body.object);
    bool risesWithinDay = false;
    bool setsWithinDay = false;
    double previous = heightAt(model, dayStart, body.kind, body.object);
    for (int step = 1; step <= kScanSteps; ++step) {
        const double height = heightAt(
            model, dayStart.addTimeInterval(dayLength * step / kScanSteps), body.kind, body.object);
        risesWithinDay |= previous <= 0.0 && height > 0.0;
        setsWithinDay |= previous > 0.0 && height <= 0.0;
        previous = height;
    }
    if (risesWithinDay && !events.rise) {
        return "no rise";
    }
    if (setsWithinDay && !events.set) {
        return "no set";
    }
    for (const auto& crossing : {events.rise, events.set}) {
        if (!crossing) {
            continue;
        }
        if (std::fabs(heightAt(model, *crossing, body.kind, body.object)) > 0.0084) {
            return "off the altitude at " + crossing->description();
        }
        // One on another day belongs to the day's pass: within half a turn of its transit.
        const double fromStart = crossing->timeIntervalSinceDate(dayStart);
        if ((fromStart < 0.0 || fromStart >= dayLength) &&
            !(events.transit &&
              std::fabs(crossing->timeIntervalSinceDate(*events.transit)) < 13 * 3600.0)) {
            return "not of the day's pass: " + crossing->description();
        }
    }
    if (events.transit) {
        Ephemeris atTransit = model.copyForDate(*events.transit);
        const Coordinate position =
            body.object == Ephemeris::Sun ? atTransit.sunCoordinate() : atTransit.moonCoordinate();
        if (std::fabs(testing::angleDifference(atTransit.lha(position), 0.0)) > 0.01 ||
            position.altitude <= atTransit.eventAltitude(body.kind, body.object)) {
            return "transit off the meridian or below the altitude";
        }
    }
    if (body.kind == Ephemeris::HorizonAltitude && body.object == Ephemeris::Sun && !events.rise &&
        !events.set &&
        computeFigures(model).sun.lengthOfDaySeconds !=
            (events.day == DayEvents::Day::UpAllDay ? kSecondsPerDay : 0.0)) {
        return "length of day";
    }
    return "";
}

// Every day (every eighth under the sanitizers, which run the model far slower): wherever a
// scan of the model's altitude every 20 minutes finds a rise or a set within the day, the
// day's events have one; every rise and set given puts the body on the altitude sought (to
// the 2 seconds of the refinement: 0.0084 degrees at the fastest), and lies on the day or
// within half a turn of the day's transit; every transit lies on the meridian above the
// altitude; a Sun up (down) all day has a day of 24 (0) hours.
TEST(DayEvents, AYearAtTheArcticCircleAndAt70NorthMissesNothingAndAddsNothing) {
#if defined(__SANITIZE_ADDRESS__)
    constexpr int kDayStep = 8;
#else
    constexpr int kDayStep = 1;
#endif
    struct Place {
        const char* zone;
        double latitude;
        double longitude;
    };
    for (const Place& place : {Place{"UTC", 70.0, 0.0}, Place{"Europe/Helsinki", 66.56, 25.7}}) {
        setBestKnownPosition({place.latitude, place.longitude});
        int failures = 0;
        for (int dayOfYear = 0; dayOfYear < 365 && failures < 10; dayOfYear += kDayStep) {
            const EphemerisDate noon =
                EphemerisDate::dateWithYear(2026, 1, 1, 12, 0, 0, TimeZone::named(place.zone))
                    .dateByAddingYears(0, 0, dayOfYear, 0, 0, 0);
            const Ephemeris model(noon, place.latitude, place.longitude);
            const EphemerisDate dayStart = noon.startOfDay();
            const double dayLength = noon.tomorrow().startOfDay().timeIntervalSinceDate(dayStart);
            for (const Body& body : kBodies) {
                const std::string problem = dayProblem(model, body, dayStart, dayLength);
                if (!problem.empty()) {
                    ++failures;
                    ADD_FAILURE() << place.latitude << " N, " << noon.description() << ", kind "
                                  << body.kind << " of body " << body.object << ": " << problem;
                }
            }
        }
    }
}

}  // namespace
}  // namespace quenaro
