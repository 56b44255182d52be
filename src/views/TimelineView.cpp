#include "views/TimelineView.h"

#include <QPainter>

#include "views/TimelinePainter.h"

namespace quenaro {

TimelineView::TimelineView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void TimelineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (ephemeris_ == nullptr) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    drawTimeline(*ephemeris_, size(), painter);
}

}  // namespace quenaro
