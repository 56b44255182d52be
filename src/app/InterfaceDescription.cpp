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

#include "app/Alerts.h"
#include "app/AppSettings.h"
#include "app/DateTimePicker.h"
#include "app/OrreryScreen.h"
#include "app/PlaceDialog.h"
#include "app/QuenaroWindow.h"
#include "calc/AstrolabeCalc.h"
#include "calc/AstrolabeScreen.h"
#include "model/Ephemeris.h"
#include "model/ObserverPosition.h"
#include "views/ArmillaryView.h"
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
                        settings.boolValue(QStringLiteral("UsePlaceTimeZone")), ui.window.get());
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

}  // namespace

Interface::Interface() = default;
Interface::~Interface() = default;

std::unique_ptr<Interface> loadInterface(AppSettings& settings, InterfaceOptions options) {
    auto ui = std::make_unique<Interface>();
    ui->currentLocation = std::make_unique<CurrentLocation>(settings, options.makeSource);

    // The one model: now, at the best known place (the location has just set it).
    const GeographicPosition position = bestKnownPosition();
    const double now =
        options.clock ? options.clock() : EphemerisDate().timeIntervalSinceReferenceDate();
    ui->ephemeris = std::make_unique<Ephemeris>(EphemerisDate(now), position.latitudeDegrees,
                                                position.longitudeDegrees);

    ui->window = std::make_unique<QuenaroWindow>(settings);
    ui->orreryView = new OrreryView(settings.boolValue(QStringLiteral("Facing")));
    ui->orreryView->setObjectName(QStringLiteral("orreryView"));
    ui->orreryView->setEphemeris(ui->ephemeris.get());
    // Read on every redraw, so a change of the setting shows at once.
    ui->orreryView->setAudienceSource(
        [&settings] { return settings.intValue(QStringLiteral("Audience")); });
    ui->armillaryView = new ArmillaryView(settings.armillarySettings());
    ui->armillaryView->setObjectName(QStringLiteral("armillaryView"));
    ui->armillaryView->setEphemeris(ui->ephemeris.get());
    ui->timelineView = new TimelineView;
    ui->timelineView->setObjectName(QStringLiteral("timelineView"));
    ui->timelineView->setEphemeris(ui->ephemeris.get());
    ui->ephemerisView = new EphemerisView;
    ui->ephemerisView->setObjectName(QStringLiteral("ephemerisView"));
    ui->ephemerisView->setEphemeris(ui->ephemeris.get());

    ui->orreryScreen = new OrreryScreen(ui->orreryView, ui->timelineView);
    QWidget* armillaryScreen = screenWith(ui->armillaryView, "armillaryViewController");
    QWidget* sheetScreen = screenWith(ui->ephemerisView, "ephmerisViewController");
    // Parented to the window until the delegate puts them into the tab list.
    QTabWidget* tabs = ui->window->tabBarController();
    for (QWidget* screen :
         {static_cast<QWidget*>(ui->orreryScreen), armillaryScreen, sheetScreen}) {
        screen->setParent(tabs);
        screen->hide();
    }

    // The calculator: a window of its own over the main one, outside the tab list.
    ui->astrolabeScreen = new QWidget(ui->window.get(), Qt::Window);
    ui->astrolabeScreen->setObjectName(QStringLiteral("astrolabeViewController"));
    ui->astrolabeScreen->setWindowTitle(QObject::tr("Astrolabe"));
    ui->astrolabeCalc = buildAstrolabeScreen(*ui->ephemeris, ui->astrolabeScreen);

    QuenaroAppDelegate::Outlets outlets;
    outlets.window = ui->window.get();
    outlets.ephemeris = ui->ephemeris.get();
    outlets.orreryViewController = ui->orreryScreen;
    outlets.orreryView = ui->orreryView;
    outlets.timelineView = ui->timelineView;
    outlets.armillaryViewController = armillaryScreen;
    outlets.armillaryView = ui->armillaryView;
    outlets.ephmerisViewController = sheetScreen;
    outlets.ephemerisView = ui->ephemerisView;
    outlets.orreryDatePicker = ui->orreryScreen->datePicker();
    outlets.orreryTimePicker = ui->orreryScreen->timePicker();
    outlets.tabBarController = tabs;
    outlets.astrolabeViewController = ui->astrolabeScreen;
    outlets.placeButton = ui->orreryScreen->placeButton();
    outlets.currentLocation = ui->currentLocation.get();
    outlets.settings = &settings;
    ui->delegate = std::make_unique<QuenaroAppDelegate>(outlets, options.clock);

    // Actions.
    QuenaroAppDelegate* delegate = ui->delegate.get();
    OrreryScreen* orrery = ui->orreryScreen;
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
    OrreryView* dial = ui->orreryView;
    QObject::connect(dial, &OrreryView::changeDate, delegate, &QuenaroAppDelegate::changeDate);
    QObject::connect(dial, &OrreryView::adjustDate, delegate, &QuenaroAppDelegate::adjustDate);
    QObject::connect(dial, &OrreryView::hideDateTime, delegate, &QuenaroAppDelegate::hideDateTime);
    QObject::connect(dial, &OrreryView::setOrreryDate, delegate,
                     &QuenaroAppDelegate::setOrreryDate);
    QObject::connect(dial, &OrreryView::dragInProgressChanged, delegate,
                     &QuenaroAppDelegate::setDragInProgress);
    QObject::connect(ui->armillaryView, &ArmillaryView::touched, delegate,
                     &QuenaroAppDelegate::hideDateTime);
    QObject::connect(orrery->astrolabeButton(), &QPushButton::clicked, delegate,
                     &QuenaroAppDelegate::showAstrolabe);
    Interface* interface = ui.get();
    QObject::connect(orrery->placeButton(), &QPushButton::clicked, delegate,
                     [interface, &settings] { openPlaceDialog(*interface, settings); });
    QWidget* window = ui->window.get();
    QObject::connect(orrery->aboutButton(), &QToolButton::clicked, window,
                     [window] { showAbout(window); });
    QObject::connect(ui->currentLocation.get(), &CurrentLocation::locationError, window,
                     [window](const QString& title, const QString& message) {
                         showAlert(window, title, message);
                     });

    // The menu: the calculator, also on Ctrl+K.
    QMenu* tools = ui->window->menuBar()->addMenu(QObject::tr("&Tools"));
    QAction* astrolabe = tools->addAction(QObject::tr("&Astrolabe Calculator…"));
    astrolabe->setObjectName(QStringLiteral("astrolabeAction"));
    astrolabe->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    ui->window->addAction(astrolabe);  // the shortcut works while the menu is closed
    QObject::connect(astrolabe, &QAction::triggered, delegate, &QuenaroAppDelegate::showAstrolabe);

    // Keyboard: the pickers, the clock, the place and the three tabs.
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
    return ui;
}

}  // namespace quenaro
