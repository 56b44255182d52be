#include <iostream>

#include "app/Application.h"
#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    if (argc <= 1) {
        // No subcommand: the application's window.
        if (!quenaro::displayAvailable()) {
            std::cerr << "quenaro: no display to open the window on (no X server answers at "
                         "DISPLAY); `quenaro sheet` prints the almanac as text\n";
            return quenaro::kExitNoDisplay;
        }
        return quenaro::runApplication(argc, argv);
    }
    return quenaro::runCommandLine(argc, argv, std::cout, std::cerr);
}
