// Benchmarks of the astronomical series, and the bare trigonometry that bounds them.
//
// Goal: CAAElliptical::Calculate(SATURN) costs at most 1.25 times the same number of std::cos
// calls. Compare the medians of BM_EllipticalCalculate/SATURN and BM_SaturnTrigonometryReference
// from one run, e.g.
//     quenaro_bench --benchmark_filter='SATURN|Reference' --benchmark_repetitions=5
//
// Trigonometric evaluations in one Calculate(SATURN) on an ordinary date, 2192 in all:
// - the Earth's L, B, R tables once (129 + 7 + 59 = 195 cosines); the aberration reuses the
//   Earth's longitude for the Sun's;
// - Saturn's L, B, R tables (319 + 130 + 183 = 632 cosines) in each of the three light-time
//   passes (1896);
// - 101 others: the Earth's and the body's rectangular coordinates (4 + 2 x 4 in the loop + 4
//   after it), two atan2, six in the aberration, five in the FK5 corrections, 63 nutation
//   sines and nine in the equatorial rotation.
// The count was confirmed by linking the Release library with -Wl,--wrap for sin, cos, tan,
// atan2, asin and sincos: 63 sin, 2091 cos, 2 tan, 3 atan2, 1 asin, 16 sincos (2 each) at
// five dates from 1900 to 2100 (2220 cos before the aberration reused the Earth's longitude).
//
// The reference loop calls std::cos that many times on arguments of the same form, B + C tau
// of the tables above (the 101 others take the Earth's L0 terms in turn). Both loops move the
// Julian date on every iteration so that nothing can be hoisted.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <iterator>
#include <span>
#include <vector>

#include "series/CAAElliptical.h"
#include "series/CAAMoon.h"
#include "series/CAANutation.h"
#include "series/CAAPhysicalMoon.h"
#include "series/tables/EarthCoefficients.h"
#include "series/tables/SaturnCoefficients.h"

namespace quenaro {
namespace {

/// Julian dates spread over 1995-2005, one per iteration.
class MovingDate {
  public:
    double next() {
        step_ = (step_ + 1) % 4001;
        return 2449718.5 + 0.9137 * step_;
    }

  private:
    int step_ = 0;
};

void BM_EllipticalCalculate(benchmark::State& state, CAAElliptical::EllipticalObject object) {
    MovingDate date;
    for (auto _ : state) {
        CAAEllipticalResult result = CAAElliptical::Calculate(date.next(), object);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK_CAPTURE(BM_EllipticalCalculate, SUN, CAAElliptical::SUN);
BENCHMARK_CAPTURE(BM_EllipticalCalculate, MERCURY, CAAElliptical::MERCURY);
BENCHMARK_CAPTURE(BM_EllipticalCalculate, VENUS, CAAElliptical::VENUS);
BENCHMARK_CAPTURE(BM_EllipticalCalculate, MARS, CAAElliptical::MARS);
BENCHMARK_CAPTURE(BM_EllipticalCalculate, JUPITER, CAAElliptical::JUPITER);
BENCHMARK_CAPTURE(BM_EllipticalCalculate, SATURN, CAAElliptical::SATURN);
BENCHMARK_CAPTURE(BM_EllipticalCalculate, URANUS, CAAElliptical::URANUS);
BENCHMARK_CAPTURE(BM_EllipticalCalculate, NEPTUNE, CAAElliptical::NEPTUNE);
BENCHMARK_CAPTURE(BM_EllipticalCalculate, PLUTO, CAAElliptical::PLUTO);

/// The phase and frequency of every term Calculate(SATURN) evaluates, in its order.
std::vector<CAAVSOP87Term> saturnTrigonometryTerms() {
    const std::span<const CAAVSOP87Term> earthLongitude[] = {
        g_L0EarthCoefficients, g_L1EarthCoefficients, g_L2EarthCoefficients,
        g_L3EarthCoefficients, g_L4EarthCoefficients, g_L5EarthCoefficients};
    const std::span<const CAAVSOP87Term> earthLatitudeRadius[] = {
        g_B0EarthCoefficients, g_B1EarthCoefficients, g_R0EarthCoefficients, g_R1EarthCoefficients,
        g_R2EarthCoefficients, g_R3EarthCoefficients, g_R4EarthCoefficients};
    const std::span<const CAAVSOP87Term> saturn[] = {
        g_L0SaturnCoefficients, g_L1SaturnCoefficients, g_L2SaturnCoefficients,
        g_L3SaturnCoefficients, g_L4SaturnCoefficients, g_L5SaturnCoefficients,
        g_B0SaturnCoefficients, g_B1SaturnCoefficients, g_B2SaturnCoefficients,
        g_B3SaturnCoefficients, g_B4SaturnCoefficients, g_B5SaturnCoefficients,
        g_R0SaturnCoefficients, g_R1SaturnCoefficients, g_R2SaturnCoefficients,
        g_R3SaturnCoefficients, g_R4SaturnCoefficients, g_R5SaturnCoefficients};
    std::vector<CAAVSOP87Term> terms;
    auto append = [&terms](std::span<const std::span<const CAAVSOP87Term>> tables) {
        for (const auto& table : tables) {
            terms.insert(terms.end(), table.begin(), table.end());
        }
    };
    append(earthLongitude);
    append(earthLatitudeRadius);
    for (int pass = 0; pass < 3; ++pass) {
        append(saturn);
    }
    constexpr std::size_t otherEvaluations = 101;
    for (std::size_t i = 0; i < otherEvaluations; ++i) {
        terms.push_back(g_L0EarthCoefficients[i % std::size(g_L0EarthCoefficients)]);
    }
    return terms;
}

void BM_SaturnTrigonometryReference(benchmark::State& state) {
    const std::vector<CAAVSOP87Term> terms = saturnTrigonometryTerms();
    MovingDate date;
    for (auto _ : state) {
        const double tau = (date.next() - 2451545) / 365250;
        double sum = 0;
        for (const CAAVSOP87Term& term : terms) {
            sum += std::cos(term.B + term.C * tau);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["cosines"] = static_cast<double>(terms.size());
}
BENCHMARK(BM_SaturnTrigonometryReference);

void BM_MoonEclipticLongitude(benchmark::State& state) {
    MovingDate date;
    for (auto _ : state) {
        double longitude = CAAMoon::EclipticLongitude(date.next());
        benchmark::DoNotOptimize(longitude);
    }
}
BENCHMARK(BM_MoonEclipticLongitude);

void BM_NutationInLongitude(benchmark::State& state) {
    MovingDate date;
    for (auto _ : state) {
        double arcseconds = CAANutation::NutationInLongitude(date.next());
        benchmark::DoNotOptimize(arcseconds);
    }
}
BENCHMARK(BM_NutationInLongitude);

void BM_SelenographicPositionOfSun(benchmark::State& state) {
    MovingDate date;
    for (auto _ : state) {
        CAASelenographicSun sun = CAAPhysicalMoon::CalculateSelenographicPositionOfSun(date.next());
        benchmark::DoNotOptimize(sun);
    }
}
BENCHMARK(BM_SelenographicPositionOfSun);

}  // namespace
}  // namespace quenaro
