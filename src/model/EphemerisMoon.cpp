// The MoonPhase group of the Ephemeris model: the Moon's geocentric position from the
// principal periodic terms of ELP-2000/82, its phase, age, lunation and distance.

#include <cmath>

#include "model/Ephemeris.h"
#include "series/tables/MoonCoefficients.h"
#include "time/Degrees.h"
#include "time/TimeUnits.h"

namespace quenaro {

namespace {

constexpr double kPi = 3.141592653589793;

// Eccentricity weighting of a periodic term: E for terms in the Sun's anomaly, E^2 for its
// double.
double eccentricityWeight(double sunAnomalyMultiplier, double eccentricity) {
    const double multiplier = std::fabs(sunAnomalyMultiplier);
    if (multiplier == 1.0) {
        return eccentricity;
    }
    if (multiplier == 2.0) {
        return eccentricity * eccentricity;
    }
    return 1.0;
}

const EphemerisDate& referenceNewMoon() {
    static const EphemerisDate newMoon =
        EphemerisDate::dateWithYear(2000, 5, 4, 4, 13, 0, TimeZone::gmt());
    return newMoon;
}

constexpr const char* kPhaseNames[8] = {"New Moon",       "Waxing Crescent", "First Quarter",
                                        "Waxing Gibbous", "Full Moon",       "Waning Gibbous",
                                        "Last Quarter",   "Waning Crescent"};

}  // namespace

double Ephemeris::meanAnomalyOfTheMoon() const {
    const double t = julianCenturies();
    return mod360(134.9634114 + t * (477198.8676313 + t * 0.008997));
}

double Ephemeris::meanElongationOfTheMoon() const {
    const double t = julianCenturies();
    return mod360(297.8502042 + t * (445267.1115168 + t * -0.00163));
}

void Ephemeris::moonCoordinate(Coordinate& coordinate) const {
    if (myPositionSource) {
        const double parallax = coordinate.parallax;
        coordinate = myPositionSource->apparentPlace(Moon, myJulianDate);
        coordinate.latitude = mod360(coordinate.latitude);
        coordinate.declination = mod360(coordinate.declination);
        coordinate.parallax = parallax;
        return;
    }
    const double t = julianCenturies();
    const double elongation = meanElongationOfTheMoon();
    const double sunAnomaly = meanAnomalyOfTheSun();
    const double moonAnomaly = meanAnomalyOfTheMoon();
    const double argumentOfLatitude = 93.2720993 + t * (483202.0175273 + t * -0.0034029);
    const double eccentricity = 1.0 + t * (-0.002516 + t * -0.0000074);
    const double meanLongitude = 218.3164591 + t * (481267.88134236 + t * -0.0013268);
    const double a1 = 119.75 + 131.849 * t;
    const double a2 = 53.09 + 479264.29 * t;
    const double a3 = 313.45 + 481266.484 * t;

    double sumLongitude = 0.0;  // 1e-6 degree
    double sumDistance = 0.0;   // 1e-3 km
    for (std::size_t row = 0; row < std::size(g_MoonCoefficients1); ++row) {
        const CAAMoonArgument& argument = g_MoonCoefficients1[row];
        const double angle = argument.D * elongation + argument.M * sunAnomaly +
                             argument.MPrime * moonAnomaly + argument.F * argumentOfLatitude;
        const double weight = eccentricityWeight(argument.M, eccentricity);
        sumDistance += g_MoonCoefficients2[row].SigmaR * weight * cosd(angle);
        sumLongitude += g_MoonCoefficients2[row].SigmaL * weight * sind(angle);
    }
    double sumLatitude = 0.0;  // 1e-6 degree
    for (std::size_t row = 0; row < std::size(g_MoonCoefficients3); ++row) {
        const CAAMoonArgument& argument = g_MoonCoefficients3[row];
        const double angle = argument.D * elongation + argument.M * sunAnomaly +
                             argument.MPrime * moonAnomaly + argument.F * argumentOfLatitude;
        sumLatitude +=
            g_MoonCoefficients4[row] * eccentricityWeight(argument.M, eccentricity) * sind(angle);
    }

    // Additive terms: Venus (A1), Jupiter (A2) and the flattening of the Earth (L' - F, A3).
    sumLongitude = (3958.0 * sind(a1) + sumLongitude) +
                   1962.0 * sind(meanLongitude - argumentOfLatitude) + 318.0 * sind(a2);
    sumLatitude = (-2235.0 * sind(meanLongitude) + sumLatitude) + 382.0 * sind(a3) +
                  175.0 * sind(a1 - argumentOfLatitude) + 175.0 * sind(a1 + argumentOfLatitude) +
                  127.0 * sind(meanLongitude - moonAnomaly) -
                  115.0 * sind(meanLongitude + moonAnomaly);

    coordinate.latitude = mod360(sumLatitude / 1000000.0);
    coordinate.longitude = mod360(meanLongitude + sumLongitude / 1000000.0);
    coordinate.radius = sumDistance / 1000.0 + 385000.56;
    calcGeocentric(coordinate);
}

Coordinate Ephemeris::moonCoordinate() {
    calcHorizontal(myMoon);
    return myMoon;
}

double Ephemeris::moonDistance() const {
    return myMoon.radius;
}

double Ephemeris::moonDiameter() const {
    return 2.0 * 358473400.0 / moonDistance();
}

EphemerisDate Ephemeris::moonRise() const {
    return *calcRiseSet(RiseEvent, Moon);
}

EphemerisDate Ephemeris::moonSet() const {
    return *calcRiseSet(SetEvent, Moon);
}

EphemerisDate Ephemeris::moonTransit() const {
    return *calcRiseSet(TransitEvent, Moon);
}

double Ephemeris::elongationFromSun() const {
    const double longitudeDifference = myMoon.longitude - mySun.longitude;
    const double elongation =
        std::acos(cosd(myMoon.latitude) * cosd(longitudeDifference));  // radians
    const double sunDistanceKm = mySun.radius;
    const double phaseAngle = std::atan(sunDistanceKm * std::sin(elongation) /
                                        (myMoon.radius - sunDistanceKm * std::cos(elongation)));
    double phaseDegrees = phaseAngle / kPi * 180.0;
    if (phaseAngle < 0.0) {
        phaseDegrees += 180.0;
    }
    if (mod360(longitudeDifference) > 180.0) {
        phaseDegrees = -phaseDegrees;
    }
    return phaseDegrees;
}

double Ephemeris::xelongationFromSun() const {
    const double elongation = meanElongationOfTheMoon();
    const double sunAnomaly = meanAnomalyOfTheSun();
    const double moonAnomaly = meanAnomalyOfTheMoon();
    return mod360(180.0 - elongation - 6.289 * sind(moonAnomaly) + 2.1 * sind(sunAnomaly) -
                  1.274 * sind(2.0 * elongation - moonAnomaly) - 0.658 * sind(2.0 * elongation) -
                  0.214 * sind(2.0 * moonAnomaly) - 0.11 * sind(elongation));
}

double Ephemeris::illuminatedFraction() const {
    return (1.0 + cosd(elongationFromSun())) * 0.5;
}

double Ephemeris::currentPhase() const {
    return illuminatedFraction();
}

std::string Ephemeris::phaseOfMoonName() const {
    // Eight 45-degree sectors of the phase angle, the first centred on full Moon.
    const double phaseAngle = elongationFromSun();
    const double sector = std::floor(((phaseAngle + 180.0 + 360.0) - 22.5) / 45.0);
    if (!std::isfinite(sector)) {
        return kNoAngleText;
    }
    const int k = static_cast<int>(sector - 8.0 * std::floor(sector / 8.0));  // [0, 8)
    return kPhaseNames[7 - k];
}

double Ephemeris::ageOfMoon() const {
    return mod360(myMoon.longitude - mySun.longitude) / 360.0 * 29.530589;
}

double Ephemeris::lunarPeriod() {
    return 2551443.0;
}

float Ephemeris::phaseOfMoon(float* daysToFullMoon) const {
    const double wallSeconds = myDate.timeIntervalSinceReferenceDate() + myDate.secondsFromGMT();
    const double period = lunarPeriod();
    const auto phase = static_cast<float>(
        std::fmod(wallSeconds - referenceNewMoon().timeIntervalSinceReferenceDate(), period) /
        period);
    if (daysToFullMoon != nullptr) {
        const double fullMoonAt = phase > 0.5 ? 1.5 : 0.5;
        *daysToFullMoon = static_cast<float>((fullMoonAt - phase) * period / kSecondsPerDay);
    }
    return phase;
}

int Ephemeris::lunation() const {
    static const double firstLunationJulianDate =
        EphemerisDate::dateWithYear(1923, 1, 17, 0, 0, 0, TimeZone::gmt()).julianDate();
    const double lunations = (lastPhase(0).julianDate() - firstLunationJulianDate) / 29.530589;
    return static_cast<int>(std::lround(lunations)) + 1;
}

EphemerisDate Ephemeris::lastPhase(int /*phase*/) const {
    return myDate.dateByAddingYears(0, 0, 28, 0, 0, 0);
}

}  // namespace quenaro
