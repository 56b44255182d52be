#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>

#include "places/Gazetteer.h"
#include "places/ZoneLookup.h"

namespace quenaro {
namespace {

// A gazetteer search as the command line and the place dialog make it: the best 10 places for
// a query, with and without narrowing. The one-letter query has the most candidates to rank.
void BM_GazetteerSearch(benchmark::State& state, const char* query) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(searchPlaces(query, 10));
    }
}
BENCHMARK_CAPTURE(BM_GazetteerSearch, Tromso, "tromsø");
BENCHMARK_CAPTURE(BM_GazetteerSearch, SaoP, "sao p");
BENCHMARK_CAPTURE(BM_GazetteerSearch, SpringfieldIL, "Springfield, IL");
BENCHMARK_CAPTURE(BM_GazetteerSearch, LondonUnitedKingdom, "London, United Kingdom");
BENCHMARK_CAPTURE(BM_GazetteerSearch, OneLetter, "s");

// The zone at points spread over the whole Earth (a fixed pseudo-random walk), land and sea.
void BM_ZoneLookup(benchmark::State& state) {
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<double>(seed >> 8) / static_cast<double>(1u << 24);  // [0, 1)
    };
    constexpr std::size_t kPoints = 4096;
    static double latitudes[kPoints];
    static double longitudes[kPoints];
    for (std::size_t i = 0; i < kPoints; ++i) {
        latitudes[i] = -90.0 + 180.0 * next();
        longitudes[i] = -180.0 + 360.0 * next();
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zoneAtPosition(latitudes[i], longitudes[i]));
        i = (i + 1) % kPoints;
    }
}
BENCHMARK(BM_ZoneLookup);

}  // namespace
}  // namespace quenaro
