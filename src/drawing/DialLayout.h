#pragma once

#include "drawing/Geometry.h"

namespace quenaro {

/// The orrery dial's one angle convention. A dial angle is degrees: 0 straight down from the
/// centre, 90 to the right, 180 at the top, 270 to the left, so a growing angle turns
/// counterclockwise on screen. A body of ecliptic longitude L stands at dial angle
/// rotation + L (see dialRotation); a horizon direction of azimuth A (from the north through
/// the east) stands at dial angle -A, so the east is on the left. The view's own orientation
/// is added to every angle drawn and hit-tested.

/// The offset from the dial's centre of the point at dial angle `angleDegrees` and `radius`
/// points out: (radius sin angle, radius cos angle), y down.
Point dialPoint(double angleDegrees, double radius);

/// The dial's base rotation, degrees: 180 - LAST (the local apparent sidereal time in degrees,
/// 0-360), narrowed to float as every dial angle is, so the longitude equal to LAST is at the
/// top.
float dialRotation(double localApparentSiderealTimeDegrees);

/// The angle turned about the dial's centre from the offset `from` to the offset `to` (both
/// relative to the centre, points), radians in [-pi, pi]: positive clockwise on screen, the
/// shorter way round.
double turnAboutCentre(Point from, Point to);

/// The dial laid out in a square view: its centre and radius R (half the view's width), and
/// where each of its parts stands, as fractions of R.
struct DialLayout {
    /// The ring's inner edge, and the circle the Sun runs on.
    static constexpr double kRingInner = 0.8;
    /// The middle of the ring, where the signs stand.
    static constexpr double kSignCircle = 0.9;
    /// The planets, near the ring's outer edge.
    static constexpr double kPlanetCircle = 0.95;
    /// The Moon.
    static constexpr double kMoonCircle = 0.5;
    /// The Sun's and the Moon's discs' radius.
    static constexpr double kDiscRadius = 0.085;
    /// E and W, from the centre.
    static constexpr double kLabelDistance = 0.7;
    /// A press beyond this holds the ring (unless it holds the Sun).
    static constexpr double kRingGrab = 0.7;
    /// A press within this holds nothing.
    static constexpr double kDeadCentre = 0.5;
    /// How near the Sun's centre a press holds the Sun, points.
    static constexpr double kSunGrabPoints = 32.0;

    /// The layout of a dial in a view `width` points wide.
    static DialLayout forWidth(double width) { return {{width / 2, width / 2}, width / 2}; }

    /// The point of the view at dial angle `angleDegrees` and `fraction` of R from the centre.
    Point at(double angleDegrees, double fraction) const {
        return centre + dialPoint(angleDegrees, fraction * radius);
    }

    Point centre;
    double radius = 0.0;
};

}  // namespace quenaro
