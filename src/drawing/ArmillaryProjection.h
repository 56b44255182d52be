#pragma once

#include "drawing/Geometry.h"

namespace quenaro {

class Ephemeris;
struct Coordinate;

/// Where the star chart lies in its view, points.
struct ChartFrame {
    /// The zenith: the middle of the view (whole sky), or 16 points below the middle of the
    /// top edge (enlarged).
    Point centre;
    /// The horizon's radius: half the view's width (whole sky) or the view's height less 16
    /// (enlarged, so the horizon reaches the bottom edge); 0 when the view is too small.
    double radius = 0.0;
};

/// The chart's place in a view of the size (points): the whole sky when `scaleMode` is false,
/// the enlarged sky near the horizon when true.
ChartFrame chartFrame(Size viewSize, bool scaleMode);

/// A position on the chart, in the chart's own frame: origin at the zenith, points, before
/// any turn (south straight down, west to the right, north up, east to the left).
struct ChartPoint {
    Point point;
    /// Above the horizon: altitude > 0 (a point exactly on the horizon is not).
    bool visible = false;
};

/// The chart's point of a horizontal position (altitude -90..90 degrees, azimuth degrees from
/// the south towards the west) for a horizon of `radius` points: at distance
/// radius * (90 - altitude) / 90 from the zenith (beyond the horizon for negative altitudes),
/// x = rho sin(azimuth), y = rho cos(azimuth).
Point projectAltAz(double altitudeDegrees, double azimuthDegrees, double radius);

/// The chart's point of a record whose `altitude` and `azimuth` are filled; visible when the
/// altitude is above 0. A non-finite altitude or azimuth gives a point that is not visible.
ChartPoint projectHorizontal(const Coordinate& horizontal, double radius);

/// The chart's point of an equatorial position (right ascension hours, declination degrees)
/// for the model's date and place.
ChartPoint projectEquatorial(const Ephemeris& model, float rightAscensionHours,
                             float declinationDegrees, double radius);

/// The chart's point of an ecliptic position of date (latitude, longitude, degrees) for the
/// model's date and place; the model adds the nutation in longitude.
ChartPoint projectEcliptic(const Ephemeris& model, float latitudeDegrees, float longitudeDegrees,
                           double radius);

}  // namespace quenaro
