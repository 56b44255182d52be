#include "drawing/CompassLabels.h"

#include <array>
#include <cmath>
#include <numbers>

namespace quenaro {

namespace {

constexpr int kLabelStepDegrees = 5;
/// How far the enlarged chart's labels reach on either side of the bottom of the view.
constexpr int kLabelReachDegrees = 30;

std::string bearingText(int bearing) {
    static const std::array<const char*, 9> kPoints = {"N",  "NE", "E",  "SE", "S",
                                                       "SW", "W",  "NW", "N"};
    if (bearing % 45 == 0) {
        return kPoints[static_cast<std::size_t>(bearing / 45)];
    }
    return std::to_string(bearing);
}

CompassLabel labelAt(int angleDegrees) {
    // The bearing in [0, 360]; 360 stays 360 (north).
    int bearing = 180 - angleDegrees;
    while (bearing < 0) {
        bearing += 360;
    }
    while (bearing > 360) {
        bearing -= 360;
    }
    return {angleDegrees, bearingText(bearing)};
}

}  // namespace

std::vector<CompassLabel> compassLabels(double rotation, bool wholeCircle) {
    std::vector<CompassLabel> labels;
    if (wholeCircle) {
        for (int angle = 0; angle < 360; angle += 45) {
            labels.push_back(labelAt(angle));
        }
        return labels;
    }
    // The turn within one circle, so that every count below stays small.
    const double turn =
        std::isfinite(rotation) ? std::remainder(rotation, 2.0 * std::numbers::pi) : 0.0;
    // The direction at the bottom of the view, in steps of 5 degrees: within [36, 108].
    const float steps =
        static_cast<float>((-turn * 180.0 / std::numbers::pi + 360.0) / kLabelStepDegrees);
    const int first = static_cast<int>(std::floor(steps)) * kLabelStepDegrees - kLabelReachDegrees;
    const int last = static_cast<int>(std::ceil(steps)) * kLabelStepDegrees + kLabelReachDegrees;
    for (int angle = first; angle <= last; angle += kLabelStepDegrees) {
        labels.push_back(labelAt(angle));
    }
    return labels;
}

}  // namespace quenaro
