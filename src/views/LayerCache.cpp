// Pictures of the unchanging parts of a view at device resolution.

#include "views/LayerCache.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>

namespace quenaro {

namespace {

/// Pictures kept at once: a highlight or not, for the present and the previous size.
constexpr std::size_t kKeptPictures = 4;
/// The largest picture kept, device pixels: a 2048-point view at a device pixel ratio of 2.
constexpr double kLargestPicturePixels = 4096.0 * 4096.0;

bool isWhole(double value) {
    return std::abs(value - std::round(value)) < 1e-6;
}

/// True when the painter draws pixels and its points map to device pixels by the device
/// pixel ratio and a whole-pixel shift, so a picture at that ratio lands pixel on pixel.
bool drawsPixelOnPixel(const QPainter& painter, double devicePixelRatio) {
    const QPaintEngine* engine = painter.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster) {
        return false;
    }
    const QTransform transform = painter.deviceTransform();
    return transform.type() <= QTransform::TxScale &&
           std::abs(transform.m11() - devicePixelRatio) < 1e-9 &&
           std::abs(transform.m22() - devicePixelRatio) < 1e-9 && isWhole(transform.dx()) &&
           isWhole(transform.dy());
}

}  // namespace

void LayerCache::paint(QPainter& painter, QSizeF size, int variant,
                       const std::function<void(QPainter&)>& draw,
                       QPainter::CompositionMode composition) {
    const double devicePixelRatio = painter.device()->devicePixelRatioF();
    const double pixels = size.width() * size.height() * devicePixelRatio * devicePixelRatio;
    if (!drawsPixelOnPixel(painter, devicePixelRatio) || !(pixels <= kLargestPicturePixels)) {
        draw(painter);
        return;
    }
    const QImage& layer = picture(size, devicePixelRatio, variant, draw, painter.renderHints());
    if (layer.isNull()) {
        draw(painter);
        return;
    }
    painter.save();
    painter.setCompositionMode(composition);
    painter.drawImage(QPointF(0, 0), layer);
    painter.restore();
}

const QImage& LayerCache::picture(QSizeF size, double devicePixelRatio, int variant,
                                  const std::function<void(QPainter&)>& draw,
                                  QPainter::RenderHints hints) {
    const QSize pixels(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(size.height() * devicePixelRatio)));
    for (auto entry = entries_.begin(); entry != entries_.end(); ++entry) {
        if (entry->pixels == pixels && entry->devicePixelRatio == devicePixelRatio &&
            entry->variant == variant) {
            // Most recently used last.
            std::rotate(entry, entry + 1, entries_.end());
            return entries_.back().picture;
        }
    }
    QImage layer(pixels, QImage::Format_ARGB32_Premultiplied);
    if (layer.isNull()) {
        static const QImage none;
        return none;
    }
    layer.setDevicePixelRatio(devicePixelRatio);
    layer.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer);
        layerPainter.setRenderHints(hints);
        draw(layerPainter);
    }
    if (entries_.size() == kKeptPictures) {
        entries_.erase(entries_.begin());
    }
    entries_.push_back({pixels, devicePixelRatio, variant, std::move(layer)});
    return entries_.back().picture;
}

}  // namespace quenaro
