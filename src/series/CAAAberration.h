#pragma once

#include "series/CAACoordinateTransformation.h"

namespace quenaro {

/// Annual aberration in ecliptic coordinates: the classical formula with the term in the
/// eccentricity of the Earth's orbit, aberration constant 20.49552″.
class CAAAberration {
  public:
    /// Corrections to add to the ecliptic Longitude and Latitude (degrees) of a body at JD (a
    /// Julian date taken as dynamical time): X = delta lambda, Y = delta beta, both degrees
    /// (below about 0.006°). Divides by cos Latitude: meant for bodies near the ecliptic, not
    /// for a latitude of ±90°.
    static CAACoordinatePair EclipticAberration(double Longitude, double Latitude, double JD);

    /// The same, for a caller that already holds the Sun's geometric longitude at JD
    /// (CAASun::GeometricEclipticLongitude, degrees): saves evaluating the Earth's longitude
    /// series again, with an identical result.
    static CAACoordinatePair EclipticAberration(double Longitude, double Latitude, double JD,
                                                double SunGeometricLongitude);
};

}  // namespace quenaro
