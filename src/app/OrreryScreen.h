#pragma once

#include <QWidget>

class QHBoxLayout;
class QPushButton;
class QToolButton;

namespace quenaro {

class DateTimePicker;
class TimelineView;

/// The first tab: the place line, the dial (kept square) with the day timeline under it,
/// the Date, Time and Now controls, the button that opens the astrolabe calculator, and the
/// two pickers resting just above the row of controls.
class OrreryScreen : public QWidget {
    Q_OBJECT

  public:
    OrreryScreen(QWidget* orreryView, TimelineView* timelineView, QWidget* parent = nullptr);

    QPushButton* placeButton() const { return placeButton_; }
    QToolButton* aboutButton() const { return aboutButton_; }
    QPushButton* dateButton() const { return dateButton_; }
    QPushButton* timeButton() const { return timeButton_; }
    QPushButton* nowButton() const { return nowButton_; }
    QPushButton* astrolabeButton() const { return astrolabeButton_; }
    DateTimePicker* datePicker() const { return datePicker_; }
    DateTimePicker* timePicker() const { return timePicker_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    /// Puts each picker at its resting place, its bottom just above the row of controls.
    void placePickers();

    QPushButton* placeButton_;
    QToolButton* aboutButton_;
    QPushButton* dateButton_;
    QPushButton* timeButton_;
    QPushButton* nowButton_;
    QPushButton* astrolabeButton_;
    DateTimePicker* datePicker_;
    DateTimePicker* timePicker_;
    QHBoxLayout* controls_ = nullptr;  ///< the row of Date, Time, Now and Astrolabe
};

}  // namespace quenaro
