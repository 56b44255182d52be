#include "precise/ElpMpp02Moon.h"

#include <cmath>
#include <cstddef>
#include <numbers>

#include "precise/tables/ElpMpp02Terms.h"

namespace quenaro {

namespace {

constexpr double radiansPerArcsecond = std::numbers::pi / 648000.0;

/// c[0] + c[1] t + ... + c[5] t^5.
double polynomial(const std::array<double, 6>& coefficients, double t) {
    double value = 0.0;
    for (std::size_t i = coefficients.size(); i-- > 0;) {
        value = value * t + coefficients[i];
    }
    return value;
}

}  // namespace

std::array<double, 3> elpMpp02Moon(double julianEphemerisDate) {
    const double t = (julianEphemerisDate - 2451545.0) / 36525.0;
    const std::array<double, 5> powers{1.0, t, t * t, t * t * t, t * t * t * t};
    std::array<double, 3> sums{};  // L and B in arcseconds, R in km
    std::size_t begin = 0;
    for (std::size_t coordinate = 0; coordinate < 3; ++coordinate) {
        std::array<double, 4> byPower{};
        for (std::size_t power = 0; power < byPower.size(); ++power) {
            const std::size_t end = g_ElpMpp02.ends[coordinate][power];
            for (std::size_t i = begin; i < end; ++i) {
                const ElpMpp02Term& term = g_ElpMpp02.terms[i];
                const double phase = term.phi[0] + term.phi[1] * t + term.phi[2] * powers[2] +
                                     term.phi[3] * powers[3] + term.phi[4] * powers[4];
                byPower[power] += term.A * std::sin(phase);
            }
            begin = end;
        }
        sums[coordinate] =
            byPower[0] + t * byPower[1] + powers[2] * byPower[2] + powers[3] * byPower[3];
    }
    const double longitude = polynomial(g_ElpMpp02.w1, t) + sums[0] * radiansPerArcsecond;
    const double latitude = sums[1] * radiansPerArcsecond;
    const double distance = sums[2];
    const double x1 = distance * std::cos(latitude) * std::cos(longitude);
    const double x2 = distance * std::cos(latitude) * std::sin(longitude);
    const double x3 = distance * std::sin(latitude);

    // Laskar's rotation from the mean ecliptic of date to the inertial ecliptic of J2000.
    double p = polynomial(g_ElpMpp02.p, t);
    double q = polynomial(g_ElpMpp02.q, t);
    const double ra = 2.0 * std::sqrt(1.0 - p * p - q * q);
    const double pq = 2.0 * p * q;
    const double p2 = 1.0 - 2.0 * p * p;
    const double q2 = 1.0 - 2.0 * q * q;
    p *= ra;
    q *= ra;
    return {p2 * x1 + pq * x2 + p * x3, pq * x1 + q2 * x2 - q * x3,
            -p * x1 + q * x2 + (p2 + q2 - 1.0) * x3};
}

}  // namespace quenaro
