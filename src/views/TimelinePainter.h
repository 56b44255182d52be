#pragma once

#include <QSizeF>

class QPainter;

namespace quenaro {

class Ephemeris;
struct TimelineContent;

/// Height of the hour scale along the top of the timeline, points.
inline constexpr double kTimelineScaleHeight = 12.0;

/// Draws the model's day timeline into the painter's area (0, 0) to `size` (points): the
/// hour scale, the night and day backgrounds, the hour lines, the now line and the bars of
/// the Sun, the three twilights and the Moon. The size should be at least 24 x 17 points
/// for the bars to show.
void drawTimeline(const Ephemeris& model, QSizeF size, QPainter& painter);

/// Draws the given timeline content the same way (the part of drawTimeline that does not
/// ask the model).
void paintTimeline(const TimelineContent& content, QSizeF size, QPainter& painter);

}  // namespace quenaro
