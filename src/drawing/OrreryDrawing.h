#pragma once

#include "drawing/DialInput.h"
#include "drawing/Drawing.h"

namespace quenaro {

struct OrreryContent;
class TextMetrics;

/// What the dial shows beside the model: the user's setting.
struct OrrerySettings {
    /// The Audience setting: 0 writes the Julian date under the date; 1 writes the date only
    /// and shows the planetary-hour box in the top-left corner; any other value the date only.
    int audience = 0;
    friend bool operator==(const OrrerySettings&, const OrrerySettings&) = default;
};

/// How the dial is drawn beside the model: the user's setting and the view's state.
struct OrreryOptions {
    int audience = 0;
    /// Degrees added to every angle drawn (counterclockwise on screen); E and W stay put.
    float orientationDegrees = 0.0f;
    /// The part held, drawn in its highlight colours.
    OrreryHold held = OrreryHold::None;
};

/// The planetary-hour box in the dial's top-left corner, points.
inline constexpr double kPlanetaryBoxWidth = 44.0;
inline constexpr double kPlanetaryBoxHeight = 24.0;

/// The orrery dial for a view of `size` points (the dial assumes a square; its radius R is
/// half the width): the area cleared, the dark disc and the ring (one layer that stays while
/// the dial turns), the zodiac ring's degree ticks and sign pictures turned by the local
/// sidereal time, the day sky above the horizon tinted by the Sun's altitude with E and W, the
/// Sun, the Moon with its phase, the five planets, the date in the centre and, for Audience 1,
/// the planetary-hour box.
Drawing orreryDrawing(const OrreryContent& content, const OrreryOptions& options, Size size,
                      const TextMetrics& metrics);

}  // namespace quenaro
