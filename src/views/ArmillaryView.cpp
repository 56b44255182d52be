#include "views/ArmillaryView.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QStyleHints>
#include <QTouchEvent>
#include <cmath>
#include <numbers>

#include "views/ArmillaryProjection.h"
#include "views/ViewPainter.h"

namespace quenaro {

namespace {

/// How far apart two taps may land and still make a double tap, points.
constexpr double kDoubleTapDistance = 24.0;

double angleBetween(QPointF first, QPointF second) {
    return std::atan2(first.y() - second.y(), first.x() - second.x());
}

}  // namespace

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
        painter.fillRect(rect(), QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3));
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
            const qint64 now = static_cast<qint64>(event->timestamp());
            const bool doubleTap =
                points.size() == 1 && lastTapMilliseconds_ >= 0 &&
                now - lastTapMilliseconds_ <=
                    QGuiApplication::styleHints()->mouseDoubleClickInterval() &&
                QLineF(position, lastTapPosition_).length() <= kDoubleTapDistance;
            if (doubleTap) {
                lastTapMilliseconds_ = -1;
                switchScale();
            } else {
                lastTapMilliseconds_ = now;
                lastTapPosition_ = position;
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
                lastTapMilliseconds_ = -1;
                turnBy(angleBetween(points[0].position(), points[1].position()) -
                       angleBetween(points[0].lastPosition(), points[1].lastPosition()));
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
    if (!std::isfinite(radians)) {
        return;
    }
    state_.rotation = std::remainder(state_.rotation + radians, 2.0 * std::numbers::pi);
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
    const QPointF centre = chartFrame(size(), state_.scaleMode).centre;
    return std::atan2(position.y() - centre.y(), position.x() - centre.x());
}

}  // namespace quenaro
