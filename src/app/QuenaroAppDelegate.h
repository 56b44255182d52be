#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "app/NightMode.h"
#include "app/PlaceWithOrigin.h"
#include "time/EphemerisDate.h"

class QAbstractButton;
class QTabWidget;
class QTimer;
class QWidget;

namespace quenaro {

class AppSettings;
class CurrentLocation;
class DateTimePicker;
class Ephemeris;
class PositionSource;

/// The shell of the application: keeps the one shared model on the current minute by a
/// 2-second clock tick, re-dates it from the date and time pickers or a drag on the dial,
/// moves it when the place changes, gives it the position source the Positions setting
/// chooses, and after every change asks the four views to redraw (orrery, armillary sphere,
/// timeline, sheet, in that order). Main thread only.
class QuenaroAppDelegate : public QObject {
    Q_OBJECT

  public:
    /// The current moment (tests give their own clock).
    using Clock = std::function<double()>;

    /// The objects the interface description connects to the delegate before launch.
    struct Outlets {
        QWidget* window = nullptr;
        Ephemeris* ephemeris = nullptr;
        QWidget* orreryViewController = nullptr;
        QWidget* orreryView = nullptr;
        QWidget* timelineView = nullptr;
        QWidget* armillaryViewController = nullptr;
        QWidget* armillaryView = nullptr;
        QWidget* ephmerisViewController = nullptr;
        QWidget* ephemerisView = nullptr;
        DateTimePicker* orreryDatePicker = nullptr;
        DateTimePicker* orreryTimePicker = nullptr;
        QTabWidget* tabBarController = nullptr;
        /// The calculator's screen: its own window, held, not placed in the tab list.
        QWidget* astrolabeViewController = nullptr;
        /// The window's line that shows the place and opens the place dialog.
        QAbstractButton* placeButton = nullptr;
        CurrentLocation* currentLocation = nullptr;
        AppSettings* settings = nullptr;
        /// The precise source the model takes while the Positions setting reads Precise.
        std::shared_ptr<const PositionSource> precisePositions;
    };

    /// `clock` gives the current moment in seconds since 2001-01-01 00:00:00 GMT; without
    /// one the system clock is used.
    QuenaroAppDelegate(const Outlets& outlets, Clock clock = {}, QObject* parent = nullptr);

    /// The start-up steps: gives the model the position source the Positions setting
    /// chooses, wraps the sheet in its scroll view, installs the three tabs, starts the clock
    /// tick, turns night vision on when the NightMode setting asks for it, shows the window and
    /// follows the place.
    void applicationDidFinishLaunching();

    /// True once the user has set a date or time with a picker (the tick then leaves the
    /// model alone until resetToToday()).
    bool hasAdjustedDate() const { return hasAdjustedDate_; }
    /// The zone the model's dates are read in: the place's own zone when the setting
    /// UsePlaceTimeZone is on and the place has one, else the device's zone.
    TimeZone zoneInUse() const;

  public slots:
    /// The clock tick: re-dates the model to now when the minute of the hour has changed,
    /// unless the user has set a date or holds the Sun or the ring of the dial.
    void updateLocalTime();
    /// Re-dates the model to the date (a drag on the dial); leaves hasAdjustedDate alone.
    void changeDate(const quenaro::EphemerisDate& date);
    /// Re-dates the model to a date the user set on the dial with the wheel; like a picked
    /// date it stays until resetToToday().
    void adjustDate(const quenaro::EphemerisDate& date);
    /// True while the user holds the Sun or the ring of the dial: the tick then leaves the
    /// model alone, so a drag is not taken back to now half way.
    void setDragInProgress(bool inProgress);
    /// The date picker's and the time picker's value-changed actions.
    void dateChanged();
    void timeChanged();
    /// Slides the date picker or the time picker up (when not already shown).
    void setOrreryDate();
    void setOrreryTime();
    /// Hides whichever picker is shown.
    void hideDateTime();
    /// Returns from a picked date to the running clock: the model goes to now at once.
    void resetToToday();
    /// The place has changed: moves the model and redraws.
    void betterLocation(const quenaro::PlaceWithOrigin& place);
    /// Reads dates in the place's own zone (or the device's).
    void setUsePlaceTimeZone(bool usePlaceZone);
    /// Shows the astrolabe calculator's screen in front, ready for typing.
    void showAstrolabe();
    /// A setting has changed (the settings' change notification): NightMode turns night
    /// vision on or off for the whole application; Positions gives the model its source (or
    /// takes it away) and redraws; any other key redraws the views, which read what they draw
    /// with anew (the interface description gives the star chart its settings first).
    void settingChanged(const QString& key);

  signals:
    /// The model's date or place has changed (the views are asked to redraw at the same time):
    /// what shows figures of the model, such as the calculator, recomputes them.
    void modelChanged();

  private:
    void redrawViews();
    void showPicker(DateTimePicker* shown, DateTimePicker* other);
    void setPickerDates(const EphemerisDate& date);
    /// Re-reads the model's date in the zone in use when that zone has changed.
    void followZone();
    void showPlace();
    /// Gives the model the precise source when the Positions setting reads Precise, else
    /// none (its own series).
    void followPositions();
    EphemerisDate now() const;

    Outlets outlets_;
    Clock clock_;
    TimeZone deviceZone_;
    QTimer* timer_ = nullptr;
    NightMode nightMode_;
    bool hasAdjustedDate_ = false;
    bool dragInProgress_ = false;
};

}  // namespace quenaro
