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

/// c[1] + 2 c[2] t + ... + 5 c[5] t^4, the derivative of polynomial().
double polynomialRate(const std::array<double, 6>& coefficients, double t) {
    double rate = 0.0;
    for (std::size_t i = coefficients.size(); i-- > 1;) {
        rate = rate * t + static_cast<double>(i) * coefficients[i];
    }
    return rate;
}

}  // namespace

Motion elpMpp02Moon(double julianEphemerisDate) {
    constexpr double daysPerCentury = 36525.0;
    const double t = (julianEphemerisDate - 2451545.0) / daysPerCentury;
    const std::array<double, 5> powers{1.0, t, t * t, t * t * t, t * t * t * t};
    std::array<double, 3> sums{};   // L and B in arcseconds, R in km
    std::array<double, 3> rates{};  // their derivatives by t
    std::size_t begin = 0;
    for (std::size_t coordinate = 0; coordinate < 3; ++coordinate) {
        std::array<double, 4> byPower{};
        std::array<double, 4> rateByPower{};  // d/dt of each power's sum of sines
        for (std::size_t power = 0; power < byPower.size(); ++power) {
            const std::size_t end = g_ElpMpp02.ends[coordinate][power];
            for (std::size_t i = begin; i < end; ++i) {
                const ElpMpp02Term& term = g_ElpMpp02.terms[i];
                const double phase = term.phi[0] + term.phi[1] * t + term.phi[2] * powers[2] +
                                     term.phi[3] * powers[3] + term.phi[4] * powers[4];
                const double phaseRate = term.phi[1] + 2.0 * term.phi[2] * t +
                                         3.0 * term.phi[3] * powers[2] +
                                         4.0 * term.phi[4] * powers[3];
                byPower[power] += term.A * std::sin(phase);
                rateByPower[power] += term.A * phaseRate * std::cos(phase);
            }
            begin = end;
        }
        for (std::size_t power = 0; power < byPower.size(); ++power) {
            sums[coordinate] += powers[power] * byPower[power];
            rates[coordinate] += powers[power] * rateByPower[power] +
                                 (power > 0 ? power * powers[power - 1] * byPower[power] : 0.0);
        }
    }
    const Motion ofDate = rectangularMotion(
        polynomial(g_ElpMpp02.w1, t) + sums[0] * radiansPerArcsecond, sums[1] * radiansPerArcsecond,
        sums[2],
        (polynomialRate(g_ElpMpp02.w1, t) + rates[0] * radiansPerArcsecond) / daysPerCentury,
        rates[1] * radiansPerArcsecond / daysPerCentury, rates[2] / daysPerCentury);

    // Laskar's rotation from the mean ecliptic of date to the inertial ecliptic of J2000.
    double p = polynomial(g_ElpMpp02.p, t);
    double q = polynomial(g_ElpMpp02.q, t);
    const double ra = 2.0 * std::sqrt(1.0 - p * p - q * q);
    const double pq = 2.0 * p * q;
    const double p2 = 1.0 - 2.0 * p * p;
    const double q2 = 1.0 - 2.0 * q * q;
    p *= ra;
    q *= ra;
    const auto rotate = [&](const std::array<double, 3>& x) {
        return std::array<double, 3>{p2 * x[0] + pq * x[1] + p * x[2],
                                     pq * x[0] + q2 * x[1] - q * x[2],
                                     -p * x[0] + q * x[1] + (p2 + q2 - 1.0) * x[2]};
    };
    return {rotate(ofDate.position), rotate(ofDate.velocity)};
}

}  // namespace quenaro
