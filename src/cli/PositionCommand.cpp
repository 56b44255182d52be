// `quenaro position`: one body's apparent geocentric position from the planetary series.

#include "cli/PositionCommand.h"

#include <CLI/CLI.hpp>
#include <array>
#include <memory>
#include <ostream>

#include "base/PrintfText.h"
#include "cli/BadInput.h"
#include "cli/DecimalNumber.h"
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
    "sun, mercury, venus, mars, jupiter, saturn, uranus, neptune or pluto";

const Body& bodyNamed(const std::string& name) {
    for (const Body& body : kBodies) {
        if (name == body.name) {
            return body;
        }
    }
    throw BadInput("body", name, std::string("unknown; expected ") + kBodyNames);
}

}  // namespace

void writePosition(const std::string& body, const std::string& julianDateText, std::ostream& out) {
    const Body& named = bodyNamed(body);
    const double julianDate = parseDecimalNumber(julianDateText, "--jd");
    if (!named.span->contains(julianDate)) {
        throw BadInput(
            "--jd", julianDateText,
            printfText("%s's series is meant for Julian dates from %.1f up to but not "
                       "including %.1f (the years %d to %d)",
                       named.name, named.span->earliestJulianDate, named.span->endJulianDate,
                       named.span->firstYear, named.span->lastYear));
    }
    const CAAEllipticalResult position = CAAElliptical::Calculate(julianDate, named.object);
    out << printfText(
        "{\"longitude\": %.17g, \"latitude\": %.17g, \"distance\": %.17g, \"lightTime\": %.17g, "
        "\"ra\": %.17g, \"dec\": %.17g}\n",
        position.GeocentricLongitude, position.GeocentricLatitude, position.GeocentricDistance,
        position.LightTime, position.GeocentricRA, position.GeocentricDeclination);
}

Subcommand addPositionCommand(CLI::App& app) {
    struct Options {
        std::string body;
        std::string julianDateText;
    };
    const auto options = std::make_shared<Options>();
    CLI::App* command = app.add_subcommand(
        "position", "Apparent geocentric position of a body from the planetary series, as JSON");
    command->add_option("body", options->body, kBodyNames)->required()->type_name("BODY");
    command
        ->add_option("--jd", options->julianDateText,
                     "Julian date (UT): years -4000 to 8000, for pluto 1885 to 2099")
        ->required()
        ->type_name("JD");
    return {command, [options](std::ostream& out) {
                writePosition(options->body, options->julianDateText, out);
            }};
}

}  // namespace quenaro
