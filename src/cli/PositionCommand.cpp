// `quenaro position`: one body's apparent geocentric position from the planetary series, or
// with --precise from the precise source.

#include "cli/PositionCommand.h"

#include <CLI/CLI.hpp>
#include <array>
#include <memory>
#include <ostream>

#include "base/PrintfText.h"
#include "cli/BadInput.h"
#include "cli/DecimalNumber.h"
#include "precise/ApparentPlace.h"
#include "precise/PreciseSpan.h"
#include "series/CAAElliptical.h"
#include "series/SeriesSpans.h"

namespace quenaro {

namespace {

struct Body {
    const char* name;
    CAAElliptical::EllipticalObject object;
    const SeriesSpan* span;
};

constexpr std::array<Body, 9> kBodies{{
    {"sun", CAAElliptical::SUN, &kPlanetarySeriesSpan},
    {"mercury", CAAElliptical::MERCURY, &kPlanetarySeriesSpan},
    {"venus", CAAElliptical::VENUS, &kPlanetarySeriesSpan},
    {"mars", CAAElliptical::MARS, &kPlanetarySeriesSpan},
    {"jupiter", CAAElliptical::JUPITER, &kPlanetarySeriesSpan},
    {"saturn", CAAElliptical::SATURN, &kPlanetarySeriesSpan},
    {"uranus", CAAElliptical::URANUS, &kPlanetarySeriesSpan},
    {"neptune", CAAElliptical::NEPTUNE, &kPlanetarySeriesSpan},
    {"pluto", CAAElliptical::PLUTO, &kPlutoSeriesSpan},
}};

constexpr const char* kBodyNames =
    "sun, mercury, venus, mars, jupiter, saturn, uranus, neptune or pluto; with --precise also "
    "moon";

/// The bodies the precise source places, by the names of the command line.
struct PreciseName {
    const char* name;
    PreciseBody body;
};

constexpr std::array<PreciseName, 7> kPreciseBodies{{
    {"sun", PreciseBody::Sun},
    {"moon", PreciseBody::Moon},
    {"mercury", PreciseBody::Mercury},
    {"venus", PreciseBody::Venus},
    {"mars", PreciseBody::Mars},
    {"jupiter", PreciseBody::Jupiter},
    {"saturn", PreciseBody::Saturn},
}};

[[noreturn]] void throwUnknownBody(const std::string& name) {
    throw BadInput("body", name, std::string("unknown; expected ") + kBodyNames);
}

const Body& bodyNamed(const std::string& name) {
    for (const Body& body : kBodies) {
        if (name == body.name) {
            return body;
        }
    }
    if (name == "moon") {
        throw BadInput("body", name, "is placed only with --precise");
    }
    throwUnknownBody(name);
}

/// Parses the Julian date and checks it lies in the span of the series named `seriesName`.
double julianDateIn(const SeriesSpan& span, const char* seriesName,
                    const std::string& julianDateText) {
    const double julianDate = parseDecimalNumber(julianDateText, "--jd");
    if (!span.contains(julianDate)) {
        throw BadInput("--jd", julianDateText,
                       printfText("%s's series is meant for Julian dates from %.1f up to but not "
                                  "including %.1f (the years %d to %d)",
                                  seriesName, span.earliestJulianDate, span.endJulianDate,
                                  span.firstYear, span.lastYear));
    }
    return julianDate;
}

/// The precise place of the body at the Julian date of TT, with "positions": "precise".
void writePrecisePosition(PreciseBody body, double julianDate, std::ostream& out) {
    constexpr double kilometresPerAu = 149597870.7;
    const ApparentPlace place = apparentPlace(body, julianDate);
    out << printfText(
        "{\"longitude\": %.17g, \"latitude\": %.17g, \"distance\": %.17g, \"lightTime\": %.17g, "
        "\"ra\": %.17g, \"dec\": %.17g, \"positions\": \"precise\"}\n",
        place.longitude, place.latitude, place.distanceKilometres / kilometresPerAu,
        place.lightTimeDays, place.rightAscension / 15.0, place.declination);
}

}  // namespace

void writePosition(const std::string& body, const std::string& julianDateText, bool precise,
                   std::ostream& out) {
    if (precise) {
        for (const PreciseName& named : kPreciseBodies) {
            if (body == named.name) {
                writePrecisePosition(
                    named.body,
                    julianDateIn(kPreciseSeriesSpan, "The precise source", julianDateText), out);
                return;
            }
        }
    }
    const Body& named = bodyNamed(body);
    const double julianDate = julianDateIn(*named.span, named.name, julianDateText);
    const CAAEllipticalResult position = CAAElliptical::Calculate(julianDate, named.object);
    out << printfText(
        "{\"longitude\": %.17g, \"latitude\": %.17g, \"distance\": %.17g, \"lightTime\": %.17g, "
        "\"ra\": %.17g, \"dec\": %.17g%s}\n",
        position.GeocentricLongitude, position.GeocentricLatitude, position.GeocentricDistance,
        position.LightTime, position.GeocentricRA, position.GeocentricDeclination,
        precise ? ", \"positions\": \"almanac\"" : "");
}

Subcommand addPositionCommand(CLI::App& app) {
    struct Options {
        std::string body;
        std::string julianDateText;
        bool precise = false;
    };
    const auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand(
        "position",
        "Apparent geocentric position of a body from the planetary series (with --precise from "
        "VSOP87B and ELP/MPP02), as JSON");
    command->add_option("body", options->body, kBodyNames)->required()->type_name("BODY");
    command
        ->add_option("--jd", options->julianDateText,
                     "Julian date (UT; TT with --precise): years -4000 to 8000, for pluto 1885 to "
                     "2099; with --precise 1000 to 3000")
        ->required()
        ->type_name("JD");
    command->add_flag("--precise", options->precise,
                      "The precise source for the Sun, the Moon and Mercury to Saturn (within "
                      "0.5\" of DE405 over 1960-2060), the date taken as TT; the others from the "
                      "planetary series. The JSON says which: \"positions\": \"precise\" or "
                      "\"almanac\"");
    return {command, [options](std::ostream& out) {
                writePosition(options->body, options->julianDateText, options->precise, out);
            }};
}

}  // namespace quenaro
