#pragma once

#include <string>

#include "cli/ObserverOptions.h"
#include "model/Ephemeris.h"

namespace CLI {
class App;
}  // namespace CLI

namespace quenaro {

/// `--precise` on an almanac subcommand: the Sun, the Moon and the planets from the precise
/// source instead of the almanac's series.
class PreciseFlag {
  public:
    /// Declares the flag on the subcommand; `effect`, when not empty, ends its help with what
    /// else the output shows in precise mode.
    void addTo(CLI::App& command, const std::string& effect);

    /// The model of the observer's options, with the precise source when the flag was given.
    Ephemeris model(const ObserverOptions& observer) const;

  private:
    bool given_ = false;
};

}  // namespace quenaro
