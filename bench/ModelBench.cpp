// Costs of the Ephemeris model: building one, and rising/setting by the refined method.

#include <benchmark/benchmark.h>

#include "model/Ephemeris.h"
#include "model/EphemerisFigures.h"
#include "model/EphemerisSheet.h"
#include "model/ObserverPosition.h"
#include "support/BerlinEvening.h"

namespace quenaro {
namespace {

EphemerisDate benchDate(int step) {
    // The Berlin evening, 2026-12-07 21:08, moved by 37 minutes a step so nothing can be
    // reused.
    static const EphemerisDate start = testing::berlinEveningDate();
    return start.addTimeInterval(step * 37.0 * 60.0);
}

void BM_BuildEphemeris(benchmark::State& state) {
    int step = 0;
    for (auto _ : state) {
        Ephemeris model(benchDate(step++ % 1000), testing::kBerlinLatitude,
                        testing::kBerlinLongitude);
        benchmark::DoNotOptimize(model);
    }
}
BENCHMARK(BM_BuildEphemeris);

void BM_CalcTimes(benchmark::State& state) {
    const int object = static_cast<int>(state.range(0));
    int step = 0;
    for (auto _ : state) {
        const Ephemeris model(benchDate(step++ % 1000), testing::kBerlinLatitude,
                              testing::kBerlinLongitude);
        benchmark::DoNotOptimize(model.calcTimes(Ephemeris::HorizonAltitude, object));
    }
}
BENCHMARK(BM_CalcTimes)->Arg(Ephemeris::Sun)->Arg(Ephemeris::Moon)->Arg(Ephemeris::Saturn);

// Everything `quenaro sheet --json` shows, without printing: the figures and the sheet's texts.
void BM_SheetFigures(benchmark::State& state) {
    setBestKnownPosition({testing::kBerlinLatitude, testing::kBerlinLongitude});
    int step = 0;
    for (auto _ : state) {
        const Ephemeris model(benchDate(step++ % 1000), testing::kBerlinLatitude,
                              testing::kBerlinLongitude);
        const EphemerisFigures figures = computeFigures(model);
        benchmark::DoNotOptimize(sheetLines(figures, true));
    }
}
BENCHMARK(BM_SheetFigures)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quenaro
