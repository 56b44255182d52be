#pragma once

#include "cli/RenderCommand.h"

namespace quenaro {

/// Draws a checked render with the paint functions the window uses, on Qt's offscreen
/// platform (no display needed; a Qt application of the process's own is used when there is
/// one): the view at its size (the view's default when none is asked) into the request's file.
/// Throws BadInput for the request's moment and place options and RenderError when the file
/// cannot be written.
void renderOffscreen(const RenderRequest& request);

}  // namespace quenaro
