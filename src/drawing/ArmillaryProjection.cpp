// The star chart's projection: the sky above the horizon as a disc, the zenith at its centre,
// altitude falling linearly to the horizon at the rim.

#include "drawing/ArmillaryProjection.h"

#include <algorithm>
#include <cmath>

#include "model/Coordinate.h"
#include "model/Ephemeris.h"
#include "time/Degrees.h"

namespace quenaro {

namespace {

/// The zenith's distance below the top edge in the enlarged chart, points.
constexpr double kEnlargedZenithInset = 16.0;

}  // namespace

ChartFrame chartFrame(Size viewSize, bool scaleMode) {
    const double width = viewSize.width;
    const double height = viewSize.height;
    if (!scaleMode) {
        return {Point{width / 2.0, height / 2.0}, std::max(width / 2.0, 0.0)};
    }
    return {Point{width / 2.0, kEnlargedZenithInset}, std::max(height - kEnlargedZenithInset, 0.0)};
}

Point projectAltAz(double altitudeDegrees, double azimuthDegrees, double radius) {
    const double rho = radius * (90.0 - altitudeDegrees) / 90.0;
    return {rho * sind(azimuthDegrees), rho * cosd(azimuthDegrees)};
}

ChartPoint projectHorizontal(const Coordinate& horizontal, double radius) {
    const Point point = projectAltAz(horizontal.altitude, horizontal.azimuth, radius);
    const bool finite = std::isfinite(point.x) && std::isfinite(point.y);
    return {point, finite && horizontal.altitude > 0.0};
}

ChartPoint projectEquatorial(const Ephemeris& model, float rightAscensionHours,
                             float declinationDegrees, double radius) {
    Coordinate position;
    position.rightAscension = rightAscensionHours * 360.0f / 24.0f;
    position.declination = declinationDegrees;
    model.calcHorizontal(position);
    return projectHorizontal(position, radius);
}

ChartPoint projectEcliptic(const Ephemeris& model, float latitudeDegrees, float longitudeDegrees,
                           double radius) {
    Coordinate position;
    position.latitude = latitudeDegrees;
    position.longitude = longitudeDegrees;
    model.calcGeocentric(position);
    model.calcHorizontal(position);
    return projectHorizontal(position, radius);
}

}  // namespace quenaro
