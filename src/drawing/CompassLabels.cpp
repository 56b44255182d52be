#include "drawing/CompassLabels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
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

std::vector<CompassLabel> labelsThatFit(const std::vector<CompassLabel>& labels,
                                        const LabelWidth& width, double innerRadius,
                                        double gapPoints) {
    // The order labels are given their place in: by kind, then by distance from the middle.
    const auto kind = [](const CompassLabel& label) {
        const int angle = ((label.angleDegrees % 360) + 360) % 360;
        return angle == 0 ? 0 : angle % 45 == 0 ? 1 : angle % 10 == 0 ? 2 : 3;
    };
    const auto middle = static_cast<std::ptrdiff_t>(labels.size() / 2);
    std::vector<std::size_t> order(labels.size());
    for (std::size_t index = 0; index < order.size(); ++index) {
        order[index] = index;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const auto distance = [middle](std::size_t index) {
            return std::abs(static_cast<std::ptrdiff_t>(index) - middle);
        };
        return std::pair(kind(labels[a]), distance(a)) < std::pair(kind(labels[b]), distance(b));
    });

    std::vector<double> widths(labels.size());
    std::vector<bool> kept(labels.size(), false);
    for (std::size_t index = 0; index < labels.size(); ++index) {
        widths[index] = width(labels[index].text);
    }
    for (const std::size_t candidate : order) {
        bool fits = true;
        for (std::size_t other = 0; other < labels.size() && fits; ++other) {
            if (!kept[other]) {
                continue;
            }
            // The chord between the two directions on the inner circle.
            const double apartRadians =
                (labels[candidate].angleDegrees - labels[other].angleDegrees) * std::numbers::pi /
                180.0;
            const double chord = 2.0 * innerRadius * std::fabs(std::sin(apartRadians / 2.0));
            fits = chord >= (widths[candidate] + widths[other]) / 2.0 + gapPoints;
        }
        kept[candidate] = fits;
    }
    std::vector<CompassLabel> fitting;
    for (std::size_t index = 0; index < labels.size(); ++index) {
        if (kept[index]) {
            fitting.push_back(labels[index]);
        }
    }
    return fitting;
}

}  // namespace quenaro
