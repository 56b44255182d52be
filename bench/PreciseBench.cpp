// Costs of the precise source: one apparent place per body, and the sheet's figures with it.
//
// Goal (precise sheet): the figures of `quenaro sheet --precise` under 5 ms. Compare
// BM_PreciseSheetFigures with BM_SheetFigures (ModelBench.cpp), e.g.
//     quenaro_bench --benchmark_filter='SheetFigures|PreciseApparentPlace'

#include <benchmark/benchmark.h>

#include <memory>

#include "model/Ephemeris.h"
#include "model/EphemerisFigures.h"
#include "model/EphemerisSheet.h"
#include "model/ObserverPosition.h"
#include "precise/ApparentPlace.h"
#include "precise/PrecisePositions.h"
#include "support/BerlinEvening.h"

namespace quenaro {
namespace {

void BM_PreciseApparentPlace(benchmark::State& state) {
    const auto body = static_cast<PreciseBody>(state.range(0));
    int step = 0;
    for (auto _ : state) {
        // Julian dates over 1995-2005, one per iteration.
        step = (step + 1) % 4001;
        benchmark::DoNotOptimize(apparentPlace(body, 2449718.5 + 0.9137 * step));
    }
}
BENCHMARK(BM_PreciseApparentPlace)
    ->Arg(static_cast<int>(PreciseBody::Sun))
    ->Arg(static_cast<int>(PreciseBody::Moon))
    ->Arg(static_cast<int>(PreciseBody::Mercury))
    ->Arg(static_cast<int>(PreciseBody::Saturn))
    ->Unit(benchmark::kMicrosecond);

// Everything `quenaro sheet --json --precise` shows, without printing.
void BM_PreciseSheetFigures(benchmark::State& state) {
    setBestKnownPosition({testing::kBerlinLatitude, testing::kBerlinLongitude});
    const auto source = std::make_shared<PrecisePositions>();
    const EphemerisDate start = testing::berlinEveningDate();
    int step = 0;
    for (auto _ : state) {
        Ephemeris model(start.addTimeInterval((step++ % 1000) * 37.0 * 60.0),
                        testing::kBerlinLatitude, testing::kBerlinLongitude);
        model.setPositionSource(source);
        const EphemerisFigures figures = computeFigures(model);
        benchmark::DoNotOptimize(sheetLines(figures, true));
    }
}
BENCHMARK(BM_PreciseSheetFigures)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quenaro
