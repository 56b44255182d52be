#include "app/NightVisionStyle.h"

#include <QFrame>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QStyleOption>
#include <cmath>

#include "app/NightVisionEffect.h"
#include "views/NightVision.h"

namespace quenaro {

namespace {
/// Points around an element's rectangle that a style may still draw into (focus frames).
constexpr int kMargin = 3;
}  // namespace

NightVisionStyle::NightVisionStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

void NightVisionStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                     QPainter* painter, const QWidget* widget) const {
    drawRed(painter, option != nullptr ? option->rect : QRect(), widget,
            [&](QPainter* target) { QProxyStyle::drawPrimitive(element, option, target, widget); });
}

void NightVisionStyle::drawControl(ControlElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    // A frame without a shape (a scroll area's, a stacked widget's) draws nothing, but its
    // rectangle is the whole widget: a picture of it would cost a window's worth of pixels on
    // every redraw for nothing.
    if (element == CE_ShapedFrame) {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (frame != nullptr && frame->frameShape == QFrame::NoFrame) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
    }
    drawRed(painter, option != nullptr ? option->rect : QRect(), widget,
            [&](QPainter* target) { QProxyStyle::drawControl(element, option, target, widget); });
}

void NightVisionStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                          QPainter* painter, const QWidget* widget) const {
    drawRed(painter, option != nullptr ? option->rect : QRect(), widget, [&](QPainter* target) {
        QProxyStyle::drawComplexControl(control, option, target, widget);
    });
}

void NightVisionStyle::drawItemPixmap(QPainter* painter, const QRect& rectangle, int alignment,
                                      const QPixmap& pixmap) const {
    drawRed(painter, rectangle, nullptr, [&](QPainter* target) {
        QProxyStyle::drawItemPixmap(target, rectangle, alignment, pixmap);
    });
}

void NightVisionStyle::drawRed(QPainter* painter, const QRect& area, const QWidget* widget,
                               const std::function<void(QPainter*)>& draw) const {
    const QPaintDevice* device = painter->device();
    const bool windowTurnedRed =
        widget != nullptr &&
        qobject_cast<const NightVisionEffect*>(widget->window()->graphicsEffect()) != nullptr;
    if (!nightVision_ || nesting_ > 0 || windowTurnedRed || area.isEmpty() || device == nullptr ||
        painter->worldTransform().type() > QTransform::TxTranslate) {
        draw(painter);
        return;
    }
    const QRect region = area.adjusted(-kMargin, -kMargin, kMargin, kMargin);
    const double ratio = device->devicePixelRatioF();
    QImage picture(static_cast<int>(std::ceil(region.width() * ratio)),
                   static_cast<int>(std::ceil(region.height() * ratio)),
                   QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull()) {
        draw(painter);
        return;
    }
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    {
        QPainter inner(&picture);
        inner.setRenderHints(painter->renderHints());
        inner.setFont(painter->font());
        inner.setPen(painter->pen());
        inner.setBrush(painter->brush());
        inner.setBrushOrigin(painter->brushOrigin() - region.topLeft());
        inner.setBackground(painter->background());
        inner.setBackgroundMode(painter->backgroundMode());
        inner.setLayoutDirection(painter->layoutDirection());
        inner.translate(-region.topLeft());
        ++nesting_;
        draw(&inner);
        --nesting_;
    }
    turnNightRed(picture, NightRedRule::LumaKeepingRed);
    painter->drawImage(region.topLeft(), picture);
}

}  // namespace quenaro
