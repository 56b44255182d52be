// The almanac sheet's figures: every value the sheet and its JSON show, asked of the model
// once each, with the events the model cannot calculate left absent.

#include "model/EphemerisFigures.h"

#include "model/Ephemeris.h"
#include "time/DateOutOfRange.h"

namespace quenaro {

namespace {

constexpr double kPlanetaryHoursPerDaylight = 12.0;  // as many night hours as day hours

/// The model's three dates (rise, set, transit) for the altitude kind and object, or none
/// when the body does not reach that altitude on the day, or an event would lie beyond the
/// years the dates support (at the very ends of that span).
std::optional<std::array<EphemerisDate, 3>> eventTimes(const Ephemeris& model,
                                                       Ephemeris::AltitudeKind altitudeKind,
                                                       int object) {
    try {
        return model.calcTimes(altitudeKind, object);
    } catch (const NoRisesOrSetsCalculable&) {
        return std::nullopt;
    } catch (const DateOutOfRange&) {
        return std::nullopt;
    }
}

RiseTransitSet riseTransitSet(const Ephemeris& model, int object) {
    const auto times = eventTimes(model, Ephemeris::HorizonAltitude, object);
    if (!times) {
        return {};
    }
    return {(*times)[Ephemeris::RiseIndex], (*times)[Ephemeris::TransitIndex],
            (*times)[Ephemeris::SetIndex]};
}

TwilightTimes twilight(const Ephemeris& model, Ephemeris::AltitudeKind altitudeKind) {
    const auto times = eventTimes(model, altitudeKind, Ephemeris::Sun);
    if (!times) {
        return {};
    }
    return {(*times)[Ephemeris::RiseIndex], (*times)[Ephemeris::SetIndex]};
}

/// Seconds from `from` to `to`, absent when either is.
std::optional<double> secondsBetween(const std::optional<EphemerisDate>& from,
                                     const std::optional<EphemerisDate>& to) {
    if (!from || !to) {
        return std::nullopt;
    }
    return to->timeIntervalSinceDate(*from);
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
    sun.times = riseTransitSet(model, Ephemeris::Sun);
    sun.riseAzimuthDegrees = model.sunriseAzimuth();
    sun.setAzimuthDegrees = model.sunsetAzimuth();
    // The model's lengthOfDay(), from the rise and set already found.
    sun.lengthOfDaySeconds = secondsBetween(sun.times.rise, sun.times.set);
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
    moon.times = riseTransitSet(model, Ephemeris::Moon);
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
    planet.times = riseTransitSet(model, index);
    return planet;
}

/// The model's dayHourDuration() and nightHourDuration() from the sunrise and sunset already
/// found. As the model defines it, the night ends at the sunrise of a model made with
/// Ephemeris::ephemerisForDate() for the date's tomorrow, which stands at the best known
/// position rather than at this model's place.
PlanetaryHourFigures planetaryHours(const Ephemeris& model, const SunFigures& sun) {
    PlanetaryHourFigures hours;
    if (sun.lengthOfDaySeconds) {
        hours.dayHourSeconds = *sun.lengthOfDaySeconds / kPlanetaryHoursPerDaylight;
    }
    if (!sun.times.set) {
        return hours;
    }
    try {
        const Ephemeris nextDay = Ephemeris::ephemerisForDate(model.date().tomorrow());
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

EphemerisFigures computeFigures(const Ephemeris& model) {
    EphemerisFigures figures(model.date());
    figures.timeZoneName = model.date().timeZone().name();
    figures.julianDate = model.date().julianDate();
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
