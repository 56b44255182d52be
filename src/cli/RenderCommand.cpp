// `quenaro render`: a view drawn offscreen into a file, with the paint functions the window
// uses.

#include "cli/RenderCommand.h"

#include <CLI/CLI.hpp>
#include <QGuiApplication>
#include <memory>
#include <regex>

#include "model/Ephemeris.h"
#include "views/ViewRendering.h"

namespace quenaro {

namespace {

constexpr double kLargestSidePoints = 4096.0;
constexpr double kSmallestScale = 1.0;
constexpr double kLargestScale = 4.0;

RenderedView viewNamed(const std::string& name) {
    if (name == "sheet") {
        return RenderedView::Sheet;
    }
    if (name == "timeline") {
        return RenderedView::Timeline;
    }
    throw BadInput("render " + name + ": the views are sheet and timeline");
}

/// "320x1500": two numbers of points, each from 1 to 4096.
QSizeF parseSize(const std::string& text) {
    static const std::regex kSize(R"(([^xX]+)[xX]([^xX]+))");
    std::smatch match;
    const auto bad = [&text] {
        return BadInput("--size " + text +
                        ": expected width x height in points, each from 1 to 4096, such as "
                        "320x1500");
    };
    if (!std::regex_match(text, match, kSize)) {
        throw bad();
    }
    const double width = parseFiniteNumber(match[1].str(), "--size");
    const double height = parseFiniteNumber(match[2].str(), "--size");
    if (width < 1.0 || height < 1.0 || width > kLargestSidePoints || height > kLargestSidePoints) {
        throw bad();
    }
    return {width, height};
}

double parseScale(const std::string& text) {
    const double scale = parseFiniteNumber(text, "--scale");
    if (scale < kSmallestScale || scale > kLargestScale) {
        throw BadInput("--scale " + text + ": expected a device pixel ratio from 1 to 4");
    }
    return scale;
}

/// Qt's application object on the offscreen platform, unless the process has one already.
std::unique_ptr<QGuiApplication> offscreenApplication() {
    if (QGuiApplication::instance() != nullptr) {
        return nullptr;
    }
    static int argc = 3;
    static char name[] = "quenaro";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, platformOption, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

CLI::App* RenderCommand::addTo(CLI::App& app) {
    CLI::App* render = app.add_subcommand(
        "render", "Draws a view into a PNG file, or a vector PDF when the name ends in .pdf");
    render->add_option("view", view_, "sheet or timeline")->required();
    render->add_option("--output", output_, "The file to write")->required();
    render->add_option("--size", size_,
                       "Width x height in points (default: sheet 320x1500, timeline 320x120; "
                       "at most 4096 a side)");
    render->add_option("--scale", scale_, "Device pixel ratio of a PNG, 1 to 4 (default 2)");
    observer_.addTo(*render);
    return render;
}

void RenderCommand::run(const Ephemeris& model) const {
    const RenderedView view = viewNamed(view_);
    const QSizeF size = size_.empty() ? defaultRenderSize(view) : parseSize(size_);
    const double scale = scale_.empty() ? 2.0 : parseScale(scale_);
    const std::unique_ptr<QGuiApplication> application = offscreenApplication();
    renderView(view, model, size, scale, QString::fromStdString(output_));
}

}  // namespace quenaro
