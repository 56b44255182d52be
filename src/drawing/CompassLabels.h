#pragma once

#include <string>
#include <vector>

namespace quenaro {

/// One compass label of the star chart.
struct CompassLabel {
    /// The label's turn from the bottom of the chart's frame, degrees, clockwise: it marks
    /// azimuth -angle, whose compass bearing is 180 - angle.
    int angleDegrees = 0;
    /// "N", "NE", "E", "SE", "S", "SW", "W", "NW" on those bearings, else the bearing in
    /// whole degrees ("215").
    std::string text;
};

/// The labels of the chart turned by `rotation` (radians, clockwise, any finite value): with
/// `wholeCircle` the eight of 0, 45, ... 315 degrees; otherwise one every 5 degrees from 30
/// degrees before to 30 after the direction at the bottom of the view (rounded outwards to
/// multiples of 5).
std::vector<CompassLabel> compassLabels(double rotation, bool wholeCircle);

}  // namespace quenaro
