// `quenaro sheet`: the almanac sheet as lines of text or as one JSON object.

#include "cli/SheetCommand.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/ObserverOptions.h"
#include "cli/PreciseFlag.h"
#include "model/Ephemeris.h"
#include "model/EphemerisFigures.h"
#include "model/EphemerisSheet.h"
#include "time/DateText.h"

namespace quenaro {

namespace {

using Json = nlohmann::ordered_json;

/// The command line shows distances in kilometres, whatever the locale.
constexpr bool kMetric = true;

/// A number, or null for NaN and infinities (which JSON cannot hold).
Json number(double value) {
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

Json number(const std::optional<double>& value) {
    return value ? number(*value) : Json(nullptr);
}

Json instant(const std::optional<EphemerisDate>& date) {
    return date ? Json(isoDateText(*date)) : Json(nullptr);
}

/// An angle of the latitude kind (a latitude, declination or altitude) in [-90, 90]: the
/// model holds some of them reduced to [0, 360] (-10 as 350).
double signedAngle(double degrees) {
    return degrees > 180.0 ? degrees - 360.0 : degrees;
}

/// Whether the record's distance was computed (the Sun's and the Moon's, not a planet's).
enum class Distance { Computed, NotComputed };

/// The record's fields; what the sheet never computes is null: the parallax (set only on
/// topocentric copies of the Moon) and a planet's distance.
Json coordinateJson(const Coordinate& coordinate, Distance distance) {
    return Json{{"latitude", number(signedAngle(coordinate.latitude))},
                {"longitude", number(coordinate.longitude)},
                {"radius", distance == Distance::Computed ? number(coordinate.radius) : nullptr},
                {"rightAscension", number(coordinate.rightAscension)},
                {"declination", number(signedAngle(coordinate.declination))},
                {"parallax", nullptr},
                {"altitude", number(signedAngle(coordinate.altitude))},
                {"azimuth", number(coordinate.azimuth)}};
}

Json twilightJson(const TwilightTimes& twilight) {
    return Json{{"start", instant(twilight.start)}, {"end", instant(twilight.end)}};
}

Json sunJson(const SunFigures& sun) {
    return Json{{"coordinate", coordinateJson(sun.coordinate, Distance::Computed)},
                {"distance", number(sun.distanceAU)},
                {"diameter", number(sun.diameterArcseconds)},
                {"zodiac", sun.zodiac},
                {"rise", instant(sun.times.rise)},
                {"transit", instant(sun.times.transit)},
                {"set", instant(sun.times.set)},
                {"riseAzimuth", number(sun.riseAzimuthDegrees)},
                {"setAzimuth", number(sun.setAzimuthDegrees)},
                {"lengthOfDay", number(sun.lengthOfDaySeconds)},
                {"twilight", Json{{"civil", twilightJson(sun.civil)},
                                  {"nautical", twilightJson(sun.nautical)},
                                  {"astronomical", twilightJson(sun.astronomical)}}}};
}

Json moonJson(const MoonFigures& moon) {
    return Json{{"coordinate", coordinateJson(moon.coordinate, Distance::Computed)},
                {"distance", number(moon.distanceKilometres)},
                {"diameter", number(moon.diameterArcseconds)},
                {"rise", instant(moon.times.rise)},
                {"transit", instant(moon.times.transit)},
                {"set", instant(moon.times.set)},
                {"age", number(moon.ageDays)},
                {"phaseName", moon.phaseName},
                {"phaseAngle", number(moon.phaseAngleDegrees)},
                {"illuminatedFraction", number(moon.illuminatedFraction)},
                {"lunation", moon.lunation ? Json(*moon.lunation) : Json(nullptr)},
                {"limbAngle", number(moon.limbAngleDegrees)}};
}

Json planetJson(const PlanetFigures& planet) {
    return Json{{"name", planet.name},
                {"index", planet.index},
                {"latitude", number(signedAngle(planet.latitudeDegrees))},
                {"longitude", number(planet.longitudeDegrees)},
                {"coordinate", coordinateJson(planet.coordinate, Distance::NotComputed)},
                {"rise", instant(planet.times.rise)},
                {"transit", instant(planet.times.transit)},
                {"set", instant(planet.times.set)}};
}

Json figuresJson(const EphemerisFigures& figures, const std::vector<SheetRow>& rows) {
    Json json;
    json["date"] = isoDateText(figures.date);
    json["timeZone"] = figures.timeZoneName;
    json["julianDate"] = number(figures.julianDate);
    if (figures.positions) {
        json["positions"] = figures.positions->name;
        json["deltaT"] = number(figures.positions->deltaTSeconds);
    }
    json["latitude"] = number(figures.latitudeDegrees);
    json["longitude"] = number(figures.longitudeDegrees);
    json["siderealTime"] =
        Json{{"localMean", number(figures.siderealTime.localMeanDegrees)},
             {"localApparent", number(figures.siderealTime.localApparentDegrees)},
             {"greenwichMean", number(figures.siderealTime.greenwichMeanDegrees)},
             {"greenwichApparent", number(figures.siderealTime.greenwichApparentDegrees)}};
    json["equationOfTime"] = number(figures.equationOfTimeDegrees);
    json["sun"] = sunJson(figures.sun);
    json["moon"] = moonJson(figures.moon);
    Json planets = Json::array();
    for (const PlanetFigures& planet : figures.planets) {
        planets.push_back(planetJson(planet));
    }
    json["planets"] = std::move(planets);
    json["planetaryHours"] =
        Json{{"dayHourDuration", number(figures.planetaryHours.dayHourSeconds)},
             {"nightHourDuration", number(figures.planetaryHours.nightHourSeconds)}};
    Json rowArray = Json::array();
    for (const SheetRow& row : rows) {
        rowArray.push_back(Json::array({row.section, row.label, row.value}));
    }
    json["rows"] = std::move(rowArray);
    return json;
}

}  // namespace

/// Text mode: one "Section | Label | Value" line per row. Labels and values keep the sheet's
/// texts except for line breaks: a break inside them becomes " / " and a break at the end of
/// a label (which only pads it to its value's height) is dropped, so every row stays on one
/// line: "Moon | Moon Age | 10 days 3h 2m / Waxing Gibbous".
void writeSheet(const Ephemeris& model, bool json, std::ostream& out) {
    const EphemerisFigures figures = computeFigures(model);
    const std::vector<SheetLine> lines = sheetLines(figures, kMetric);
    if (json) {
        out << figuresJson(figures, sheetRows(lines)).dump(2) << '\n';
        return;
    }
    out << sheetText(lines);
}

Subcommand addSheetCommand(CLI::App& app) {
    struct Options {
        ObserverOptions observer;
        bool json = false;
        PreciseFlag precise;
    };
    const auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand("sheet", "The almanac sheet of figures");
    options->observer.addTo(*command);
    command->add_flag("--json", options->json,
                      "One JSON object with the figures and the sheet's rows");
    options->precise.addTo(*command,
                           "the sheet ends with a line naming the source and delta T, the JSON "
                           "gains \"positions\": \"precise\" and \"deltaT\" (seconds)");
    return {command, [options](std::ostream& out) {
                writeSheet(options->precise.model(options->observer), options->json, out);
            }};
}

}  // namespace quenaro
