#pragma once

#include "cli/Subcommand.h"

namespace quenaro {

/// Declares `quenaro render sheet|timeline|orrery|armillary --output FILE [--size WxH]
/// [--scale S] [--night]` with the moment and place options, and for the orrery
/// `[--audience N]`, for the star chart `[--star-limit MAG] [--enlarged] [--rotation DEG]
/// [--layers LIST]`: draws one view offscreen (no display needed) into a PNG, or a vector PDF
/// when the file name ends in ".pdf". The size is in points (default: the sheet 320x1500, the
/// timeline 320x120, the orrery and the chart 320x320; 1 to 4096 a side), the scale the PNG's
/// device pixel ratio (1 to 4, default 2), the audience the orrery's Audience setting (a whole
/// number, default 0; 1 shows the planetary-hour box); --night draws for night vision, red on
/// black. Its run throws BadInput for input it does not accept (a view's options given for
/// another view among it) and RenderError when the file cannot be written (no file is left
/// under the asked name then).
Subcommand addRenderCommand(CLI::App& app);

}  // namespace quenaro
