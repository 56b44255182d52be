#pragma once

#include <QTransform>

class QPainter;

namespace quenaro {

struct ArmillaryGeometry;
class StarSprites;

/// Draws the chart's disc and its layers from the geometry, in this order: the black disc
/// of the sky, then clipped to it the altitude/azimuth grid (cyan), the circles (green),
/// the ecliptic (white), the right-ascension/declination grid (magenta), the constellation
/// figures (yellow), the stars (white) and the Sun, the Moon and the planets. `chart` maps
/// the geometry's frame (origin at the zenith, points) into the painter's coordinates by a
/// turn and a shift. With `sprites` the stars are copied from its pre-drawn discs at device
/// pixels (for a painter on an image whose device pixel ratio is 1, its transform a plain
/// scale); without, each star is a filled ellipse (vector output). Leaves the painter's state
/// as it found it.
void paintArmillaryLayers(QPainter& painter, const ArmillaryGeometry& geometry,
                          const QTransform& chart, StarSprites* sprites);

}  // namespace quenaro
