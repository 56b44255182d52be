#pragma once

#include <functional>
#include <string>
#include <string_view>
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

/// How much room a label's text needs along the circle, points.
using LabelWidth = std::function<double(std::string_view text)>;

/// The labels, in their order, that can be drawn without running into each other: each is
/// a box `width(text)` wide standing on a circle of `innerRadius` points (the labels' lowest
/// edge towards the centre, where neighbours come closest), and two boxes need at least
/// `gapPoints` between them. Labels are kept in turn while they fit: S first, then the other
/// points of the compass, then the multiples of 10 degrees, then the rest; in each kind the
/// one nearest the middle of the list first. A label that fits on its own is never left
/// out for want of another.
std::vector<CompassLabel> labelsThatFit(const std::vector<CompassLabel>& labels,
                                        const LabelWidth& width, double innerRadius,
                                        double gapPoints);

}  // namespace quenaro
