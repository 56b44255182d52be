#pragma once

#include <functional>
#include <optional>
#include <string>

#include "cli/Subcommand.h"
#include "drawing/Geometry.h"
#include "drawing/RenderedView.h"
#include "model/Ephemeris.h"

namespace quenaro {

/// A render whose options the command line has checked: the view, its size in points (none:
/// the view's default), the PNG's device pixel ratio, the view's settings and the file.
struct RenderRequest {
    RenderedView view = RenderedView::Sheet;
    std::optional<Size> size;
    double scale = 2.0;
    RenderSettings settings;
    std::string output;
    /// The model to draw, made from the moment and place options when called (it throws
    /// BadInput for those it does not accept).
    std::function<Ephemeris()> model;
};

/// Draws a checked render into its file; throws BadInput (from the request's model) or
/// RenderError when the file cannot be written.
using ViewRenderer = std::function<void(const RenderRequest&)>;

/// Declares `quenaro render sheet|timeline|orrery|armillary --output FILE [--size WxH]
/// [--scale S] [--night]` with the moment and place options, and for the orrery
/// `[--audience N]`, for the star chart `[--star-limit MAG] [--enlarged] [--rotation DEG]
/// [--layers LIST]`: draws one view offscreen (no display needed) into a PNG, or a vector PDF
/// when the file name ends in ".pdf". The size is in points (default: the sheet 320x1500, the
/// timeline 320x120, the orrery and the chart 320x320; 1 to 4096 a side), the scale the PNG's
/// device pixel ratio (1 to 4, default 2), the audience the orrery's Audience setting (a whole
/// number, default 0; 1 shows the planetary-hour box); --night draws for night vision, red on
/// black. Its run checks the options and hands the request to `renderer`; it throws BadInput
/// for input it does not accept (a view's options given for another view among it) and
/// RenderError when the file cannot be written (no file is left under the asked name then).
Subcommand addRenderCommand(CLI::App& app, ViewRenderer renderer);

}  // namespace quenaro
