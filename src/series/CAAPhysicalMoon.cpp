#include "series/CAAPhysicalMoon.h"

#include <cmath>

#include "series/AngleUnits.h"
#include "series/CAAEarth.h"
#include "series/CAAMoon.h"
#include "series/CAANutation.h"
#include "series/CAASun.h"
#include "series/ReduceTo360.h"

namespace quenaro {

void CAAPhysicalMoon::CalculateOpticalLibration(double JD, double Lambda, double Beta,
                                                double& ldash, double& bdash, double& ldash2,
                                                double& bdash2, double& epsilon, double& omega,
                                                double& DeltaPsi, double& sigma, double& I,
                                                double& rho) {
    // Optical libration: the direction (Lambda, Beta) in the frame of the lunar equator.
    I = DegreesToRadians(1.54242);
    DeltaPsi = DegreesToRadians(CAANutation::NutationInLongitude(JD) / 3600);
    const double F = DegreesToRadians(CAAMoon::ArgumentOfLatitude(JD));
    omega = DegreesToRadians(CAAMoon::MeanLongitudeAscendingNode(JD));
    epsilon =
        CAANutation::MeanObliquityOfEcliptic(JD) + CAANutation::NutationInObliquity(JD) / 3600;

    const double betaRadians = DegreesToRadians(Beta);
    const double W = DegreesToRadians(Lambda) - DeltaPsi - omega;
    const double sinW = std::sin(W);
    const double cosBeta = std::cos(betaRadians);
    const double sinBeta = std::sin(betaRadians);
    const double cosI = std::cos(I);
    const double sinI = std::sin(I);
    const double A = std::atan2(sinW * cosBeta * cosI - sinBeta * sinI, std::cos(W) * cosBeta);

    ldash = ReduceTo360(RadiansToDegrees(A - F));
    if (ldash > 180) {
        ldash -= 360;
    }
    const double bdashRadians = std::asin(-sinW * cosBeta * sinI - sinBeta * cosI);
    bdash = RadiansToDegrees(bdashRadians);

    // Physical libration: principal terms in the Moon's and the Sun's mean anomalies.
    const double T = (JD - 2451545) / 36525;
    const double K1 = DegreesToRadians(119.75 + 131.849 * T);
    const double K2 = DegreesToRadians(72.56 + 20.186 * T);
    const double M = DegreesToRadians(CAAEarth::SunMeanAnomaly(JD));
    const double MPrime = DegreesToRadians(CAAMoon::MeanAnomaly(JD));
    const double D = DegreesToRadians(CAAMoon::MeanElongation(JD));
    const double E = CAAEarth::Eccentricity(JD);

    rho = -0.02752 * std::cos(MPrime) - 0.02245 * std::sin(F) + 0.00684 * std::cos(MPrime - 2 * F) -
          0.00293 * std::cos(2 * F) - 0.00085 * std::cos(2 * F - 2 * D) -
          0.00054 * std::cos(MPrime - 2 * D) - 0.00020 * std::sin(MPrime + F) -
          0.00020 * std::cos(MPrime + 2 * F) - 0.00020 * std::cos(MPrime - F) +
          0.00014 * std::cos(MPrime + 2 * F - 2 * D);

    sigma = -0.02816 * std::sin(MPrime) + 0.02244 * std::cos(F) -
            0.00682 * std::sin(MPrime - 2 * F) - 0.00279 * std::sin(2 * F) -
            0.00083 * std::sin(2 * F - 2 * D) + 0.00069 * std::sin(MPrime - 2 * D) +
            0.00040 * std::cos(MPrime + F) - 0.00025 * std::sin(2 * MPrime) -
            0.00023 * std::sin(MPrime + 2 * F) + 0.00020 * std::cos(MPrime - F) +
            0.00019 * std::sin(MPrime - F) + 0.00013 * std::sin(MPrime + 2 * F - 2 * D) -
            0.00010 * std::cos(MPrime - 3 * F);

    const double tau = 0.02520 * E * std::sin(M) + 0.00473 * std::sin(2 * MPrime - 2 * F) -
                       0.00467 * std::sin(MPrime) + 0.00396 * std::sin(K1) +
                       0.00276 * std::sin(2 * MPrime - 2 * D) + 0.00196 * std::sin(omega) -
                       0.00183 * std::cos(MPrime - F) + 0.00115 * std::sin(MPrime - 2 * D) -
                       0.00096 * std::sin(MPrime - D) + 0.00046 * std::sin(2 * F - 2 * D) -
                       0.00039 * std::sin(MPrime - F) - 0.00032 * std::sin(MPrime - M - D) +
                       0.00027 * std::sin(2 * MPrime - M - 2 * D) + 0.00023 * std::sin(K2) -
                       0.00014 * std::sin(2 * D) + 0.00014 * std::cos(2 * MPrime - 2 * F) -
                       0.00012 * std::sin(MPrime - 2 * F) - 0.00012 * std::sin(2 * MPrime) +
                       0.00011 * std::sin(2 * MPrime - 2 * M - 2 * D);

    ldash2 = (sigma * std::sin(A) + rho * std::cos(A)) * std::tan(bdashRadians) - tau;
    bdash2 = sigma * std::cos(A) - rho * std::sin(A);
}

CAASelenographicSun CAAPhysicalMoon::CalculateSelenographicPositionOfSun(double JD) {
    const double earthSunAU = CAAEarth::RadiusVector(JD);
    const double earthMoonKilometres = CAAMoon::RadiusVector(JD);
    const double sunLongitude = CAASun::ApparentEclipticLongtitude(JD);
    const double moonLongitude = CAAMoon::EclipticLongitude(JD);
    const double moonLatitude = CAAMoon::EclipticLatitude(JD);

    // The heliocentric direction of the Moon.
    constexpr double kilometresPerAU = 149597970;
    const double moonOverSun = earthMoonKilometres / (earthSunAU * kilometresPerAU);
    const double heliocentricLongitude =
        ReduceTo360(sunLongitude + 180 +
                    moonOverSun * 57.296 * std::cos(DegreesToRadians(moonLatitude)) *
                        std::sin(DegreesToRadians(sunLongitude - moonLongitude)));
    const double heliocentricLatitude = moonOverSun * moonLatitude;

    double ldash = 0;
    double bdash = 0;
    double ldash2 = 0;
    double bdash2 = 0;
    double epsilon = 0;
    double omega = 0;
    double DeltaPsi = 0;
    double sigma = 0;
    double I = 0;
    double rho = 0;
    CalculateOpticalLibration(JD, heliocentricLongitude, heliocentricLatitude, ldash, bdash, ldash2,
                              bdash2, epsilon, omega, DeltaPsi, sigma, I, rho);

    CAASelenographicSun sun{};
    sun.Longitude = ldash + ldash2;
    sun.Latitude = bdash + bdash2;
    sun.Colongitude = ReduceTo360(450 - sun.Longitude);
    return sun;
}

}  // namespace quenaro
