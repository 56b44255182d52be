#include "app/QuenaroAppDelegate.h"

#include <QAbstractButton>
#include <QLayout>
#include <QPropertyAnimation>
#include <QTabWidget>
#include <QTimer>
#include <stdexcept>
#include <utility>

#include "app/Alerts.h"
#include "app/AppSettings.h"
#include "app/CurrentLocation.h"
#include "app/DateTimePicker.h"
#include "app/SettingsKeys.h"
#include "base/DiagnosticLog.h"
#include "model/Ephemeris.h"
#include "views/EphemerisScrollView.h"
#include "views/EphemerisSheetPainter.h"

namespace quenaro {

namespace {

constexpr int kTickMilliseconds = 2000;
constexpr int kSlideMilliseconds = 250;

double systemClock() {
    return EphemerisDate().timeIntervalSinceReferenceDate();
}

/// Ends a slide still running, leaving the picker at its resting place.
void finishSlides(QWidget* picker) {
    for (QPropertyAnimation* slide : picker->findChildren<QPropertyAnimation*>()) {
        slide->setCurrentTime(slide->duration());
        slide->stop();
    }
}

}  // namespace

QuenaroAppDelegate::QuenaroAppDelegate(const Outlets& outlets, Clock clock, QObject* parent)
    : QObject(parent),
      outlets_(outlets),
      clock_(clock ? std::move(clock) : Clock(systemClock)),
      deviceZone_(TimeZone::defaultZone()),
      nightMode_(
          {outlets.orreryView, outlets.armillaryView, outlets.timelineView, outlets.ephemerisView},
          {outlets.astrolabeViewController}) {}

void QuenaroAppDelegate::applicationDidFinishLaunching() {
    // The place is known (the interface description made the location first).
    followZone();
    showPlace();
    followPositions();

    // The sheet into its scroll view, a page of 320 x 1500 points.
    QWidget* sheet = outlets_.ephemerisView;
    QWidget* sheetParent = sheet->parentWidget();
    auto* scrollView = new EphemerisScrollView(sheetParent);
    if (sheetParent != nullptr && sheetParent->layout() != nullptr) {
        delete sheetParent->layout()->replaceWidget(sheet, scrollView);
    }
    sheet->setParent(nullptr);
    sheet->setGeometry(0, 0, static_cast<int>(kSheetWidth), static_cast<int>(kSheetHeight));
    scrollView->setWidget(sheet);
    connect(scrollView, &EphemerisScrollView::touched, this, &QuenaroAppDelegate::hideDateTime);

    timer_ = new QTimer(this);
    timer_->setInterval(kTickMilliseconds);
    connect(timer_, &QTimer::timeout, this, &QuenaroAppDelegate::updateLocalTime);
    timer_->start();

    QTabWidget* tabs = outlets_.tabBarController;
    tabs->clear();
    tabs->addTab(outlets_.orreryViewController, tr("Orrery"));
    tabs->addTab(outlets_.armillaryViewController, tr("Sky"));
    tabs->addTab(outlets_.ephmerisViewController, tr("Sheet"));

    nightMode_.setEnabled(outlets_.settings->boolValue(kNightModeKey));
    outlets_.window->show();

    connect(outlets_.currentLocation, &CurrentLocation::changeLocationNotification, this,
            &QuenaroAppDelegate::betterLocation);

    // What went wrong with the settings is told once: a damaged file found on opening, and
    // the first write that failed (which also changes what the place line says).
    const QString title = tr("Settings");
    if (const QString damage = outlets_.settings->damageNotice(); !damage.isEmpty()) {
        showAlert(outlets_.window, title, damage);
    }
    if (outlets_.settings->writeHasFailed()) {
        showAlert(outlets_.window, title, tr("The settings could not be saved."));
    }
    connect(outlets_.settings, &AppSettings::writeFailed, this, [this, title](const QString& why) {
        showAlert(outlets_.window, title, why);
        showPlace();
    });
}

TimeZone QuenaroAppDelegate::zoneInUse() const {
    const PlaceWithOrigin& place = outlets_.currentLocation->bestLocation();
    if (place.zone.isEmpty() || !outlets_.settings->boolValue(kUsePlaceTimeZoneKey)) {
        return deviceZone_;
    }
    try {
        return TimeZone::named(place.zone.toStdString());
    } catch (const std::invalid_argument& error) {
        diagnosticLog(std::string("The place's zone cannot be used: ") + error.what());
        return deviceZone_;
    }
}

EphemerisDate QuenaroAppDelegate::now() const {
    return EphemerisDate(clock_(), zoneInUse());
}

void QuenaroAppDelegate::updateLocalTime() {
    if (hasAdjustedDate_ || dragInProgress_) {
        return;
    }
    const EphemerisDate current = now();
    if (current.minuteOfHour() == outlets_.ephemeris->date().minuteOfHour()) {
        return;
    }
    outlets_.ephemeris->setDate(current);
    redrawViews();
    setPickerDates(current);
}

void QuenaroAppDelegate::changeDate(const EphemerisDate& date) {
    outlets_.ephemeris->setDate(date);
    redrawViews();
    setPickerDates(date);
}

void QuenaroAppDelegate::adjustDate(const EphemerisDate& date) {
    changeDate(date);
    hasAdjustedDate_ = true;
}

void QuenaroAppDelegate::setDragInProgress(bool inProgress) {
    dragInProgress_ = inProgress;
}

void QuenaroAppDelegate::dateChanged() {
    outlets_.orreryTimePicker->setDate(outlets_.orreryDatePicker->date(zoneInUse()));
    outlets_.ephemeris->setDate(outlets_.orreryDatePicker->date(zoneInUse()));
    redrawViews();
    hasAdjustedDate_ = true;
}

void QuenaroAppDelegate::timeChanged() {
    outlets_.orreryDatePicker->setDate(outlets_.orreryTimePicker->date(zoneInUse()));
    outlets_.ephemeris->setDate(outlets_.orreryTimePicker->date(zoneInUse()));
    redrawViews();
    hasAdjustedDate_ = true;
}

void QuenaroAppDelegate::setOrreryDate() {
    showPicker(outlets_.orreryDatePicker, outlets_.orreryTimePicker);
}

void QuenaroAppDelegate::setOrreryTime() {
    showPicker(outlets_.orreryTimePicker, outlets_.orreryDatePicker);
}

void QuenaroAppDelegate::showPicker(DateTimePicker* shown, DateTimePicker* other) {
    if (!shown->isHidden()) {
        return;
    }
    shown->setDate(outlets_.ephemeris->date());
    finishSlides(other);
    other->hide();
    // From one picker height below its resting place, slide up into it.
    const QPoint rest = shown->pos();
    const int height = shown->height();
    shown->move(rest.x(), rest.y() + height);
    shown->show();
    shown->raise();
    shown->setFocus(Qt::OtherFocusReason);  // opened by key or button: typing goes to it
    auto* slide = new QPropertyAnimation(shown, "pos", shown);
    slide->setObjectName(QStringLiteral("timeMove"));
    slide->setDuration(kSlideMilliseconds);
    slide->setEasingCurve(QEasingCurve::OutCubic);
    slide->setStartValue(shown->pos());
    slide->setEndValue(rest);
    slide->start(QAbstractAnimation::DeleteWhenStopped);
}

void QuenaroAppDelegate::hideDateTime() {
    for (DateTimePicker* picker : {outlets_.orreryDatePicker, outlets_.orreryTimePicker}) {
        if (!picker->isHidden()) {
            finishSlides(picker);
            picker->hide();
        }
    }
}

void QuenaroAppDelegate::resetToToday() {
    hasAdjustedDate_ = false;
    // Not through the tick: a picked date in the same minute of the hour as now would stay.
    changeDate(now());
}

void QuenaroAppDelegate::showAstrolabe() {
    QWidget* screen = outlets_.astrolabeViewController;
    screen->show();
    screen->raise();
    screen->activateWindow();
    screen->setFocus();
}

void QuenaroAppDelegate::betterLocation(const PlaceWithOrigin& place) {
    outlets_.ephemeris->setLatitude(place.latitudeDegrees, place.longitudeDegrees);
    followZone();
    showPlace();
    redrawViews();
}

void QuenaroAppDelegate::setUsePlaceTimeZone(bool usePlaceZone) {
    outlets_.settings->setBoolValue(kUsePlaceTimeZoneKey, usePlaceZone);
    followZone();
    showPlace();
    redrawViews();
}

void QuenaroAppDelegate::settingChanged(const QString& key) {
    if (key == kNightModeKey) {
        nightMode_.setEnabled(outlets_.settings->boolValue(kNightModeKey));
        return;
    }
    if (key == kPositionsKey) {
        followPositions();
    }
    redrawViews();
}

void QuenaroAppDelegate::followPositions() {
    outlets_.ephemeris->setPositionSource(outlets_.settings->positions() == PositionsChoice::Precise
                                              ? outlets_.precisePositions
                                              : nullptr);
}

void QuenaroAppDelegate::redrawViews() {
    for (QWidget* view : {outlets_.orreryView, outlets_.armillaryView, outlets_.timelineView,
                          outlets_.ephemerisView}) {
        view->update();
    }
    emit modelChanged();
}

void QuenaroAppDelegate::setPickerDates(const EphemerisDate& date) {
    outlets_.orreryTimePicker->setDate(date);
    outlets_.orreryDatePicker->setDate(date);
}

void QuenaroAppDelegate::followZone() {
    const TimeZone zone = zoneInUse();
    // Models made inside the model's own operations read their dates in the default zone.
    TimeZone::setDefaultZone(zone);
    EphemerisDate date = outlets_.ephemeris->date();
    if (date.timeZone() != zone) {
        date.setTimeZone(zone);
        outlets_.ephemeris->setDate(date);
        setPickerDates(date);
    }
}

void QuenaroAppDelegate::showPlace() {
    const PlaceWithOrigin& place = outlets_.currentLocation->bestLocation();
    const bool unsaved = !outlets_.currentLocation->bestLocationSaved();
    outlets_.placeButton->setText(
        QStringLiteral("%1 \u00B7 %2 \u00B7 %3%4")
            .arg(placeTitle(place), QString::fromStdString(zoneInUse().name()),
                 placeOriginText(place.origin), unsaved ? tr(", not saved") : QString()));
}

}  // namespace quenaro
