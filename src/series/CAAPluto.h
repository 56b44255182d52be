#pragma once

namespace quenaro {

/// Multipliers of the arguments J, S and P (mean longitudes of Jupiter, Saturn and Pluto) in
/// one periodic term of Pluto's series.
struct CAAPlutoArgument {
    double J;
    double S;
    double P;
};

/// Sine (A) and cosine (B) coefficients of one periodic term of Pluto's series, in 1e-6 degree
/// for longitude and latitude and 1e-7 AU for the radius vector.
struct CAAPlutoTerm {
    double A;
    double B;
};

/// Pluto's heliocentric ecliptic coordinates (J2000.0 frame) from its 43-term periodic series
/// (Goffin, valid 1885-2099; outside those years the series is evaluated the same way and
/// loses accuracy). JD is a Julian date taken as dynamical time.
class CAAPluto {
  public:
    /// Heliocentric ecliptic longitude, degrees in [0, 360].
    static double EclipticLongitude(double JD);
    /// Heliocentric ecliptic latitude, degrees.
    static double EclipticLatitude(double JD);
    /// Distance from the Sun, AU.
    static double RadiusVector(double JD);
};

}  // namespace quenaro
