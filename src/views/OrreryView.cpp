#include "views/OrreryView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>

#include "drawing/OrreryContent.h"
#include "model/Ephemeris.h"
#include "time/DateOutOfRange.h"
#include "views/OrreryPainter.h"
#include "views/ViewPainter.h"

namespace quenaro {

namespace {

constexpr double kSecondsPerNotch = 600.0;

}  // namespace

OrreryView::OrreryView(bool facing, QWidget* parent) : QWidget(parent), facing_(facing) {
    setToolTip(
        tr("Drag the Sun to turn the time of day, the ring to turn the date.\n"
           "Wheel: 10 minutes a notch (Shift: a day). Double-click: pick the date."));
}

void OrreryView::setSettings(const OrrerySettings& settings) {
    settings_ = settings;
    update();
}

void OrreryView::paintEvent(QPaintEvent* event) {
    ViewPainter painter(this, event->rect());
    if (ephemeris_ == nullptr) {
        return;
    }
    const OrreryOptions options{settings_.audience, orientation_, input_.held()};
    drawOrrery(*ephemeris_, options, size(), painter, canvas_);
}

void OrreryView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    emit hideDateTime();
    const bool wasHeld = input_.held() != OrreryHold::None;
    const double sunAngle = ephemeris_ != nullptr ? sunDialAngle(*ephemeris_) + orientation_ : 0.0;
    const OrreryHold held =
        input_.press(canvasPoint(event->position()), DialLayout::forWidth(width()), sunAngle);
    if (ephemeris_ == nullptr && held != OrreryHold::None) {
        input_.release();
    }
    heldChanged(wasHeld);
    update();
}

void OrreryView::mouseMoveEvent(QMouseEvent* event) {
    if (ephemeris_ == nullptr) {
        return;
    }
    const double seconds =
        input_.move(canvasPoint(event->position()), DialLayout::forWidth(width()));
    if (seconds != 0.0) {
        requestDateMovedBy(seconds);
    }
}

void OrreryView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && input_.held() != OrreryHold::None) {
        input_.release();
        heldChanged(true);
        update();
    }
}

void OrreryView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit setOrreryDate();
    }
}

void OrreryView::wheelEvent(QWheelEvent* event) {
    event->accept();
    if (ephemeris_ == nullptr || input_.held() != OrreryHold::None) {
        return;
    }
    // Some systems turn a vertical wheel with a modifier into a horizontal one.
    const QPoint delta = event->angleDelta();
    const int notches = wheel_.turn(delta.y() != 0 ? delta.y() : delta.x());
    if (notches == 0) {
        return;
    }
    try {
        const EphemerisDate& date = ephemeris_->date();
        emit adjustDate((event->modifiers() & Qt::ShiftModifier)
                            ? date.dateByAddingYears(0, 0, notches, 0, 0, 0)
                            : date.addTimeInterval(notches * kSecondsPerNotch));
    } catch (const DateOutOfRange&) {
        // Beyond the supported years the date stays.
    }
}

void OrreryView::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    const bool wasHeld = input_.held() != OrreryHold::None;
    input_.release();
    heldChanged(wasHeld);
}

void OrreryView::heldChanged(bool wasHeld) {
    const bool isHeld = input_.held() != OrreryHold::None;
    if (wasHeld != isHeld) {
        emit dragInProgressChanged(isHeld);
    }
}

void OrreryView::requestDateMovedBy(double seconds) {
    try {
        emit changeDate(ephemeris_->date().addTimeInterval(seconds));
    } catch (const DateOutOfRange&) {
        // Beyond the supported years the date stays.
    }
}

}  // namespace quenaro
