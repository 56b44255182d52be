#pragma once

#include <memory>

#include "app/CurrentLocation.h"
#include "app/QuenaroAppDelegate.h"
#include "app/ViewExport.h"

namespace quenaro {

class AppSettings;
class ArmillaryView;
class AstrolabeCalc;
class EphemerisView;
class OrreryScreen;
class OrreryView;
class QuenaroWindow;
class TimelineView;

/// Every object of the interface, created and connected by loadInterface(). It owns them;
/// the views hold the one model without owning it.
struct Interface {
    Interface();
    ~Interface();
    Interface(const Interface&) = delete;
    Interface& operator=(const Interface&) = delete;

    std::unique_ptr<CurrentLocation> currentLocation;
    std::unique_ptr<Ephemeris> ephemeris;
    /// The one precise source, which the model holds while the Positions setting chooses it.
    std::shared_ptr<const PositionSource> precisePositions;
    std::unique_ptr<QuenaroWindow> window;  // owns the screens, views and pickers
    std::unique_ptr<QuenaroAppDelegate> delegate;
    /// For tests and the application entry: parts of the window.
    OrreryScreen* orreryScreen = nullptr;
    TimelineView* timelineView = nullptr;
    EphemerisView* ephemerisView = nullptr;
    OrreryView* orreryView = nullptr;
    ArmillaryView* armillaryView = nullptr;
    /// The astrolabe calculator's screen (a window of its own) and its controller.
    QWidget* astrolabeScreen = nullptr;
    AstrolabeCalc* astrolabeCalc = nullptr;
};

/// How the interface meets the world: the location service and the clock (tests give their
/// own).
struct InterfaceOptions {
    CurrentLocation::SourceFactory makeSource = CurrentLocation::defaultSource;
    QuenaroAppDelegate::Clock clock;
    /// Where "Export view…" writes (tests give their own).
    ExportFileChooser chooseExportFile = askExportFile;
};

/// Creates the place (from the settings, starting the location service when it is
/// followed), the one model for now at that place, the window with its three screens, the
/// views, the pickers and the delegate, and connects the model to every view, the controls,
/// menus and shortcuts to the delegate's actions, the settings' changes to the delegate and
/// the location's failures to alerts. The menus: File > Export View… (Ctrl+E, the current
/// tab's view as PNG or PDF, on the Orrery tab the dial) and Quit (Ctrl+Q); View > Night Mode
/// (Ctrl+Shift+N); Tools > Astrolabe Calculator… (Ctrl+K) and Preferences… (Ctrl+,). The delegate's
/// applicationDidFinishLaunching() is left to the caller. Needs a QApplication.
std::unique_ptr<Interface> loadInterface(AppSettings& settings, InterfaceOptions options = {});

}  // namespace quenaro
