#include "views/TimelineView.h"

#include <QPaintEvent>

#include "views/TimelinePainter.h"
#include "views/ViewPainter.h"

namespace quenaro {

TimelineView::TimelineView(QWidget* parent) : QWidget(parent) {
    // Not marked as painting opaquely: the date picker rests over part of the timeline, and
    // an opaque widget's redraw (at every change of the date) was put over that picker.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void TimelineView::paintEvent(QPaintEvent* event) {
    ViewPainter painter(this, event->rect());
    if (ephemeris_ == nullptr) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    paintTimeline(memo_.contentFor(*ephemeris_), size(), painter, canvas_,
                  nightVision(*this) ? TimelineLook::Night : TimelineLook::Day);
}

}  // namespace quenaro
