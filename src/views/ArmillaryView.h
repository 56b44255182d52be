#pragma once

#include <QPointF>
#include <QWidget>

#include "drawing/ArmillarySettings.h"
#include "drawing/ChartInput.h"
#include "views/ArmillaryPainter.h"

class QTouchEvent;

namespace quenaro {

class Ephemeris;

/// The star chart on screen: each paint draws the shared model with drawArmillary(). Two
/// fingers turn the chart; with the mouse, a drag with the right button (or the left with
/// Ctrl held) turns it by the change of the pointer's angle about the chart's centre. A
/// double-click or double tap switches between the whole sky and the enlarged sky near the
/// horizon. Any press reports touched() (the shell hides the date and time pickers).
class ArmillaryView : public QWidget {
    Q_OBJECT

  public:
    /// A chart showing what the settings choose (read by the interface description from the
    /// user's settings), the whole sky, not turned.
    explicit ArmillaryView(const ArmillarySettings& settings, QWidget* parent = nullptr);

    /// The model drawn (not owned; connected by the interface description).
    void setEphemeris(const Ephemeris* model) { ephemeris_ = model; }

    const ArmillarySettings& settings() const { return settings_; }
    /// Shows the chart with these settings from the next redraw on (requested here).
    void setSettings(const ArmillarySettings& settings);

    /// The enlarged sky near the horizon (true) or the whole sky (false).
    bool scaleMode() const { return state_.scaleMode; }
    /// The chart's turn, radians in [-pi, pi], clockwise on screen.
    double rotation() const { return state_.rotation; }

    /// The chart's kept geometry and picture (for tests and benchmarks).
    const ArmillaryCache& cache() const { return cache_; }

    QSize sizeHint() const override { return {320, 320}; }

  signals:
    /// A finger or a mouse button went down on the chart.
    void touched();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    /// Turns the chart by `radians` (clockwise) and redraws.
    void turnBy(double radians);
    void switchScale();
    /// Ends a turn: the next redraw draws the chart sharp at its final turn.
    void endTurning();
    /// Handles touches; false for events that are not touches.
    bool touchEvent(QTouchEvent* event);
    /// The pointer's angle about the chart's centre, radians.
    double angleAboutCentre(QPointF position) const;

    const Ephemeris* ephemeris_ = nullptr;
    ArmillarySettings settings_;
    ArmillaryViewState state_;
    ArmillaryCache cache_;
    /// The mouse position of the last turning move, points.
    QPointF lastMousePosition_;
    bool mouseTurning_ = false;
    DoubleTap doubleTap_;
};

}  // namespace quenaro
