// Costs of drawing: the sheet and the timeline at a device pixel ratio of 2, the whole
// redraw the clock tick and a drag step on the dial start (re-dating the model, then painting
// the window), by day and in night vision, and the night-vision conversion itself.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include "BenchSupport.h"
#include "model/Ephemeris.h"
#include "views/EphemerisSheetPainter.h"
#include "views/NightVision.h"
#include "views/TimelinePainter.h"

namespace quenaro {
namespace {

using bench::berlinEvening;
using bench::canvas;
using bench::LaunchedInterface;

void BM_DrawSheet(benchmark::State& state) {
    const Ephemeris model = berlinEvening();
    QImage image = canvas(kSheetWidth, kSheetHeight);
    for (auto _ : state) {
        QPainter painter(&image);
        drawEphemerisSheet(model, SheetSettings{}, QSizeF(kSheetWidth, kSheetHeight), painter);
    }
}
BENCHMARK(BM_DrawSheet)->Unit(benchmark::kMillisecond);

void BM_DrawTimeline(benchmark::State& state) {
    const Ephemeris model = berlinEvening();
    QImage image = canvas(320, 120);
    for (auto _ : state) {
        QPainter painter(&image);
        drawTimeline(model, QSizeF(320, 120), painter);
    }
}
BENCHMARK(BM_DrawTimeline)->Unit(benchmark::kMillisecond);

/// One tick that finds a new minute: the model re-dated, the four views marked, and the
/// window painted at once. Arguments: the tab, night vision (0 or 1).
void BM_TickFanOut(benchmark::State& state) {
    LaunchedInterface launched(static_cast<int>(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        launched.now += 60.0;
        launched.ui->delegate->updateLocalTime();
        launched.ui->window->repaint();
    }
}
BENCHMARK(BM_TickFanOut)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({2, 0})
    ->Args({2, 1})
    ->Unit(benchmark::kMillisecond);

/// One step of a drag on the dial: the delegate re-dates the model by a minute and the
/// window paints what that marked (the views on the orrery screen), as the event loop does.
/// Argument: night vision (0 or 1).
void BM_DragStep(benchmark::State& state) {
    LaunchedInterface launched(0, state.range(0) != 0);
    EphemerisDate date = launched.ui->ephemeris->date();
    for (auto _ : state) {
        date = EphemerisDate(date.timeIntervalSinceReferenceDate() + 60.0, date.timeZone());
        launched.ui->delegate->changeDate(date);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_DragStep)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

/// The night-vision conversion of a dial's worth of pixels: 320 points square at a device
/// pixel ratio of 2.
void BM_TurnNightRed(benchmark::State& state) {
    QImage image = canvas(320, 320);
    image.fill(QColor(200, 150, 100));
    for (auto _ : state) {
        turnNightRed(image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_TurnNightRed)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quenaro
