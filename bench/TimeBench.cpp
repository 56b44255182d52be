#include <benchmark/benchmark.h>

#include <cstdint>

#include "time/EphemerisDate.h"

namespace quenaro {
namespace {

// The Julian date of a freshly made date, as the model asks it for every date it builds:
// hourly instants (plus a quarter second) through 2026, so the zone's summer-time changes
// are crossed.
void julianDateOfFreshDate(benchmark::State& state, const TimeZone& zone) {
    constexpr double kStartOf2026 = 820454400.0;  // seconds since 2001-01-01 GMT
    constexpr std::int64_t kHoursPerYear = 8760;
    std::int64_t hour = 0;
    for (auto _ : state) {
        const EphemerisDate date(kStartOf2026 + static_cast<double>(hour) * 3600.25, zone);
        benchmark::DoNotOptimize(date.julianDate());
        hour = (hour + 1) % kHoursPerYear;
    }
}

void BM_JulianDateOfFreshDateInNamedZone(benchmark::State& state) {
    julianDateOfFreshDate(state, TimeZone::named("Europe/Berlin"));
}
BENCHMARK(BM_JulianDateOfFreshDateInNamedZone);

// The same with a fixed offset: the difference is the zone database lookup.
void BM_JulianDateOfFreshDateInFixedZone(benchmark::State& state) {
    julianDateOfFreshDate(state, TimeZone::forSecondsFromGMT(3600));
}
BENCHMARK(BM_JulianDateOfFreshDateInFixedZone);

}  // namespace
}  // namespace quenaro
