// `quenaro render`: a view drawn offscreen into a file, with the paint functions the window
// uses.

#include "cli/RenderCommand.h"

#include <CLI/CLI.hpp>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <string>
#include <utility>

#include "cli/BadInput.h"
#include "cli/DecimalNumber.h"
#include "cli/ObserverOptions.h"
#include "cli/PreciseFlag.h"
#include "model/Ephemeris.h"

namespace quenaro {

namespace {

constexpr double kLargestSidePoints = 4096.0;
constexpr double kSmallestScale = 1.0;
constexpr double kLargestScale = 4.0;
constexpr double kDefaultScale = 2.0;
constexpr double kSmallestAudience = std::numeric_limits<int>::min();
constexpr double kLargestAudience = std::numeric_limits<int>::max();
/// The star chart's magnitude limits accepted.
constexpr double kBrightestStarLimit = -2.0;
constexpr double kFaintestStarLimit = 20.0;
/// The star chart's turn accepted, degrees either way.
constexpr double kLargestRotation = 360.0;

struct RenderOptions {
    /// The subcommand, which knows which options were given (an empty value among them).
    CLI::App* command = nullptr;
    ObserverOptions observer;
    std::string view;
    std::string output;
    std::string size;
    std::string scale;
    std::string audience;
    std::string starLimit;
    bool enlarged = false;
    std::string rotation;
    std::string layers;
    bool night = false;
    PreciseFlag precise;
};

RenderedView viewNamed(const std::string& name) {
    if (name == "sheet") {
        return RenderedView::Sheet;
    }
    if (name == "timeline") {
        return RenderedView::Timeline;
    }
    if (name == "orrery") {
        return RenderedView::Orrery;
    }
    if (name == "armillary") {
        return RenderedView::Armillary;
    }
    throw BadInput("view", name, "the views are sheet, timeline, orrery and armillary");
}

/// "320x1500": two plain decimal numbers of points, each from 1 to 4096.
Size parseSize(const std::string& text) {
    const std::size_t cross = text.find_first_of("xX");
    const auto bad = [&text] {
        return BadInput("--size", text,
                        "expected width x height in points, each from 1 to 4096, such as 320x1500");
    };
    if (cross == std::string::npos) {
        throw bad();
    }
    const double width = parseDecimalNumber(text.substr(0, cross), "--size");
    const double height = parseDecimalNumber(text.substr(cross + 1), "--size");
    if (!(width >= 1.0 && height >= 1.0 && width <= kLargestSidePoints &&
          height <= kLargestSidePoints)) {
        throw bad();
    }
    return {width, height};
}

double parseScale(const std::string& text) {
    const double scale = parseDecimalNumber(text, "--scale");
    if (!(scale >= kSmallestScale && scale <= kLargestScale)) {
        throw BadInput("--scale", text, "expected a device pixel ratio from 1 to 4");
    }
    return scale;
}

/// The orrery's Audience setting from --audience (0 when not given): a whole number, 0 the
/// Julian date, 1 the planetary hour; BadInput when given for another view or not whole.
int audienceOption(const RenderOptions& options, RenderedView view) {
    if (options.command->count("--audience") == 0) {
        return 0;
    }
    if (view != RenderedView::Orrery) {
        throw BadInput("--audience draws the orrery only");
    }
    const double audience = parseDecimalNumber(options.audience, "--audience");
    if (!(audience >= kSmallestAudience && audience <= kLargestAudience) ||
        audience != std::floor(audience)) {
        throw BadInput("--audience", options.audience,
                       "expected a whole number: 0 shows the Julian date, 1 the planetary hour");
    }
    return static_cast<int>(audience);
}

/// "altaz,ecliptic": the chart's layers by name, each at most once; "none" for none of them.
void parseLayers(const std::string& text, ArmillarySettings& settings) {
    struct Layer {
        const char* name;
        bool ArmillarySettings::*shown;
    };
    static const Layer kLayers[] = {
        {"altaz", &ArmillarySettings::showAltAz},
        {"circles", &ArmillarySettings::showCircles},
        {"ecliptic", &ArmillarySettings::showEcliptic},
        {"radec", &ArmillarySettings::showRaDec},
        {"lines", &ArmillarySettings::showConstellationLines},
    };
    for (const Layer& layer : kLayers) {
        settings.*layer.shown = false;
    }
    if (text == "none") {
        return;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string name = text.substr(start, comma - start);
        const Layer* found = nullptr;
        for (const Layer& layer : kLayers) {
            found = name == layer.name ? &layer : found;
        }
        if (found == nullptr || settings.*found->shown) {
            throw BadInput("--layers", text,
                           "expected some of altaz,circles,ecliptic,radec,lines, each once, or "
                           "none");
        }
        settings.*found->shown = true;
        if (comma == std::string::npos) {
            return;
        }
        start = comma + 1;
    }
}

/// The star chart's settings and view from the options, or BadInput when they are given for
/// another view or out of range.
ArmillaryRendering chartOptions(const RenderOptions& options, RenderedView view) {
    ArmillaryRendering chart;
    const auto given = [&options](const char* name) { return options.command->count(name) > 0; };
    if (!given("--star-limit") && !given("--enlarged") && !given("--rotation") &&
        !given("--layers")) {
        return chart;
    }
    if (view != RenderedView::Armillary) {
        throw BadInput(
            "--star-limit, --enlarged, --rotation and --layers draw the armillary "
            "chart only");
    }
    if (given("--star-limit")) {
        const double limit = parseDecimalNumber(options.starLimit, "--star-limit");
        if (!(limit >= kBrightestStarLimit && limit <= kFaintestStarLimit)) {
            throw BadInput("--star-limit", options.starLimit,
                           "expected a visual magnitude from -2 to 20");
        }
        chart.settings.showMinMagnitude = static_cast<float>(limit);
    }
    if (given("--rotation")) {
        const double degrees = parseDecimalNumber(options.rotation, "--rotation");
        if (!(std::abs(degrees) <= kLargestRotation)) {
            throw BadInput("--rotation", options.rotation,
                           "expected degrees clockwise from -360 to 360");
        }
        chart.state.rotation = degrees * std::numbers::pi / 180.0;
    }
    if (given("--layers")) {
        parseLayers(options.layers, chart.settings);
    }
    chart.state.scaleMode = options.enlarged;
    return chart;
}

/// The request of the options, checked; BadInput for those it does not accept.
RenderRequest checkedRequest(const std::shared_ptr<const RenderOptions>& options) {
    RenderRequest request;
    request.view = viewNamed(options->view);
    if (options->command->count("--size") > 0) {
        request.size = parseSize(options->size);
    }
    request.scale =
        options->command->count("--scale") > 0 ? parseScale(options->scale) : kDefaultScale;
    request.settings.chart = chartOptions(*options, request.view);
    request.settings.orrery.audience = audienceOption(*options, request.view);
    request.settings.nightVision = options->night;
    if (options->output.empty()) {
        throw BadInput("--output", options->output, "expected the name of the file to write");
    }
    request.output = options->output;
    request.model = [options] { return options->precise.model(options->observer); };
    return request;
}

}  // namespace

Subcommand addRenderCommand(CLI::App& app, ViewRenderer renderer) {
    const auto options = std::make_shared<RenderOptions>();
    CLI::App* command = app.add_subcommand(
        "render", "Draws a view into a PNG file, or a vector PDF when the name ends in .pdf");
    options->command = command;
    command
        ->add_option("view", options->view,
                     "sheet, timeline, orrery (the dial) or armillary (the star chart)")
        ->required();
    command->add_option("-o,--output", options->output, "The file to write (replaced whole)")
        ->type_name("FILE")
        ->required();
    command
        ->add_option("--size", options->size,
                     "Width x height in points, 1 to 4096 a side (default: sheet 320x1500, "
                     "timeline 320x120, orrery and armillary 320x320)")
        ->type_name("WxH");
    command
        ->add_option("--scale", options->scale, "Device pixel ratio of a PNG, 1 to 4 (default 2)")
        ->type_name("S");
    command
        ->add_option("--audience", options->audience,
                     "orrery: the Audience setting, 0 writes the Julian date under the date, 1 "
                     "shows the planetary-hour box instead (default 0)")
        ->type_name("N");
    command
        ->add_option("--star-limit", options->starLimit,
                     "armillary: the faintest stars drawn, visual magnitude -2 to 20 (default 4.5)")
        ->type_name("MAG");
    command->add_flag("--enlarged", options->enlarged,
                      "armillary: the enlarged sky near the horizon instead of the whole sky");
    command
        ->add_option("--rotation", options->rotation,
                     "armillary: the chart turned clockwise, degrees -360 to 360 (default 0)")
        ->type_name("DEG");
    command
        ->add_option("--layers", options->layers,
                     "armillary: the layers drawn, some of altaz,circles,ecliptic,radec,lines, or "
                     "none (default altaz,ecliptic,radec,lines)")
        ->type_name("LIST");
    command->add_flag("--night", options->night,
                      "Night vision: every colour turned red of the same brightness (a PDF then "
                      "holds a picture drawn at the scale)");
    options->precise.addTo(*command, "");
    options->observer.addTo(*command);
    Subcommand subcommand{command, [options, renderer = std::move(renderer)](std::ostream&) {
                              renderer(checkedRequest(options));
                          }};
    subcommand.writesOwnOutput = true;
    return subcommand;
}

}  // namespace quenaro
