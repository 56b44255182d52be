#include "app/NightVisionStyle.h"

#include <QIcon>
#include <QPixmap>

#include "views/NightVision.h"

namespace quenaro {

namespace {

QPixmap redPixmap(const QPixmap& pixmap) {
    if (pixmap.isNull()) {
        return pixmap;
    }
    QImage image = pixmap.toImage();
    turnNightRed(image);
    QPixmap red = QPixmap::fromImage(image);
    red.setDevicePixelRatio(pixmap.devicePixelRatio());
    return red;
}

/// The icon with each of its pictures turned red, at the sizes it has (or the usual icon sizes
/// for an icon drawn at any size).
QIcon redIcon(const QIcon& icon) {
    if (icon.isNull()) {
        return icon;
    }
    QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty()) {
        sizes = {QSize(16, 16), QSize(32, 32), QSize(64, 64)};
    }
    QIcon red;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
        for (const QSize& size : sizes) {
            red.addPixmap(redPixmap(icon.pixmap(size, mode)), mode);
        }
    }
    return red;
}

}  // namespace

NightVisionStyle::NightVisionStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

QIcon NightVisionStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                     const QWidget* widget) const {
    const QIcon icon = QProxyStyle::standardIcon(standardIcon, option, widget);
    return nightVision_ ? redIcon(icon) : icon;
}

QPixmap NightVisionStyle::standardPixmap(StandardPixmap standardPixmap, const QStyleOption* option,
                                         const QWidget* widget) const {
    const QPixmap pixmap = QProxyStyle::standardPixmap(standardPixmap, option, widget);
    return nightVision_ ? redPixmap(pixmap) : pixmap;
}

void NightVisionStyle::drawItemPixmap(QPainter* painter, const QRect& rectangle, int alignment,
                                      const QPixmap& pixmap) const {
    QProxyStyle::drawItemPixmap(painter, rectangle, alignment,
                                nightVision_ ? redPixmap(pixmap) : pixmap);
}

}  // namespace quenaro
