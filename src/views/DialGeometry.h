#pragma once

#include <QPointF>

namespace quenaro {

/// The point at dial angle `angleDegrees` and `radius` (points) from the dial's centre, in
/// coordinates relative to the centre with y growing downwards: (radius sin angle, radius cos
/// angle). Angle 0 is straight down, 90 to the right, 180 at the top, 270 to the left, so a
/// growing angle turns counterclockwise on screen.
QPointF dialPoint(double angleDegrees, double radius);

/// The dial's base rotation, degrees: 180 - LAST (the local apparent sidereal time in degrees,
/// 0-360), narrowed to float as every dial angle is. A body of ecliptic longitude L stands at
/// dial angle rotation + L, so the longitude equal to LAST is at the top.
float dialRotation(double localApparentSiderealTimeDegrees);

/// The angle turned about the dial's centre from the offset `from` to the offset `to` (both
/// relative to the centre, points), radians in [-pi, pi]: positive clockwise on screen, the
/// shorter way round.
double turnAboutCentre(QPointF from, QPointF to);

}  // namespace quenaro
