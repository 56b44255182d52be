#pragma once

#include <optional>

namespace quenaro {

class Ephemeris;

/// The planetary hour of the model's moment, as the dial's box shows it.
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

/// The planetary hour of the model's date at its place. The day runs from sunrise to sunset
/// in twelve equal hours, the night from sunset to the next sunrise in twelve more. A planetary
/// day begins at sunrise, so the hours before today's sunrise are the last night hours of
/// yesterday, counted from yesterday's sunset with yesterday's night-hour length, under
/// yesterday's day ruler. The first hour's ruler is the day's, and each later hour steps one
/// place back through the Chaldean order. Never throws.
PlanetaryHour planetaryHour(const Ephemeris& model);

}  // namespace quenaro
