// Costs of the Ephemeris model: building one, rising/setting by the refined method, and the
// sheet's figures (with the bracketing search where that method has no answer).

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

// The same figures on one day at two places: Berlin, where every event comes from the refined
// method, and 70 N 0 E on 2023-01-17, where the Sun just clears the horizon at noon and its
// rise and set need the bracketing search.
void BM_SheetFiguresOnAGrazingDay(benchmark::State& state) {
    struct Place {
        const char* zone;
        double latitude;
        double longitude;
    };
    static constexpr Place kPlaces[] = {
        {testing::kBerlinZone, testing::kBerlinLatitude, testing::kBerlinLongitude},
        {"UTC", 70.0, 0.0}};
    const Place& place = kPlaces[state.range(0)];
    setBestKnownPosition({place.latitude, place.longitude});
    const EphemerisDate date =
        EphemerisDate::dateWithYear(2023, 1, 17, 12, 0, 0, TimeZone::named(place.zone));
    for (auto _ : state) {
        const Ephemeris model(date, place.latitude, place.longitude);
        const EphemerisFigures figures = computeFigures(model);
        benchmark::DoNotOptimize(sheetLines(figures, true));
    }
}
BENCHMARK(BM_SheetFiguresOnAGrazingDay)
    ->ArgName("place")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quenaro
