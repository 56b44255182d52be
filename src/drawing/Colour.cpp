#include "drawing/Colour.h"

#include <algorithm>

namespace quenaro {

Colour clampedColour(double red, double green, double blue, double alpha) {
    const auto clamp = [](double component) {
        return static_cast<float>(component > 0.0 ? std::min(component, 1.0) : 0.0);
    };
    return {clamp(red), clamp(green), clamp(blue), clamp(alpha)};
}

}  // namespace quenaro
