#pragma once

#include <array>
#include <string_view>

namespace quenaro {

/// File names of the zodiac sign pictures, by sign index (0 Aries … 11 Pisces). Each is also
/// present at twice the pixel size as "<Name>@2x.png".
inline constexpr std::array<std::string_view, 12> zodiacNames{
    "Aries.png", "Taurus.png",   "Gemini.png",      "Cancer.png",    "Leo.png",      "Virgo.png",
    "Libra.png", "Scorpius.png", "Sagittarius.png", "Capricorn.png", "Aquarius.png", "Pisces.png",
};

/// File names of the planet pictures, by body number (0 Sun, 1 Moon, 2 Mercury, 3 Venus, 4 Earth,
/// 5 Mars, 6 Jupiter, 7 Saturn, 8 Uranus, 9 Neptune, 10 Pluto), each also as "<Name>@2x.png".
inline constexpr std::array<std::string_view, 11> planetNames{
    "Sun.png",     "Moon.png",   "Mercury.png", "Venus.png",   "Earth.png", "Mars.png",
    "Jupiter.png", "Saturn.png", "Uranus.png",  "Neptune.png", "Pluto.png",
};

/// Size of a sign picture in points (square): it sits in the orrery's zodiac ring, which is a
/// fifth of the dial's radius wide (32 points on a 320-point dial), centred on the ring's middle
/// circle, clear of its inner edge and of the 5° and 10° ticks on its outer edge.
inline constexpr int zodiacPicturePoints = 20;

/// Size of a planet picture in points (square): the icon of the planetary-hour box and the sheet.
inline constexpr int planetPicturePoints = 16;

}  // namespace quenaro
