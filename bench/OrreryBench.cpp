// Costs of the orrery dial at a device pixel ratio of 2 with antialiasing: drawing it, and
// one step of a drag on the orrery screen by day and in night vision (the model re-dated
// through the delegate, then the dial and the timeline painted, as the event loop would).
// Each step is timed on its own; the counters give the median and the worst step in
// milliseconds.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "drawing/DialLayout.h"
#include "drawing/OrreryContent.h"
#include "drawing/TimelineContent.h"
#include "model/Ephemeris.h"
#include "precise/PrecisePositions.h"
#include "views/OrreryPainter.h"
#include "views/OrreryView.h"
#include "views/TimelinePainter.h"

namespace quenaro {
namespace {

constexpr double kDialPoints = 320.0;

using bench::berlinEvening;
using bench::canvas;

/// Times each step and reports the median and the worst, milliseconds.
class StepTimes {
  public:
    template <typename Step>
    void time(Step&& step) {
        const auto start = std::chrono::steady_clock::now();
        step();
        const std::chrono::duration<double, std::milli> elapsed =
            std::chrono::steady_clock::now() - start;
        milliseconds_.push_back(elapsed.count());
    }

    void report(benchmark::State& state) {
        if (milliseconds_.empty()) {
            return;
        }
        std::sort(milliseconds_.begin(), milliseconds_.end());
        state.counters["median_ms"] = milliseconds_[milliseconds_.size() / 2];
        state.counters["worst_ms"] = milliseconds_.back();
    }

  private:
    std::vector<double> milliseconds_;
};

/// The dial drawn for the model moved by a minute a step (so the model's caches do not help),
/// with the Julian date (argument 0) or the planetary-hour box (argument 1).
void BM_DrawOrrery(benchmark::State& state) {
    Ephemeris model = berlinEvening();
    QImage image = canvas(kDialPoints, kDialPoints);
    OrreryOptions options;
    options.audience = static_cast<int>(state.range(0));
    StepTimes times;
    for (auto _ : state) {
        model.setDate(model.date().addTimeInterval(60.0));
        times.time([&] {
            QPainter painter(&image);
            drawOrrery(model, options, QSizeF(kDialPoints, kDialPoints), painter);
        });
    }
    times.report(state);
}
BENCHMARK(BM_DrawOrrery)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

/// The parts of a drag step on their own: the dial's and the timeline's content from the
/// model, and the painting of each from its content.
void BM_DragStepParts(benchmark::State& state) {
    Ephemeris model = berlinEvening();
    QImage dial = canvas(kDialPoints, kDialPoints);
    QImage timeline = canvas(kDialPoints, 120);
    const int part = static_cast<int>(state.range(0));
    StepTimes times;
    for (auto _ : state) {
        model.setDate(model.date().addTimeInterval(240.0));
        const OrreryContent dialContent = orreryContent(model, false);
        const TimelineContent timelineContent_ = timelineContent(model);
        times.time([&] {
            switch (part) {
                case 0:
                    benchmark::DoNotOptimize(orreryContent(model, false));
                    break;
                case 1: {
                    QPainter painter(&dial);
                    paintOrrery(dialContent, {}, QSizeF(kDialPoints, kDialPoints), painter);
                    break;
                }
                case 2:
                    benchmark::DoNotOptimize(timelineContent(model));
                    break;
                default: {
                    QPainter painter(&timeline);
                    paintTimeline(timelineContent_, QSizeF(kDialPoints, 120), painter);
                    break;
                }
            }
        });
    }
    times.report(state);
}
BENCHMARK(BM_DragStepParts)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

/// One step of a drag on the orrery screen: the mouse, holding the Sun (first argument 1: a
/// degree a step, four minutes) or the ring (2: two degrees a step, about two days), moves;
/// the dial asks the delegate to re-date the model, and the dial and the timeline are painted
/// at once as the event loop would paint them, by day or in night vision (second argument 0
/// or 1), from the almanac's series or the precise source (third argument 0 or 1; goal of the
/// precise step: under 8 ms).
void BM_OrreryDragStep(benchmark::State& state) {
    const bench::LaunchedInterface launched(0, state.range(1) != 0);
    const std::unique_ptr<Interface>& ui = launched.ui;
    if (state.range(2) != 0) {
        ui->ephemeris->setPositionSource(std::make_shared<PrecisePositions>());
    }
    OrreryView* dial = ui->orreryView;
    const double radius = dial->width() / 2.0;
    const QPointF centre(radius, radius);
    const bool ring = state.range(0) == 2;
    // Press the Sun, or the ring half a sign round from the Sun.
    double angle = sunDialAngle(*ui->ephemeris) + (ring ? 15.0 : 0.0);
    const double grabRadius = (ring ? 0.9 : 0.8) * radius;
    const auto send = [dial](QEvent::Type type, QPointF position, Qt::MouseButtons buttons) {
        QMouseEvent event(type, position, dial->mapToGlobal(position),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(dial, &event);
    };
    send(QEvent::MouseButtonPress, centre + qtPoint(dialPoint(angle, grabRadius)), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);

    const double stepDegrees = ring ? -2.0 : -1.0;  // clockwise on screen
    StepTimes times;
    for (auto _ : state) {
        angle += stepDegrees;
        times.time([&] {
            send(QEvent::MouseMove, centre + qtPoint(dialPoint(angle, grabRadius)), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        });
    }
    send(QEvent::MouseButtonRelease, centre + qtPoint(dialPoint(angle, grabRadius)), Qt::NoButton);
    times.report(state);
}
BENCHMARK(BM_OrreryDragStep)
    ->Args({1, 0, 0})
    ->Args({1, 1, 0})
    ->Args({2, 0, 0})
    ->Args({2, 1, 0})
    ->Args({1, 0, 1})
    ->Args({2, 0, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quenaro
