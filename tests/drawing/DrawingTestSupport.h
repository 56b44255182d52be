#pragma once

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/Drawing.h"
#include "drawing/TextMetrics.h"

namespace quenaro::testing {

/// Fonts of fixed measures, so that layouts can be checked to the point: every character
/// (UTF-8 code point) advances 6 points, 7 in bold.
class FixedTextMetrics : public TextMetrics {
  public:
    FontMeasures measures(FontRole) const override { return {11.0, 3.0, 9.0, 14.0}; }
    double advance(FontRole font, std::string_view text) const override {
        double characters = 0;
        for (const char byte : text) {
            characters += (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U ? 1 : 0;
        }
        return characters * (font == FontRole::Bold ? 7.0 : 6.0);
    }
};

/// The commands of one kind in a drawing (not looking into layers).
template <class Command>
std::vector<Command> commandsOf(const Drawing& drawing) {
    std::vector<Command> found;
    for (const DrawCommand& command : drawing.commands()) {
        if (const auto* wanted = std::get_if<Command>(&command)) {
            found.push_back(*wanted);
        }
    }
    return found;
}

/// The problems of a drawing as a backend would meet them: anything not finite, a Restore
/// without its Save (or a Save left open), a gradient's stops out of order or outside 0-1,
/// a negative width or diameter, a picture that is not one of the application's, an empty
/// text, a layer without content; layers are checked the same way. Empty when there are none.
std::vector<std::string> drawingProblems(const Drawing& drawing);

}  // namespace quenaro::testing
