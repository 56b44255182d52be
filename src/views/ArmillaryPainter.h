#pragma once

#include <QImage>
#include <QPoint>
#include <QSizeF>
#include <vector>

#include "catalog/ConstellationLines.h"
#include "catalog/StarCatalog.h"
#include "views/ArmillaryGeometry.h"
#include "views/ArmillarySettings.h"
#include "views/StarSprites.h"

class QPainter;

namespace quenaro {

class Ephemeris;

/// What the star chart keeps between redraws: its geometry, rebuilt when the model's date or
/// place, the horizon's radius or the settings change; and, for drawing on screen or into an
/// image, a picture of the sky's disc with all its layers at device resolution, drawn anew
/// when the geometry, the view's size or the device pixel ratio change, and turned while the
/// user turns the chart. Main thread only.
class ArmillaryCache {
  public:
    /// A cache for the application's star catalogue and constellation figures.
    ArmillaryCache();
    /// A cache for the catalogues given; they are kept by reference and must outlive it.
    ArmillaryCache(const std::vector<CatalogStar>& stars,
                   const std::vector<ConstellationPolyline>& figures);
    ArmillaryCache(std::vector<CatalogStar>&&, const std::vector<ConstellationPolyline>&) = delete;
    ArmillaryCache(const std::vector<CatalogStar>&, std::vector<ConstellationPolyline>&&) = delete;

    /// The geometry for the model's date and place, a horizon of `radius` points and the
    /// settings; built anew only when one of them differs from the last call's.
    const ArmillaryGeometry& geometry(const Ephemeris& model, const ArmillarySettings& settings,
                                      double radius);

    /// Draws the sky's disc with every layer for a view of `viewSize` points into a painter
    /// on a raster device (screen or image), turned by `state.rotation`: from the picture,
    /// drawn anew when needed (see the class). False, with nothing drawn, when no image of
    /// the picture's size can be allocated.
    bool drawPicture(QPainter& painter, const ArmillaryGeometry& geometry, QSizeF viewSize,
                     const ArmillaryViewState& state);

    /// How many times the geometry has been built and the picture drawn (diagnostics).
    int geometryBuilds() const { return geometryBuilds_; }
    int pictureRenders() const { return pictureRenders_; }

  private:
    struct GeometryKey {
        double instant = 0.0;
        double latitude = 0.0;
        double longitude = 0.0;
        double radius = 0.0;
        ArmillarySettings settings;
        friend bool operator==(const GeometryKey&, const GeometryKey&) = default;
    };
    /// The picture's image and what it was drawn for.
    struct Picture {
        QImage image;
        /// The image's top-left corner in the view, device pixels, when not turned.
        QPoint devicePosition;
        int geometryBuild = 0;
        QSizeF viewSize;
        bool scaleMode = false;
        double devicePixelRatio = 0.0;
        /// The turn the picture was drawn at, radians.
        double rotation = 0.0;
        /// The image holds every part of the disc any turn can bring into view.
        bool coversEveryTurn = false;
    };

    bool renderPicture(const ArmillaryGeometry& geometry, QSizeF viewSize,
                       const ArmillaryViewState& state, double devicePixelRatio);

    const std::vector<CatalogStar>* stars_ = nullptr;
    const std::vector<ConstellationPolyline>* figures_ = nullptr;
    GeometryKey geometryKey_;
    ArmillaryGeometry geometry_;
    int geometryBuilds_ = 0;
    Picture picture_;
    int pictureRenders_ = 0;
    StarSprites sprites_;
    double spritesDevicePixelRatio_ = 0.0;
};

/// Draws the star chart of the model for a view of `size` points with `painter`: a dark grey
/// ground, the sky's disc (whole or enlarged by `state.scaleMode`, turned by
/// `state.rotation`) with the layers the settings choose, the stars down to the limit, the
/// Sun, the Moon and the planets, and the compass labels along the rim (every 45 degrees of
/// the whole circle, or every 5 degrees over the part of the enlarged chart in view). On a
/// raster device (screen, image) the disc comes from the cache's picture; otherwise (PDF, a
/// recording) every layer is drawn as vector geometry.
void drawArmillary(const Ephemeris& model, const ArmillarySettings& settings,
                   const ArmillaryViewState& state, QSizeF size, QPainter& painter,
                   ArmillaryCache& cache);

/// The same with a cache of its own for this one drawing (the resources' catalogues).
void drawArmillary(const Ephemeris& model, const ArmillarySettings& settings,
                   const ArmillaryViewState& state, QSizeF size, QPainter& painter);

}  // namespace quenaro
