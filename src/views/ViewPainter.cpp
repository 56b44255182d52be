#include "views/ViewPainter.h"

#include <QVariant>
#include <QWidget>
#include <cmath>

#include "views/NightVision.h"

namespace quenaro {

namespace {
constexpr const char* kNightVisionProperty = "quenaroNightVision";
}  // namespace

void setNightVision(QWidget& view, bool on) {
    view.setProperty(kNightVisionProperty, on);
    view.update();
}

bool nightVision(const QWidget& view) {
    return view.property(kNightVisionProperty).toBool();
}

ViewPainter::ViewPainter(QWidget* view, const QRect& region) : view_(view), region_(region) {
    if (!nightVision(*view) || region.isEmpty()) {
        begin(view);
        return;
    }
    const double ratio = view->devicePixelRatioF();
    picture_ = QImage(static_cast<int>(std::ceil(region.width() * ratio)),
                      static_cast<int>(std::ceil(region.height() * ratio)),
                      QImage::Format_ARGB32_Premultiplied);
    picture_.setDevicePixelRatio(ratio);
    picture_.fill(Qt::transparent);
    begin(&picture_);
    setFont(view->font());
    setPen(view->palette().color(view->foregroundRole()));
    translate(-region.topLeft());
}

ViewPainter::~ViewPainter() {
    end();
    if (picture_.isNull()) {
        return;
    }
    turnNightRed(picture_);
    QPainter onto(view_);
    onto.drawImage(region_.topLeft(), picture_);
}

}  // namespace quenaro
