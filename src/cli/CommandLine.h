#pragma once

#include <iosfwd>

#include "cli/ExitStatus.h"
#include "cli/RenderCommand.h"

namespace quenaro {

/// Runs the command line (`quenaro <subcommand> …`, `quenaro --help`, `quenaro --version`)
/// with the given arguments (argv[0] is the program), writing results to `out` (or to the
/// file of --output) and messages to `err`, one line each; `render` hands its checked request
/// to `renderer`. Returns the exit status of the table in ExitStatus.h; never throws: an
/// unexpected error is reported as "quenaro: internal error: …" with kExitFailure.
int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                   const ViewRenderer& renderer);

}  // namespace quenaro
