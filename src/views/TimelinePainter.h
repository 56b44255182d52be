#pragma once

#include <QSizeF>

#include "drawing/TimelineDrawing.h"
#include "views/QtCanvas.h"

class QPainter;

namespace quenaro {

class Ephemeris;
struct TimelineContent;

/// Draws the model's day timeline (timelineDrawing) into the painter's area (0, 0) to `size`
/// (points) through `canvas`, which keeps the picture of the hour scale between calls, in the
/// colours of `look` (the night's for a picture that is turned red after). Main thread only.
void drawTimeline(const Ephemeris& model, QSizeF size, QPainter& painter,
                  QtCanvas& canvas = offscreenCanvas(), TimelineLook look = TimelineLook::Day);

/// Draws the given timeline content the same way (the part of drawTimeline that does not
/// ask the model).
void paintTimeline(const TimelineContent& content, QSizeF size, QPainter& painter,
                   QtCanvas& canvas = offscreenCanvas(), TimelineLook look = TimelineLook::Day);

}  // namespace quenaro
