// The ruler of the planetary day and hour for the orrery's box.

#include "drawing/PlanetaryHour.h"

#include "model/Ephemeris.h"
#include "time/DateOutOfRange.h"

namespace quenaro {

namespace {

constexpr int kDaysPerWeek = 7;
constexpr double kHoursPerHalf = 12.0;  // twelve day hours, twelve night hours

/// The hour of a day or night half, counted from its start with the given hour length; none
/// unless it falls within that half (hour lengths of zero, and anything not a number, give
/// none).
std::optional<int> hourOfHalf(double secondsSinceStart, double hourSeconds, bool night) {
    const double hours = secondsSinceStart / hourSeconds;
    if (!(hours >= 0.0 && hours < kHoursPerHalf)) {
        return std::nullopt;
    }
    return static_cast<int>(hours) + (night ? static_cast<int>(kHoursPerHalf) : 0);
}

/// The hour ruler of hour 0-23 of weekday 0-6 (Sunday 0): the day ruler at hour 0, then one
/// place back through the Chaldean order each hour.
int hourRulerOf(int hour, int weekday) {
    const int slot = ((((weekday * 4 - 4) % kDaysPerWeek) - hour + 420) % kDaysPerWeek);
    return Ephemeris::chaledeanPlanet(slot);
}

}  // namespace

PlanetaryHour planetaryHour(const Ephemeris& model) {
    PlanetaryHour result;
    int weekday = model.date().dayOfWeek() - 1;
    result.dayRuler = Ephemeris::planetForWeekDay(weekday);
    const double now = model.date().timeIntervalSinceReferenceDate();
    try {
        const double rise = model.sunRise().timeIntervalSinceReferenceDate();
        const double set = model.sunSet().timeIntervalSinceReferenceDate();
        result.daytime = rise <= now && now < set;
        if (result.daytime) {
            result.hour = hourOfHalf(now - rise, model.dayHourDuration(), false);
        } else if (now < rise) {
            const Ephemeris yesterday = model.copyForYesterday();
            weekday = yesterday.date().dayOfWeek() - 1;
            result.dayRuler = Ephemeris::planetForWeekDay(weekday);
            result.hour = hourOfHalf(now - yesterday.sunSet().timeIntervalSinceReferenceDate(),
                                     yesterday.nightHourDuration(), true);
        } else {
            result.hour = hourOfHalf(now - set, model.nightHourDuration(), true);
        }
    } catch (const NoRisesOrSetsCalculable&) {
        Coordinate sun;
        model.sunCoordinate(sun);
        model.calcHorizontal(sun);
        result.daytime =
            sun.altitude > model.eventAltitude(Ephemeris::HorizonAltitude, Ephemeris::Sun);
        result.hour.reset();
    } catch (const DateOutOfRange&) {
        result.hour.reset();
    }
    if (result.hour) {
        result.hourRuler = hourRulerOf(*result.hour, weekday);
    }
    return result;
}

}  // namespace quenaro
