#include "views/OrreryView.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>

#include "model/Ephemeris.h"
#include "views/DialGeometry.h"
#include "views/OrreryContent.h"
#include "views/ViewPainter.h"

namespace quenaro {

namespace {

constexpr double kSunGrabDistance = 32.0;  // points from the Sun's centre
constexpr double kSunCircle = 0.8;         // the Sun's radius on the dial, fractions of R
constexpr double kRingGrab = 0.7;          // beyond this fraction of R a press holds the ring
constexpr double kInnerHalf = 0.5;         // presses within half the radius hold nothing
constexpr int kEighthsPerNotch = 120;      // one wheel notch, eighths of a degree
constexpr double kSecondsPerNotch = 600.0;
constexpr double kSecondsPerDay = 86400.0;

}  // namespace

OrreryView::OrreryView(bool facing, QWidget* parent) : QWidget(parent), facing_(facing) {
    setToolTip(
        tr("Drag the Sun to turn the time of day, the ring to turn the date.\n"
           "Wheel: 10 minutes a notch (Shift: a day). Double-click: pick the date."));
}

void OrreryView::paintEvent(QPaintEvent* event) {
    ViewPainter painter(this, event->rect());
    if (ephemeris_ == nullptr) {
        return;
    }
    const OrreryOptions options{audience(), orientation_, adjustWhat_};
    drawOrrery(*ephemeris_, options, size(), painter);
}

void OrreryView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    emit hideDateTime();
    const double radius = width() / 2.0;
    const QPointF offset = event->position() - QPointF(radius, radius);
    const double distanceSquared = QPointF::dotProduct(offset, offset);
    lastPosition_ = event->position();
    ringDrag_ = RingDrag();
    if (distanceSquared < radius * radius &&
        distanceSquared > kInnerHalf * radius * kInnerHalf * radius && ephemeris_ != nullptr) {
        const QPointF sun =
            dialPoint(sunDialAngle(*ephemeris_) + orientation_, kSunCircle * radius);
        const QPointF fromSun = offset - sun;
        if (QPointF::dotProduct(fromSun, fromSun) < kSunGrabDistance * kSunGrabDistance) {
            setAdjustWhat(OrreryHold::Sun);
        } else if (distanceSquared > kRingGrab * radius * kRingGrab * radius) {
            setAdjustWhat(OrreryHold::Ring);
        } else {
            setAdjustWhat(OrreryHold::None);
        }
        update();
    } else {
        setAdjustWhat(OrreryHold::None);
    }
}

void OrreryView::mouseMoveEvent(QMouseEvent* event) {
    if (adjustWhat_ == OrreryHold::None || ephemeris_ == nullptr) {
        return;
    }
    const QPointF centre(width() / 2.0, width() / 2.0);
    const double turn = turnAboutCentre(lastPosition_ - centre, event->position() - centre);
    lastPosition_ = event->position();
    if (adjustWhat_ == OrreryHold::Sun) {
        requestDateMovedBy(sunTurnSeconds(turn));
    } else {
        const int days = ringDrag_.turn(turn);
        if (days != 0) {
            requestDateMovedBy(days * kSecondsPerDay);
        }
    }
}

void OrreryView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && adjustWhat_ != OrreryHold::None) {
        setAdjustWhat(OrreryHold::None);
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
    if (ephemeris_ == nullptr || adjustWhat_ != OrreryHold::None) {
        return;
    }
    // Some systems turn a vertical wheel with a modifier into a horizontal one.
    const QPoint delta = event->angleDelta();
    wheelEighths_ += delta.y() != 0 ? delta.y() : delta.x();
    const int notches = wheelEighths_ / kEighthsPerNotch;
    wheelEighths_ %= kEighthsPerNotch;
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
    setAdjustWhat(OrreryHold::None);
}

void OrreryView::setAdjustWhat(OrreryHold held) {
    const bool wasHeld = adjustWhat_ != OrreryHold::None;
    adjustWhat_ = held;
    const bool isHeld = held != OrreryHold::None;
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
