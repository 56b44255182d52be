// The day timeline on QPainter.

#include "views/TimelinePainter.h"

#include "drawing/TimelineContent.h"

namespace quenaro {

void paintTimeline(const TimelineContent& content, QSizeF size, QPainter& painter, QtCanvas& canvas,
                   TimelineLook look) {
    canvas.paint(timelineDrawing(content, canvasSize(size), qtTextMetrics(), look), painter);
}

void drawTimeline(const Ephemeris& model, QSizeF size, QPainter& painter, QtCanvas& canvas,
                  TimelineLook look) {
    paintTimeline(timelineContent(model), size, painter, canvas, look);
}

}  // namespace quenaro
