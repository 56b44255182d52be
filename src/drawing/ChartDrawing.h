#pragma once

#include <cstdint>
#include <vector>

#include "catalog/ConstellationLines.h"
#include "catalog/StarCatalog.h"
#include "drawing/ArmillaryGeometry.h"
#include "drawing/ArmillarySettings.h"
#include "drawing/Drawing.h"

namespace quenaro {

class Ephemeris;
class PositionSource;
class TextMetrics;

/// The star chart's drawing, kept between frames: the geometry is projected anew only when
/// the model's date, place or position source, the horizon's radius or the settings change,
/// and the sky's disc
/// with all its layers is one layer whose key changes only then, so that a backend keeps its
/// picture while the chart turns and the labels move. Holds the catalogues by reference.
class ChartScene {
  public:
    /// A scene of the catalogues given; they must outlive it.
    ChartScene(const std::vector<CatalogStar>& stars,
               const std::vector<ConstellationPolyline>& figures);
    ChartScene(std::vector<CatalogStar>&&, const std::vector<ConstellationPolyline>&) = delete;
    ChartScene(const std::vector<CatalogStar>&, std::vector<ConstellationPolyline>&&) = delete;

    /// The star chart of the model for a view of `size` points: a dark grey ground, the sky's
    /// disc (whole or enlarged by `state.scaleMode`, turned by `state.rotation`) with the
    /// layers the settings choose, the stars down to the limit, the Sun, the Moon and the
    /// planets, and the compass labels along the rim (every 45 degrees of the whole circle, or
    /// every 5 degrees over the part of the enlarged chart in view).
    Drawing drawing(const Ephemeris& model, const ArmillarySettings& settings,
                    const ArmillaryViewState& state, Size size, const TextMetrics& metrics);

    /// The geometry for the model's date, place and position source, a horizon of `radius`
    /// points and the settings; built anew only when one of them differs from the last call's.
    const ArmillaryGeometry& geometry(const Ephemeris& model, const ArmillarySettings& settings,
                                      double radius);

    /// How many times the geometry has been built (diagnostics).
    int geometryBuilds() const { return geometryBuilds_; }

  private:
    struct GeometryKey {
        double instant = 0.0;
        double latitude = 0.0;
        double longitude = 0.0;
        /// Which source placed the bodies (none: the model's own series).
        const PositionSource* source = nullptr;
        double radius = 0.0;
        ArmillarySettings settings;
        friend bool operator==(const GeometryKey&, const GeometryKey&) = default;
    };

    const std::vector<CatalogStar>* stars_;
    const std::vector<ConstellationPolyline>* figures_;
    GeometryKey geometryKey_;
    ArmillaryGeometry geometry_;
    int geometryBuilds_ = 0;
    /// The sky's layer for the present geometry, and its key.
    std::shared_ptr<const Drawing> sky_;
    std::uint64_t skyVersion_ = 0;
};

/// The sky's disc and its layers from the geometry, in the chart's frame (origin at the
/// zenith), in this order: the black disc of the sky, then clipped to it the
/// altitude/azimuth grid (cyan), the circles (green), the ecliptic (white), the
/// right-ascension/declination grid (magenta), the constellation figures (yellow), the stars
/// (white) and the Sun, the Moon and the planets.
Drawing skyDrawing(const ArmillaryGeometry& geometry);

}  // namespace quenaro
