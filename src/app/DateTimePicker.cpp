#include "app/DateTimePicker.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace quenaro {

DateTimePicker::DateTimePicker(Mode mode, QWidget* parent)
    : QWidget(parent), mode_(mode), wallTime_(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC) {
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar->addStretch();
    auto* done = new QPushButton(tr("Done"), this);
    bar->addWidget(done);
    connect(done, &QPushButton::clicked, this, &DateTimePicker::doneClicked);
    if (mode_ == Mode::Date) {
        setObjectName(QStringLiteral("orreryDatePicker"));
        calendar_ = new QCalendarWidget(this);
        calendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
        // The calendar reaches the years the model supports.
        calendar_->setDateRange(QDate(-4000, 1, 1), QDate(8000, 12, 31));
        layout->addLayout(bar);
        layout->addWidget(calendar_);
        connect(calendar_, &QCalendarWidget::selectionChanged, this, [this] {
            wallTime_.setDate(calendar_->selectedDate());
            emit valueChanged();
        });
    } else {
        setObjectName(QStringLiteral("orreryTimePicker"));
        timeEdit_ = new QTimeEdit(this);
        timeEdit_->setDisplayFormat(QStringLiteral("h:mm AP"));
        timeEdit_->setWrapping(true);
        bar->insertWidget(0, timeEdit_, 1);
        layout->addLayout(bar);
        connect(timeEdit_, &QTimeEdit::timeChanged, this, [this](QTime time) {
            wallTime_.setTime(time);
            emit valueChanged();
        });
    }
    // Focus given to the picker goes to its calendar or time field.
    setFocusProxy(calendar_ != nullptr ? static_cast<QWidget*>(calendar_) : timeEdit_);
    hide();
}

void DateTimePicker::setDate(const EphemerisDate& date) {
    wallTime_ =
        QDateTime(QDate(date.yearOfCommonEra(), date.monthOfYear(), date.dayOfMonth()),
                  QTime(date.hourOfDay(), date.minuteOfHour(), date.secondOfMinute()), Qt::UTC);
    showWallTime();
}

EphemerisDate DateTimePicker::date(const TimeZone& zone) const {
    const QDate day = wallTime_.date();
    const QTime time = wallTime_.time();
    return EphemerisDate::dateWithYear(
        day.year(), static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()),
        static_cast<unsigned>(time.hour()), static_cast<unsigned>(time.minute()),
        static_cast<unsigned>(time.second()), zone);
}

void DateTimePicker::showWallTime() {
    if (calendar_ != nullptr) {
        const QSignalBlocker blocker(calendar_);
        calendar_->setSelectedDate(wallTime_.date());
    }
    if (timeEdit_ != nullptr) {
        const QSignalBlocker blocker(timeEdit_);
        timeEdit_->setTime(wallTime_.time());
    }
}

}  // namespace quenaro
