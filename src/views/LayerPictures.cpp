// Pictures of the unchanging parts of a view at device resolution.

#include "views/LayerPictures.h"

#include <QPaintEngine>
#include <algorithm>
#include <cmath>

namespace quenaro {

namespace {

/// Pictures kept at once: a highlight or not, for the present and the previous size.
constexpr std::size_t kKeptPictures = 4;
/// The largest picture of a whole view, device pixels: a 2048-point view at a ratio of 2.
constexpr double kLargestViewPixels = 4096.0 * 4096.0;
/// The largest picture of a turning layer that holds every turn (32 MB): beyond it the
/// picture holds only what is in view and is drawn anew for every turn.
constexpr double kLargestTurningPixels = 8388608.0;
/// Band height for drawing a turned picture, device pixels. Qt's raster engine hands a fill
/// of 96 rows or more to its worker threads; on two cores waking them costs more than it
/// saves (and now and then a whole frame), so a turned picture is drawn in lower bands.
constexpr int kBandPixels = 32;

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

/// The device pixels of the view.
QRect viewPixels(Size viewSize, double devicePixelRatio) {
    return {0, 0, static_cast<int>(std::ceil(viewSize.width * devicePixelRatio)),
            static_cast<int>(std::ceil(viewSize.height * devicePixelRatio))};
}

/// The area a layer covers in the view, points: the view, or the square of its reach.
QRectF layerArea(const draw::Layer& layer, Size viewSize) {
    if (layer.reach > 0.0) {
        return {layer.origin.x - layer.reach, layer.origin.y - layer.reach, 2 * layer.reach,
                2 * layer.reach};
    }
    return {0, 0, viewSize.width, viewSize.height};
}

/// The layer drawn straight onto the painter.
void drawDirectly(QPainter& painter, const draw::Layer& layer, Size viewSize,
                  const LayerPictures::DrawContent& draw) {
    painter.save();
    if (layer.replaces && painter.paintEngine()->hasFeature(QPaintEngine::PorterDuff)) {
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(layerArea(layer, viewSize), Qt::transparent);
        painter.restore();
    }
    painter.translate(layer.origin.x, layer.origin.y);
    painter.rotate(layer.turnDegrees);
    draw(painter);
    painter.restore();
}

}  // namespace

LayerPictures::Picture* LayerPictures::find(const draw::Layer& layer, Size viewSize,
                                            double devicePixelRatio) {
    for (auto picture = pictures_.begin(); picture != pictures_.end(); ++picture) {
        if (picture->key == layer.key && picture->viewSize == viewSize &&
            picture->origin == layer.origin && picture->reach == layer.reach &&
            picture->devicePixelRatio == devicePixelRatio) {
            // Most recently used last.
            std::rotate(picture, picture + 1, pictures_.end());
            return &pictures_.back();
        }
    }
    return nullptr;
}

void LayerPictures::paint(QPainter& painter, const draw::Layer& layer, Size viewSize,
                          const DrawContent& draw) {
    const double devicePixelRatio = painter.device()->devicePixelRatioF();
    if (!drawsPixelOnPixel(painter, devicePixelRatio)) {
        drawDirectly(painter, layer, viewSize, draw);
        return;
    }
    Picture* picture = find(layer, viewSize, devicePixelRatio);
    const bool usable = picture != nullptr && (picture->turnDegrees == layer.turnDegrees ||
                                               (layer.turning && picture->coversEveryTurn));
    if (!usable) {
        if (picture == nullptr) {
            if (pictures_.size() == kKeptPictures) {
                pictures_.erase(pictures_.begin());
            }
            pictures_.push_back({layer.key,
                                 viewSize,
                                 layer.origin,
                                 layer.reach,
                                 devicePixelRatio,
                                 0.0,
                                 {},
                                 {},
                                 false});
            picture = &pictures_.back();
        }
        if (!render(*picture, layer, draw, painter.renderHints())) {
            pictures_.pop_back();
            drawDirectly(painter, layer, viewSize, draw);
            return;
        }
    }

    const QPointF position(picture->devicePosition.x() / devicePixelRatio,
                           picture->devicePosition.y() / devicePixelRatio);
    if (picture->turnDegrees == layer.turnDegrees) {
        painter.save();
        painter.setCompositionMode(layer.replaces ? QPainter::CompositionMode_Source
                                                  : QPainter::CompositionMode_SourceOver);
        painter.drawImage(position, picture->image);
        painter.restore();
        return;
    }
    const double bandPoints = kBandPixels / devicePixelRatio;
    for (double top = 0.0; top < viewSize.height; top += bandPoints) {
        painter.save();
        painter.setClipRect(QRectF(0.0, top, viewSize.width, bandPoints), Qt::IntersectClip);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        // Smooth sampling is enough; antialiasing the turned image's edges would send the
        // whole picture down Qt's slow path for a frame drawn while a finger moves.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.translate(layer.origin.x, layer.origin.y);
        painter.rotate(layer.turnDegrees - picture->turnDegrees);
        painter.translate(-layer.origin.x, -layer.origin.y);
        painter.drawImage(position, picture->image);
        painter.restore();
    }
}

bool LayerPictures::render(Picture& picture, const draw::Layer& layer, const DrawContent& draw,
                           QPainter::RenderHints hints) {
    const double ratio = picture.devicePixelRatio;
    const QRect view = viewPixels(picture.viewSize, ratio);
    QRect pixels = view;
    picture.coversEveryTurn = false;
    if (layer.reach > 0.0) {
        // All of the layer that any turn can bring into view, in whole device pixels.
        const QRectF area = layerArea(layer, picture.viewSize);
        pixels = QRect(QPoint(static_cast<int>(std::floor(area.left() * ratio)),
                              static_cast<int>(std::floor(area.top() * ratio))),
                       QPoint(static_cast<int>(std::ceil(area.right() * ratio)) - 1,
                              static_cast<int>(std::ceil(area.bottom() * ratio)) - 1));
        picture.coversEveryTurn =
            static_cast<double>(pixels.width()) * pixels.height() <= kLargestTurningPixels;
        if (!picture.coversEveryTurn) {
            pixels &= view;
        }
    } else if (!(static_cast<double>(pixels.width()) * pixels.height() <= kLargestViewPixels)) {
        return false;
    }
    if (pixels.isEmpty()) {
        return false;
    }
    QImage image(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return false;
    }
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(hints);
        painter.translate(-pixels.left() / ratio + layer.origin.x,
                          -pixels.top() / ratio + layer.origin.y);
        painter.rotate(layer.turnDegrees);
        draw(painter);
    }
    picture.key = layer.key;
    picture.turnDegrees = layer.turnDegrees;
    picture.devicePosition = pixels.topLeft();
    picture.image = std::move(image);
    ++renders_;
    return true;
}

}  // namespace quenaro
