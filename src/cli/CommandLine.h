#pragma once

#include <iosfwd>

namespace quenaro {

/// Exit statuses of the command line.
enum ExitStatus {
    kExitSuccess = 0,
    kExitBadInput = 2,
    kExitNotCalculable = 3,
    /// `quenaro` without a subcommand found no display for its window.
    kExitNoDisplay = 5
};

/// Runs the command line (`quenaro <subcommand> …`) with the given arguments, writing results
/// to `out` and messages to `err`. Returns the process exit status.
int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace quenaro
