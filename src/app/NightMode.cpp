#include "app/NightMode.h"

#include <QApplication>
#include <QStyle>

#include "app/NightVisionEffect.h"
#include "app/NightVisionStyle.h"
#include "views/NightVision.h"
#include "views/ViewPainter.h"

namespace quenaro {

namespace {

/// The application's style as a NightVisionStyle, installed around the style in use the
/// first time it is needed.
NightVisionStyle* nightVisionStyle() {
    if (auto* style = qobject_cast<NightVisionStyle*>(QApplication::style())) {
        return style;
    }
    auto* style = new NightVisionStyle(QApplication::style()->name());
    QApplication::setStyle(style);  // the application owns it
    return style;
}

}  // namespace

NightMode::NightMode(std::vector<QWidget*> views, std::vector<QWidget*> ownColourWindows) {
    views_.assign(views.begin(), views.end());
    ownColourWindows_.assign(ownColourWindows.begin(), ownColourWindows.end());
}

void NightMode::setEnabled(bool on) {
    if (on == enabled_) {
        return;
    }
    enabled_ = on;
    if (on && !dayPalette_) {
        dayPalette_ = QApplication::palette();
    }
    // Setting a style resets the palette, so the style comes first.
    nightVisionStyle()->setNightVision(on);
    QApplication::setPalette(on ? nightPalette() : *dayPalette_);
    for (const QPointer<QWidget>& view : views_) {
        if (view) {
            setNightVision(*view, on);
        }
    }
    for (const QPointer<QWidget>& window : ownColourWindows_) {
        if (window) {
            window->setGraphicsEffect(on ? new NightVisionEffect(window) : nullptr);
        }
    }
}

}  // namespace quenaro
