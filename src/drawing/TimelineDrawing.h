#pragma once

#include "drawing/Drawing.h"

namespace quenaro {

struct TimelineContent;
class TextMetrics;

/// Height of the hour scale along the top of the timeline, points.
inline constexpr double kTimelineScaleHeight = 12.0;

/// The colours a timeline is drawn in: the day's, or those chosen for night vision, where
/// everything drawn becomes red of its brightness (dark bands, bright bars and labels).
enum class TimelineLook { Day, Night };

/// The day timeline for a view of `size` points: the hour scale, the night and day
/// backgrounds and the hour lines (one layer that stays while the day does), the now line and
/// the bars of the Sun, the three twilights and the Moon. The size should be at least
/// 24 x 17 points for the bars to show.
Drawing timelineDrawing(const TimelineContent& content, Size size, const TextMetrics& metrics,
                        TimelineLook look = TimelineLook::Day);

}  // namespace quenaro
