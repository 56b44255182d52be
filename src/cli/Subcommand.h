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
/// it throws BadInput for input it does not accept, NoRisesOrSetsCalculable when it stops at an
/// event that cannot be calculated and NothingFound when a search finds nothing (in both of
/// these what it wrote before is still delivered).
struct Subcommand {
    CLI::App* command;
    std::function<void(std::ostream& out)> run;
    /// Set for a subcommand that declares its own --output and writes that file itself
    /// (render); the command line then delivers nothing of it.
    bool writesOwnOutput = false;
};

}  // namespace quenaro
