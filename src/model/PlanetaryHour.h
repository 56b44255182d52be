#pragma once

#include <optional>

namespace quenaro {

/// The planetary hour of a model's moment (Ephemeris::planetaryHour()), as the dial's box
/// shows it.
struct PlanetaryHour {
    /// Between sunrise and sunset (on a day without them: the Sun above the horizon).
    bool daytime = false;
    /// The body ruling the planetary day (0 Sun, 1 Moon, 2 Mercury, 3 Venus, 5 Mars,
    /// 6 Jupiter, 7 Saturn).
    int dayRuler = 0;
    /// The hour: 0-11 the day hours from sunrise, 12-23 the night hours from sunset. None on
    /// a day without sunrise or sunset (or without the sunset or sunrise the night is
    /// counted from), and beyond the supported years.
    std::optional<int> hour;
    /// The body ruling the hour; given with `hour`.
    std::optional<int> hourRuler;
};

}  // namespace quenaro
