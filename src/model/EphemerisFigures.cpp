// The almanac sheet's figures: every value the sheet and its JSON show, asked of the model
// once each, with the events the model cannot calculate left absent.

#include "model/EphemerisFigures.h"

#include <stdexcept>

#include "model/Ephemeris.h"

namespace quenaro {

namespace {

constexpr double kPlanetaryHoursPerDaylight = 12.0;  // as many night hours as day hours

/// The model's three dates (rise, set, transit) for the altitude kind and object, or none
/// when the body does not reach that altitude on the day.
std::optional<std::array<EphemerisDate, 3>> eventTimes(const Ephemeris& model, int altitudeKind,
                                                       int object) {
    try {
        return model.calcTimes(altitudeKind, object);
    } catch (const std::invalid_argument&) {
        // "No rises or sets calculable": the day has no such event.
        return std::nullopt;
    }
}

RiseTransitSet riseTransitSet(const Ephemeris& model, int object) {
    const auto times = eventTimes(model, 0, object);
    if (!times) {
        return {};
    }
    return {(*times)[0], (*times)[2], (*times)[1]};
}

TwilightTimes twilight(const Ephemeris& model, int altitudeKind) {
    const auto times = eventTimes(model, altitudeKind, Ephemeris::Sun);
    if (!times) {
        return {};
    }
    return {(*times)[0], (*times)[1]};
}

/// Seconds from `from` to `to`, absent when either is.
std::optional<double> secondsBetween(const std::optional<EphemerisDate>& from,
                                     const std::optional<EphemerisDate>& to) {
    if (!from || !to) {
        return std::nullopt;
    }
    return to->timeIntervalSinceDate(*from);
}

SunFigures sunFigures(const Ephemeris& model) {
    SunFigures sun;
    model.sunCoordinate(sun.coordinate);
    model.calcHorizontal(sun.coordinate);
    model.calcEcliptic(sun.coordinate);
    sun.distanceAU = model.sunDistance();
    sun.diameterArcseconds = model.sunDiameter();
    sun.zodiac = model.sunZodiacPositionString();
    sun.times = riseTransitSet(model, Ephemeris::Sun);
    sun.riseAzimuthDegrees = model.sunriseAzimuth();
    sun.setAzimuthDegrees = model.sunsetAzimuth();
    // The model's lengthOfDay(), from the rise and set already found.
    sun.lengthOfDaySeconds = secondsBetween(sun.times.rise, sun.times.set);
    sun.civil = twilight(model, 1);
    sun.nautical = twilight(model, 2);
    sun.astronomical = twilight(model, 3);
    return sun;
}

MoonFigures moonFigures(const Ephemeris& model) {
    MoonFigures moon;
    model.moonCoordinate(moon.coordinate);
    model.calcHorizontal(moon.coordinate);
    model.calcEcliptic(moon.coordinate);
    moon.distanceKilometres = model.moonDistance();
    moon.diameterArcseconds = model.moonDiameter();
    moon.times = riseTransitSet(model, Ephemeris::Moon);
    moon.ageDays = model.ageOfMoon();
    moon.phaseName = model.phaseOfMoonName();
    moon.elongationDegrees = model.elongationFromSun();
    moon.illuminatedFraction = model.illuminatedFraction();
    try {
        moon.lunation = model.lunation();
    } catch (const std::invalid_argument&) {
        // 28 days on lies beyond the last date the model supports.
    }
    moon.limbAngleDegrees = model.limbAngle();
    return moon;
}

struct SheetPlanet {
    const char* name;
    int index;
};

constexpr std::array<SheetPlanet, 5> kSheetPlanets{{
    {"Mercury", Ephemeris::Mercury},
    {"Venus", Ephemeris::Venus},
    {"Mars", Ephemeris::Mars},
    {"Jupiter", Ephemeris::Jupiter},
    {"Saturn", Ephemeris::Saturn},
}};

PlanetFigures planetFigures(const Ephemeris& model, const SheetPlanet& sheetPlanet) {
    PlanetFigures planet;
    planet.name = sheetPlanet.name;
    planet.index = sheetPlanet.index;
    // One elliptical calculation gives both coordinates (the planet's latitude and longitude
    // operations would run it once each).
    planet.coordinate = model.planetEclipticPosition(sheetPlanet.index);
    planet.latitudeDegrees = planet.coordinate.latitude;
    planet.longitudeDegrees = planet.coordinate.longitude;
    model.calcGeocentric(planet.coordinate);
    model.calcHorizontal(planet.coordinate);
    planet.times = riseTransitSet(model, sheetPlanet.index);
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
        const EphemerisDate nextSunrise = nextDay.calcTimes(0, Ephemeris::Sun)[0];
        hours.nightHourSeconds =
            nextSunrise.timeIntervalSinceDate(*sun.times.set) / kPlanetaryHoursPerDaylight;
    } catch (const std::invalid_argument&) {
        // No sunrise tomorrow, or no tomorrow within the dates the model supports.
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
    for (std::size_t planet = 0; planet < kSheetPlanets.size(); ++planet) {
        figures.planets[planet] = planetFigures(model, kSheetPlanets[planet]);
    }
    figures.planetaryHours = planetaryHours(model, figures.sun);
    return figures;
}

}  // namespace quenaro
