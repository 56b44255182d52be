#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QSizeF>
#include <functional>
#include <vector>

namespace quenaro {

/// A part of a view that stays the same while the user drags (the dial's ring, the timeline's
/// hour scale), drawn once into a picture at the device's resolution and kept while the
/// view's size, the device pixel ratio and the variant (such as a highlight) stay the same.
/// Only the few most recent pictures are kept. Main thread only.
class LayerCache {
  public:
    /// Draws the layer with `draw`, in the painter's coordinates with the view's top-left at
    /// the origin, the view `size` points. The kept picture is used when the painter draws
    /// into pixels (the raster engine) at whole device pixels without turning or scaling
    /// beyond the device pixel ratio, so the result is the same as drawing directly; any
    /// other painter (a PDF page, a recorder of calls) gets the direct drawing, and so does a
    /// layer too large to keep. The picture starts transparent and is laid on with
    /// `composition`: CompositionMode_Source puts it in place of what was there, as a `draw`
    /// that first clears the view's area would.
    void paint(QPainter& painter, QSizeF size, int variant,
               const std::function<void(QPainter&)>& draw,
               QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver);

  private:
    struct Entry {
        QSize pixels;
        double devicePixelRatio;
        int variant;
        QImage picture;
    };

    const QImage& picture(QSizeF size, double devicePixelRatio, int variant,
                          const std::function<void(QPainter&)>& draw, QPainter::RenderHints hints);

    std::vector<Entry> entries_;  // the most recently used last
};

}  // namespace quenaro
