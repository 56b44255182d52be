// The almanac bound to script: `new Module.Almanac()` and its methods, under the names of
// WebAlmanac's members; Almanac.searchPlaces(query, limit) gives the places as an array of
// plain objects.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include "places/Gazetteer.h"
#include "web/WebAlmanac.h"

namespace quenaro {

namespace {

/// Places of the gazetteer whose name starts with the query, best first, as objects with
/// name, label, latitude, longitude, zone and population.
emscripten::val placesMatching(const std::string& query, int limit) {
    emscripten::val found = emscripten::val::array();
    if (query.empty() || limit <= 0) {
        return found;
    }
    int index = 0;
    for (const Place& place : quenaro::searchPlaces(query, static_cast<std::size_t>(limit))) {
        emscripten::val entry = emscripten::val::object();
        entry.set("name", std::string(place.name));
        entry.set("label", placeTitle(place));
        entry.set("latitude", place.latitudeDegrees);
        entry.set("longitude", place.longitudeDegrees);
        entry.set("zone", std::string(place.zone));
        entry.set("population", static_cast<double>(place.population));
        found.set(index++, entry);
    }
    return found;
}

}  // namespace

EMSCRIPTEN_BINDINGS(quenaro) {
    using emscripten::class_;
    class_<WebAlmanac>("Almanac")
        .constructor<>()
        .class_function("searchPlaces", &placesMatching)
        .function("setNow", &WebAlmanac::setNow)
        .function("instant", &WebAlmanac::instant)
        .function("setInstant", &WebAlmanac::setInstant)
        .function("latitude", &WebAlmanac::latitude)
        .function("longitude", &WebAlmanac::longitude)
        .function("placeName", &WebAlmanac::placeName)
        .function("setPlace", &WebAlmanac::setPlace)
        .function("zoneName", &WebAlmanac::zoneName)
        .function("setZone", &WebAlmanac::setZone)
        .function("deviceZone", &WebAlmanac::deviceZone)
        .class_function("zoneAt", &WebAlmanac::zoneAt)
        .function("applyLink", &WebAlmanac::applyLink)
        .function("linkDate", &WebAlmanac::linkDate)
        .function("dateText", &WebAlmanac::dateText)
        .function("sheetText", &WebAlmanac::sheetText)
        .function("setChartSettings", &WebAlmanac::setChartSettings)
        .function("setAudience", &WebAlmanac::setAudience)
        .function("setMetric", &WebAlmanac::setMetric)
        .function("drawOrrery", &WebAlmanac::drawOrrery)
        .function("drawTimeline", &WebAlmanac::drawTimeline)
        .function("drawChart", &WebAlmanac::drawChart)
        .function("drawSheet", &WebAlmanac::drawSheet)
        .function("dialPress", &WebAlmanac::dialPress)
        .function("dialMove", &WebAlmanac::dialMove)
        .function("dialRelease", &WebAlmanac::dialRelease)
        .function("dialHeld", &WebAlmanac::dialHeld)
        .function("chartAngleAt", &WebAlmanac::chartAngleAt)
        .function("chartTurn", &WebAlmanac::chartTurn)
        .function("setChartTurning", &WebAlmanac::setChartTurning)
        .function("chartTap", &WebAlmanac::chartTap)
        .function("switchChartScale", &WebAlmanac::switchChartScale)
        .function("chartEnlarged", &WebAlmanac::chartEnlarged)
        .function("chartRotation", &WebAlmanac::chartRotation)
        .function("calculatorKey", &WebAlmanac::calculatorKey)
        .function("calculatorMode", &WebAlmanac::calculatorMode)
        .function("calculatorEntry", &WebAlmanac::calculatorEntry)
        .function("calculatorTable", &WebAlmanac::calculatorTable)
        .function("calculatorLabels", &WebAlmanac::calculatorLabels)
        .function("calculatorSignTitles", &WebAlmanac::calculatorSignTitles);
}

}  // namespace quenaro
