// Costs of drawing: the sheet and the timeline at a device pixel ratio of 2, and the whole
// redraw the clock tick starts (re-dating the model, then painting the window).

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>

#include "app/AppSettings.h"
#include "app/InterfaceDescription.h"
#include "app/QuenaroWindow.h"
#include "model/Ephemeris.h"
#include "views/EphemerisSheetPainter.h"
#include "views/TimelinePainter.h"

namespace quenaro {
namespace {

constexpr double kScale = 2.0;

/// 2026-12-07 21:08 in Berlin.
Ephemeris berlinEvening() {
    const TimeZone berlin = TimeZone::named("Europe/Berlin");
    TimeZone::setDefaultZone(berlin);
    return Ephemeris(EphemerisDate::dateWithYear(2026, 12, 7, 21, 8, 0, berlin), 52.5, 13.4);
}

QImage canvas(double widthPoints, double heightPoints) {
    QImage image(static_cast<int>(widthPoints * kScale), static_cast<int>(heightPoints * kScale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kScale);
    return image;
}

void BM_DrawSheet(benchmark::State& state) {
    const Ephemeris model = berlinEvening();
    QImage image = canvas(kSheetWidth, kSheetHeight);
    for (auto _ : state) {
        QPainter painter(&image);
        drawEphemerisSheet(model, true, QRectF(0, 0, kSheetWidth, kSheetHeight), painter);
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
/// window painted at once (on the tab given by the argument: 0 the orrery screen with the
/// timeline, 1 the star chart, 2 the sheet).
void BM_TickFanOut(benchmark::State& state) {
    const QTemporaryDir directory;
    AppSettings settings(directory.filePath(QStringLiteral("settings.ini")));
    settings.storePlace({52.5, 13.4, {}, {}, ObserverPlace::Origin::Chosen});
    settings.setBoolValue(QStringLiteral("FollowLocation"), false);
    double now = berlinEvening().date().timeIntervalSinceReferenceDate();
    InterfaceOptions options;
    options.makeSource = [](QObject*) { return nullptr; };
    options.clock = [&now] { return now; };
    const std::unique_ptr<Interface> ui = loadInterface(settings, options);
    ui->delegate->applicationDidFinishLaunching();
    ui->window->tabBarController()->setCurrentIndex(static_cast<int>(state.range(0)));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        now += 60.0;
        ui->delegate->updateLocalTime();
        ui->window->repaint();
    }
}
BENCHMARK(BM_TickFanOut)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quenaro
