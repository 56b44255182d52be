#include "views/PlaceholderView.h"

#include <QPaintEvent>
#include <utility>

#include "views/ViewFonts.h"
#include "views/ViewPainter.h"

namespace quenaro {

PlaceholderView::PlaceholderView(QString text, QWidget* parent)
    : QWidget(parent), text_(std::move(text)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlaceholderView::paintEvent(QPaintEvent* event) {
    ViewPainter painter(this, event->rect());
    painter.fillRect(rect(), QColor::fromRgbF(0.08f, 0.08f, 0.12f));
    painter.setPen(QColor::fromRgbF(0.7f, 0.7f, 0.7f));
    painter.setFont(smallSystemFont());
    painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, text_);
}

}  // namespace quenaro
