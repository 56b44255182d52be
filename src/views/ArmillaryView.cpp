#include "views/ArmillaryView.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QStyleHints>
#include <QTouchEvent>

#include "drawing/ArmillaryProjection.h"
#include "views/ViewPainter.h"

namespace quenaro {

ArmillaryView::ArmillaryView(const ArmillarySettings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ArmillaryView::setSettings(const ArmillarySettings& settings) {
    settings_ = settings;
    update();
}

void ArmillaryView::paintEvent(QPaintEvent* event) {
    ViewPainter painter(this, event->rect());
    if (ephemeris_ == nullptr) {
        painter.fillRect(rect(), qtColour(colours::kDarkGrey));
        return;
    }
    drawArmillary(*ephemeris_, settings_, state_, size(), painter, cache_);
}

bool ArmillaryView::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            return touchEvent(static_cast<QTouchEvent*>(event));
        default:
            return QWidget::event(event);
    }
}

bool ArmillaryView::touchEvent(QTouchEvent* event) {
    const QList<QEventPoint>& points = event->points();
    switch (event->type()) {
        case QEvent::TouchBegin: {
            emit touched();
            const QPointF position = points.isEmpty() ? QPointF() : points.front().position();
            if (points.size() != 1) {
                doubleTap_.reset();
            } else if (doubleTap_.tap(canvasPoint(position),
                                      static_cast<double>(event->timestamp()),
                                      QGuiApplication::styleHints()->mouseDoubleClickInterval())) {
                switchScale();
            }
            break;
        }
        case QEvent::TouchUpdate: {
            qsizetype down = 0;
            for (const QEventPoint& point : points) {
                down += point.state() != QEventPoint::Released ? 1 : 0;
            }
            if (down == 2 && points.size() == 2) {
                // The turn of the line through the two fingers since the last move.
                state_.turning = true;
                doubleTap_.reset();
                turnBy(twoFingerTurn(
                    canvasPoint(points[0].lastPosition()), canvasPoint(points[1].lastPosition()),
                    canvasPoint(points[0].position()), canvasPoint(points[1].position())));
            } else if (state_.turning) {
                endTurning();
            }
            break;
        }
        default:  // the last finger lifted, or the touches were taken away
            if (state_.turning) {
                endTurning();
            }
            break;
    }
    event->accept();
    return true;
}

void ArmillaryView::mousePressEvent(QMouseEvent* event) {
    emit touched();
    const bool turnButton =
        event->button() == Qt::RightButton ||
        (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier));
    if (turnButton) {
        mouseTurning_ = true;
        lastMousePosition_ = event->position();
    }
    event->accept();
}

void ArmillaryView::mouseMoveEvent(QMouseEvent* event) {
    if (!mouseTurning_) {
        return;
    }
    const QPointF position = event->position();
    const double turn = angleAboutCentre(position) - angleAboutCentre(lastMousePosition_);
    lastMousePosition_ = position;
    state_.turning = true;
    turnBy(turn);
}

void ArmillaryView::mouseReleaseEvent(QMouseEvent* event) {
    if (mouseTurning_ && !(event->buttons() & (Qt::LeftButton | Qt::RightButton))) {
        mouseTurning_ = false;
        endTurning();
    }
}

void ArmillaryView::mouseDoubleClickEvent(QMouseEvent* event) {
    emit touched();
    if (event->button() == Qt::LeftButton && !(event->modifiers() & Qt::ControlModifier)) {
        switchScale();
    }
}

void ArmillaryView::turnBy(double radians) {
    state_.rotation = turnedBy(state_.rotation, radians);
    update();
}

void ArmillaryView::switchScale() {
    state_.scaleMode = !state_.scaleMode;
    update();
}

void ArmillaryView::endTurning() {
    state_.turning = false;
    update();
}

double ArmillaryView::angleAboutCentre(QPointF position) const {
    return angleAbout(canvasPoint(position),
                      chartFrame(canvasSize(size()), state_.scaleMode).centre);
}

}  // namespace quenaro
