#pragma once

#include <optional>
#include <vector>

#include "catalog/ConstellationLines.h"
#include "catalog/StarCatalog.h"
#include "drawing/ArmillaryProjection.h"
#include "drawing/ArmillarySettings.h"
#include "drawing/Drawing.h"

namespace quenaro {

class Ephemeris;

/// Everything the star chart draws apart from its compass labels, projected for one model
/// date and place, one horizon radius and one set of settings: built once and drawn on
/// every redraw until one of those changes. Points in the chart's frame (ChartPoint); a
/// layer the settings leave out is empty.
struct ArmillaryGeometry {
    /// The horizon's radius the geometry was projected for, points.
    double radius = 0.0;
    /// Altitude/azimuth grid: the four cardinal spokes to the zenith (stroked 0.333 wide)...
    std::vector<Line> altAzCardinalSpokes;
    /// ...the other 32 spokes (to 80 degrees for every third, else to 70) and...
    std::vector<Line> altAzSpokes;
    /// ...the rings of altitude 80 down to 10 degrees, their radii (both stroked 0.25 wide).
    std::vector<double> altAzRingRadii;
    /// Tropics, polar circles and the celestial equator: hourly chords.
    std::vector<Line> circles;
    /// The ecliptic in 36 chords of 10 degrees of longitude.
    std::vector<Line> ecliptic;
    /// Declination circles every 10 degrees and hourly meridians: chords.
    std::vector<Line> raDec;
    /// Constellation figures: chords.
    std::vector<Line> constellations;
    /// The stars above the horizon down to the limit magnitude, white.
    std::vector<Disc> stars;
    /// The Sun, the Moon, Mercury, Venus, Mars, Jupiter and Saturn above the horizon, in
    /// that order, in their colours.
    std::vector<Disc> bodies;
};

/// Builds the chart's geometry for the model's date and place, a horizon of `radius` points
/// (> 0) and the settings, from the star catalogue and the constellation figures given.
/// Stars fainter than the limit are skipped before they are projected.
ArmillaryGeometry buildArmillaryGeometry(const Ephemeris& model, const ArmillarySettings& settings,
                                         double radius, const std::vector<CatalogStar>& stars,
                                         const std::vector<ConstellationPolyline>& figures);

/// The chord between two projected points that the grids, the circles and the ecliptic draw:
/// none unless at least one end is above the horizon and both are finite (the chart's disc
/// cuts off what lies below the horizon).
std::optional<Line> horizonChord(const ChartPoint& from, const ChartPoint& to);

/// A constellation chord: as horizonChord, and when dx + dy > 0 (dx, dy: `to` less `from`,
/// points) each end moved 1 point towards the other along the chord; otherwise full length.
std::optional<Line> constellationChord(const ChartPoint& from, const ChartPoint& to);

/// The diameter of a star's disc in points: sqrt(6 / (magnitude + 2)) / 3 + 0.5, about 0.82
/// at magnitude 4.5 and 1.61 at -1.46; magnitudes brighter than -1.5 (brighter than any
/// star) are drawn as -1.5, about 1.65 points.
double starDiscDiameter(float magnitude);

}  // namespace quenaro
