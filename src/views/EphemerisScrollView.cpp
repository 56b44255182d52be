#include "views/EphemerisScrollView.h"

#include <QEvent>
#include <QScrollBar>

#include "base/DiagnosticLog.h"

namespace quenaro {

EphemerisScrollView::EphemerisScrollView(QWidget* parent) : QScrollArea(parent) {
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setBackgroundRole(QPalette::Window);
    viewport()->setPalette(black);
    viewport()->setAutoFillBackground(true);
    connect(verticalScrollBar(), &QScrollBar::sliderPressed, this,
            [] { diagnosticLog("scrollViewWillBeginDragging"); });
}

bool EphemerisScrollView::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::TouchBegin) {
        emit touched();
    }
    return QScrollArea::viewportEvent(event);
}

}  // namespace quenaro
