// `quenaro render`: a view drawn offscreen into a file, with the paint functions the window
// uses.

#include "cli/RenderCommand.h"

#include <CLI/CLI.hpp>
#include <QGuiApplication>
#include <memory>
#include <string>

#include "cli/BadInput.h"
#include "cli/DecimalNumber.h"
#include "cli/ObserverOptions.h"
#include "model/Ephemeris.h"
#include "views/ViewRendering.h"

namespace quenaro {

namespace {

constexpr double kLargestSidePoints = 4096.0;
constexpr double kSmallestScale = 1.0;
constexpr double kLargestScale = 4.0;
constexpr double kDefaultScale = 2.0;

struct RenderOptions {
    ObserverOptions observer;
    std::string view;
    std::string output;
    std::string size;
    std::string scale;
    bool night = false;
};

RenderedView viewNamed(const std::string& name) {
    if (name == "sheet") {
        return RenderedView::Sheet;
    }
    if (name == "timeline") {
        return RenderedView::Timeline;
    }
    throw BadInput("view", name, "the views are sheet and timeline");
}

/// "320x1500": two plain decimal numbers of points, each from 1 to 4096.
QSizeF parseSize(const std::string& text) {
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

QtMessageHandler qtMessageHandler = nullptr;

/// Passes Qt's messages on, except its note that XDG_RUNTIME_DIR is not set (usual on servers
/// and in CI), which says nothing about the drawing.
void withoutRuntimeDirNote(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (!message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")) &&
        qtMessageHandler != nullptr) {
        qtMessageHandler(type, context, message);
    }
}

/// Qt's application object on the offscreen platform, unless the process has one already.
std::unique_ptr<QGuiApplication> offscreenApplication() {
    if (QGuiApplication::instance() != nullptr) {
        return nullptr;
    }
    if (qtMessageHandler == nullptr) {
        qtMessageHandler = qInstallMessageHandler(withoutRuntimeDirNote);
    }
    // Drawing needs no display, whatever the environment asks for.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quenaro";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

void render(const RenderOptions& options) {
    const RenderedView view = viewNamed(options.view);
    const QSizeF size = options.size.empty() ? defaultRenderSize(view) : parseSize(options.size);
    const double scale = options.scale.empty() ? kDefaultScale : parseScale(options.scale);
    if (options.output.empty()) {
        throw BadInput("--output", options.output, "expected the name of the file to write");
    }
    RenderSettings settings;
    settings.nightVision = options.night;
    const Ephemeris model = options.observer.model();
    const std::unique_ptr<QGuiApplication> application = offscreenApplication();
    renderView(view, model, size, scale, QString::fromStdString(options.output), settings);
}

}  // namespace

Subcommand addRenderCommand(CLI::App& app) {
    const auto options = std::make_shared<RenderOptions>();
    CLI::App* command = app.add_subcommand(
        "render", "Draws a view into a PNG file, or a vector PDF when the name ends in .pdf");
    command->add_option("view", options->view, "sheet or timeline")->required();
    command->add_option("-o,--output", options->output, "The file to write (replaced whole)")
        ->type_name("FILE")
        ->required();
    command
        ->add_option("--size", options->size,
                     "Width x height in points, 1 to 4096 a side (default: sheet 320x1500, "
                     "timeline 320x120)")
        ->type_name("WxH");
    command
        ->add_option("--scale", options->scale, "Device pixel ratio of a PNG, 1 to 4 (default 2)")
        ->type_name("S");
    command->add_flag("--night", options->night,
                      "Night vision: every colour turned red of the same brightness (a PDF then "
                      "holds a picture drawn at the scale)");
    options->observer.addTo(*command);
    Subcommand subcommand{command, [options](std::ostream&) { render(*options); }};
    subcommand.writesOwnOutput = true;
    return subcommand;
}

}  // namespace quenaro
