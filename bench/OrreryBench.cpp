// Costs of the orrery dial at a device pixel ratio of 2 with antialiasing: drawing it, and
// one step of a drag on the orrery screen (the model re-dated through the delegate, then the
// dial and the timeline painted, as the event loop would). Each step is timed on its own;
// the counters give the median and the worst step in milliseconds.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <vector>

#include "app/AppSettings.h"
#include "app/InterfaceDescription.h"
#include "app/QuenaroWindow.h"
#include "model/Ephemeris.h"
#include "views/DialGeometry.h"
#include "views/OrreryContent.h"
#include "views/OrreryPainter.h"
#include "views/OrreryView.h"
#include "views/TimelineContent.h"
#include "views/TimelinePainter.h"

namespace quenaro {
namespace {

constexpr double kScale = 2.0;
constexpr double kDialPoints = 320.0;

/// 2026-12-07 21:08 in Berlin.
Ephemeris berlinEvening() {
    const TimeZone berlin = TimeZone::named("Europe/Berlin");
    TimeZone::setDefaultZone(berlin);
    return Ephemeris(EphemerisDate::dateWithYear(2026, 12, 7, 21, 8, 0, berlin), 52.5, 13.4);
}

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
    QImage image(static_cast<int>(kDialPoints * kScale), static_cast<int>(kDialPoints * kScale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kScale);
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
    QImage dial(static_cast<int>(kDialPoints * kScale), static_cast<int>(kDialPoints * kScale),
                QImage::Format_ARGB32_Premultiplied);
    dial.setDevicePixelRatio(kScale);
    QImage timeline(static_cast<int>(kDialPoints * kScale), static_cast<int>(120 * kScale),
                    QImage::Format_ARGB32_Premultiplied);
    timeline.setDevicePixelRatio(kScale);
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

/// One step of a drag on the orrery screen: the mouse, holding the Sun (argument 1: a degree
/// a step, four minutes) or the ring (argument 2: two degrees a step, about two days), moves;
/// the dial asks the delegate to re-date the model, and the dial and the timeline are painted
/// at once as the event loop would paint them.
void BM_OrreryDragStep(benchmark::State& state) {
    const QTemporaryDir directory;
    AppSettings settings(directory.filePath(QStringLiteral("settings.ini")));
    settings.storePlace({52.5, 13.4, {}, {}, ObserverPlace::Origin::Chosen});
    settings.setBoolValue(QStringLiteral("FollowLocation"), false);
    const double start = berlinEvening().date().timeIntervalSinceReferenceDate();
    InterfaceOptions options;
    options.makeSource = [](QObject*) { return nullptr; };
    options.clock = [start] { return start; };
    const std::unique_ptr<Interface> ui = loadInterface(settings, options);
    ui->delegate->applicationDidFinishLaunching();
    ui->window->tabBarController()->setCurrentIndex(0);
    QCoreApplication::processEvents();

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
    send(QEvent::MouseButtonPress, centre + dialPoint(angle, grabRadius), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);

    const double stepDegrees = ring ? -2.0 : -1.0;  // clockwise on screen
    StepTimes times;
    for (auto _ : state) {
        angle += stepDegrees;
        times.time([&] {
            send(QEvent::MouseMove, centre + dialPoint(angle, grabRadius), Qt::LeftButton);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        });
    }
    send(QEvent::MouseButtonRelease, centre + dialPoint(angle, grabRadius), Qt::NoButton);
    times.report(state);
}
BENCHMARK(BM_OrreryDragStep)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quenaro
