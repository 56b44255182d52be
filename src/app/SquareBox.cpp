#include "app/SquareBox.h"

#include <QResizeEvent>
#include <algorithm>

namespace quenaro {

SquareBox::SquareBox(QWidget* content, QWidget* parent) : QWidget(parent), content_(content) {
    content_->setParent(this);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
}

void SquareBox::resizeEvent(QResizeEvent* event) {
    const QSize size = event->size();
    const int side = std::min(size.width(), size.height());
    content_->setGeometry((size.width() - side) / 2, (size.height() - side) / 2, side, side);
}

}  // namespace quenaro
