#include "app/NightVisionEffect.h"

#include <QPainter>
#include <QPixmap>

#include "views/NightVision.h"

namespace quenaro {

void NightVisionEffect::draw(QPainter* painter) {
    QPoint offset;
    const QPixmap source = sourcePixmap(Qt::DeviceCoordinates, &offset, NoPad);
    if (source.isNull()) {
        return;
    }
    QImage picture = source.toImage();
    turnNightRed(picture);
    painter->save();
    painter->setWorldTransform(QTransform());
    painter->drawImage(offset, picture);
    painter->restore();
}

}  // namespace quenaro
