#pragma once

#include "cli/Subcommand.h"

namespace quenaro {

/// Declares `quenaro render sheet|timeline|armillary --output FILE [--size WxH] [--scale S]
/// [--night]` (the chart also with --star-limit, --enlarged, --rotation and --layers) with
/// the moment and place options: draws one view offscreen (no display needed) into a PNG, or
/// a vector PDF when the file name ends in ".pdf". The size is in points (default: the sheet
/// 320x1500, the timeline 320x120, the chart 320x320; 1 to 4096 a side), the scale the PNG's
/// device pixel ratio (1 to 4, default 2); --night draws for night vision, red on black. Its run
/// throws BadInput for input it does not accept and RenderError when the file cannot be written (no
/// file is left under the asked name then).
Subcommand addRenderCommand(CLI::App& app);

}  // namespace quenaro
