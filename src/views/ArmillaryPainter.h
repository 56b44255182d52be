#pragma once

#include <QSizeF>
#include <optional>
#include <vector>

#include "drawing/ChartDrawing.h"
#include "views/QtCanvas.h"

class QPainter;

namespace quenaro {

class Ephemeris;

/// What the star chart keeps between redraws: the scene (its geometry and the sky's layer,
/// rebuilt when the model's date, place or position source, the horizon's radius or the
/// settings change) and the canvas that keeps the picture of the sky's disc at device
/// resolution, turned while the user turns the chart. Main thread only.
class ArmillaryCache {
  public:
    /// A cache for the application's star catalogue and constellation figures, read from
    /// the resources when the chart is first drawn.
    ArmillaryCache() = default;
    /// A cache for the catalogues given; they are kept by reference and must outlive it.
    ArmillaryCache(const std::vector<CatalogStar>& stars,
                   const std::vector<ConstellationPolyline>& figures)
        : scene_(std::in_place, stars, figures) {}
    ArmillaryCache(std::vector<CatalogStar>&&, const std::vector<ConstellationPolyline>&) = delete;
    ArmillaryCache(const std::vector<CatalogStar>&, std::vector<ConstellationPolyline>&&) = delete;

    ChartScene& scene();
    QtCanvas& canvas() { return canvas_; }

    /// How many times the geometry has been built and the sky's picture drawn (diagnostics).
    int geometryBuilds() const { return scene_ ? scene_->geometryBuilds() : 0; }
    int pictureRenders() const { return canvas_.pictureRenders(); }

  private:
    std::optional<ChartScene> scene_;
    QtCanvas canvas_;
};

/// Draws the star chart of the model (ChartScene::drawing) for a view of `size` points with
/// `painter`. On a raster device (screen, image) the disc comes from the cache's picture;
/// otherwise (PDF, a recording) every layer is drawn as vector geometry.
void drawArmillary(const Ephemeris& model, const ArmillarySettings& settings,
                   const ArmillaryViewState& state, QSizeF size, QPainter& painter,
                   ArmillaryCache& cache);

/// The same with a cache of its own for this one drawing (the resources' catalogues).
void drawArmillary(const Ephemeris& model, const ArmillarySettings& settings,
                   const ArmillaryViewState& state, QSizeF size, QPainter& painter);

}  // namespace quenaro
