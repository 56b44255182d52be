#pragma once

#include <QDateTime>
#include <QWidget>

#include "time/EphemerisDate.h"

class QCalendarWidget;
class QTimeEdit;

namespace quenaro {

/// A picker panel that slides up from the bottom of the orrery screen: a calendar for the
/// date, or a field for the time of day. It holds a whole date and time as wall time in the
/// zone the application uses, and changes only the part it shows.
class DateTimePicker : public QWidget {
    Q_OBJECT

  public:
    enum class Mode { Date, Time };

    DateTimePicker(Mode mode, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    /// Shows the date's wall time in its zone; sends no valueChanged().
    void setDate(const EphemerisDate& date);
    /// The picked wall time as a date in the zone.
    EphemerisDate date(const TimeZone& zone) const;
    /// The picked wall time (calendar fields as a UTC QDateTime, no zone of its own).
    QDateTime wallTime() const { return wallTime_; }

  signals:
    /// The user changed the value.
    void valueChanged();
    /// The user is done with the picker.
    void doneClicked();

  private:
    void showWallTime();

    Mode mode_;
    QDateTime wallTime_;
    QCalendarWidget* calendar_ = nullptr;
    QTimeEdit* timeEdit_ = nullptr;
};

}  // namespace quenaro
