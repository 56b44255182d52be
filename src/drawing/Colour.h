#pragma once

namespace quenaro {

/// A colour of the views: red, green, blue and opacity, each 0-1 (not premultiplied).
struct Colour {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 1.0f;

    /// The same colour at another opacity.
    constexpr Colour withAlpha(float opacity) const { return {red, green, blue, opacity}; }
    /// A grey of the level, opaque unless given.
    static constexpr Colour grey(float level, float opacity = 1.0f) {
        return {level, level, level, opacity};
    }

    friend bool operator==(const Colour&, const Colour&) = default;
};

/// A colour from components computed in double, each clamped to 0-1 (anything not a number
/// counts as 0).
Colour clampedColour(double red, double green, double blue, double alpha);

namespace colours {
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{1, 1, 1};
inline constexpr Colour kTransparent{0, 0, 0, 0};
/// The ground of the dial's disc, the chart's surround and the timeline's night: 1/3 grey.
inline constexpr Colour kDarkGrey = Colour::grey(1.0f / 3);
inline constexpr Colour kGrey = Colour::grey(0.5f);
inline constexpr Colour kLightGrey = Colour::grey(2.0f / 3);
inline constexpr Colour kRed{1, 0, 0};
inline constexpr Colour kYellow{1, 1, 0};
inline constexpr Colour kBlue{0, 0, 1};
inline constexpr Colour kCyan{0, 1, 1};
inline constexpr Colour kGreen{0, 1, 0};
inline constexpr Colour kMagenta{1, 0, 1};
inline constexpr Colour kPurple{0.5f, 0, 0.5f};
}  // namespace colours

}  // namespace quenaro
