#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <functional>
#include <vector>

#include "drawing/Drawing.h"

namespace quenaro {

/// Pictures of a view's layers (the parts of a drawing that stay the same between frames:
/// the dial's ring, the timeline's hour scale, the chart's sky) at device resolution, so that
/// a frame lays a picture on instead of drawing the layer again. A picture is used only when
/// the painter draws pixels (the raster engine) at whole device pixels without turning or
/// scaling beyond the device pixel ratio, so the result is what drawing directly gives; any
/// other painter (a PDF page, a recorder of calls) gets the layer drawn directly, and so does
/// a picture too large to allocate. The few most recently used pictures are kept. Main thread
/// only.
class LayerPictures {
  public:
    /// Draws the content with `draw`, in coordinates whose origin is the layer's origin.
    using DrawContent = std::function<void(QPainter&)>;

    /// Draws the layer for a view of `viewSize` points with `painter`, whose coordinates have
    /// the view's top-left at the origin: from its picture when it may, drawing the picture
    /// anew when the layer's key, the view's size, the device pixel ratio or its placement
    /// changed (a turn alone only when the layer is not `turning`, or the kept picture does
    /// not hold everything any turn can bring into view).
    void paint(QPainter& painter, const draw::Layer& layer, Size viewSize, const DrawContent& draw);

    /// How many pictures have been drawn (diagnostics).
    int renders() const { return renders_; }

  private:
    struct Picture {
        LayerKey key;
        Size viewSize;
        Point origin;
        double reach = 0.0;
        double devicePixelRatio = 0.0;
        double turnDegrees = 0.0;
        /// The picture's top-left corner in the view, device pixels, and its image.
        QPoint devicePosition;
        QImage image;
        /// The image holds every part of the layer any turn can bring into view.
        bool coversEveryTurn = false;
    };

    Picture* find(const draw::Layer& layer, Size viewSize, double devicePixelRatio);
    bool render(Picture& picture, const draw::Layer& layer, const DrawContent& draw,
                QPainter::RenderHints hints);

    std::vector<Picture> pictures_;  // the most recently used last
    int renders_ = 0;
};

}  // namespace quenaro
