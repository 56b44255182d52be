#pragma once

#include <QString>
#include <vector>

class QPainter;

namespace quenaro {

struct ChartFrame;

/// One compass label of the star chart.
struct CompassLabel {
    /// The label's turn from the bottom of the chart's frame, degrees, clockwise: it marks
    /// azimuth -angle, whose compass bearing is 180 - angle.
    int angleDegrees = 0;
    /// "N", "NE", "E", "SE", "S", "SW", "W", "NW" on those bearings, else the bearing in
    /// whole degrees ("215").
    QString text;
};

/// The labels of the chart turned by `rotation` (radians, clockwise, any finite value): with
/// `wholeCircle` the eight of 0, 45, ... 315 degrees; otherwise one every 5 degrees from 30
/// degrees before to 30 after the direction at the bottom of the view (rounded outwards to
/// multiples of 5).
std::vector<CompassLabel> compassLabels(double rotation, bool wholeCircle);

/// Draws the labels in white bold type, each centred on its direction with its bottom at the
/// horizon of `frame`, the chart turned by `rotation` (radians), cut at the horizon.
void drawCompassLabels(QPainter& painter, const ChartFrame& frame, double rotation,
                       bool wholeCircle);

}  // namespace quenaro
