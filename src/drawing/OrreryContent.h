#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/Ephemeris.h"
#include "model/PlanetaryHour.h"

namespace quenaro {

/// What the orrery dial shows of the model, every angle in degrees narrowed to float as the
/// dial draws them. Dial angles leave out the view's own orientation.
struct OrreryContent {
    /// 180 - LAST: the zodiac ring's turn; a longitude L stands at rotation + L.
    float rotation = 0.0f;
    /// The Sun's dial angle (rotation + its ecliptic longitude) and its altitude.
    float sunAngle = 0.0f;
    float sunAltitude = 0.0f;
    /// The sunrise and sunset directions as dial angles: minus the Sun's azimuths at sunrise
    /// and sunset (from the north through the east). None on a day without sunrise or sunset.
    struct Horizon {
        float sunrise;
        float sunset;
    };
    std::optional<Horizon> horizon;
    /// Whether the Sun stands above its rise-and-set altitude at the model's moment
    /// (Ephemeris::isAboveEventAltitude, the Sun's HorizonAltitude): on a day without
    /// sunrise or sunset (no `horizon`) the whole dial is sky when true, none when false.
    bool sunAboveHorizon = false;
    /// The Moon's dial angle, its illuminated fraction (0-1) and whether it is waxing.
    float moonAngle = 0.0f;
    float moonPhase = 0.0f;
    bool moonWaxing = false;
    /// Dial angles of the naked-eye planets in the order of kNakedEyePlanets (Mercury, Venus,
    /// Mars, Jupiter, Saturn).
    std::array<float, kNakedEyePlanets.size()> planetAngles{};
    /// The model's date in the medium date and short time style ("Dec 7, 2026, 9:08 PM") and
    /// its Julian date.
    std::string dateText;
    double julianDate = 0.0;
    /// The planetary hour, when the box is shown.
    std::optional<PlanetaryHour> planetaryHour;
};

/// The dial's content for the model; the planetary hour only when `withPlanetaryHour`.
/// Never throws for a model of the supported years.
OrreryContent orreryContent(const Ephemeris& model, bool withPlanetaryHour);

/// The Sun's dial angle for the model: the dial's rotation plus the Sun's ecliptic longitude,
/// degrees, without the view's orientation.
float sunDialAngle(const Ephemeris& model);

}  // namespace quenaro
