#pragma once

namespace quenaro {

/// A place on the Earth: latitude positive north, longitude positive east, both in degrees.
struct GeographicPosition {
    double latitudeDegrees = 45.0;
    double longitudeDegrees = -90.0;
};

/// The best known position of the observer, used by models made without a place. It is the
/// last position set with setBestKnownPosition(), else the fallback 45 N, 90 W.
GeographicPosition bestKnownPosition();
/// Records the observer's position for models made from now on without a place.
void setBestKnownPosition(const GeographicPosition& position);

}  // namespace quenaro
