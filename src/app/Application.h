#pragma once

namespace quenaro {

/// Whether a window can be shown: the Qt platform asked for in QT_QPA_PLATFORM is one
/// without a display server (offscreen, minimal, …), or the X server that DISPLAY names
/// (the default platform's) answers, or with QT_QPA_PLATFORM=wayland the compositor's
/// socket exists.
bool displayAvailable();

/// Opens the application's window with the user's settings and runs it until it is closed;
/// returns the event loop's exit status. Needs a display (displayAvailable()).
int runApplication(int argc, char** argv);

}  // namespace quenaro
