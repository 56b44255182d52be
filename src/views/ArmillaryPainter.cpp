// The star chart as drawn: the dark ground, the sky's disc with its layers, the compass
// labels. On screen the disc is one cached picture at device resolution, so that a redraw,
// even while the user turns the chart, copies an image instead of filling thousands of
// small ellipses.

#include "views/ArmillaryPainter.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/Ephemeris.h"
#include "resources/Catalogs.h"
#include "views/ArmillaryLayers.h"
#include "views/ArmillaryProjection.h"
#include "views/CompassLabels.h"

namespace quenaro {

namespace {

/// The largest picture kept, device pixels (32 MB): beyond it the picture holds only what
/// is in view and is drawn anew for every turn.
constexpr qint64 kLargestPicturePixels = qint64{1} << 23;
/// Band height for drawing the turned picture, device pixels. Qt's raster engine hands a fill
/// of 96 rows or more to its worker threads; on two cores waking them costs more than it
/// saves (and now and then a whole frame), so the turned picture is drawn in lower bands.
constexpr int kBandPixels = 32;

const QColor kDarkGray = QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3);

double degreesOf(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

/// The chart's frame in the view: the zenith at the frame's centre, turned by `rotation`.
QTransform chartTransform(const ChartFrame& frame, double rotation) {
    QTransform transform;
    transform.translate(frame.centre.x(), frame.centre.y());
    transform.rotate(degreesOf(rotation));
    return transform;
}

/// The farthest any point of the view lies from the zenith, points.
double farthestInView(QSizeF viewSize, QPointF centre) {
    const double dx = std::max(centre.x(), viewSize.width() - centre.x());
    const double dy = std::max(centre.y(), viewSize.height() - centre.y());
    return std::hypot(dx, dy);
}

bool isRaster(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine != nullptr && engine->type() == QPaintEngine::Raster;
}

}  // namespace

ArmillaryCache::ArmillaryCache() = default;

ArmillaryCache::ArmillaryCache(const std::vector<CatalogStar>& stars,
                               const std::vector<ConstellationPolyline>& figures)
    : stars_(&stars), figures_(&figures) {}

const ArmillaryGeometry& ArmillaryCache::geometry(const Ephemeris& model,
                                                  const ArmillarySettings& settings,
                                                  double radius) {
    const GeometryKey key{model.date().timeIntervalSinceReferenceDate(), model.latitude(),
                          model.longitude(), radius, settings};
    if (geometryBuilds_ == 0 || !(key == geometryKey_)) {
        geometry_ = buildArmillaryGeometry(model, settings, radius,
                                           stars_ != nullptr ? *stars_ : starCatalog(),
                                           figures_ != nullptr ? *figures_ : constellationLines());
        geometryKey_ = key;
        ++geometryBuilds_;
    }
    return geometry_;
}

bool ArmillaryCache::drawPicture(QPainter& painter, const ArmillaryGeometry& geometry,
                                 QSizeF viewSize, const ArmillaryViewState& state) {
    const double devicePixelRatio = painter.device()->devicePixelRatio();
    const bool sameChart = !picture_.image.isNull() && picture_.geometryBuild == geometryBuilds_ &&
                           picture_.viewSize == viewSize && picture_.scaleMode == state.scaleMode &&
                           picture_.devicePixelRatio == devicePixelRatio;
    const bool sameTurn = picture_.rotation == state.rotation;
    // While the chart turns, a picture of the whole disc is turned with it; at rest it is
    // drawn anew at the final turn, sharp.
    if (!sameChart || !(sameTurn || (state.turning && picture_.coversEveryTurn))) {
        if (!renderPicture(geometry, viewSize, state, devicePixelRatio)) {
            return false;
        }
    }
    const QPointF position(picture_.devicePosition.x() / devicePixelRatio,
                           picture_.devicePosition.y() / devicePixelRatio);
    if (picture_.rotation == state.rotation) {
        painter.drawImage(position, picture_.image);
        return true;
    }
    const QPointF centre = chartFrame(viewSize, state.scaleMode).centre;
    const double bandPoints = kBandPixels / devicePixelRatio;
    for (double top = 0.0; top < viewSize.height(); top += bandPoints) {
        painter.save();
        painter.setClipRect(QRectF(0.0, top, viewSize.width(), bandPoints), Qt::IntersectClip);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(centre);
        painter.rotate(degreesOf(state.rotation - picture_.rotation));
        painter.translate(-centre);
        painter.drawImage(position, picture_.image);
        painter.restore();
    }
    return true;
}

bool ArmillaryCache::renderPicture(const ArmillaryGeometry& geometry, QSizeF viewSize,
                                   const ArmillaryViewState& state, double devicePixelRatio) {
    const ChartFrame frame = chartFrame(viewSize, state.scaleMode);
    // All of the disc that any turn can bring into view, in whole device pixels of the view.
    const double reach = std::min(frame.radius, farthestInView(viewSize, frame.centre));
    QRect pixels(
        QPoint(static_cast<int>(std::floor((frame.centre.x() - reach) * devicePixelRatio)),
               static_cast<int>(std::floor((frame.centre.y() - reach) * devicePixelRatio))),
        QPoint(static_cast<int>(std::ceil((frame.centre.x() + reach) * devicePixelRatio)) - 1,
               static_cast<int>(std::ceil((frame.centre.y() + reach) * devicePixelRatio)) - 1));
    picture_.coversEveryTurn =
        qint64{pixels.width()} * qint64{pixels.height()} <= kLargestPicturePixels;
    if (!picture_.coversEveryTurn) {
        const QRect view(0, 0, static_cast<int>(std::ceil(viewSize.width() * devicePixelRatio)),
                         static_cast<int>(std::ceil(viewSize.height() * devicePixelRatio)));
        pixels &= view;
    }

    if (spritesDevicePixelRatio_ != devicePixelRatio) {
        sprites_ = StarSprites();
        spritesDevicePixelRatio_ = devicePixelRatio;
    }
    QImage image(pixels.size(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        picture_ = Picture();
        return false;
    }
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.scale(devicePixelRatio, devicePixelRatio);
        const QPointF origin(pixels.left() / devicePixelRatio, pixels.top() / devicePixelRatio);
        ChartFrame inImage = frame;
        inImage.centre -= origin;
        paintArmillaryLayers(painter, geometry, chartTransform(inImage, state.rotation), &sprites_);
    }
    image.setDevicePixelRatio(devicePixelRatio);

    picture_.image = std::move(image);
    picture_.devicePosition = pixels.topLeft();
    picture_.geometryBuild = geometryBuilds_;
    picture_.viewSize = viewSize;
    picture_.scaleMode = state.scaleMode;
    picture_.devicePixelRatio = devicePixelRatio;
    picture_.rotation = state.rotation;
    ++pictureRenders_;
    return true;
}

void drawArmillary(const Ephemeris& model, const ArmillarySettings& settings,
                   const ArmillaryViewState& state, QSizeF size, QPainter& painter,
                   ArmillaryCache& cache) {
    const ArmillaryViewState shown{
        state.scaleMode, std::isfinite(state.rotation) ? state.rotation : 0.0, state.turning};
    painter.fillRect(QRectF(QPointF(0, 0), size), kDarkGray);
    const ChartFrame frame = chartFrame(size, shown.scaleMode);
    if (!(frame.radius > 0.0)) {
        return;
    }
    const ArmillaryGeometry& geometry = cache.geometry(model, settings, frame.radius);
    // Vector output, and the rare picture too large to allocate, draw every layer directly.
    if (!isRaster(painter) || !cache.drawPicture(painter, geometry, size, shown)) {
        paintArmillaryLayers(painter, geometry, chartTransform(frame, shown.rotation), nullptr);
    }
    drawCompassLabels(painter, frame, shown.rotation, !shown.scaleMode);
}

void drawArmillary(const Ephemeris& model, const ArmillarySettings& settings,
                   const ArmillaryViewState& state, QSizeF size, QPainter& painter) {
    ArmillaryCache cache;
    drawArmillary(model, settings, state, size, painter, cache);
}

}  // namespace quenaro
