#include "precise/Vsop87bPosition.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace quenaro {

namespace {

constexpr double daysPerMillennium = 365250.0;

/// The three sums (L, B, R) at tau and, when `rates` is not null, their derivatives by tau.
std::array<double, 3> sums(const Vsop87bSeries& series, double tau, std::array<double, 3>* rates) {
    std::array<double, 3> values{};
    std::size_t begin = 0;
    for (std::size_t coordinate = 0; coordinate < 3; ++coordinate) {
        std::array<double, 6> byPower{};
        std::array<double, 6> rateByPower{};  // d/dtau of each power's sum of cosines
        for (std::size_t power = 0; power < byPower.size(); ++power) {
            const std::size_t end = series.ends[coordinate][power];
            for (std::size_t i = begin; i < end; ++i) {
                const Vsop87bTerm& term = series.terms[i];
                const double argument = term.B + term.C * tau;
                byPower[power] += term.A * std::cos(argument);
                if (rates != nullptr) {
                    rateByPower[power] -= term.A * term.C * std::sin(argument);
                }
            }
            begin = end;
        }
        // Horner's scheme over the powers of tau: the highest power's sum first.
        double value = 0.0;
        double rate = 0.0;
        for (std::size_t power = byPower.size(); power-- > 0;) {
            rate = rate * tau + rateByPower[power] +
                   (power + 1 < byPower.size() ? (power + 1) * byPower[power + 1] : 0.0);
            value = value * tau + byPower[power];
        }
        values[coordinate] = value;
        if (rates != nullptr) {
            (*rates)[coordinate] = rate;
        }
    }
    return values;
}

}  // namespace

std::array<double, 3> HeliocentricPosition::rectangular() const {
    const double cosLatitude = std::cos(latitude);
    return {radius * cosLatitude * std::cos(longitude), radius * cosLatitude * std::sin(longitude),
            radius * std::sin(latitude)};
}

HeliocentricPosition vsop87bPosition(const Vsop87bSeries& series, double julianEphemerisDate) {
    const std::array<double, 3> values =
        sums(series, (julianEphemerisDate - 2451545.0) / daysPerMillennium, nullptr);
    const double longitude = std::fmod(values[0], 2 * std::numbers::pi);
    return {longitude < 0 ? longitude + 2 * std::numbers::pi : longitude, values[1], values[2]};
}

Motion vsop87bMotion(const Vsop87bSeries& series, double julianEphemerisDate) {
    std::array<double, 3> rates{};
    const std::array<double, 3> values =
        sums(series, (julianEphemerisDate - 2451545.0) / daysPerMillennium, &rates);
    return rectangularMotion(values[0], values[1], values[2], rates[0] / daysPerMillennium,
                             rates[1] / daysPerMillennium, rates[2] / daysPerMillennium);
}

}  // namespace quenaro
