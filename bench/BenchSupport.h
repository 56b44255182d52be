// What the view benchmarks share: the evening they draw, a canvas at a device pixel ratio of
// 2, and the whole interface launched on a tab.

#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>

#include "app/AppSettings.h"
#include "app/InterfaceDescription.h"
#include "app/QuenaroWindow.h"
#include "app/SettingsKeys.h"
#include "model/Ephemeris.h"
#include "support/BerlinEvening.h"

namespace quenaro::bench {

/// The device pixel ratio the views are drawn at (a high-density screen).
inline constexpr double kScale = 2.0;

/// The tests' Berlin evening (tests/support/BerlinEvening.h): 2026-12-07 21:08 in Berlin
/// (52.5 N, 13.4 E), a winter evening with the Milky Way high; Berlin's zone becomes the
/// default, as the window's would be.
inline Ephemeris berlinEvening() {
    TimeZone::setDefaultZone(TimeZone::named(testing::kBerlinZone));
    return testing::berlinEvening();
}

/// A picture of the size in points at kScale.
inline QImage canvas(double widthPoints, double heightPoints) {
    QImage image(static_cast<int>(widthPoints * kScale), static_cast<int>(heightPoints * kScale),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kScale);
    return image;
}

/// The whole interface at Berlin on the evening above, launched on the tab given (0 the
/// orrery screen with the dial and the timeline, 1 the star chart, 2 the sheet), by day or in
/// night vision.
struct LaunchedInterface {
    LaunchedInterface(int tab, bool night) : settings(directory.filePath("settings.ini")) {
        settings.storePlace({testing::kBerlinLatitude,
                             testing::kBerlinLongitude,
                             {},
                             {},
                             PlaceWithOrigin::Origin::Chosen});
        settings.setBoolValue(kFollowLocationKey, false);
        settings.setBoolValue(kNightModeKey, night);
        now = berlinEvening().date().timeIntervalSinceReferenceDate();
        InterfaceOptions options;
        options.makeSource = [](QObject*) { return nullptr; };
        options.clock = [this] { return now; };
        ui = loadInterface(settings, options);
        ui->delegate->applicationDidFinishLaunching();
        ui->window->tabBarController()->setCurrentIndex(tab);
        QCoreApplication::processEvents();
    }
    /// Leaves the application's palette as it found it.
    ~LaunchedInterface() { settings.setBoolValue(kNightModeKey, false); }
    LaunchedInterface(const LaunchedInterface&) = delete;
    LaunchedInterface& operator=(const LaunchedInterface&) = delete;

    const QTemporaryDir directory;
    AppSettings settings;
    double now = 0.0;
    std::unique_ptr<Interface> ui;
};

}  // namespace quenaro::bench
