// Planetary hours of the model: the length of the twelve day and twelve night hours, the
// traditional rulers of days and hours in the Chaldean scheme, the planetary hour of the
// model's moment, and the planets' symbols and names.

#include <array>
#include <string>

#include "model/CyclicIndex.h"
#include "model/Ephemeris.h"
#include "time/DateOutOfRange.h"

namespace quenaro {

namespace {

constexpr int kDaysPerWeek = 7;
constexpr double kHoursPerDaylight = 12.0;  // as many night hours as day hours
constexpr int kLastDayHour = 11;            // hours 0-11 are day hours, 12-23 night hours

/// The seven classical bodies by increasing period; stepping backwards through it gives the
/// succession of hour rulers.
constexpr std::array<int, kDaysPerWeek> kChaldeanOrder{
    Ephemeris::Moon, Ephemeris::Mercury, Ephemeris::Venus, Ephemeris::Sun,
    Ephemeris::Mars, Ephemeris::Jupiter, Ephemeris::Saturn};

/// The ruler of each weekday from Sunday (0) to Saturday (6).
constexpr std::array<int, kDaysPerWeek> kWeekdayRulers{
    Ephemeris::Sun,     Ephemeris::Moon,  Ephemeris::Mars,  Ephemeris::Mercury,
    Ephemeris::Jupiter, Ephemeris::Venus, Ephemeris::Saturn};

/// The symbol of each planet index 0 (Sun) to 10 (Pluto), UTF-8.
constexpr std::array<const char*, 11> kPlanetSymbols{"\u263C", "\u263D", "\u263F", "\u2640",
                                                     "\u2641", "\u2642", "\u2643", "\u2644",
                                                     "\u2645", "\u2646", "\u2647"};

/// The English name of each body index 0 (Sun) to 10 (Pluto).
constexpr std::array<const char*, 11> kBodyNames{"Sun",    "Moon",    "Mercury", "Venus",
                                                 "Earth",  "Mars",    "Jupiter", "Saturn",
                                                 "Uranus", "Neptune", "Pluto"};

/// The hour of a day or night half, counted from its start with the given hour length; none
/// unless it falls within that half (hour lengths of zero, and anything not a number, give
/// none).
std::optional<int> hourOfHalf(double secondsSinceStart, double hourSeconds, bool night) {
    const double hours = secondsSinceStart / hourSeconds;
    if (!(hours >= 0.0 && hours < kHoursPerDaylight)) {
        return std::nullopt;
    }
    return static_cast<int>(hours) + (night ? kLastDayHour + 1 : 0);
}

}  // namespace

/// The planet index (0 Sun ... 7 Saturn) at position n of the Chaldean order Moon, Mercury,
/// Venus, Sun, Mars, Jupiter, Saturn, taken cyclically; a negative n counts back from Saturn.
int Ephemeris::chaledeanPlanet(int n) {
    return kChaldeanOrder[static_cast<std::size_t>(cyclicIndex(n, kDaysPerWeek))];
}

/// The planet index ruling weekday n (0 Sunday ... 6 Saturday), taken cyclically: 7 is Sunday
/// again and -1 Saturday.
int Ephemeris::planetForWeekDay(int n) {
    return kWeekdayRulers[static_cast<std::size_t>(cyclicIndex(n, kDaysPerWeek))];
}

/// The ruler of hour 0-23 of weekday 0-6 (Sunday 0), both taken cyclically: the day ruler at
/// hour 0, then one place back through the Chaldean order each hour. The ruler depends on hour
/// and day only modulo 7; reducing them first keeps the int arithmetic from overflowing and
/// leaves every result for hours 0-23 unchanged.
int Ephemeris::hourRuler(int hour, int day) {
    const int weekday = cyclicIndex(day, kDaysPerWeek);
    const int hourInCycle = cyclicIndex(hour, kDaysPerWeek);
    return chaledeanPlanet((((4 * weekday - 4) % kDaysPerWeek) - hourInCycle + 42) % kDaysPerWeek);
}

/// Seconds in one of the twelve day hours: (sunset - sunrise) / 12 of this model's day. Passes
/// on what sunRise() and sunSet() give on a day without sunrise or sunset.
double Ephemeris::dayHourDuration() const {
    return (sunSet().timeIntervalSinceReferenceDate() -
            sunRise().timeIntervalSinceReferenceDate()) /
           kHoursPerDaylight;
}

/// Seconds in one of the twelve night hours: (next day's sunrise - this sunset) / 12. The next
/// day's sunrise is that of a model for tomorrow at the best known position, not at this
/// model's place.
double Ephemeris::nightHourDuration() const {
    const Ephemeris nextDay = copyForTomorrowAtBestKnownPosition();
    return (nextDay.sunRise().timeIntervalSinceReferenceDate() -
            sunSet().timeIntervalSinceReferenceDate()) /
           kHoursPerDaylight;
}

/// "H:<hour ruler><D or N>:<day ruler>" for hour 0-23 (0-11 day hours "D", 12-23 night hours
/// "N") of weekday `day` (0 Sunday ... 6 Saturday, taken cyclically). The hour ruler steps
/// backwards through the Chaldean order from the day ruler at hour 0.
std::string Ephemeris::stringForPlanetaryHour(int hour, int day) {
    const char* dayOrNight = hour <= kLastDayHour ? "D" : "N";
    return "H:" + symbolForPlanet(hourRuler(hour, day)) + dayOrNight + ":" +
           symbolForPlanet(planetForWeekDay(day));
}

PlanetaryHour Ephemeris::planetaryHour() const {
    PlanetaryHour result;
    int weekday = myDate.dayOfWeek() - 1;
    result.dayRuler = planetForWeekDay(weekday);
    const double now = myDate.timeIntervalSinceReferenceDate();
    try {
        const double rise = sunRise().timeIntervalSinceReferenceDate();
        const double set = sunSet().timeIntervalSinceReferenceDate();
        result.daytime = rise <= now && now < set;
        if (result.daytime) {
            result.hour = hourOfHalf(now - rise, dayHourDuration(), false);
        } else if (now < rise) {
            // Before today's sunrise: the night of the planetary day that began yesterday.
            const Ephemeris yesterday = copyForYesterday();
            weekday = yesterday.date().dayOfWeek() - 1;
            result.dayRuler = planetForWeekDay(weekday);
            result.hour = hourOfHalf(now - yesterday.sunSet().timeIntervalSinceReferenceDate(),
                                     yesterday.nightHourDuration(), true);
        } else {
            result.hour = hourOfHalf(now - set, nightHourDuration(), true);
        }
    } catch (const NoRisesOrSetsCalculable&) {
        result.daytime = isAboveEventAltitude(HorizonAltitude, Sun);
        result.hour.reset();
    } catch (const DateOutOfRange&) {
        result.hour.reset();
    }
    if (result.hour) {
        result.hourRuler = hourRuler(*result.hour, weekday);
    }
    return result;
}

/// The planet's one-character symbol for index 0 (Sun, U+263C) ... 10 (Pluto, U+2647), UTF-8;
/// "" for a negative index and "X" for an index above 10.
std::string Ephemeris::symbolForPlanet(int planet) {
    if (planet < 0) {
        return "";
    }
    if (planet >= static_cast<int>(kPlanetSymbols.size())) {
        return "X";
    }
    return kPlanetSymbols[static_cast<std::size_t>(planet)];
}

std::string Ephemeris::nameForPlanet(int planet) {
    if (planet < 0 || planet >= static_cast<int>(kBodyNames.size())) {
        return "";
    }
    return kBodyNames[static_cast<std::size_t>(planet)];
}

}  // namespace quenaro
