#pragma once

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"

namespace quenaro::testing {

/// What one run of the command line printed and returned.
struct CommandResult {
    int status;
    std::string out;
    std::string err;
};

/// Runs `quenaro <arguments…>` in process.
inline CommandResult runQuenaro(std::initializer_list<const char*> arguments) {
    std::vector<const char*> argv{"quenaro"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

}  // namespace quenaro::testing
