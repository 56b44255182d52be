#include "model/SunriseScan.h"

#include <cmath>

#include "time/CivilCalendar.h"
#include "time/TimeUnits.h"

namespace quenaro {

namespace {

constexpr double kDegreesToRadians = 0.017453292519943295;
constexpr double kTwoPi = 6.283185307179586;

double fractionalPart(double x) {
    return x - std::floor(x);
}

int signOf(double x) {
    return (x > 0.0) - (x < 0.0);
}

}  // namespace

double SunriseScan::julianDay(int month, int day, int year) {
    return julianDayNumber(year, month, day) - 0.5;
}

double SunriseScan::lst(double longitudeRevolutions, double daysSinceJ2000, double zoneDays) {
    const double seconds = 24110.5 + 8640184.813 * daysSinceJ2000 / 36525.0 + 86636.6 * zoneDays +
                           kSecondsPerDay * longitudeRevolutions;
    return fractionalPart(seconds / kSecondsPerDay) * 360.0 * kDegreesToRadians;
}

double SunriseScan::sun(double daysSinceJ2000, double centuriesSince1900, double& rightAscension,
                        double& declination) {
    const double t = daysSinceJ2000;
    const double tt = centuriesSince1900;
    const double l = kTwoPi * fractionalPart(0.779072 + 0.00273790931 * t);
    const double g = kTwoPi * fractionalPart(0.993126 + 0.0027377785 * t);
    const double v = 0.39785 * std::sin(l) - 0.01 * std::sin(l - g) + 0.00333 * std::sin(l + g) -
                     0.00021 * tt * std::sin(l);
    const double u =
        1.0 - 0.03349 * std::cos(g) - 0.00014 * std::cos(2.0 * l) + 0.00008 * std::cos(l);
    const double w = -0.0001 - 0.04129 * std::sin(2.0 * l) + 0.03211 * std::sin(g) +
                     0.00104 * std::sin(2.0 * l - g) - 0.00035 * std::sin(2.0 * l + g) -
                     0.00008 * tt * std::sin(g);
    double s = w / std::sqrt(u - v * v);
    rightAscension = l + std::atan(s / std::sqrt(1.0 - s * s));
    s = v / std::sqrt(u);
    declination = std::atan(s / std::sqrt(1.0 - s * s));
    return declination;
}

double SunriseScan::riseSet(int month, int day, int year, double latitudeDegrees,
                            double longitudeDegrees, int zoneOffsetSeconds) {
    const int zoneHours = zoneOffsetSeconds / 3600;  // whole hours, truncated toward zero
    const double zoneDays = zoneHours / 24.0;
    const double t = julianDay(month, day, year) - 2451545.0;
    const double tt = t / 36525.0 + 1.0;
    const double siderealTimeAtStart = lst(longitudeDegrees / 360.0, t, zoneDays);

    double alpha1 = 0.0;
    double delta1 = 0.0;
    double alpha2 = 0.0;
    double delta2 = 0.0;
    sun(t + zoneDays, tt, alpha1, delta1);
    sun(t + zoneDays + 1.0, tt, alpha2, delta2);
    if (alpha2 < alpha1) {
        alpha2 += kTwoPi;
    }

    Sunrise = false;
    Sunset = false;
    RAn[0] = alpha1;
    Dec[0] = delta1;
    double value = 0.0;
    for (int hour = 0; hour < 24; ++hour) {
        RAn[2] = alpha1 + (hour + 1) * (alpha2 - alpha1) / 24.0;
        Dec[2] = delta1 + (hour + 1) * (delta2 - delta1) / 24.0;
        value = test_hour(hour, siderealTimeAtStart, latitudeDegrees);
        VHz[2] = value;
        RAn[0] = RAn[2];
        Dec[0] = Dec[2];
        VHz[0] = value;
    }
    return value;
}

double SunriseScan::test_hour(int hourIndex, double siderealTimeAtStart, double latitudeDegrees) {
    constexpr double kSiderealRadiansPerHour = 0.26251616834300473;  // 15 deg * 1.0027379
    const double h0 = siderealTimeAtStart - RAn[0] + hourIndex * kSiderealRadiansPerHour;
    const double h2 = hourIndex * kSiderealRadiansPerHour + (siderealTimeAtStart - RAn[2]) +
                      kSiderealRadiansPerHour;
    const double h1 = (h0 + h2) / 2.0;
    Dec[1] = (Dec[2] + Dec[0]) / 2.0;

    const double s = std::sin(latitudeDegrees * kDegreesToRadians);
    const double c = std::cos(latitudeDegrees * kDegreesToRadians);
    const double z = std::cos(1.5853349194640094);  // the horizon at 90.833 deg from the zenith

    if (hourIndex <= 0) {
        VHz[0] = s * std::sin(Dec[0]) + c * std::cos(Dec[0]) * std::cos(h0) - z;
    }
    VHz[2] = s * std::sin(Dec[2]) + c * std::cos(Dec[2]) * std::cos(h2) - z;
    if (signOf(VHz[0]) == signOf(VHz[2])) {
        return VHz[2];
    }

    VHz[1] = s * std::sin(Dec[1]) + c * std::cos(Dec[1]) * std::cos(h1) - z;
    // Quadratic through the three values; its root in [0, 1] is the crossing's hour fraction.
    const double a = 2.0 * VHz[0] - 4.0 * VHz[1] + 2.0 * VHz[2];
    const double b = -3.0 * VHz[0] + 4.0 * VHz[1] - VHz[2];
    double d = b * b - 4.0 * a * VHz[0];
    if (d < 0.0) {
        return VHz[2];
    }
    d = std::sqrt(d);
    double e = (d - b) / (2.0 * a);
    if (e > 1.0 || e < 0.0) {
        e = (-b - d) / (2.0 * a);
    }

    const double crossing = hourIndex + e;
    if (!(std::fabs(crossing) <= 48.0)) {
        return VHz[2];  // degenerate quadratic (a near 0): no usable crossing this hour
    }
    const double hour = std::floor(crossing);
    const double minute = std::floor((crossing - hour) * 60.0);
    const HourMinute time{static_cast<int>(hour), static_cast<int>(minute)};

    const double h7 = h0 + e * (h2 - h0);
    double azimuth = std::atan2(-std::cos(Dec[1]) * std::sin(h7),
                                c * std::sin(Dec[1]) - s * std::cos(Dec[1]) * std::cos(h7)) /
                     kDegreesToRadians;
    if (azimuth < 0.0) {
        azimuth += 360.0;
    }

    if (VHz[0] < 0.0 && VHz[2] > 0.0) {
        Rise_time = time;
        Rise_az = azimuth;
        Sunrise = true;
    }
    if (VHz[0] > 0.0 && VHz[2] < 0.0) {
        Set_time = time;
        Set_az = azimuth;
        Sunset = true;
    }
    return VHz[2];
}

}  // namespace quenaro
