#pragma once

#include <QGraphicsEffect>

namespace quenaro {

/// Draws a widget and its children turned red (nightRed), for widgets whose colours are their
/// own rather than the palette's (the astrolabe calculator's keys and table). Each redraw
/// draws the whole widget first: meant for widgets that change seldom.
class NightVisionEffect : public QGraphicsEffect {
    Q_OBJECT

  public:
    using QGraphicsEffect::QGraphicsEffect;

  protected:
    void draw(QPainter* painter) override;
};

}  // namespace quenaro
