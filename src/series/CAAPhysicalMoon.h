#pragma once

namespace quenaro {

/// The Sun as seen from the Moon's centre, in selenographic coordinates, returned by value.
struct CAASelenographicSun {
    /// Selenographic longitude of the Sun, degrees, about (-181, 181).
    double Longitude;
    /// Selenographic latitude of the Sun, degrees, within about ±1.6.
    double Latitude;
    /// Selenographic colongitude of the Sun, 450 - Longitude reduced, degrees in [0, 360].
    double Colongitude;
};

/// The Moon's optical and physical librations and the selenographic position of the Sun
/// (Cassini's laws with the inclination of the lunar equator I = 1.54242°, and the principal
/// terms of the physical libration). JD is a Julian date taken as dynamical time.
class CAAPhysicalMoon {
  public:
    /// Librations of a point seen at ecliptic longitude `Lambda` and latitude `Beta` (degrees)
    /// at JD. Fills, in order: the optical librations in longitude `ldash` (degrees, in
    /// (-180, 180]) and latitude `bdash` (degrees); the physical librations in longitude
    /// `ldash2` and latitude `bdash2` (degrees, within about ±0.04); the true obliquity
    /// `epsilon` (degrees); the Moon's mean ascending node `omega` (radians, [0, 2 pi]); the
    /// nutation in longitude `DeltaPsi` (radians); the physical-libration sums `sigma`
    /// (degrees), the inclination `I` (radians) and `rho` (degrees).
    static void CalculateOpticalLibration(double JD, double Lambda, double Beta, double& ldash,
                                          double& bdash, double& ldash2, double& bdash2,
                                          double& epsilon, double& omega, double& DeltaPsi,
                                          double& sigma, double& I, double& rho);

    /// The selenographic longitude, latitude and colongitude of the Sun at JD: the librations
    /// of the heliocentric direction of the Moon.
    static CAASelenographicSun CalculateSelenographicPositionOfSun(double JD);
};

}  // namespace quenaro
