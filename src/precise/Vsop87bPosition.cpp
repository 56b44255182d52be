#include "precise/Vsop87bPosition.h"

#include <cmath>
#include <cstddef>
#include <numbers>

namespace quenaro {

std::array<double, 3> HeliocentricPosition::rectangular() const {
    const double cosLatitude = std::cos(latitude);
    return {radius * cosLatitude * std::cos(longitude), radius * cosLatitude * std::sin(longitude),
            radius * std::sin(latitude)};
}

HeliocentricPosition vsop87bPosition(const Vsop87bSeries& series, double julianEphemerisDate) {
    const double tau = (julianEphemerisDate - 2451545.0) / 365250.0;
    std::array<double, 3> coordinates{};
    std::size_t begin = 0;
    for (std::size_t coordinate = 0; coordinate < 3; ++coordinate) {
        // Horner's scheme over the powers of tau: the highest power's sum first.
        std::array<double, 6> sums{};
        for (std::size_t power = 0; power < sums.size(); ++power) {
            const std::size_t end = series.ends[coordinate][power];
            for (std::size_t i = begin; i < end; ++i) {
                const Vsop87bTerm& term = series.terms[i];
                sums[power] += term.A * std::cos(term.B + term.C * tau);
            }
            begin = end;
        }
        double value = 0.0;
        for (std::size_t power = sums.size(); power-- > 0;) {
            value = value * tau + sums[power];
        }
        coordinates[coordinate] = value;
    }
    const double longitude = std::fmod(coordinates[0], 2 * std::numbers::pi);
    return {longitude < 0 ? longitude + 2 * std::numbers::pi : longitude, coordinates[1],
            coordinates[2]};
}

}  // namespace quenaro
