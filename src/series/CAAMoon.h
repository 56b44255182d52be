#pragma once

namespace quenaro {

/// Multipliers of D (the Moon's mean elongation), M (the Sun's mean anomaly), M' (the Moon's
/// mean anomaly) and F (the Moon's argument of latitude) in one periodic term of the Moon.
struct CAAMoonArgument {
    double D;
    double M;
    double MPrime;
    double F;
};

/// Coefficients of one longitude-and-distance term of the Moon: SigmaL the sine coefficient of
/// the longitude (1e-6 degree), SigmaR the cosine coefficient of the distance (1e-3 km).
struct CAAMoonTerm {
    double SigmaL;
    double SigmaR;
};

/// The Moon's mean elements and its geocentric position from the principal periodic terms of
/// ELP-2000/82 (Chapront-Touzé & Chapront). JD is a Julian date taken as dynamical time (no
/// delta T applied); the mean elements are quartic polynomials in Julian centuries from
/// J2000.0.
class CAAMoon {
  public:
    /// Mean longitude L', degrees in [0, 360].
    static double MeanLongitude(double JD);
    /// Mean elongation D, degrees in [0, 360].
    static double MeanElongation(double JD);
    /// Mean anomaly M', degrees in [0, 360].
    static double MeanAnomaly(double JD);
    /// Argument of latitude F, degrees in [0, 360].
    static double ArgumentOfLatitude(double JD);
    /// Longitude of the mean ascending node Omega, degrees in [0, 360].
    static double MeanLongitudeAscendingNode(double JD);

    /// Apparent geocentric ecliptic longitude (with the nutation in longitude), degrees in
    /// [0, 360].
    static double EclipticLongitude(double JD);
    /// Geocentric ecliptic latitude, degrees, [-5.3, 5.3].
    static double EclipticLatitude(double JD);
    /// Distance between the centres of the Earth and the Moon, kilometres (about 356000 to
    /// 407000).
    static double RadiusVector(double JD);
};

}  // namespace quenaro
