#pragma once

#include <string_view>

#include "drawing/Drawing.h"

namespace quenaro {

/// A font's vertical measures, points.
struct FontMeasures {
    /// From the baseline up to the top of the tallest glyphs, and down to the lowest.
    double ascent = 0.0;
    double descent = 0.0;
    /// The height of capital letters above the baseline.
    double capHeight = 0.0;
    /// From one baseline to the next in a column of lines.
    double lineSpacing = 0.0;

    /// ascent + descent: the height of one line's box.
    double height() const { return ascent + descent; }
};

/// Measures text the way the backend that draws it will set it: the views lay out their
/// texts (centring, columns, fitting a line into its width) with what it says. Each backend
/// gives one for its fonts.
class TextMetrics {
  public:
    virtual ~TextMetrics() = default;
    virtual FontMeasures measures(FontRole font) const = 0;
    /// The advance of one line of UTF-8 text: how far the pen moves from its start to its end.
    virtual double advance(FontRole font, std::string_view text) const = 0;
};

}  // namespace quenaro
