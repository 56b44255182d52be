#pragma once

#include <QPainter>

#include "drawing/Drawing.h"
#include "drawing/TextMetrics.h"
#include "views/LayerPictures.h"
#include "views/StarSprites.h"

namespace quenaro {

/// The canvas backend on QPainter: replays a view's drawing on any painter (a widget, an
/// image, a PDF page, a recorder of calls), antialiased, in the painter's coordinates with
/// the view's top-left at the origin. On a raster device it keeps pictures of the drawing's
/// layers at device resolution and draws the chart's stars from pre-drawn sprites; on other
/// devices every primitive is drawn as vector geometry. One per view, main thread only.
class QtCanvas {
  public:
    void paint(const Drawing& drawing, QPainter& painter);

    /// How many layer pictures have been drawn (diagnostics).
    int pictureRenders() const { return layers_.renders(); }

  private:
    void replay(const Drawing& drawing, QPainter& painter);
    void fillDiscs(const std::vector<Disc>& discs, QPainter& painter);
    void layer(const draw::Layer& layer, Size viewSize, QPainter& painter);

    LayerPictures layers_;
    StarSprites sprites_;
};

/// A canvas for drawings made outside a view's own canvas (render, export, tests): it keeps
/// the pictures of their layers like a view's. Main thread only.
QtCanvas& offscreenCanvas();

/// The measures of the fonts QtCanvas draws with (DejaVu Sans at 12 pixels, unhinted).
const TextMetrics& qtTextMetrics();

/// The Qt forms of the canvas's values.
QPainterPath qtPath(const Path& path);
QColor qtColour(const Colour& colour);
QBrush qtBrush(const Fill& fill);
inline QPointF qtPoint(Point point) {
    return {point.x, point.y};
}
inline Point canvasPoint(QPointF point) {
    return {point.x(), point.y()};
}
inline Size canvasSize(QSizeF size) {
    return {size.width(), size.height()};
}

}  // namespace quenaro
