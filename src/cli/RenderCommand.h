#pragma once

#include <string>

#include "cli/ObserverOptions.h"

namespace CLI {
class App;
}

namespace quenaro {

class Ephemeris;

/// `quenaro render sheet|timeline --output FILE [--size WxH] [--scale S]` with the moment and
/// place options: draws one view offscreen into a PNG, or a vector PDF when the file name
/// ends in ".pdf".
class RenderCommand {
  public:
    /// Declares the subcommand and its options on the command line.
    CLI::App* addTo(CLI::App& app);

    /// Draws the view of the model (made from observer()) into the file. Throws BadInput
    /// for an unknown view, a size that is not two numbers from 1 to 4096 points or a scale
    /// outside 1-4; RenderError when the file cannot be written (no file is left under the
    /// asked name then).
    void run(const Ephemeris& model) const;

    /// The moment and place options of the subcommand.
    const ObserverOptions& observer() const { return observer_; }

  private:
    ObserverOptions observer_;
    std::string view_;
    std::string output_;
    std::string size_;
    std::string scale_;
};

}  // namespace quenaro
