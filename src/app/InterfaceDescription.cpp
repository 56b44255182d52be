// The interface description: the one place that creates the objects of the interface and
// connects them. No other code hands the model around.

#include "app/InterfaceDescription.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/AboutBox.h"
#include "app/Alerts.h"
#include "app/AppSettings.h"
#include "app/DateTimePicker.h"
#include "app/OrreryScreen.h"
#include "app/PlaceDialog.h"
#include "app/PreferencesDialog.h"
#include "app/QuenaroWindow.h"
#include "app/SettingsKeys.h"
#include "calc/AstrolabeCalc.h"
#include "calc/AstrolabeScreen.h"
#include "model/Ephemeris.h"
#include "model/ObserverPosition.h"
#include "precise/PrecisePositions.h"
#include "views/ArmillaryView.h"
#include "views/EphemerisSheetPainter.h"
#include "views/EphemerisView.h"
#include "views/OrreryView.h"
#include "views/TimelineView.h"

namespace quenaro {

namespace {

/// A screen of the tab list holding one view edge to edge.
QWidget* screenWith(QWidget* view, const char* name) {
    auto* screen = new QWidget;
    screen->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(screen);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    return screen;
}

void addShortcut(QWidget* window, const QKeySequence& keys, const std::function<void()>& action) {
    auto* shortcut = new QShortcut(keys, window);
    QObject::connect(shortcut, &QShortcut::activated, window, action);
}

/// Opens the place dialog over the window; what the user chooses goes to the location and
/// the delegate.
void openPlaceDialog(Interface& ui, AppSettings& settings) {
    auto* dialog =
        new PlaceDialog(ui.currentLocation->bestLocation(), ui.currentLocation->following(),
                        settings.boolValue(kUsePlaceTimeZoneKey), ui.window.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    CurrentLocation* location = ui.currentLocation.get();
    QObject::connect(dialog, &PlaceDialog::placeChosen, location, &CurrentLocation::choosePlace);
    QObject::connect(dialog, &PlaceDialog::useMyLocation, location,
                     &CurrentLocation::followLocation);
    QObject::connect(dialog, &PlaceDialog::usePlaceTimeZoneChanged, ui.delegate.get(),
                     &QuenaroAppDelegate::setUsePlaceTimeZone);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->open();
}

/// Opens the preferences beside the window (one at a time); what the user changes is written
/// to the settings at once.
void openPreferences(QWidget* window, AppSettings& settings) {
    if (auto* open = window->findChild<PreferencesDialog*>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto* dialog = new PreferencesDialog(settings, window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

/// The view of the current tab as the window shows it, when it can be drawn into a file.
std::optional<ExportedView> currentExportedView(const Interface& ui, const AppSettings& settings) {
    RenderSettings rendering;
    rendering.nightVision = settings.boolValue(kNightModeKey);
    const QWidget* screen = ui.window->tabBarController()->currentWidget();
    if (screen == ui.orreryScreen) {
        rendering.orrery = ui.orreryView->settings();
        return ExportedView{RenderedView::Orrery, ui.orreryView->size(), rendering,
                            QStringLiteral("orrery")};
    }
    if (screen != nullptr && screen->isAncestorOf(ui.armillaryView)) {
        rendering.chart.settings = ui.armillaryView->settings();
        rendering.chart.state.scaleMode = ui.armillaryView->scaleMode();
        rendering.chart.state.rotation = ui.armillaryView->rotation();
        return ExportedView{RenderedView::Armillary, ui.armillaryView->size(), rendering,
                            QStringLiteral("sky")};
    }
    if (screen != nullptr && screen->isAncestorOf(ui.ephemerisView)) {
        rendering.sheet = ui.ephemerisView->settings();
        return ExportedView{RenderedView::Sheet, QSizeF(kSheetWidth, kSheetHeight), rendering,
                            QStringLiteral("sheet")};
    }
    return std::nullopt;
}

/// The place (from the settings; the location service starts when it is followed), the
/// one model: now, at the best known place (the location has just set it), and the precise
/// source the delegate gives it when the Positions setting chooses it.
void makePlaceAndModel(Interface& ui, AppSettings& settings, const InterfaceOptions& options) {
    ui.currentLocation = std::make_unique<CurrentLocation>(settings, options.makeSource);
    const GeographicPosition position = bestKnownPosition();
    const double now =
        options.clock ? options.clock() : EphemerisDate().timeIntervalSinceReferenceDate();
    ui.ephemeris = std::make_unique<Ephemeris>(EphemerisDate(now), position.latitudeDegrees,
                                               position.longitudeDegrees);
    ui.precisePositions = std::make_shared<PrecisePositions>();
}

/// The four views of the model, each with its settings: the orrery dial, the star chart, the
/// day timeline and the sheet.
void makeViews(Interface& ui, AppSettings& settings) {
    ui.orreryView = new OrreryView(settings.boolValue(kFacingKey));
    ui.orreryView->setObjectName(QStringLiteral("orreryView"));
    ui.orreryView->setEphemeris(ui.ephemeris.get());
    ui.orreryView->setSettings(settings.orrerySettings());
    ui.armillaryView = new ArmillaryView(settings.armillarySettings());
    ui.armillaryView->setObjectName(QStringLiteral("armillaryView"));
    ui.armillaryView->setEphemeris(ui.ephemeris.get());
    ui.timelineView = new TimelineView;
    ui.timelineView->setObjectName(QStringLiteral("timelineView"));
    ui.timelineView->setEphemeris(ui.ephemeris.get());
    ui.ephemerisView = new EphemerisView;
    ui.ephemerisView->setObjectName(QStringLiteral("ephemerisView"));
    ui.ephemerisView->setEphemeris(ui.ephemeris.get());
    ui.ephemerisView->setSettings(settings.sheetSettings());
}

/// The star chart's and the sheet's screens (the orrery screen is kept in the Interface).
struct Screens {
    QWidget* armillary = nullptr;
    QWidget* sheet = nullptr;
};

/// The three screens of the tab list: the orrery screen (the dial over the timeline, with
/// the controls), the star chart's and the sheet's. Parented to the tab list, hidden, until
/// the delegate puts them into it.
Screens makeScreens(Interface& ui) {
    ui.orreryScreen = new OrreryScreen(ui.orreryView, ui.timelineView);
    const Screens screens{screenWith(ui.armillaryView, "armillaryViewController"),
                          screenWith(ui.ephemerisView, "ephmerisViewController")};
    QTabWidget* tabs = ui.window->tabBarController();
    for (QWidget* screen :
         {static_cast<QWidget*>(ui.orreryScreen), screens.armillary, screens.sheet}) {
        screen->setParent(tabs);
        screen->hide();
    }
    return screens;
}

/// The calculator: a window of its own over the main one, outside the tab list.
void makeAstrolabe(Interface& ui) {
    ui.astrolabeScreen = new QWidget(ui.window.get(), Qt::Window);
    ui.astrolabeScreen->setObjectName(QStringLiteral("astrolabeViewController"));
    ui.astrolabeScreen->setWindowTitle(QObject::tr("Astrolabe"));
    ui.astrolabeScreen->resize(360, 640);  // a phone's screen; it scrolls when smaller
    ui.astrolabeCalc = buildAstrolabeScreen(*ui.ephemeris, ui.astrolabeScreen);
}

/// The delegate, with every outlet it drives.
void makeDelegate(Interface& ui, AppSettings& settings, const Screens& screens,
                  const InterfaceOptions& options) {
    QuenaroAppDelegate::Outlets outlets;
    outlets.window = ui.window.get();
    outlets.ephemeris = ui.ephemeris.get();
    outlets.orreryViewController = ui.orreryScreen;
    outlets.orreryView = ui.orreryView;
    outlets.timelineView = ui.timelineView;
    outlets.armillaryViewController = screens.armillary;
    outlets.armillaryView = ui.armillaryView;
    outlets.ephmerisViewController = screens.sheet;
    outlets.ephemerisView = ui.ephemerisView;
    outlets.orreryDatePicker = ui.orreryScreen->datePicker();
    outlets.orreryTimePicker = ui.orreryScreen->timePicker();
    outlets.tabBarController = ui.window->tabBarController();
    outlets.astrolabeViewController = ui.astrolabeScreen;
    outlets.placeButton = ui.orreryScreen->placeButton();
    outlets.currentLocation = ui.currentLocation.get();
    outlets.settings = &settings;
    outlets.precisePositions = ui.precisePositions;
    ui.delegate = std::make_unique<QuenaroAppDelegate>(outlets, options.clock);
    QObject::connect(ui.delegate.get(), &QuenaroAppDelegate::modelChanged, ui.astrolabeCalc,
                     &AstrolabeCalc::showCalcResults);
}

/// The controls' actions: the pickers, the orrery screen's buttons, the dial's drags and
/// clicks, a touch on the chart, and the location's failures as alerts.
void connectControls(Interface& ui, AppSettings& settings) {
    QuenaroAppDelegate* delegate = ui.delegate.get();
    OrreryScreen* orrery = ui.orreryScreen;
    QObject::connect(orrery->datePicker(), &DateTimePicker::valueChanged, delegate,
                     &QuenaroAppDelegate::dateChanged);
    QObject::connect(orrery->timePicker(), &DateTimePicker::valueChanged, delegate,
                     &QuenaroAppDelegate::timeChanged);
    for (DateTimePicker* picker : {orrery->datePicker(), orrery->timePicker()}) {
        QObject::connect(picker, &DateTimePicker::doneClicked, delegate,
                         &QuenaroAppDelegate::hideDateTime);
    }
    QObject::connect(orrery->dateButton(), &QPushButton::clicked, delegate,
                     &QuenaroAppDelegate::setOrreryDate);
    QObject::connect(orrery->timeButton(), &QPushButton::clicked, delegate,
                     &QuenaroAppDelegate::setOrreryTime);
    QObject::connect(orrery->nowButton(), &QPushButton::clicked, delegate,
                     &QuenaroAppDelegate::resetToToday);
    OrreryView* dial = ui.orreryView;
    QObject::connect(dial, &OrreryView::changeDate, delegate, &QuenaroAppDelegate::changeDate);
    QObject::connect(dial, &OrreryView::adjustDate, delegate, &QuenaroAppDelegate::adjustDate);
    QObject::connect(dial, &OrreryView::hideDateTime, delegate, &QuenaroAppDelegate::hideDateTime);
    QObject::connect(dial, &OrreryView::setOrreryDate, delegate,
                     &QuenaroAppDelegate::setOrreryDate);
    QObject::connect(dial, &OrreryView::dragInProgressChanged, delegate,
                     &QuenaroAppDelegate::setDragInProgress);
    QObject::connect(ui.armillaryView, &ArmillaryView::touched, delegate,
                     &QuenaroAppDelegate::hideDateTime);
    QObject::connect(orrery->astrolabeButton(), &QPushButton::clicked, delegate,
                     &QuenaroAppDelegate::showAstrolabe);
    Interface* interface = &ui;
    QObject::connect(orrery->placeButton(), &QPushButton::clicked, delegate,
                     [interface, &settings] { openPlaceDialog(*interface, settings); });
    QWidget* window = ui.window.get();
    QObject::connect(orrery->aboutButton(), &QToolButton::clicked, window,
                     [window] { showAbout(window); });
    QObject::connect(ui.currentLocation.get(), &CurrentLocation::locationError, window,
                     [window](const QString& title, const QString& message) {
                         showAlert(window, title, message);
                     });
}

/// The settings' changes reach the views: the chart takes its six settings anew (it
/// rebuilds what it keeps for them), the dial its Audience, then the delegate redraws or
/// turns night mode, and the calculator takes its night colours.
void connectSettings(Interface& ui, AppSettings& settings) {
    ArmillaryView* chart = ui.armillaryView;
    QObject::connect(&settings, &AppSettings::valueChanged, chart,
                     [&settings, chart](const QString& key) {
                         if (AppSettings::isArmillarySetting(key)) {
                             chart->setSettings(settings.armillarySettings());
                         }
                     });
    OrreryView* dial = ui.orreryView;
    QObject::connect(&settings, &AppSettings::valueChanged, dial,
                     [&settings, dial](const QString& key) {
                         if (key == kAudienceKey) {
                             dial->setSettings(settings.orrerySettings());
                         }
                     });
    QObject::connect(&settings, &AppSettings::valueChanged, ui.delegate.get(),
                     &QuenaroAppDelegate::settingChanged);
    // The calculator's window is turned red whole; its colours are chosen to stay readable.
    AstrolabeCalc* calc = ui.astrolabeCalc;
    calc->setNightVision(settings.boolValue(kNightModeKey));
    QObject::connect(&settings, &AppSettings::valueChanged, calc,
                     [&settings, calc](const QString& key) {
                         if (key == kNightModeKey) {
                             calc->setNightVision(settings.boolValue(key));
                         }
                     });
}

/// A menu entry whose shortcut works while its menu is closed too.
QAction* addMenuEntry(QWidget* window, QMenu* menu, const QString& title, const char* name,
                      const QKeySequence& keys) {
    QAction* action = menu->addAction(title);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    window->addAction(action);
    return action;
}

/// File > Export View… (Ctrl+E; offered only on a tab whose view can be drawn into a file)
/// and Quit (Ctrl+Q).
void addFileMenu(Interface& ui, AppSettings& settings, const ExportFileChooser& chooseExportFile) {
    QWidget* window = ui.window.get();
    Interface* interface = &ui;
    QMenu* file = ui.window->menuBar()->addMenu(QObject::tr("&File"));
    QAction* exportAction = addMenuEntry(window, file, QObject::tr("&Export View…"),
                                         "exportViewAction", QKeySequence(Qt::CTRL | Qt::Key_E));
    QObject::connect(exportAction, &QAction::triggered, window,
                     [interface, &settings, window, chooseExportFile] {
                         if (const std::optional<ExportedView> exported =
                                 currentExportedView(*interface, settings)) {
                             exportView(window, *exported, *interface->ephemeris, chooseExportFile);
                         }
                     });
    // Only a tab whose view can be drawn into a file offers it.
    QObject::connect(
        ui.window->tabBarController(), &QTabWidget::currentChanged, exportAction,
        [interface, &settings, exportAction] {
            exportAction->setEnabled(currentExportedView(*interface, settings).has_value());
        });
    file->addSeparator();
    QAction* quit =
        addMenuEntry(window, file, QObject::tr("&Quit"), "quitAction", QKeySequence::Quit);
    QObject::connect(quit, &QAction::triggered, window, &QWidget::close);
}

/// View > Night Mode (Ctrl+Shift+N), checked as the setting reads and writing it.
void addViewMenu(Interface& ui, AppSettings& settings) {
    QMenu* view = ui.window->menuBar()->addMenu(QObject::tr("&View"));
    QAction* nightMode =
        addMenuEntry(ui.window.get(), view, QObject::tr("&Night Mode"), "nightModeAction",
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    nightMode->setCheckable(true);
    nightMode->setChecked(settings.boolValue(kNightModeKey));
    nightMode->setToolTip(QObject::tr("Red on black, for eyes adapted to the dark"));
    QObject::connect(nightMode, &QAction::toggled, ui.delegate.get(),
                     [&settings](bool on) { settings.setBoolValue(kNightModeKey, on); });
    QObject::connect(&settings, &AppSettings::valueChanged, nightMode,
                     [&settings, nightMode](const QString& key) {
                         if (key == kNightModeKey) {
                             nightMode->setChecked(settings.boolValue(key));
                         }
                     });
}

/// Tools > Astrolabe Calculator… (Ctrl+K) and Preferences… (Ctrl+,).
void addToolsMenu(Interface& ui, AppSettings& settings) {
    QWidget* window = ui.window.get();
    QMenu* tools = ui.window->menuBar()->addMenu(QObject::tr("&Tools"));
    QAction* astrolabe = addMenuEntry(window, tools, QObject::tr("&Astrolabe Calculator…"),
                                      "astrolabeAction", QKeySequence(Qt::CTRL | Qt::Key_K));
    QObject::connect(astrolabe, &QAction::triggered, ui.delegate.get(),
                     &QuenaroAppDelegate::showAstrolabe);
    tools->addSeparator();
    QAction* preferences =
        addMenuEntry(window, tools, QObject::tr("&Preferences…"), "preferencesAction",
                     QKeySequence(Qt::CTRL | Qt::Key_Comma));
    preferences->setMenuRole(QAction::PreferencesRole);
    QObject::connect(preferences, &QAction::triggered, window,
                     [window, &settings] { openPreferences(window, settings); });
}

/// Keyboard: the pickers, the clock, the place and the three tabs.
void addShortcuts(Interface& ui, AppSettings& settings) {
    QWidget* window = ui.window.get();
    QuenaroAppDelegate* delegate = ui.delegate.get();
    Interface* interface = &ui;
    QTabWidget* tabs = ui.window->tabBarController();
    addShortcut(window, QKeySequence(Qt::CTRL | Qt::Key_D),
                [delegate] { delegate->setOrreryDate(); });
    addShortcut(window, QKeySequence(Qt::CTRL | Qt::Key_T),
                [delegate] { delegate->setOrreryTime(); });
    addShortcut(window, QKeySequence(Qt::CTRL | Qt::Key_N),
                [delegate] { delegate->resetToToday(); });
    addShortcut(window, QKeySequence(Qt::Key_Escape), [delegate] { delegate->hideDateTime(); });
    addShortcut(window, QKeySequence(Qt::CTRL | Qt::Key_L),
                [interface, &settings] { openPlaceDialog(*interface, settings); });
    for (int index = 0; index < 3; ++index) {
        addShortcut(window, QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + index)),
                    [tabs, index] { tabs->setCurrentIndex(index); });
    }
}

}  // namespace

Interface::Interface() = default;
Interface::~Interface() = default;

std::unique_ptr<Interface> loadInterface(AppSettings& settings, InterfaceOptions options) {
    auto ui = std::make_unique<Interface>();
    makePlaceAndModel(*ui, settings, options);
    // The window, which owns the screens, views and pickers made next.
    ui->window = std::make_unique<QuenaroWindow>(settings);
    makeViews(*ui, settings);
    const Screens screens = makeScreens(*ui);
    makeAstrolabe(*ui);
    makeDelegate(*ui, settings, screens, options);
    connectControls(*ui, settings);
    connectSettings(*ui, settings);
    addFileMenu(*ui, settings, options.chooseExportFile);
    addViewMenu(*ui, settings);
    addToolsMenu(*ui, settings);
    addShortcuts(*ui, settings);
    return ui;
}

}  // namespace quenaro
