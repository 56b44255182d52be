#include "cli/PositionCommand.h"

#include <array>
#include <ostream>
#include <utility>

#include "base/PrintfText.h"
#include "cli/ObserverOptions.h"
#include "series/CAAElliptical.h"

namespace quenaro {

namespace {

constexpr std::array<std::pair<const char*, CAAElliptical::EllipticalObject>, 9> kBodies{{
    {"sun", CAAElliptical::SUN},
    {"mercury", CAAElliptical::MERCURY},
    {"venus", CAAElliptical::VENUS},
    {"mars", CAAElliptical::MARS},
    {"jupiter", CAAElliptical::JUPITER},
    {"saturn", CAAElliptical::SATURN},
    {"uranus", CAAElliptical::URANUS},
    {"neptune", CAAElliptical::NEPTUNE},
    {"pluto", CAAElliptical::PLUTO},
}};

CAAElliptical::EllipticalObject bodyNamed(const std::string& name) {
    for (const auto& [bodyName, object] : kBodies) {
        if (name == bodyName) {
            return object;
        }
    }
    throw BadInput("unknown body \"" + name +
                   "\": expected sun, mercury, venus, mars, jupiter, saturn, uranus, neptune or "
                   "pluto");
}

}  // namespace

void writePosition(const std::string& body, const std::string& julianDateText, std::ostream& out) {
    const CAAElliptical::EllipticalObject object = bodyNamed(body);
    const double julianDate = parseFiniteNumber(julianDateText, "--jd");
    if (julianDate < kEarliestSeriesJulianDate || julianDate > kLatestSeriesJulianDate) {
        throw BadInput(
            printfText("--jd %s: the series are meant for Julian dates from %.1f "
                       "(year -4000) to %.1f (year 8000)",
                       julianDateText.c_str(), kEarliestSeriesJulianDate, kLatestSeriesJulianDate));
    }
    const CAAEllipticalResult position = CAAElliptical::Calculate(julianDate, object);
    out << printfText(
        "{\"longitude\": %.17g, \"latitude\": %.17g, \"distance\": %.17g, \"lightTime\": %.17g, "
        "\"ra\": %.17g, \"dec\": %.17g}\n",
        position.GeocentricLongitude, position.GeocentricLatitude, position.GeocentricDistance,
        position.LightTime, position.GeocentricRA, position.GeocentricDeclination);
}

}  // namespace quenaro
