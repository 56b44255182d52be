#pragma once

#include <QProxyStyle>
#include <functional>

namespace quenaro {

/// The application's style that can draw for night vision: while it is on, everything it
/// draws (buttons, tabs, menus, check boxes, sliders, scroll bars, icons, a label's picture)
/// is drawn into a picture first and put in its place turned red (nightRedKeepingRed, so the
/// red colours of the night palette stay as they are), which catches the fixed greys and
/// whites of the wrapped style and the colours of icons; off, it draws as the style it wraps.
class NightVisionStyle : public QProxyStyle {
    Q_OBJECT

  public:
    /// Wraps the style of that name (QStyleFactory), or the platform's default when empty.
    explicit NightVisionStyle(const QString& baseStyleName = {});

    void setNightVision(bool on) { nightVision_ = on; }
    bool nightVision() const { return nightVision_; }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    void drawItemPixmap(QPainter* painter, const QRect& rectangle, int alignment,
                        const QPixmap& pixmap) const override;

  private:
    /// Runs `draw` with the painter: straight when night vision is off, inside another drawing
    /// of this style (converted with it), when the painter turns or scales, or for a widget
    /// whose window is turned red whole (NightVisionEffect: converted twice, white would end
    /// as the dark red of red's brightness); else into a picture of `area` (the painter's
    /// coordinates, with a margin) turned red and put there.
    void drawRed(QPainter* painter, const QRect& area, const QWidget* widget,
                 const std::function<void(QPainter*)>& draw) const;

    bool nightVision_ = false;
    mutable int nesting_ = 0;
};

}  // namespace quenaro
