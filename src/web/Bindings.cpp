// The almanac bound to script: `new Module.Almanac()` and its methods, under the names of
// WebAlmanac's members.

#include <emscripten/bind.h>

#include "web/WebAlmanac.h"

namespace quenaro {

EMSCRIPTEN_BINDINGS(quenaro) {
    using emscripten::class_;
    class_<WebAlmanac>("Almanac")
        .constructor<>()
        .class_function("searchPlaces", &WebAlmanac::searchPlaces)
        .function("setNow", &WebAlmanac::setNow)
        .function("instant", &WebAlmanac::instant)
        .function("setInstant", &WebAlmanac::setInstant)
        .function("latitude", &WebAlmanac::latitude)
        .function("longitude", &WebAlmanac::longitude)
        .function("placeName", &WebAlmanac::placeName)
        .function("setPlace", &WebAlmanac::setPlace)
        .function("zoneName", &WebAlmanac::zoneName)
        .function("setZone", &WebAlmanac::setZone)
        .class_function("deviceZone", &WebAlmanac::deviceZone)
        .class_function("zoneAt", &WebAlmanac::zoneAt)
        .function("applyLink", &WebAlmanac::applyLink)
        .function("linkDate", &WebAlmanac::linkDate)
        .function("setPrecise", &WebAlmanac::setPrecise)
        .function("precise", &WebAlmanac::precise)
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
