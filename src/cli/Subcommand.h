#pragma once

#include <functional>
#include <iosfwd>

namespace CLI {
class App;
}

namespace quenaro {

/// One subcommand of the command line: its command, with its options declared on it, and
/// what it does once they are parsed. `run` writes the subcommand's result to the stream it is
/// given (the command line delivers it whole afterwards, to standard output or --output);
/// it throws BadInput for input it does not accept and NoRisesOrSetsCalculable when it stops
/// at an event that cannot be calculated (what it wrote before that is still delivered).
struct Subcommand {
    CLI::App* command;
    std::function<void(std::ostream& out)> run;
};

}  // namespace quenaro
