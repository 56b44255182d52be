// The window program (libexec/quenaro/quenaro-window), which `quenaro` starts for the window
// and for `render`: the window, and the whole command line with `render` drawn here.

#include <csignal>
#include <iostream>

#include "app/Application.h"
#include "cli/CommandLine.h"
#include "cli/OffscreenRender.h"

int main(int argc, char** argv) {
    // A closed pipe makes writing fail (and the program exit with kExitFailure and a
    // message) instead of ending the program by a signal.
    std::signal(SIGPIPE, SIG_IGN);
    if (argc <= 1) {
        // No subcommand: the application's window.
        if (!quenaro::displayAvailable()) {
            std::cerr << "quenaro: no display to open the window on (no X server answers at "
                         "DISPLAY); `quenaro sheet` prints the almanac as text\n";
            return quenaro::kExitNoDisplay;
        }
        return quenaro::runApplication(argc, argv);
    }
    return quenaro::runCommandLine(argc, argv, std::cout, std::cerr, quenaro::renderOffscreen);
}
