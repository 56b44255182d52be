// The star chart's costs at a device pixel ratio of 2, 320 x 320 points, each benchmark run
// as single frames (one iteration a repetition) so that the median and the worst frame
// show: the rebuild after a date change (geometry and picture drawn anew) and the redraw
// while the user turns the chart, each with the stars down to magnitude 4.5 and 6.5.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "BenchSupport.h"
#include "model/Ephemeris.h"
#include "views/ArmillaryPainter.h"

namespace quenaro {
namespace {

constexpr double kSide = 320.0;
constexpr int kFrames = 60;

using bench::berlinEvening;

ArmillarySettings settingsWithLimit(const benchmark::State& state) {
    ArmillarySettings settings;
    settings.showMinMagnitude = static_cast<float>(state.range(0)) / 10.0f;
    return settings;
}

void draw(const Ephemeris& model, const ArmillarySettings& settings, const ArmillaryViewState& view,
          QImage& image, ArmillaryCache& cache) {
    QPainter painter(&image);
    drawArmillary(model, settings, view, QSizeF(kSide, kSide), painter, cache);
}

double worst(const std::vector<double>& values) {
    return *std::max_element(values.begin(), values.end());
}

/// Limits 4.5 and 6.5 (the argument in tenths); kFrames frames timed one by one, reported as
/// their median and worst.
void singleFramesAtBothLimits(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(45)
        ->Arg(65)
        ->Iterations(1)
        ->Repetitions(kFrames)
        ->ComputeStatistics("max", worst)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}

/// The clock's next minute: the model re-dated (not timed), then one redraw.
void BM_ArmillaryRebuildAfterDateChange(benchmark::State& state) {
    Ephemeris model = berlinEvening();
    const ArmillarySettings settings = settingsWithLimit(state);
    ArmillaryCache cache;
    QImage image = bench::canvas(kSide, kSide);
    draw(model, settings, {}, image, cache);
    model.setDate(EphemerisDate(model.date().timeIntervalSinceReferenceDate() + 60.0));
    for (auto _ : state) {
        draw(model, settings, {}, image, cache);
    }
}
BENCHMARK(BM_ArmillaryRebuildAfterDateChange)->Apply(singleFramesAtBothLimits);

/// One move of a turn in progress: the chart drawn turned by a little more.
void BM_ArmillaryRedrawWhileTurning(benchmark::State& state) {
    const Ephemeris model = berlinEvening();
    const ArmillarySettings settings = settingsWithLimit(state);
    ArmillaryCache cache;
    QImage image = bench::canvas(kSide, kSide);
    ArmillaryViewState view;
    draw(model, settings, view, image, cache);
    view.turning = true;
    for (int move = 0; move < 3; ++move) {
        view.rotation += 0.02;
        draw(model, settings, view, image, cache);
    }
    view.rotation += 0.02;
    for (auto _ : state) {
        draw(model, settings, view, image, cache);
    }
}
BENCHMARK(BM_ArmillaryRedrawWhileTurning)->Apply(singleFramesAtBothLimits);

}  // namespace
}  // namespace quenaro
