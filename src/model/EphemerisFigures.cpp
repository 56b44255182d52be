// The almanac sheet's figures: every value the sheet and its JSON show, asked of the model
// once each, with the events that do not happen on the day left absent.

#include "model/EphemerisFigures.h"

#include "model/Ephemeris.h"
#include "model/PositionSource.h"
#include "time/DateOutOfRange.h"
#include "time/TimeUnits.h"

namespace quenaro {

namespace {

constexpr double kPlanetaryHoursPerDaylight = 12.0;  // as many night hours as day hours

/// What the body does against the altitude kind on the day; nothing when the day or an
/// event would lie beyond the years the dates support (at the very ends of that span).
DayEvents dayEvents(const Ephemeris& model, Ephemeris::AltitudeKind altitudeKind, int object) {
    try {
        return model.dayEvents(altitudeKind, object);
    } catch (const DateOutOfRange&) {
        return {};
    }
}

RiseTransitSet riseTransitSet(const DayEvents& events) {
    return {events.rise, events.transit, events.set};
}

TwilightTimes twilight(const Ephemeris& model, Ephemeris::AltitudeKind altitudeKind) {
    const DayEvents events = dayEvents(model, altitudeKind, Ephemeris::Sun);
    return {events.rise, events.set};
}

/// Seconds from sunrise to sunset: a whole day when the Sun is up all day, none when it is
/// down all day; absent when the day has only one of the two.
std::optional<double> lengthOfDay(const DayEvents& sun) {
    if (sun.rise && sun.set) {
        return sun.set->timeIntervalSinceDate(*sun.rise);
    }
    if (sun.rise || sun.set) {
        return std::nullopt;
    }
    switch (sun.day) {
        case DayEvents::Day::UpAllDay:
            return kSecondsPerDay;
        case DayEvents::Day::DownAllDay:
            return 0.0;
        case DayEvents::Day::Crossing:
            break;
    }
    return std::nullopt;
}

/// The ecliptic coordinates from the equatorial ones (calcEcliptic); a position source's place
/// keeps its own, on the true ecliptic of date.
void keepEclipticOrConvert(const Ephemeris& model, Coordinate& coordinate) {
    if (model.positionSource() == nullptr) {
        model.calcEcliptic(coordinate);
    }
}

SunFigures sunFigures(const Ephemeris& model) {
    SunFigures sun;
    model.sunCoordinate(sun.coordinate);
    model.calcHorizontal(sun.coordinate);
    keepEclipticOrConvert(model, sun.coordinate);
    sun.distanceAU = model.sunDistance();
    sun.diameterArcseconds = model.sunDiameter();
    sun.zodiac = model.sunZodiacPositionString();
    const DayEvents events = dayEvents(model, Ephemeris::HorizonAltitude, Ephemeris::Sun);
    sun.times = riseTransitSet(events);
    sun.riseAzimuthDegrees = model.sunriseAzimuth();
    sun.setAzimuthDegrees = model.sunsetAzimuth();
    // The model's lengthOfDay() where it has one, from the rise and set already found.
    sun.lengthOfDaySeconds = lengthOfDay(events);
    sun.civil = twilight(model, Ephemeris::CivilTwilight);
    sun.nautical = twilight(model, Ephemeris::NauticalTwilight);
    sun.astronomical = twilight(model, Ephemeris::AstronomicalTwilight);
    return sun;
}

MoonFigures moonFigures(const Ephemeris& model) {
    MoonFigures moon;
    model.moonCoordinate(moon.coordinate);
    model.calcHorizontal(moon.coordinate);
    keepEclipticOrConvert(model, moon.coordinate);
    moon.distanceKilometres = model.moonDistance();
    moon.diameterArcseconds = model.moonDiameter();
    moon.times = riseTransitSet(dayEvents(model, Ephemeris::HorizonAltitude, Ephemeris::Moon));
    moon.ageDays = model.ageOfMoon();
    moon.phaseName = model.phaseOfMoonName();
    moon.phaseAngleDegrees = model.elongationFromSun();
    moon.illuminatedFraction = model.illuminatedFraction();
    try {
        moon.lunation = model.lunation();
    } catch (const DateOutOfRange&) {
        // 28 days on lies beyond the last date the model supports.
    }
    moon.limbAngleDegrees = model.limbAngle();
    return moon;
}

PlanetFigures planetFigures(const Ephemeris& model, int index) {
    PlanetFigures planet;
    planet.name = Ephemeris::nameForPlanet(index);
    planet.index = index;
    if (model.positionSource() != nullptr) {
        // The source's place holds both frames, the nutation in longitude included.
        planet.coordinate = model.planetPosition(index);
        planet.latitudeDegrees = planet.coordinate.latitude;
        planet.longitudeDegrees = planet.coordinate.longitude;
    } else {
        // One elliptical calculation gives both coordinates (the planet's latitude and
        // longitude operations would run it once each).
        planet.coordinate = model.planetEclipticPosition(index);
        planet.latitudeDegrees = planet.coordinate.latitude;
        planet.longitudeDegrees = planet.coordinate.longitude;
        model.calcGeocentric(planet.coordinate);
    }
    model.calcHorizontal(planet.coordinate);
    planet.times = riseTransitSet(dayEvents(model, Ephemeris::HorizonAltitude, index));
    return planet;
}

/// The model's dayHourDuration() and nightHourDuration() from the sunrise and sunset already
/// found. As the model defines it, the night ends at the sunrise of a model for the date's
/// tomorrow that stands at the best known position rather than at this model's place
/// (Ephemeris::copyForTomorrowAtBestKnownPosition, with the model's position source).
PlanetaryHourFigures planetaryHours(const Ephemeris& model, const SunFigures& sun) {
    PlanetaryHourFigures hours;
    if (sun.times.rise && sun.times.set) {
        hours.dayHourSeconds = *sun.lengthOfDaySeconds / kPlanetaryHoursPerDaylight;
    }
    if (!sun.times.set) {
        return hours;
    }
    try {
        const Ephemeris nextDay = model.copyForTomorrowAtBestKnownPosition();
        const EphemerisDate nextSunrise = nextDay.sunRise();
        hours.nightHourSeconds =
            nextSunrise.timeIntervalSinceDate(*sun.times.set) / kPlanetaryHoursPerDaylight;
    } catch (const NoRisesOrSetsCalculable&) {
        // No sunrise tomorrow.
    } catch (const DateOutOfRange&) {
        // No tomorrow within the dates the model supports.
    }
    return hours;
}

}  // namespace

std::optional<PositionSourceFigures> positionSourceFigures(const Ephemeris& model) {
    const PositionSource* source = model.positionSource();
    if (source == nullptr) {
        return std::nullopt;
    }
    return PositionSourceFigures{std::string(source->name()),
                                 source->deltaTSeconds(model.date().julianDate())};
}

EphemerisFigures computeFigures(const Ephemeris& model) {
    EphemerisFigures figures(model.date());
    figures.timeZoneName = model.date().timeZone().name();
    figures.julianDate = model.date().julianDate();
    figures.positions = positionSourceFigures(model);
    figures.latitudeDegrees = model.latitude();
    figures.longitudeDegrees = model.longitude();
    figures.siderealTime = {model.localMeanSiderealTime(), model.localApparentSiderealTime(),
                            model.greenwichMeanSiderealTime(),
                            model.greenwichApparentSiderealTime()};
    figures.equationOfTimeDegrees = model.equationOfTime();
    figures.sun = sunFigures(model);
    figures.moon = moonFigures(model);
    for (std::size_t planet = 0; planet < kNakedEyePlanets.size(); ++planet) {
        figures.planets[planet] = planetFigures(model, kNakedEyePlanets[planet]);
    }
    figures.planetaryHours = planetaryHours(model, figures.sun);
    return figures;
}

}  // namespace quenaro
