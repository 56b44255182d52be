// The `quenaro` program: the command line without Qt. The window and `render` run in the
// window program, which replaces this process with the same arguments.

#include <csignal>
#include <iostream>
#include <string>

#include "cli/CommandLine.h"
#include "cli/WindowProgram.h"
#include "drawing/RenderError.h"

int main(int argc, char** argv) {
    // A closed pipe makes writing fail (and the program exit with kExitFailure and a
    // message) instead of ending the program by a signal.
    std::signal(SIGPIPE, SIG_IGN);
    if (argc <= 1) {
        // No subcommand: the application's window.
        const std::string reason = quenaro::startWindowProgram(argv);
        std::cerr << "quenaro: " << reason << '\n';
        return quenaro::kExitFailure;
    }
    // `render`, its options checked here, is drawn by the window program from the same
    // arguments.
    return quenaro::runCommandLine(
        argc, argv, std::cout, std::cerr, [argv](const quenaro::RenderRequest&) {
            throw quenaro::RenderError(quenaro::startWindowProgram(argv));
        });
}
