#pragma once

#include <QWidget>

#include "drawing/DialInput.h"
#include "drawing/OrreryDrawing.h"
#include "time/EphemerisDate.h"
#include "views/QtCanvas.h"

namespace quenaro {

class Ephemeris;

/// The orrery dial on screen. Each paint draws the shared model with orreryDrawing() and the
/// settings last given. The mouse does what fingers do on a phone: pressing the Sun and
/// dragging it round turns the time of day (a turn is a day), pressing the ring and dragging
/// it turns the date (a turn is a year, in whole days), a double-click asks for the date
/// picker. The wheel moves the time of day by 10 minutes a notch (with Shift, a day) and
/// keeps the date there until the user returns to the clock. The view never changes the
/// model itself: it asks the delegate through its signals.
class OrreryView : public QWidget {
    Q_OBJECT

  public:
    /// `facing` is the Facing setting when the view is made (the drawing does not use it).
    explicit OrreryView(bool facing, QWidget* parent = nullptr);

    /// The model drawn (not owned; connected by the interface description).
    void setEphemeris(const Ephemeris* model) { ephemeris_ = model; }
    /// What the dial shows (the Audience setting), from the next redraw on (requested here).
    void setSettings(const OrrerySettings& settings);
    const OrrerySettings& settings() const { return settings_; }

    /// Degrees added to every angle drawn and hit-tested, counterclockwise; 0 at creation.
    float orientation() const { return orientation_; }
    void setOrientation(float degrees) { orientation_ = degrees; }
    bool facing() const { return facing_; }
    /// What a drag in progress moves: nothing, the Sun (time of day) or the ring (date).
    OrreryHold adjustWhat() const { return input_.held(); }

    QSize sizeHint() const override { return {320, 320}; }

  signals:
    /// A drag asks for the model at this date; the clock takes it back after the drag.
    void changeDate(const quenaro::EphemerisDate& date);
    /// The wheel asks for the model at this date, kept until the user returns to the clock.
    void adjustDate(const quenaro::EphemerisDate& date);
    /// A press on the dial asks for the pickers to go.
    void hideDateTime();
    /// A double-click asks for the date picker.
    void setOrreryDate();
    /// True when the user starts holding the Sun or the ring, false when they let go.
    void dragInProgressChanged(bool inProgress);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    /// A view hidden while held (another tab chosen mid-drag) lets go, so the clock runs on.
    void hideEvent(QHideEvent* event) override;

  private:
    /// Tells the shell when the user starts or stops holding the dial.
    void heldChanged(bool wasHeld);
    /// Asks for the model moved by the seconds (nothing beyond the supported years).
    void requestDateMovedBy(double seconds);

    const Ephemeris* ephemeris_ = nullptr;
    OrrerySettings settings_;
    float orientation_ = 0.0f;
    bool facing_ = false;
    DialInput input_;
    WheelNotches wheel_;
    QtCanvas canvas_;
};

}  // namespace quenaro
