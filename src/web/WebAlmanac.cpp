// The almanac as the page sees it: the model, its place and zone, the views' settings and
// input, each drawn and answered by the same code as on the desktop.

#include "web/WebAlmanac.h"

#include <cmath>

#include "base/PrintfText.h"
#include "catalog/CatalogTables.h"
#include "cli/BadInput.h"
#include "cli/IsoDateArgument.h"
#include "cli/PlaceArguments.h"
#include "drawing/OrreryContent.h"
#include "drawing/OrreryDrawing.h"
#include "drawing/SheetDrawing.h"
#include "drawing/TimelineDrawing.h"
#include "model/EphemerisFigures.h"
#include "model/EphemerisSheet.h"
#include "model/ObserverPosition.h"
#include "places/Gazetteer.h"
#include "places/ZoneLookup.h"
#include "precise/PrecisePositions.h"
#include "time/DateOutOfRange.h"
#include "time/DateText.h"
#include "web/WebCanvas.h"

namespace quenaro {

namespace {

const WebTextMetrics& textMetrics() {
    static const WebTextMetrics metrics;
    return metrics;
}

/// A link's message names the parameter without the command line's dashes.
std::string linkMessage(const BadInput& error) {
    std::string message = error.what();
    if (message.rfind("--", 0) == 0) {
        message.erase(0, 2);
    }
    return message;
}

/// The text as a JSON string: quoted, with quotes, backslashes and control characters escaped.
std::string jsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char character : text) {
        if (character == '"' || character == '\\') {
            quoted += '\\';
            quoted += character;
        } else if (static_cast<unsigned char>(character) < 0x20) {
            quoted += printfText("\\u%04x", static_cast<unsigned>(character));
        } else {
            quoted += character;
        }
    }
    return quoted + "\"";
}

void appendLine(std::string& lines, const std::string& line) {
    if (!lines.empty()) {
        lines += '\n';
    }
    lines += line;
}

}  // namespace

WebAlmanac::WebAlmanac()
    : model_(
          EphemerisDate(EphemerisDate().timeIntervalSinceReferenceDate(), TimeZone::defaultZone()),
          bestKnownPosition().latitudeDegrees, bestKnownPosition().longitudeDegrees),
      zoneName_(deviceZone()),
      stars_(builtInStarCatalog()),
      figures_(builtInConstellationLines()),
      chart_(std::make_unique<ChartScene>(stars_, figures_)),
      canvas_(std::make_unique<WebCanvas>()) {}

WebAlmanac::~WebAlmanac() = default;

void WebAlmanac::setNow() {
    setInstant(EphemerisDate().timeIntervalSinceReferenceDate());
}

double WebAlmanac::instant() const {
    return model_.date().timeIntervalSinceReferenceDate();
}

bool WebAlmanac::setInstant(double seconds) {
    try {
        model_.setDate(EphemerisDate(seconds, TimeZone::named(zoneName_)));
    } catch (const std::invalid_argument&) {
        return false;  // out of the supported years, or not a number
    }
    return true;
}

double WebAlmanac::latitude() const {
    return model_.latitude();
}

double WebAlmanac::longitude() const {
    return model_.longitude();
}

std::string WebAlmanac::placeName() const {
    return placeName_;
}

bool WebAlmanac::setPlace(double latitude, double longitude, const std::string& name) {
    if (!(std::fabs(latitude) <= 90.0 && std::fabs(longitude) <= 180.0)) {
        return false;
    }
    setBestKnownPosition({latitude, longitude});
    model_ = Ephemeris(model_.date(), latitude, longitude);
    if (positions_) {
        model_.setPositionSource(positions_);
    }
    placeName_ = name;
    return true;
}

std::string WebAlmanac::zoneName() const {
    return zoneName_;
}

bool WebAlmanac::setZone(const std::string& ianaName) {
    try {
        const TimeZone zone = TimeZone::named(ianaName);
        TimeZone::setDefaultZone(zone);
        model_.setDate(EphemerisDate(instant(), zone));
        zoneName_ = zone.name();
    } catch (const std::invalid_argument&) {
        return false;
    }
    return true;
}

std::string WebAlmanac::deviceZone() {
    // Taken before any zone is chosen: the constructor asks first.
    static const std::string zone = TimeZone::defaultZone().name();
    return zone;
}

std::string WebAlmanac::searchPlaces(const std::string& query, int limit) {
    std::string json = "[";
    if (!query.empty() && limit > 0) {
        for (const Place& place : quenaro::searchPlaces(query, static_cast<std::size_t>(limit))) {
            json += json.size() > 1 ? "," : "";
            json += "{\"name\":" + jsonString(place.name) +
                    ",\"label\":" + jsonString(placeTitle(place)) +
                    ",\"latitude\":" + printfText("%.17g", place.latitudeDegrees) +
                    ",\"longitude\":" + printfText("%.17g", place.longitudeDegrees) +
                    ",\"zone\":" + jsonString(place.zone) +
                    ",\"population\":" + std::to_string(place.population) + "}";
        }
    }
    return json + "]";
}

std::string WebAlmanac::zoneAt(double latitude, double longitude) {
    return std::string(zoneAtPosition(latitude, longitude));
}

std::string WebAlmanac::applyLink(const std::string& date, const std::string& tz,
                                  const std::string& lat, const std::string& lon,
                                  const std::string& place) {
    std::string problems;
    std::string placeZone;
    if (!place.empty()) {
        try {
            const Place found = parsePlace(place, "place");
            setPlace(found.latitudeDegrees, found.longitudeDegrees, placeTitle(found));
            placeZone = found.zone;
        } catch (const BadInput& error) {
            appendLine(problems, linkMessage(error));
        }
    }
    if (place.empty() && (!lat.empty() || !lon.empty())) {
        double latitudeDegrees = model_.latitude();
        double longitudeDegrees = model_.longitude();
        // A coordinate given and good replaces the present one; a bad one is named.
        const auto read = [&problems](const std::string& text, double& degrees, auto parse,
                                      const char* name) {
            if (text.empty()) {
                return;
            }
            try {
                degrees = parse(text, name);
            } catch (const BadInput& error) {
                appendLine(problems, linkMessage(error));
            }
        };
        read(lat, latitudeDegrees, parseLatitude, "lat");
        read(lon, longitudeDegrees, parseLongitude, "lon");
        setPlace(latitudeDegrees, longitudeDegrees, "");
        placeZone = zoneAt(latitudeDegrees, longitudeDegrees);
    } else if (!place.empty() && (!lat.empty() || !lon.empty())) {
        appendLine(problems, "place and lat/lon both name the place; the place is used");
    }
    std::string zone = placeZone;
    if (!tz.empty()) {
        try {
            zone = parseZone(tz, "tz").name();
        } catch (const BadInput& error) {
            appendLine(problems, linkMessage(error));
        }
    }
    if (!zone.empty()) {
        setZone(zone);
    }
    if (!date.empty()) {
        try {
            setInstant(
                parseIsoDate(date, TimeZone::named(zoneName_)).timeIntervalSinceReferenceDate());
        } catch (const BadInput& error) {
            appendLine(problems, linkMessage(error));
        }
    }
    return problems;
}

std::string WebAlmanac::linkDate() const {
    const std::string iso = isoDateText(model_.date());
    const std::size_t time = iso.find('T');
    return time == std::string::npos ? iso : iso.substr(0, time + 6);
}

std::string WebAlmanac::dateText() const {
    return mediumDateText(model_.date()) + ", " + shortTimeText(model_.date());
}

void WebAlmanac::setPrecise(bool precise) {
    if (precise == this->precise()) {
        return;
    }
    positions_ = precise ? std::make_shared<PrecisePositions>() : nullptr;
    model_.setPositionSource(positions_);
}

bool WebAlmanac::precise() const {
    return positions_ != nullptr;
}

std::vector<SheetLine> WebAlmanac::sheet() const {
    return sheetLines(computeFigures(model_), metric_);
}

std::string WebAlmanac::sheetText() const {
    return quenaro::sheetText(sheet());
}

void WebAlmanac::setChartSettings(bool altAz, bool circles, bool ecliptic, bool raDec, bool lines,
                                  double minimumMagnitude) {
    chartSettings_.showAltAz = altAz;
    chartSettings_.showCircles = circles;
    chartSettings_.showEcliptic = ecliptic;
    chartSettings_.showRaDec = raDec;
    chartSettings_.showConstellationLines = lines;
    // Kept within the preferences' range, so that a float holds it.
    chartSettings_.showMinMagnitude = static_cast<float>(
        std::isfinite(minimumMagnitude) ? std::fmin(std::fmax(minimumMagnitude, 1.0), 6.5) : 4.5);
}

void WebAlmanac::setAudience(int audience) {
    audience_ = audience;
}

void WebAlmanac::setMetric(bool metric) {
    metric_ = metric;
}

void WebAlmanac::draw(const Drawing& drawing) {
    canvas_->paint(drawing);
}

void WebAlmanac::drawOrrery(double width, double height) {
    const OrreryOptions options{audience_, 0.0f, dial_.held()};
    draw(orreryDrawing(orreryContent(model_, audience_ == 1), options, {width, height},
                       textMetrics()));
}

void WebAlmanac::drawTimeline(double width, double height, bool night) {
    draw(timelineDrawing(timelineMemo_.contentFor(model_), {width, height}, textMetrics(),
                         night ? TimelineLook::Night : TimelineLook::Day));
}

void WebAlmanac::drawChart(double width, double height) {
    draw(chart_->drawing(model_, chartSettings_, chartState_, {width, height}, textMetrics()));
}

double WebAlmanac::drawSheet(double width, double height) {
    const SheetDrawing drawn = sheetDrawing(sheet(), {width, height}, textMetrics());
    draw(drawn.drawing);
    return drawn.height;
}

int WebAlmanac::dialPress(double x, double y, double width) {
    return static_cast<int>(dial_.press({x, y}, DialLayout::forWidth(width), sunDialAngle(model_)));
}

bool WebAlmanac::dialMove(double x, double y, double width) {
    const double seconds = dial_.move({x, y}, DialLayout::forWidth(width));
    return seconds != 0.0 && setInstant(instant() + seconds);
}

void WebAlmanac::dialRelease() {
    dial_.release();
}

int WebAlmanac::dialHeld() const {
    return static_cast<int>(dial_.held());
}

double WebAlmanac::chartAngleAt(double x, double y, double width, double height) const {
    return angleAbout({x, y}, chartFrame({width, height}, chartState_.scaleMode).centre);
}

void WebAlmanac::chartTurn(double radians) {
    chartState_.rotation = turnedBy(chartState_.rotation, radians);
    chartTaps_.reset();
}

void WebAlmanac::setChartTurning(bool turning) {
    chartState_.turning = turning;
}

bool WebAlmanac::chartTap(double x, double y, double milliseconds, double intervalMilliseconds) {
    if (!chartTaps_.tap({x, y}, milliseconds, intervalMilliseconds)) {
        return false;
    }
    switchChartScale();
    return true;
}

void WebAlmanac::switchChartScale() {
    chartState_.scaleMode = !chartState_.scaleMode;
}

bool WebAlmanac::chartEnlarged() const {
    return chartState_.scaleMode;
}

double WebAlmanac::chartRotation() const {
    return chartState_.rotation;
}

void WebAlmanac::calculatorKey(int tag) {
    entry_.press(tag);
}

AstrolabePosition WebAlmanac::calculatorPosition() const {
    return AstrolabePosition::fromAltAz(model_, 0.0, 0.0)
        .withValue(model_, entry_.calcMode(), entry_.value());
}

int WebAlmanac::calculatorMode() const {
    return entry_.calcMode();
}

std::string WebAlmanac::calculatorEntry() const {
    return entry_.text();
}

std::string WebAlmanac::calculatorTable() const {
    const AstrolabePosition position = calculatorPosition();
    std::string lines;
    for (int mode = 0; mode < kAstrolabeModeCount; ++mode) {
        appendLine(lines, std::string(astrolabeValueTitle(mode)) + "\t" + position.tableText(mode));
    }
    return lines;
}

std::string WebAlmanac::calculatorLabels() const {
    const AstrolabePosition position = calculatorPosition();
    std::string lines;
    for (int mode = 0; mode < kAstrolabeModeCount; ++mode) {
        appendLine(lines, position.labelText(mode));
    }
    return lines;
}

std::string WebAlmanac::calculatorSignTitles() const {
    const SignTitles titles = AstrolabeEntry::signTitles(entry_.calcMode());
    return std::string(titles.positive) + "\t" + titles.negative;
}

}  // namespace quenaro
