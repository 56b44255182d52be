#pragma once

namespace quenaro {

/// One body's position in the model's frames. All angles in degrees.
/// - latitude, longitude: geocentric ecliptic coordinates.
/// - radius: geocentric distance in kilometres (the Sun's as the Moon's).
/// - rightAscension, declination: equatorial; after Ephemeris::calcGeocentric both are reduced
///   to [0, 360) (a declination of -10 is held as 350).
/// - parallax: set only on corrected copies of the Moon (Ephemeris::correctPosition).
/// - altitude: geometric, no refraction; azimuth: from the south point towards the west
///   (0 south, 90 west, 180 north, 270 east).
struct Coordinate {
    double latitude = 0.0;
    double longitude = 0.0;
    double radius = 0.0;
    double rightAscension = 0.0;
    double declination = 0.0;
    double parallax = 0.0;
    double altitude = 0.0;
    double azimuth = 0.0;
};

}  // namespace quenaro
