#pragma once

#include <QProxyStyle>

namespace quenaro {

/// The application's style that can draw for night vision: while it is on, the standard
/// icons (a message box's, a file dialog's) and the pictures that widgets draw through the
/// style (a label's picture) come turned red (nightRed); off, it draws as the style it wraps.
/// The colours of the widgets themselves come from the palette (nightPalette).
class NightVisionStyle : public QProxyStyle {
    Q_OBJECT

  public:
    /// Wraps the style of that name (QStyleFactory), or the platform's default when empty.
    explicit NightVisionStyle(const QString& baseStyleName = {});

    void setNightVision(bool on) { nightVision_ = on; }
    bool nightVision() const { return nightVision_; }

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    QPixmap standardPixmap(StandardPixmap standardPixmap, const QStyleOption* option = nullptr,
                           const QWidget* widget = nullptr) const override;
    void drawItemPixmap(QPainter* painter, const QRect& rectangle, int alignment,
                        const QPixmap& pixmap) const override;

  private:
    bool nightVision_ = false;
};

}  // namespace quenaro
