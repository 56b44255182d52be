#pragma once

namespace quenaro {

/// Correction of ecliptic coordinates from the dynamical frame of VSOP87 to the FK5 frame.
/// Inputs in degrees; JD a Julian date taken as dynamical time.
class CAAFK5 {
  public:
    /// Degrees to add to the longitude (about -0.000025°, growing with tan Latitude):
    /// (-0.09033″ + 0.03916″ (cos L' + sin L') tan Latitude) / 3600, where
    /// L' = Longitude - 1.397 T - 0.00031 T^2 (T in Julian centuries from J2000.0).
    static double CorrectionInLongitude(double Longitude, double Latitude, double JD);
    /// Degrees to add to the latitude: 0.03916″ (cos L' - sin L') / 3600, L' as above.
    static double CorrectionInLatitude(double Longitude, double JD);
};

}  // namespace quenaro
