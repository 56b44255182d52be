#include "cli/PreciseFlag.h"

#include <CLI/CLI.hpp>
#include <memory>

#include "precise/PrecisePositions.h"

namespace quenaro {

void PreciseFlag::addTo(CLI::App& command, const std::string& effect) {
    std::string help =
        "The Sun, the Moon and the planets from the precise source (VSOP87B, ELP/MPP02, at TT = "
        "UT + delta T)";
    if (!effect.empty()) {
        help += "; " + effect;
    }
    command.add_flag("--precise", given_, help);
}

Ephemeris PreciseFlag::model(const ObserverOptions& observer) const {
    Ephemeris model = observer.model();
    if (given_) {
        model.setPositionSource(std::make_shared<PrecisePositions>());
    }
    return model;
}

}  // namespace quenaro
