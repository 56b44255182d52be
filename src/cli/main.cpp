#include <csignal>
#include <iostream>

#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    // A closed pipe makes writing fail (and the program exit with kExitFailure and a
    // message) instead of ending the program by a signal.
    std::signal(SIGPIPE, SIG_IGN);
    return quenaro::runCommandLine(argc, argv, std::cout, std::cerr);
}
