#include "views/EphemerisView.h"

#include <QPaintEvent>

#include "views/EphemerisSheetPainter.h"
#include "views/ViewPainter.h"

namespace quenaro {

EphemerisView::EphemerisView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(static_cast<int>(kSheetWidth), static_cast<int>(kSheetHeight));
}

void EphemerisView::setSettings(const SheetSettings& settings) {
    settings_ = settings;
    update();
}

void EphemerisView::paintEvent(QPaintEvent* event) {
    ViewPainter painter(this, event->rect());
    if (ephemeris_ == nullptr) {
        painter.fillRect(event->rect(), Qt::black);
        return;
    }
    drawEphemerisSheet(*ephemeris_, settings_, size(), painter);
}

}  // namespace quenaro
