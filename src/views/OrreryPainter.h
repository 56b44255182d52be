#pragma once

#include <QSizeF>

class QPainter;

namespace quenaro {

class Ephemeris;
struct OrreryContent;

/// The part of the dial the user holds, drawn in its highlight colours.
enum class OrreryHold {
    None = 0,
    /// The Sun: a drag turns the time of day.
    Sun = 1,
    /// The zodiac ring: a drag turns the date.
    Ring = 2
};

/// How the dial is drawn beside the model: the user's setting and the view's state.
struct OrreryOptions {
    /// The Audience setting: 0 writes the Julian date under the date; 1 writes the date only
    /// and shows the planetary-hour box in the top-left corner; any other value the date only.
    int audience = 0;
    /// Degrees added to every angle drawn (counterclockwise on screen); E and W stay put.
    float orientationDegrees = 0.0f;
    OrreryHold held = OrreryHold::None;
};

/// The planetary-hour box in the dial's top-left corner, points.
inline constexpr double kPlanetaryBoxWidth = 44.0;
inline constexpr double kPlanetaryBoxHeight = 24.0;

/// Draws the model's orrery dial into the painter's area (0, 0) to `size` (points; the dial
/// assumes a square, its radius R is half the width): clears the area, then the dark disc,
/// the zodiac ring with its degree ticks and sign pictures turned by the local sidereal time,
/// the day sky above the horizon tinted by the Sun's altitude with E and W, the Sun, the Moon
/// with its phase, the five planets, the date in the centre and, for Audience 1, the
/// planetary-hour box. The disc and the ring come from a picture kept per size, device pixel
/// ratio and highlight when the painter draws pixels. Main thread only.
void drawOrrery(const Ephemeris& model, const OrreryOptions& options, QSizeF size,
                QPainter& painter);

/// Draws the given content the same way (the part of drawOrrery that does not ask the model).
void paintOrrery(const OrreryContent& content, const OrreryOptions& options, QSizeF size,
                 QPainter& painter);

}  // namespace quenaro
