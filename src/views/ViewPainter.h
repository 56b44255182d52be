#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

class QWidget;

namespace quenaro {

/// Draws the view for night vision from now on (or no longer) and asks it to redraw. The
/// views' paint events read it through ViewPainter.
void setNightVision(QWidget& view, bool on);
/// Whether the view is drawn for night vision (false until set).
bool nightVision(const QWidget& view);

/// The painter a view's paint event draws with: straight onto the widget, or, when the view is
/// drawn for night vision, into a picture of the region to paint at the widget's device pixel
/// ratio, turned red (nightRed) and put onto the widget when the painter goes. Either way the
/// painter starts in the widget's coordinates with the widget's font and foreground colour.
class ViewPainter : public QPainter {
  public:
    /// `region` is the rectangle the paint event asks for, in the widget's points.
    ViewPainter(QWidget* view, const QRect& region);
    ~ViewPainter();
    ViewPainter(const ViewPainter&) = delete;
    ViewPainter& operator=(const ViewPainter&) = delete;

  private:
    QWidget* view_;
    QRect region_;
    QImage picture_;  // night vision only
};

}  // namespace quenaro
